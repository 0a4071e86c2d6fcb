// The places where a client usually is, tried before a drive is walked. Each test
// places what it needs on drive C: of the test prefix (registry values, running
// programs, folders) and removes it again; the one end-to-end test that chooses C:
// never runs at the same time (the two suites share a lock).
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The logic's own headers first: runtime/memory.h would make their release calls ambiguous.
#include "tests/tuner/stand_in.h"

#include "runtime/memory.h"
#include "tests/support/temp_dir.h"
#include "tests/tuner/tuner_test_program.h"
#include "tests/tuner/wide_names.h"
#include "tuner/install_candidates.h"

namespace {

using testing_support::TempDir;
using tuner_tests::wide;

std::string usual_install(char drive, bool stopped = false) {
    tuner_tests::start_tool_runtime();
    std::atomic<bool> stop{stopped};
    char* found = tuner::find_usual_install(drive, stop);
    const std::string result = found ? found : "";
    rt::release(found);
    return result;
}

std::string config_of(const std::string& install) { return install + "\\LeagueClient\\system.yaml"; }

// What a folder named by the registry or a running program must hold besides the
// config: the client's program and its Game folder.
void write_layout(const std::string& install) {
    testing_support::write_file(install + "\\LeagueClient\\LeagueClient.exe", "MZ");
    testing_support::write_file(install + "\\Game\\Config\\game.cfg", "x");
}

void write_client(const std::string& install) {
    testing_support::write_file(config_of(install), "x");
    write_layout(install);
}

// The launcher's value (a 32-bit process writes the 32-bit view), removed with its keys.
struct LauncherValue {
    LauncherValue(HKEY root, const std::string& path) : LauncherValue(root, wide(path)) {}
    LauncherValue(HKEY root, const std::wstring& path) : root(root) {
        EXPECT_EQ(RegSetKeyValueW(root, L"Software\\Tencent\\LOL", L"InstallPath", REG_SZ, path.c_str(),
                                  static_cast<DWORD>(2 * (path.size() + 1))),
                  ERROR_SUCCESS);
    }
    ~LauncherValue() {
        RegDeleteKeyA(root, "Software\\Tencent\\LOL");
        RegDeleteKeyA(root, "Software\\Tencent");  // refused while it holds other keys
    }
    HKEY root;
};

// The waiting program copied to `path` and started from there, until destroyed.
struct RunningProgram {
    explicit RunningProgram(const std::string& path) : RunningProgram(wide(path)) {}
    explicit RunningProgram(const std::wstring& path) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wcscpy(std::wcsrchr(exe, L'\\'), L"\\waiting_program.exe");
        EXPECT_TRUE(CopyFileW(exe, path.c_str(), FALSE)) << tuner_tests::utf8(path);
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        EXPECT_TRUE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << tuner_tests::utf8(path);
    }
    ~RunningProgram() {
        TerminateProcess(pi.hProcess, 0);
        WaitForSingleObject(pi.hProcess, 5000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    PROCESS_INFORMATION pi = {};
};

// A client at `install`, removed again from `top` down.
struct PlacedClient {
    PlacedClient(const std::string& install, std::string top) : top(std::move(top)) {
        testing_support::write_file(config_of(install), "x");
    }
    ~PlacedClient() { testing_support::remove_tree(top); }
    std::string top;
};

TEST(InstallCandidates, NamedAsTheWalkNamesFolders) {
    tuner_tests::start_tool_runtime();
    const std::string too_long = "D:\\" + std::string(240, 'a');
    const char* const cases[][3] = {
        // path, drive, named
        {"d:/Games//LOL\\\\", "D", "d:\\Games\\LOL"},
        {"D:\\", "d", "D:"},
        {"D:\\Games\\英雄\x81\\", "D", "D:\\Games\\英雄\x81\\"},  // the second byte of a character is a backslash
        {"E:\\Games", "D", nullptr},
        {"D:Games", "D", nullptr},  // relative to the drive's current folder
        {"D:\\Games\\..\\Windows", "D", nullptr},
        {"D:\\Games\\英\x81", "D", nullptr},  // a character cut in half
        {"D:\\Games\\LOL:stream", "D", nullptr},      // a file's alternate data stream
        {"D:\\Games:x\\LOL", "D", nullptr},
        {"D::\\Games", "D", nullptr},
        {too_long.c_str(), "D", nullptr},
    };
    for (const auto& c : cases) {
        char* named = tuner::normalise_candidate(c[0], c[1][0]);
        EXPECT_STREQ(named, c[2]) << c[0];
        rt::release(named);
    }
    const char* const programs[][2] = {
        {"D:\\LeagueClient\\Games\\leagueclient\\LeagueClientUx.exe", "D:\\LeagueClient\\Games"},
        {"D:\\Games\\LeagueClientOld\\LeagueClient.exe", nullptr},
        {"D:\\Games\\英\x81\\LeagueClient\\LeagueClient.exe", nullptr},  // that backslash is half a character
    };
    for (const auto& p : programs) {
        char* install = tuner::install_of_client_program(p[0]);
        EXPECT_STREQ(install, p[1]) << p[0];
        rt::release(install);
    }
}

TEST(InstallCandidates, TheLauncherValuesCurrentUserFirst) {
    TempDir dir;
    write_client(dir / "machine");
    write_client(dir / "user");
    write_layout(dir / "no config");
    dir.write("no config\\LeagueClient\\system.yml", "x");
    ASSERT_EQ(usual_install('C'), "") << "the prefix holds no client in a usual place";

    const LauncherValue machine(HKEY_LOCAL_MACHINE, dir / "machine\\");
    EXPECT_EQ(usual_install('c'), config_of(dir / "machine"));
    {
        const LauncherValue user(HKEY_CURRENT_USER, dir / "no config");
        EXPECT_EQ(usual_install('C'), config_of(dir / "machine"));
    }
    const LauncherValue user(HKEY_CURRENT_USER, dir / "user");
    EXPECT_EQ(usual_install('C'), config_of(dir / "user"));
    EXPECT_EQ(usual_install('Q'), "");  // the values name drive C:
    EXPECT_EQ(usual_install('C', true), "");
}

// Anyone can write the user's registry: a folder a value names counts only when it
// shows the client's layout, and a value naming the launcher's TCLS folder names the
// install directory above it.
TEST(InstallCandidates, ALauncherValueCountsOnlyForAFolderWithTheClientsLayout) {
    TempDir dir;
    ASSERT_EQ(usual_install('C'), "") << "the prefix holds no client in a usual place";
    const struct {
        const char* name;
        void (*place)(const std::string& install);
    } incomplete[] = {
        {"config only", [](const std::string& i) { testing_support::write_file(config_of(i), "x"); }},
        {"no program", [](const std::string& i) {
             testing_support::write_file(config_of(i), "x");
             testing_support::write_file(i + "\\Game\\game.cfg", "x");
         }},
        {"program is a folder", [](const std::string& i) {
             testing_support::write_file(config_of(i), "x");
             testing_support::write_file(i + "\\LeagueClient\\LeagueClient.exe\\inner", "x");
             testing_support::write_file(i + "\\Game\\game.cfg", "x");
         }},
        {"no Game folder", [](const std::string& i) {
             testing_support::write_file(config_of(i), "x");
             testing_support::write_file(i + "\\LeagueClient\\LeagueClient.exe", "MZ");
         }},
        {"Game is a file", [](const std::string& i) {
             testing_support::write_file(config_of(i), "x");
             testing_support::write_file(i + "\\LeagueClient\\LeagueClient.exe", "MZ");
             testing_support::write_file(i + "\\Game", "x");
         }},
    };
    for (const auto& c : incomplete) {
        c.place(dir / c.name);
        const LauncherValue user(HKEY_CURRENT_USER, dir / c.name);
        EXPECT_EQ(usual_install('C'), "") << c.name;
    }

    write_client(dir / "client");
    const char* const values[][2] = {
        // the value, below the test folder; the install directory it leads to
        {"client", "client"},
        {"client\\TCLS", "client"},
        {"client\\tcls\\", "client"},
        {"client\\TCLS2", nullptr},
        {"client\\Game\\TCLS", nullptr},  // only the folder right above TCLS
        {"client\\TCLS:x", nullptr},
    };
    for (const auto& v : values) {
        const LauncherValue user(HKEY_CURRENT_USER, dir / v[0]);
        EXPECT_EQ(usual_install('C'), v[1] ? config_of(dir / v[1]) : "") << v[0];
    }
    // A TCLS folder that is a client itself is taken as it is.
    write_client(dir / "client\\TCLS");
    const LauncherValue user(HKEY_CURRENT_USER, dir / "client\\TCLS");
    EXPECT_EQ(usual_install('C'), config_of(dir / "client\\TCLS"));
}

TEST(InstallCandidates, ARunningClientProgramNamesItsFolder) {
    TempDir dir;
    dir.write("no config\\LeagueClient\\notes.txt", "x");
    write_client(dir / "ux");
    dir.write("client\\LeagueClient\\system.yaml", "x");
    dir.write("client\\Game\\game.cfg", "x");
    // Named as a client, but not in a client folder, or in one without its config.
    const RunningProgram stray(dir / "LeagueClient.exe");
    const RunningProgram no_config(dir / "no config\\LeagueClient\\LeagueClient.exe");
    // A sleeper under the client's name beside a config of its own, without a Game
    // folder: no client.
    dir.write("sleeper\\LeagueClient\\system.yaml", "x");
    const RunningProgram sleeper(dir / "sleeper\\LeagueClient\\LeagueClient.exe");
    EXPECT_EQ(usual_install('C'), "");
    {
        const RunningProgram ux(dir / "ux\\LeagueClient\\LeagueClientUx.exe");
        EXPECT_EQ(usual_install('C'), config_of(dir / "ux"));
        EXPECT_EQ(usual_install('Q'), "");  // it runs from drive C:
    }
    const RunningProgram client(dir / "client\\LeagueClient\\LeagueClient.exe");
    EXPECT_EQ(usual_install('C'), config_of(dir / "client"));
}

// Under Wine every process runs as the same user, so another user's client is made by
// answering the token comparison, or failing the token's opening, in the platform's place.
BOOL WINAPI different_users(PSID, PSID) { return FALSE; }
BOOL WINAPI no_token(HANDLE, DWORD, PHANDLE) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

TEST(InstallCandidates, AClientProgramOfAnotherUserIsNotTaken) {
    TempDir dir;
    write_client(dir / "client");
    const RunningProgram client(dir / "client\\LeagueClient\\LeagueClient.exe");
    ASSERT_EQ(usual_install('C'), config_of(dir / "client")) << "the tool's own user's client is taken";
    {
        const tuner_tests::StandIn other_user(tuner::kEqualSid, reinterpret_cast<void*>(different_users));
        EXPECT_EQ(usual_install('C'), "");
    }
    {
        const tuner_tests::StandIn unreadable(tuner::kOpenProcessToken, reinterpret_cast<void*>(no_token));
        EXPECT_EQ(usual_install('C'), "");
    }
    // The registry and the usual folders do not ask whose a process is.
    const tuner_tests::StandIn other_user(tuner::kEqualSid, reinterpret_cast<void*>(different_users));
    const LauncherValue user(HKEY_CURRENT_USER, dir / "client");
    EXPECT_EQ(usual_install('C'), config_of(dir / "client"));
}

TEST(InstallCandidates, TheUsualFoldersInTheirOrder) {
    {
        const PlacedClient folder_not_file("C:\\英雄联盟\\LeagueClient\\system.yaml", "C:\\英雄联盟");
        EXPECT_EQ(usual_install('C'), "") << "a folder named system.yaml is no client";
    }
    // Placed from the last to the first: each one placed comes before the others.
    const char* const folders[][2] = {
        {"C:\\Program Files (x86)\\腾讯游戏\\英雄联盟", "C:\\Program Files (x86)\\腾讯游戏"},
        {"C:\\Program Files\\腾讯游戏\\英雄联盟", "C:\\Program Files\\腾讯游戏"},
        {"C:\\腾讯游戏\\英雄联盟", "C:\\腾讯游戏"},
        {"C:\\英雄联盟", "C:\\英雄联盟"},
        {"C:\\WeGameApps\\英雄联盟", "C:\\WeGameApps"},
    };
    std::vector<std::unique_ptr<PlacedClient>> placed;
    for (const auto& f : folders) {
        placed.push_back(std::make_unique<PlacedClient>(f[0], f[1]));
        EXPECT_EQ(usual_install('C'), config_of(f[0]));
    }
    placed.clear();
    RemoveDirectoryA("C:\\Program Files (x86)");  // only when this made it: empty
}

// C:\trivane_linked is a symbolic link the test command makes: the walk never enters
// it, so no candidate is reached through it.
TEST(InstallCandidates, NoneThroughAReparsePoint) {
    const DWORD link = GetFileAttributesA("C:\\trivane_linked");
    if (link == INVALID_FILE_ATTRIBUTES || !(link & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "C:\\trivane_linked is not a link here: the test command (tools/test.sh) makes it";
    const PlacedClient client("C:\\trivane_linked\\client", "C:\\trivane_linked\\client");
    write_layout("C:\\trivane_linked\\client");
    const LauncherValue user(HKEY_CURRENT_USER, "C:\\trivane_linked\\client");
    EXPECT_EQ(usual_install('C'), "");
}

// The registry and the process list hand their names over in UTF-16: a folder in Chinese
// is found whatever the system's code page, and one with a character GBK cannot hold
// never becomes a candidate, under its own name or the one a near conversion gives it
// ("âpp" is no "app").
TEST(InstallCandidates, NamesFromTheRegistryAndRunningProgramsAreReadInUtf16) {
    TempDir dir;
    const std::wstring apps = wide(dir.path()) + L"\\WeGameApps";
    const tuner_tests::WideTree tree(apps);
    const std::wstring chinese = apps + L"\\\u82F1\u96C4\u8054\u76DF";  // 英雄联盟
    const std::wstring no_gbk_form[] = {apps + L"\\\uD55C\uAD6D\uC5B4", apps + L"\\\u00E2pp"};
    for (const std::wstring& install : {chinese, no_gbk_form[0], no_gbk_form[1], apps + L"\\app"})
        for (const wchar_t* file : {L"\\LeagueClient\\system.yaml", L"\\LeagueClient\\LeagueClient.exe",
                                    L"\\Game\\Config\\game.cfg"})
            tuner_tests::write_wide_file(install + file, "x");
    ASSERT_EQ(usual_install('C'), "") << "the prefix holds no client in a usual place";

    for (const std::wstring& install : no_gbk_form) {
        {
            const LauncherValue user(HKEY_CURRENT_USER, install);
            EXPECT_EQ(usual_install('C'), "") << tuner_tests::utf8(install);
        }
        const RunningProgram client(install + L"\\LeagueClient\\LeagueClient.exe");
        EXPECT_EQ(usual_install('C'), "") << tuner_tests::utf8(install);
    }
    const std::string found = config_of(dir / "WeGameApps\\英雄联盟");
    {
        const LauncherValue user(HKEY_CURRENT_USER, chinese);
        EXPECT_EQ(usual_install('C'), found);
    }
    const RunningProgram client(chinese + L"\\LeagueClient\\LeagueClient.exe");
    EXPECT_EQ(usual_install('C'), found);
}

}  // namespace
