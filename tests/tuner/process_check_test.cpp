// The process check over a real process list.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "tests/support/child_process.h"
#include "tests/tuner/stand_in.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/process_check.h"
#include "tuner/process_owner.h"

namespace {

TRIVANE_CHILD_SCENARIO(stay_a_while) { Sleep(20000); }

// A copy of this executable under a name of its own (named in UTF-16, whatever the
// system's code page), running a scenario that waits.
class ProbeProcess {
public:
    explicit ProbeProcess(const std::wstring& name) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        path_ = std::wstring(exe).substr(0, std::wstring(exe).rfind(L'\\') + 1) + name;
        EXPECT_TRUE(CopyFileW(exe, path_.c_str(), FALSE));
        std::wstring command = L"\"" + path_ + L"\" --child=stay_a_while";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_));
        Sleep(300);
    }
    ~ProbeProcess() {
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
        DeleteFileW(path_.c_str());
    }
    DWORD pid() const { return pi_.dwProcessId; }

private:
    std::wstring path_;
    PROCESS_INFORMATION pi_ = {};
};

TEST(ProcessCheck, FindsARunningProgramByItsFileName) {
    tuner_tests::start_tool_runtime();
    ProbeProcess probe(L"TrivaneProbe.exe");
    // Handle slots are reused lowest first: a leaked snapshot would move the next one.
    HANDLE probe_before = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe_before);

    EXPECT_EQ(tuner::find_process("TrivaneProbe.exe", true), probe.pid());
    EXPECT_EQ(tuner::find_process("trivaneprobe.EXE", false), probe.pid());
    EXPECT_EQ(tuner::find_process("trivaneprobe.exe", true), 0u);  // case matters when asked to
    EXPECT_EQ(tuner::find_process("TrivaneProbe", false), 0u);      // the whole name, not a prefix
    EXPECT_EQ(tuner::find_process("no_such_program.exe", false), 0u);
    EXPECT_EQ(tuner::find_process("", false), 0u);

    HANDLE probe_after = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe_after);
    EXPECT_EQ(probe_after, probe_before);  // every snapshot closed
}

// Names come from the platform in UTF-16: one in Chinese is found by its GBK name, in
// letter case or not; one with no GBK form is shown to no one, least of all under the
// name a near conversion gives it ('?' for what has none, "wegame" for "wegâme").
TEST(ProcessCheck, NamesOutsideAsciiAreReadInUtf16) {
    tuner_tests::start_tool_runtime();
    const ProbeProcess client(L"LeagueClient.exe");
    const ProbeProcess chinese(L"\u82F1\u96C4\u8054\u76DF\u52A9\u624B.exe");  // 英雄联盟助手.exe
    const ProbeProcess korean(L"\uD55C\uAD6D\uC5B4.exe");
    const ProbeProcess accented(L"weg\u00E2me.exe");
    EXPECT_EQ(tuner::find_process("leagueclient.EXE", false), client.pid());
    EXPECT_EQ(tuner::find_process("英雄联盟助手.exe", true), chinese.pid());
    EXPECT_EQ(tuner::find_process("英雄联盟助手.EXE", false), chinese.pid());
    EXPECT_EQ(tuner::find_process("???.exe", false), 0u);
    EXPECT_EQ(tuner::find_process("wegame.exe", false), 0u);

    struct Seen {
        DWORD no_gbk_form[2];
        int shown;
        std::string names_with_question_marks;
    } seen = {{korean.pid(), accented.pid()}, 0, {}};
    tuner::first_process(
        [](rt::u32 pid, const char* exe, void* context) {
            auto& s = *static_cast<Seen*>(context);
            s.shown += pid == s.no_gbk_form[0] || pid == s.no_gbk_form[1];
            if (std::strchr(exe, '?')) s.names_with_question_marks += std::string(exe) + " ";
            return false;
        },
        &seen);
    EXPECT_EQ(seen.shown, 0);
    EXPECT_EQ(seen.names_with_question_marks, "");
}

// The token's user as the platform gives it, but with the SID's address pointing at a
// copy outside the record the tool handed over.
unsigned char g_elsewhere[128];
BOOL WINAPI user_elsewhere(HANDLE token, TOKEN_INFORMATION_CLASS kind, void* record, DWORD length, DWORD* returned) {
    if (!GetTokenInformation(token, kind, record, length, returned)) return FALSE;
    auto* user = static_cast<TOKEN_USER*>(record);
    CopySid(sizeof g_elsewhere, g_elsewhere, user->User.Sid);
    user->User.Sid = g_elsewhere;
    return TRUE;
}

TEST(ProcessOwner, TheToolsOwnUserAndNoAddressOutsideTheRecord) {
    tuner_tests::start_tool_runtime();
    ProbeProcess probe(L"TrivaneOwnerProbe.exe");
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, probe.pid());
    ASSERT_NE(process, nullptr);
    EXPECT_TRUE(tuner::runs_as_tool_user(reinterpret_cast<rt::u32>(process)));
    {
        const tuner_tests::StandIn elsewhere(tuner::kGetTokenInformation, reinterpret_cast<void*>(user_elsewhere));
        EXPECT_FALSE(tuner::runs_as_tool_user(reinterpret_cast<rt::u32>(process)));
    }
    CloseHandle(process);
}

}  // namespace
