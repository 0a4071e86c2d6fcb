// Trivane under its own code page, 936, on a folder whose GBK name holds a byte that
// reads as a backslash: 乗 is 0x81 0x5C. The tool must not take that byte for a
// separator when it walks the drive, cuts the install directory from a found path, or
// names the files below it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/code_page_fixture.h"
#include "tests/e2e/sample_client.h"
#include "tests/e2e/tool_boxes.h"
#include "tests/support/code_pages.h"
#include "tests/support/temp_dir.h"
#include "tuner/texts.h"

namespace {

class CodePage936 : public e2e::CodePageTest {
protected:
    CodePage936() : CodePageTest(936) {}
};

std::string read(const std::wstring& path) { return testing_support::read_whole_file(path); }

TEST_F(CodePage936, AFolderWhoseNameHoldsABackslashByteHoldsAWorkingClient) {
    const std::string install = "X:\\游戏乗\\英雄联盟";
    ASSERT_NE(install.find("\x81\x5C\\"), std::string::npos) << "the sources were not compiled to GBK";
    // Laid out in UTF-16: a byte-wise split would make a folder of the lead byte alone.
    const std::wstring wide_install = testing_support::wide_from_gbk(install);
    e2e::lay_out_client(wide_install);

    auto tool = start_and_find(wide_install);
    EXPECT_EQ(tool->text(e2e::kPromptLabel), install);
    tool->click(e2e::kDx11Box);
    EXPECT_TRUE(e2e::press(*tool, e2e::kOptimizeButton).empty());
    EXPECT_EQ(read(wide_install + L"\\Game\\Config\\game.cfg.bak"), e2e::kGameCfg);
    EXPECT_NE(read(wide_install + L"\\Game\\Config\\game.cfg").find("DX11BetaTest=1\r\n"), std::string::npos);

    EXPECT_TRUE(e2e::press(*tool, e2e::kHomeReplaceButton).empty());
    EXPECT_EQ(tool->text(e2e::kResultLabel), tuner::kHomePageReplaced);
    EXPECT_EQ(read(wide_install + L"\\LeagueClient\\system.yaml"),
              e2e::read_file(TRIVANE_DATA_DIR "\\home_page_blank.yaml"));
    EXPECT_EQ(read(wide_install + L"\\LeagueClient\\system.yaml.bak"), e2e::kSystemYaml);
    EXPECT_EQ(tool->close(), 0u);
}

}  // namespace
