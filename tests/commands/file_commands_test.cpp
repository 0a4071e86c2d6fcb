// The file commands on real files in a temporary folder: patterns, directories,
// read-only and locked files, and what a failure leaves behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/logic/commands.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::read_whole_file;
using testing_support::TempDir;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

logic::Bytes bytes_of(const std::string& s) { return logic::Bytes::copy_of(s.data(), static_cast<int>(s.size())); }

// Another process's view of a file: open without any sharing until destroyed.
class LockedFile {
public:
    explicit LockedFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~LockedFile() { CloseHandle(handle_); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool locked() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

std::string make_read_only(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    return path;
}

TEST(FileExists, PatternsMatchAnyEntry) {
    TempDir dir;
    EXPECT_FALSE(logic::file_exists((dir / "*.log").c_str()));
    dir.write("client.log", "x");
    EXPECT_TRUE(logic::file_exists((dir / "*.log").c_str()));
    EXPECT_TRUE(logic::file_exists((dir / "client.lo?").c_str()));
    EXPECT_FALSE(logic::file_exists((dir / "*.cfg").c_str()));
    EXPECT_TRUE(logic::file_exists((dir / "client.log").c_str()));
    EXPECT_FALSE(logic::file_exists((dir / "server.log").c_str()));
}

TEST(FileExists, DirectoriesCountAndBadPathsDoNot) {
    TempDir dir;
    dir.write("Cross\\inner.txt", "x");
    EXPECT_TRUE(logic::file_exists((dir / "Cross").c_str()));
    EXPECT_TRUE(logic::file_exists(dir.path().c_str()));
    EXPECT_FALSE(logic::file_exists((dir / "missing\\*.log").c_str()));
    EXPECT_FALSE(logic::file_exists(""));
    EXPECT_FALSE(logic::file_exists("Q:\\no\\such\\drive.txt"));
}

TEST(DeleteFileCommand, RemovesAFileAndRefusesTheRest) {
    TempDir dir;
    const std::string plain = dir.write("a.log", "a");
    EXPECT_TRUE(logic::delete_file(plain.c_str()));
    EXPECT_FALSE(exists(plain));
    EXPECT_FALSE(logic::delete_file(plain.c_str()));

    const std::string read_only = make_read_only(dir.write("b.log", "bb"));
    EXPECT_FALSE(logic::delete_file(read_only.c_str()));
    EXPECT_EQ(read_whole_file(read_only), "bb");

    const std::string in_use = dir.write("c.log", "ccc");
    {
        LockedFile lock(in_use);
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(logic::delete_file(in_use.c_str()));
    }
    EXPECT_EQ(read_whole_file(in_use), "ccc");

    dir.write("d\\x.txt", "x");
    EXPECT_FALSE(logic::delete_file((dir / "d").c_str()));  // a directory is no file
    EXPECT_TRUE(exists(dir / "d\\x.txt"));
}

TEST(MoveFileCommand, RenamesAndMovesFilesAndFolders) {
    TempDir dir;
    const std::string from = dir.write("game.cfg", "cfg");
    EXPECT_TRUE(logic::move_file(from.c_str(), (dir / "game.cfg.bak").c_str()));
    EXPECT_FALSE(exists(from));
    EXPECT_EQ(read_whole_file(dir / "game.cfg.bak"), "cfg");

    dir.write("sub\\keep.txt", "k");
    EXPECT_TRUE(logic::move_file((dir / "game.cfg.bak").c_str(), (dir / "sub\\moved.cfg").c_str()));
    EXPECT_EQ(read_whole_file(dir / "sub\\moved.cfg"), "cfg");

    dir.write("Cross\\a.dat", "a");
    EXPECT_TRUE(logic::move_file((dir / "Cross").c_str(), (dir / "Crossend").c_str()));
    EXPECT_EQ(read_whole_file(dir / "Crossend\\a.dat"), "a");
    EXPECT_FALSE(exists(dir / "Cross"));
}

TEST(MoveFileCommand, FailuresChangeNothing) {
    TempDir dir;
    const std::string a = dir.write("a.txt", "first");
    const std::string b = dir.write("b.txt", "second");
    EXPECT_FALSE(logic::move_file(a.c_str(), b.c_str()));
    EXPECT_EQ(read_whole_file(a), "first");
    EXPECT_EQ(read_whole_file(b), "second");

    EXPECT_FALSE(logic::move_file((dir / "missing.txt").c_str(), (dir / "c.txt").c_str()));
    EXPECT_FALSE(exists(dir / "c.txt"));
    EXPECT_FALSE(logic::move_file(a.c_str(), (dir / "no\\such\\dir.txt").c_str()));
    EXPECT_EQ(read_whole_file(a), "first");

    {
        LockedFile lock(a);
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(logic::move_file(a.c_str(), (dir / "d.txt").c_str()));
    }
    EXPECT_FALSE(exists(dir / "d.txt"));
    EXPECT_EQ(read_whole_file(a), "first");
}

TEST(WriteToFile, WritesTheByteSetsInOrderReplacingTheFile) {
    TempDir dir;
    const std::string path = dir.write("system.yaml", "an old and much longer content\r\n");
    const logic::Bytes one = bytes_of("region: ");
    const logic::Bytes two = bytes_of(std::string("TENCENT\0\r\n", 10));
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {one.get(), nullptr, two.get()}));
    EXPECT_EQ(read_whole_file(path), std::string("region: TENCENT\0\r\n", 18));

    const std::string fresh = dir / "new.bin";
    EXPECT_TRUE(logic::write_to_file(fresh.c_str(), {two.get()}));
    EXPECT_EQ(read_whole_file(fresh).size(), 10u);
}

TEST(WriteToFile, OnlyEmptyByteSetsLeaveAnEmptyFile) {
    TempDir dir;
    const std::string path = dir.write("a.txt", "content");
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {nullptr}));
    EXPECT_TRUE(exists(path));
    EXPECT_EQ(read_whole_file(path), "");
    EXPECT_TRUE(logic::write_to_file((dir / "b.txt").c_str(), {nullptr, nullptr}));
    EXPECT_TRUE(exists(dir / "b.txt"));
}

TEST(WriteToFile, FilesItCannotOpenStayAsTheyWere) {
    TempDir dir;
    const logic::Bytes data = bytes_of("new");
    EXPECT_FALSE(logic::write_to_file("", {data.get()}));
    EXPECT_FALSE(logic::write_to_file((dir / "missing\\a.txt").c_str(), {data.get()}));
    EXPECT_FALSE(exists(dir / "missing"));

    const std::string read_only = make_read_only(dir.write("ro.txt", "old"));
    EXPECT_FALSE(logic::write_to_file(read_only.c_str(), {data.get()}));
    EXPECT_EQ(read_whole_file(read_only), "old");

    const std::string in_use = dir.write("locked.txt", "old");
    {
        LockedFile lock(in_use);
        ASSERT_TRUE(lock.locked());
        EXPECT_FALSE(logic::write_to_file(in_use.c_str(), {data.get()}));
    }
    EXPECT_EQ(read_whole_file(in_use), "old");
}

// A byte set whose data lies in memory that cannot be read makes the platform's
// write fail part way through the arguments.
class UnreadableByteSet {
public:
    UnreadableByteSet() {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, 2 * page_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &old);
        header_ = reinterpret_cast<rt::ByteSetHeader*>(base_ + page_ - 8);
        header_->dimensions = 1;
        header_->length = 64;
    }
    ~UnreadableByteSet() { VirtualFree(base_, 0, MEM_RELEASE); }
    UnreadableByteSet(const UnreadableByteSet&) = delete;
    UnreadableByteSet& operator=(const UnreadableByteSet&) = delete;
    const rt::ByteSetHeader* get() const { return header_; }

private:
    DWORD page_ = 0;
    char* base_ = nullptr;
    rt::ByteSetHeader* header_ = nullptr;
};

TEST(WriteToFile, AFailedWriteKeepsWhatWasWrittenAndAnswersFalse) {
    TempDir dir;
    const std::string path = dir.write("game.cfg", "the old content");
    const logic::Bytes first = bytes_of("first part");
    const UnreadableByteSet broken;
    const logic::Bytes third = bytes_of("third part");
    EXPECT_FALSE(logic::write_to_file(path.c_str(), {first.get(), broken.get(), third.get()}));
    EXPECT_EQ(read_whole_file(path), "first part");
    // The file is closed again: it can be replaced at once.
    EXPECT_TRUE(logic::write_to_file(path.c_str(), {third.get()}));
}

TEST(ProgramDirectory, TheFolderOfTheProgramFileWithoutTheLastBackslash) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string expected = path;
    expected.resize(expected.rfind('\\'));
    const logic::Text directory = logic::program_directory();
    EXPECT_EQ(std::string(directory.c_str()), expected);
    // A new copy each time: the caller owns it.
    const logic::Text again = logic::program_directory();
    EXPECT_NE(directory.get(), again.get());
}

}  // namespace
