// Trivane.exe starts, initialises its runtime and, with no window system linked in
// yet, ends through the error box because its start window cannot be loaded.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/program_path.h"
#include "tests/support/message_box_answerer.h"

namespace {

TEST(Startup, WithoutItsStartWindowTheProgramEndsInTheErrorBox) {
    std::string command = "\"" + e2e::trivane_exe() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << command;
    testing_support::AnsweredBox box;
    const bool answered = testing_support::answer_message_box(pi.dwProcessId, IDOK, &box, 20000);
    const bool ended = WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(pi.hProcess, 1);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);

    ASSERT_TRUE(answered);
    EXPECT_EQ(box.title, "错误");
    EXPECT_EQ(box.text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n未找到所指定的窗口\r\n");
    ASSERT_TRUE(ended);
    EXPECT_EQ(code, 0xFFFFFFFFu);
}

}  // namespace
