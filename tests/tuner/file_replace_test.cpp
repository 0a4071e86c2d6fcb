// Replacing a file whole through a temporary sibling, on real folders, and the home
// page actions that use it; platform failures are injected by putting a stand-in in
// a DLL command's slot.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "forms/window_system_install.h"
#include "runtime/application.h"
#include "logic/calls.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/folder_names.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/dll_commands.h"
#include "tuner/file_replace.h"
#include "tuner/home_page.h"
#include "tuner/main_window.h"
#include "tuner/tool_state.h"

namespace {

using testing_support::child_report;
using testing_support::read_whole_file;
using testing_support::TempDir;
using tuner_tests::names_in;
using tuner_tests::StandIn;

// Writes half of what it is given, then reports a full disk.
BOOL WINAPI write_half_then_fail(HANDLE file, const void* data, DWORD length, DWORD* written, OVERLAPPED*) {
    WriteFile(file, data, length / 2, written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// Fails as the platform may after moving the target to the backup name.
BOOL WINAPI replace_leaving_target_aside(const wchar_t* target, const wchar_t*, const wchar_t* aside, DWORD, void*,
                                         void*) {
    MoveFileExW(target, aside, MOVEFILE_REPLACE_EXISTING);
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    return FALSE;
}

TEST(FileReplace, TheNewContentTakesThePlaceOfTheOldAndNothingIsLeftBeside) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    // The second byte of 淺 is a backslash: the name's folder is still found.
    const std::string folder = dir / "client";
    const std::string target = dir.write("client\\淺.yaml", std::string(9000, 'o'));
    EXPECT_TRUE(tuner::replace_file_contents(target.c_str(), "new", 3));
    EXPECT_EQ(read_whole_file(target), "new");

    const std::string fresh = folder + "\\fresh.yaml";
    EXPECT_TRUE(tuner::replace_file_contents(fresh.c_str(), "", 0));
    EXPECT_EQ(read_whole_file(fresh), "");

    std::string bytes(10000, '\0');  // more than one read's worth, every byte value
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    const std::string source = dir.write("source.bin", bytes);
    EXPECT_TRUE(tuner::replace_file_with_copy(source.c_str(), target.c_str()));
    EXPECT_TRUE(read_whole_file(target) == bytes);
    EXPECT_TRUE(read_whole_file(source) == bytes);

    EXPECT_EQ(names_in(folder), (std::vector<std::string>{"fresh.yaml", "淺.yaml"}));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"client", "source.bin"}));
}

TEST(FileReplace, ARefusedOrFailedReplaceLeavesTheTargetWholeAndNoTemporaryFile) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string target = dir.write("system.yaml", "old content");
    const std::string source = dir.write("backup.yaml", "backup");
    const auto unchanged = [&](const char* what) {
        EXPECT_EQ(read_whole_file(target), "old content") << what;
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"backup.yaml", "system.yaml"})) << what;
    };
    {
        StandIn full_disk(tuner::kWriteFile, reinterpret_cast<void*>(write_half_then_fail));
        EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
        unchanged("write fails");
        EXPECT_FALSE(tuner::replace_file_with_copy(source.c_str(), target.c_str()));
        unchanged("write of the copy fails");
    }
    {
        StandIn swap(tuner::kReplaceFileW, reinterpret_cast<void*>(replace_leaving_target_aside));
        EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
        unchanged("swap fails");
    }
    EXPECT_FALSE(tuner::replace_file_with_copy((dir / "missing.yaml").c_str(), target.c_str()));
    unchanged("no source");
    EXPECT_FALSE(tuner::replace_file_contents((dir / "no\\such.yaml").c_str(), "x", 1));
    unchanged("no folder");

    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(tuner::replace_file_contents(target.c_str(), "new content", 11));
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    unchanged("read-only");
    EXPECT_FALSE(tuner::replace_file_contents(dir.path().c_str(), "x", 1));
    unchanged("a folder");
}

// What the platform was asked, in order, through stand-ins that pass each call on.
struct Call {
    std::string kind;  // write, flush, close, swap, or rewrite (the test's in-place writer)
    HANDLE file;
};
std::vector<Call>& calls() {
    static std::vector<Call> log;
    return log;
}
BOOL WINAPI logged_write(HANDLE file, const void* data, DWORD length, DWORD* written, OVERLAPPED* overlapped) {
    calls().push_back({"write", file});
    return WriteFile(file, data, length, written, overlapped);
}
BOOL WINAPI logged_flush(HANDLE file) {
    calls().push_back({"flush", file});
    return FlushFileBuffers(file);
}
BOOL WINAPI logged_close(HANDLE handle) {
    calls().push_back({"close", handle});
    return CloseHandle(handle);
}
BOOL WINAPI logged_move(const wchar_t* from, const wchar_t* to, DWORD flags) {
    calls().push_back({"swap", nullptr});
    return MoveFileExW(from, to, flags);
}
BOOL WINAPI logged_replace(const wchar_t* target, const wchar_t* replacement, const wchar_t* aside, DWORD flags,
                           void* exclude, void* reserved) {
    calls().push_back({"swap", nullptr});
    return ReplaceFileW(target, replacement, aside, flags, exclude, reserved);
}

// Rewrites the copy in place, as the platform's profile writer does: on its own
// handle, which the tool never sees.
bool append_in_place(const char*, const char* copy, const void*, rt::u32& error) {
    calls().push_back({"rewrite", nullptr});
    HANDLE file = CreateFileA(copy, FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    const bool done = file != INVALID_HANDLE_VALUE && WriteFile(file, "+added", 6, &written, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!done) error = GetLastError();
    return done;
}
bool refuse_rewrite(const char*, const char*, const void*, rt::u32& error) {
    error = ERROR_WRITE_FAULT;
    return false;
}

// Each way a client file or backup is written, from a folder holding system.yaml
// ("old content") and backup.yaml ("backup").
struct Action {
    const char* name;
    bool (*run)(const TempDir& dir, rt::u32* error);
    std::string written;  // what the written file holds afterwards
    const char* written_name;
};
const Action kActions[] = {
    {"replace", [](const TempDir& d, rt::u32* e) { return tuner::replace_file_contents((d / "system.yaml").c_str(), "new", 3, e); },
     "new", "system.yaml"},
    {"replace a missing file",
     [](const TempDir& d, rt::u32* e) { return tuner::replace_file_contents((d / "fresh.yaml").c_str(), "new", 3, e); },
     "new", "fresh.yaml"},
    {"restore",
     [](const TempDir& d, rt::u32* e) {
         return tuner::replace_file_with_copy((d / "backup.yaml").c_str(), (d / "system.yaml").c_str(), e);
     },
     "backup", "system.yaml"},
    {"backup",
     [](const TempDir& d, rt::u32* e) {
         return tuner::make_backup((d / "system.yaml").c_str(), (d / "system.yaml.bak").c_str(), e);
     },
     "old content", "system.yaml.bak"},
    {"rewrite",
     [](const TempDir& d, rt::u32* e) {
         return tuner::rewrite_through_copy((d / "system.yaml").c_str(), append_in_place, nullptr, e);
     },
     "old content+added", "system.yaml"},
};

std::vector<std::string> with_name(std::vector<std::string> names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    std::sort(names.begin(), names.end());
    return names;
}

using CallAt = std::vector<Call>::const_iterator;

// Between a write and the swap the file written (or, for a rewrite on a handle of its
// own, some file) is flushed and then closed, with no write in between.
bool flushed_then_closed(CallAt write, CallAt swap, HANDLE file) {
    const auto same = [&](const Call& c) { return !file || c.file == file; };
    const auto flush = std::find_if(write + 1, swap, [&](const Call& c) {
        return c.kind == "flush" && same(c);
    });
    if (flush == swap) return false;
    const auto close = std::find_if(flush + 1, swap, [&](const Call& c) { return c.kind == "close" && c.file == flush->file; });
    return close != swap && std::none_of(write + 1, close, [&](const Call& c) { return c.kind == "write" && c.file == flush->file; });
}

// Every file written is flushed after its last write, and after the in-place
// rewrite, then closed, and only then swapped in.
TEST(FileReplace, TheNewFileIsFlushedAndClosedBeforeItIsSwappedIn) {
    tuner_tests::start_tool_runtime();
    for (const Action& action : kActions) {
        SCOPED_TRACE(action.name);
        TempDir dir;
        dir.write("system.yaml", "old content");
        dir.write("backup.yaml", "backup");
        const std::vector<std::string> before = names_in(dir.path());
        calls().clear();
        {
            StandIn write(tuner::kWriteFile, reinterpret_cast<void*>(logged_write));
            StandIn flush(tuner::kFlushFileBuffers, reinterpret_cast<void*>(logged_flush));
            StandIn close(tuner::kCloseHandle, reinterpret_cast<void*>(logged_close));
            StandIn move(tuner::kMoveFileExW, reinterpret_cast<void*>(logged_move));
            StandIn replace(tuner::kReplaceFileW, reinterpret_cast<void*>(logged_replace));
            rt::u32 error = 0;
            EXPECT_TRUE(action.run(dir, &error)) << error;
        }
        EXPECT_EQ(read_whole_file(dir / action.written_name), action.written);
        EXPECT_EQ(names_in(dir.path()), with_name(before, action.written_name));

        const std::vector<Call>& log = calls();
        const auto swap = std::find_if(log.begin(), log.end(), [](const Call& c) { return c.kind == "swap"; });
        ASSERT_NE(swap, log.end());
        bool rewritten = false;
        for (auto c = log.begin(); c != swap; ++c)
            if (c->kind == "write" || c->kind == "rewrite") {
                rewritten = rewritten || c->kind == "rewrite";
                EXPECT_TRUE(flushed_then_closed(c, swap, c->kind == "write" ? c->file : nullptr))
                    << c->kind << " at " << (c - log.begin());
            }
        EXPECT_EQ(rewritten, std::string(action.name) == "rewrite");
    }
}

// Stand-ins for a step that fails, each with a code of its own.
BOOL WINAPI flush_fails(HANDLE) {
    SetLastError(ERROR_IO_DEVICE);
    return FALSE;
}
BOOL WINAPI close_reports_a_lost_write(HANDLE handle) {
    CloseHandle(handle);
    SetLastError(ERROR_HANDLE_DISK_FULL);
    return FALSE;
}
BOOL WINAPI read_fails(HANDLE, void*, DWORD, DWORD*, OVERLAPPED*) {
    SetLastError(ERROR_CRC);
    return FALSE;
}
BOOL WINAPI move_fails(const wchar_t*, const wchar_t*, DWORD) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
}
HANDLE WINAPI no_temporary_file(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                                DWORD disposition, DWORD flags, HANDLE model) {
    if (std::wstring(path).find(L"~trivane-") != std::wstring::npos) {
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(path, access, share, security, disposition, flags, model);
}

struct Injection {
    const char* step;
    tuner::DllCommand command;
    void* function;
    rt::u32 code;
    std::vector<std::string> actions;  // where the step is taken
};

TEST(FileReplace, AStepThatFailsLeavesEveryFileAsItWasAndGivesItsOwnCode) {
    tuner_tests::start_tool_runtime();
    const std::vector<std::string> every = {"replace", "replace a missing file", "restore", "backup", "rewrite"};
    const Injection injections[] = {
        {"write", tuner::kWriteFile, reinterpret_cast<void*>(write_half_then_fail), ERROR_DISK_FULL, every},
        {"flush", tuner::kFlushFileBuffers, reinterpret_cast<void*>(flush_fails), ERROR_IO_DEVICE, every},
        {"close", tuner::kCloseHandle, reinterpret_cast<void*>(close_reports_a_lost_write), ERROR_HANDLE_DISK_FULL, every},
        {"temporary file", tuner::kCreateFileW, reinterpret_cast<void*>(no_temporary_file), ERROR_TOO_MANY_OPEN_FILES, every},
        {"read", tuner::kReadFile, reinterpret_cast<void*>(read_fails), ERROR_CRC, {"restore", "backup", "rewrite"}},
        {"rename", tuner::kMoveFileExW, reinterpret_cast<void*>(move_fails), ERROR_SHARING_VIOLATION,
         {"replace a missing file", "backup"}},
        {"swap", tuner::kReplaceFileW, reinterpret_cast<void*>(replace_leaving_target_aside),
         ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, {"replace", "restore", "rewrite"}},
    };
    for (const Injection& injection : injections)
        for (const Action& action : kActions) {
            if (std::find(injection.actions.begin(), injection.actions.end(), action.name) == injection.actions.end())
                continue;
            SCOPED_TRACE(std::string(action.name) + ", failing " + injection.step);
            TempDir dir;
            dir.write("system.yaml", "old content");
            dir.write("backup.yaml", "backup");
            const std::vector<std::string> before = names_in(dir.path());
            rt::u32 error = 0;
            {
                StandIn failing(injection.command, injection.function);
                SetLastError(ERROR_ALREADY_EXISTS);  // a code an earlier call left behind
                EXPECT_FALSE(action.run(dir, &error));
            }
            EXPECT_EQ(error, injection.code);
            EXPECT_EQ(read_whole_file(dir / "system.yaml"), "old content");
            EXPECT_EQ(read_whole_file(dir / "backup.yaml"), "backup");
            EXPECT_EQ(names_in(dir.path()), before);
        }

    TempDir dir;
    dir.write("system.yaml", "old content");
    rt::u32 error = 0;
    EXPECT_FALSE(tuner::rewrite_through_copy((dir / "system.yaml").c_str(), refuse_rewrite, nullptr, &error));
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_WRITE_FAULT));
    EXPECT_EQ(read_whole_file(dir / "system.yaml"), "old content");
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"system.yaml"});
}

// A backup is made once: one that exists, or a name taken by a folder, is never
// replaced, and only a regular file is copied.
TEST(FileReplace, ABackupNeverReplacesAnotherAndIsCopiedOnlyFromARegularFile) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string source = dir.write("game.cfg", "the user's own");
    const std::string backup = dir.write("game.cfg.bak", "the first backup");
    rt::u32 error = 0;
    EXPECT_FALSE(tuner::make_backup(source.c_str(), backup.c_str(), &error));
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(read_whole_file(backup), "the first backup");
    CreateDirectoryA((dir / "taken.bak").c_str(), nullptr);
    EXPECT_FALSE(tuner::make_backup(source.c_str(), (dir / "taken.bak").c_str(), &error));
    EXPECT_FALSE(tuner::make_backup(dir.path().c_str(), (dir / "folder.bak").c_str(), &error));
    EXPECT_FALSE(tuner::make_backup((dir / "missing.cfg").c_str(), (dir / "missing.bak").c_str(), &error));
    EXPECT_EQ(error, static_cast<rt::u32>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"game.cfg", "game.cfg.bak", "taken.bak"}));
}

// Wine shows a link to a file as the file itself, so the platform's answers are made
// to say "reparse point" here.
DWORD WINAPI links_by_name(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return std::wstring(path).find(L"link") != std::wstring::npos ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
}
BOOL WINAPI every_file_a_link(HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, void* information, DWORD size) {
    const BOOL got = GetFileInformationByHandleEx(file, kind, information, size);
    if (got && kind == FileBasicInfo) static_cast<FILE_BASIC_INFO*>(information)->FileAttributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    return got;
}

TEST(FileReplace, ALinkIsNoBackupAndNothingIsCopiedThroughOne) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    const std::string link = dir.write("link.bak", "elsewhere");
    {
        StandIn attributes(tuner::kGetFileAttributesW, reinterpret_cast<void*>(links_by_name));
        EXPECT_FALSE(tuner::is_regular_file(link.c_str()));
        EXPECT_TRUE(tuner::is_regular_file(dir.write("game.cfg.bak", "x").c_str()));
    }
    const std::string source = dir.write("system.yaml", "old content");
    rt::u32 error = 0;
    {
        StandIn information(tuner::kGetFileInformationByHandleEx, reinterpret_cast<void*>(every_file_a_link));
        EXPECT_FALSE(tuner::make_backup(source.c_str(), (dir / "system.yaml.bak").c_str(), &error));
        EXPECT_EQ(error, static_cast<rt::u32>(ERROR_ACCESS_DENIED));
        EXPECT_FALSE(tuner::replace_file_with_copy(link.c_str(), source.c_str(), &error));
        EXPECT_FALSE(tuner::rewrite_through_copy(source.c_str(), append_in_place, nullptr, &error));
    }
    EXPECT_EQ(read_whole_file(source), "old content");
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"game.cfg.bak", "link.bak", "system.yaml"}));
}

TEST(FileReplace, OnlyARegularFileIsABackup) {
    tuner_tests::start_tool_runtime();
    TempDir dir;
    EXPECT_TRUE(tuner::is_regular_file(dir.write("a.bak", "x").c_str()));
    CreateDirectoryA((dir / "b.bak").c_str(), nullptr);
    EXPECT_FALSE(tuner::is_regular_file((dir / "b.bak").c_str()));
    EXPECT_FALSE(tuner::is_regular_file((dir / "c.bak").c_str()));
}

// In a child: the tool's window over the client folder named by the parent, one
// home page action with every file write failing, and what the action showed.
void run_with_failing_write(void (*action)()) {
    forms::install_window_system();
    tuner_tests::start_tool_runtime();
    tuner::create_tool_state();
    logic::load_start_window(tuner::kMainWindowId);
    char client[MAX_PATH] = {};
    GetEnvironmentVariableA("TRIVANE_TEST_CLIENT", client, MAX_PATH);
    tuner::state().install_directory = logic::Text::copy(client);
    StandIn full_disk(tuner::kWriteFile, reinterpret_cast<void*>(write_half_then_fail));
    testing_support::BoxAnswerer answerer(IDOK);
    action();
    for (const auto& box : answerer.answered()) child_report(box.title + ": " + box.text + "\n");
    child_report("result: " + std::string(tuner::caption_of(tuner::kResultLabel).c_str()) + "\n");
}

TRIVANE_CHILD_SCENARIO(replace_with_failing_write) { run_with_failing_write(tuner::on_home_page_replace); }
TRIVANE_CHILD_SCENARIO(restore_with_failing_write) { run_with_failing_write(tuner::on_home_page_restore); }

TEST(HomePage, AFailedWriteKeepsTheClientFileAndSaysSo) {
    TempDir client;
    const std::string config = client.write("LeagueClient\\system.yaml", "the user's own");
    const std::vector<std::string> both = {"system.yaml", "system.yaml.bak"};
    SetEnvironmentVariableA("TRIVANE_TEST_CLIENT", client.path().c_str());

    // The backup is written the same way: it fails first, and no backup is left.
    auto r = testing_support::run_child("replace_with_failing_write");
    EXPECT_EQ(r.report, "警告: 主页替换失败\nresult: \n");
    EXPECT_EQ(read_whole_file(config), "the user's own");
    EXPECT_EQ(names_in(client / "LeagueClient"), std::vector<std::string>{"system.yaml"});

    client.write("LeagueClient\\system.yaml.bak", "the backup");
    r = testing_support::run_child("restore_with_failing_write");
    EXPECT_EQ(r.report, "警告: 主页恢复失败\nresult: \n");
    EXPECT_EQ(read_whole_file(config), "the user's own");
    EXPECT_EQ(names_in(client / "LeagueClient"), both);
    SetEnvironmentVariableA("TRIVANE_TEST_CLIENT", nullptr);
}

}  // namespace
