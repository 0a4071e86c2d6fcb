// The change record seen from outside while Trivane runs: between actions nothing
// holds it, so the system's Notepad, which opens a file for reading and shares it
// only with readers, reads every line.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/trivane_driver.h"
#include "tests/support/change_record_tail.h"
#include "tests/support/code_pages.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/temp_dir.h"

namespace {

// The record as Notepad reads it: GENERIC_READ, shared with readers only. Empty
// when it does not open. Notepad takes the mark at its start for UTF-8.
std::string read_as_notepad_does(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

TEST(ChangeRecordEndToEnd, BetweenActionsNotepadOpensTheRecordAndReadsItsLines) {
    ASSERT_TRUE(e2e::directory_exists("T:\\")) << "drive T: is mapped by the test command (tools/test.sh)";
    const e2e::SampleClient client = e2e::make_sample_client("T:\\");
    const testing_support::ChangeRecordTail tail;
    testing_support::TempDir temp;
    e2e::Trivane tool(e2e::Launch{e2e::trivane_exe(), "", temp / "standins.log"});
    ASSERT_TRUE(tool.started());
    ASSERT_TRUE(tool.choose_drive('T'));
    ASSERT_TRUE(tool.wait_for_text(e2e::kPromptLabel, client.install));

    // The DX11 step writes single lines; the log cleanup holds the record for its walk.
    tool.click(e2e::kDx11Box);
    tool.click(e2e::kLogBox);
    {
        testing_support::BoxAnswerer answerer(IDOK, tool.pid());
        tool.click(e2e::kOptimizeButton);
    }
    ASSERT_TRUE(tool.wait_for_text(e2e::kResultLabel, "Log日志文件已清除，感谢你的使用！"));
    const std::string config = client.install + "\\Game\\Config\\game.cfg";
    ASSERT_EQ(tail.lines_with(config), (std::vector<std::string>{"备份\t" + config + ".bak\t成功",
                                                                  "写入\t" + config + "\t成功"}));

    std::wstring record;
    ASSERT_TRUE(testing_support::ChangeRecordTail::decode(
        read_as_notepad_does(testing_support::ChangeRecordTail::path()), record));
    EXPECT_NE(record.find(testing_support::wide_from_gbk("\t写入\t" + config + "\t成功\r\n")), std::wstring::npos);
    for (const std::string& log : client.logs)
        EXPECT_NE(record.find(testing_support::wide_from_gbk("\t删除\t" + log + "\t成功\r\n")), std::wstring::npos) << log;
    EXPECT_EQ(tool.close(), 0u);
}

}  // namespace
