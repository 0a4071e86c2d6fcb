// The file commands on real files in a temporary folder: patterns, directories,
// read-only and locked files, and what a failure leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "logic/commands.h"
#include "runtime/platform_text.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::read_whole_file;
using testing_support::TempDir;

std::wstring wide(const std::string& path) { return rt::to_platform(path); }
bool exists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }
logic::Bytes bytes_of(const std::string& s) { return logic::Bytes::copy_of(s.data(), static_cast<int>(s.size())); }

// Another program holding the file open without sharing.
struct LockedFile {
    explicit LockedFile(const std::string& path)
        : handle(CreateFileW(wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~LockedFile() { CloseHandle(handle); }
    HANDLE handle;
};

std::string read_only(const std::string& path) {
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    return path;
}

TEST(FileExists, PatternsAndDirectoriesMatch) {
    TempDir dir;
    EXPECT_FALSE(logic::file_exists((dir / "*.log").c_str()));
    dir.write("client.log", "x");
    dir.write("Cross\\inner.txt", "x");
    EXPECT_TRUE(logic::file_exists((dir / "*.log").c_str()));
    EXPECT_TRUE(logic::file_exists((dir / "client.lo?").c_str()));
    EXPECT_FALSE(logic::file_exists((dir / "*.cfg").c_str()));
    EXPECT_TRUE(logic::file_exists((dir / "Cross").c_str()));
    EXPECT_FALSE(logic::file_exists((dir / "missing\\*.log").c_str()));
    EXPECT_FALSE(logic::file_exists(""));
}

TEST(DeleteFileCommand, RemovesAFileAndRefusesTheRest) {
    TempDir dir;
    const std::string plain = dir.write("a.log", "a");
    EXPECT_TRUE(logic::delete_file(plain.c_str()));
    EXPECT_FALSE(exists(plain));
    EXPECT_FALSE(logic::delete_file(plain.c_str()));

    const std::string protected_file = read_only(dir.write("b.log", "bb"));
    EXPECT_FALSE(logic::delete_file(protected_file.c_str()));
    EXPECT_EQ(read_whole_file(protected_file), "bb");

    const std::string in_use = dir.write("c.log", "ccc");
    {
        LockedFile lock(in_use);
        EXPECT_FALSE(logic::delete_file(in_use.c_str()));
    }
    EXPECT_EQ(read_whole_file(in_use), "ccc");
}

TEST(MoveFileCommand, RenamesFilesAndFolders) {
    TempDir dir;
    dir.write("game.cfg", "cfg");
    dir.write("sub\\keep.txt", "k");
    EXPECT_TRUE(logic::move_file((dir / "game.cfg").c_str(), (dir / "sub\\game.cfg.bak").c_str()));
    EXPECT_FALSE(exists(dir / "game.cfg"));
    EXPECT_EQ(read_whole_file(dir / "sub\\game.cfg.bak"), "cfg");
    EXPECT_TRUE(logic::move_file((dir / "sub").c_str(), (dir / "Crossend").c_str()));
    EXPECT_EQ(read_whole_file(dir / "Crossend\\keep.txt"), "k");
}

TEST(MoveFileCommand, FailuresChangeNothing) {
    TempDir dir;
    const std::string a = dir.write("a.txt", "first");
    const std::string b = dir.write("b.txt", "second");
    EXPECT_FALSE(logic::move_file(a.c_str(), b.c_str()));
    EXPECT_EQ(read_whole_file(b), "second");
    EXPECT_FALSE(logic::move_file((dir / "missing.txt").c_str(), (dir / "c.txt").c_str()));
    EXPECT_FALSE(logic::move_file(a.c_str(), (dir / "no\\such\\dir.txt").c_str()));
    {
        LockedFile lock(a);
        EXPECT_FALSE(logic::move_file(a.c_str(), (dir / "d.txt").c_str()));
    }
    EXPECT_EQ(read_whole_file(a), "first");
    EXPECT_FALSE(exists(dir / "c.txt") || exists(dir / "d.txt"));
}

TEST(WriteToFile, WritesTheByteSetsInOrderReplacingTheFile) {
    TempDir dir;
    const std::string path = dir.write("system.yaml", "an old and much longer content\r\n");
    const logic::Bytes one = bytes_of("region: ");
    const logic::Bytes two = bytes_of(std::string("TENCENT\0\r\n", 10));
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {one.get(), nullptr, two.get()}));
    EXPECT_EQ(read_whole_file(path), std::string("region: TENCENT\0\r\n", 18));
    // Only empty byte sets: an empty file.
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {nullptr}));
    EXPECT_TRUE(exists(path));
    EXPECT_EQ(read_whole_file(path), "");
}

TEST(WriteToFile, FilesItCannotOpenStayAsTheyWere) {
    TempDir dir;
    const logic::Bytes data = bytes_of("new");
    EXPECT_FALSE(logic::write_to_file("", {data.get()}));
    EXPECT_FALSE(logic::write_to_file((dir / "missing\\a.txt").c_str(), {data.get()}));
    EXPECT_FALSE(exists(dir / "missing"));

    const std::string protected_file = read_only(dir.write("ro.txt", "old"));
    EXPECT_FALSE(logic::write_to_file(protected_file.c_str(), {data.get()}));
    EXPECT_EQ(read_whole_file(protected_file), "old");

    const std::string in_use = dir.write("locked.txt", "old");
    {
        LockedFile lock(in_use);
        EXPECT_FALSE(logic::write_to_file(in_use.c_str(), {data.get()}));
    }
    EXPECT_EQ(read_whole_file(in_use), "old");
}

TEST(WriteToFile, AFailedWriteKeepsWhatWasWrittenAndAnswersFalse) {
    // The second byte set's data lies in memory that cannot be read, so the platform's
    // write fails part way through the arguments.
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * info.dwPageSize, MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(pages + info.dwPageSize, info.dwPageSize, PAGE_NOACCESS, &old);
    auto* unreadable = reinterpret_cast<rt::ByteSetHeader*>(pages + info.dwPageSize - 8);
    *unreadable = {1, 64};

    TempDir dir;
    const std::string path = dir.write("game.cfg", "the old content");
    const logic::Bytes first = bytes_of("first part");
    const logic::Bytes third = bytes_of("third part");
    EXPECT_FALSE(logic::write_to_file(path.c_str(), {first.get(), unreadable, third.get()}));
    EXPECT_EQ(read_whole_file(path), "first part");
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {third.get()}));  // it was closed again
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST(ProgramDirectory, TheFolderOfTheProgramFileWithoutTheLastBackslash) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::string expected = rt::from_platform(path);
    expected.resize(expected.rfind('\\'));
    const logic::Text directory = logic::program_directory();
    EXPECT_EQ(std::string(directory.c_str()), expected);
    EXPECT_NE(directory.get(), logic::program_directory().get());  // a new copy each time
}

}  // namespace
