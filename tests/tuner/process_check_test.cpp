// The process check over a real process list.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/child_process.h"
#include "tests/tuner/tuner_test_program.h"
#include "tuner/process_check.h"

namespace {

TRIVANE_CHILD_SCENARIO(stay_a_while) { Sleep(20000); }

// A copy of this executable under a name of its own, running a scenario that waits.
class ProbeProcess {
public:
    explicit ProbeProcess(const std::string& name) {
        char exe[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        path_ = std::string(exe).substr(0, std::string(exe).rfind('\\') + 1) + name;
        CopyFileA(exe, path_.c_str(), FALSE);
        std::string command = "\"" + path_ + "\" --child=stay_a_while";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
        Sleep(300);
    }
    ~ProbeProcess() {
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
        DeleteFileA(path_.c_str());
    }
    DWORD pid() const { return pi_.dwProcessId; }

private:
    std::string path_;
    PROCESS_INFORMATION pi_ = {};
};

TEST(ProcessCheck, FindsARunningProgramByItsFileName) {
    tuner_tests::start_tool_runtime();
    ProbeProcess probe("TrivaneProbe.exe");
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

}  // namespace
