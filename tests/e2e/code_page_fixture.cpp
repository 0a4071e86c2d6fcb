#include "tests/e2e/code_page_fixture.h"

#include "tests/e2e/program_path.h"
#include "tests/e2e/sample_client.h"
#include "tests/support/child_process.h"
#include "tests/support/code_pages.h"

namespace e2e {

TRIVANE_CHILD_SCENARIO(report_ansi_code_page) { testing_support::child_report(std::to_string(GetACP())); }

void CodePageTest::SetUp() {
    ASSERT_EQ(testing_support::run_child("report_ansi_code_page").report, std::to_string(code_page_))
        << "programs started from this test do not run in code page " << code_page_
        << ": the suite's ctest entry sets the locale";
    ASSERT_TRUE(directory_exists(kDrive)) << "drive X: is mapped by the test command (tools/test.sh)";
    empty_folder(kDrive);
}

void CodePageTest::TearDown() { empty_folder(kDrive); }

std::unique_ptr<Trivane> CodePageTest::start() {
    auto tool = std::make_unique<Trivane>(Launch{trivane_exe(), "", ""});
    EXPECT_TRUE(tool->started());
    return tool;
}

std::unique_ptr<Trivane> CodePageTest::start_and_find(const std::wstring& install) {
    auto tool = start();
    if (!tool->started()) return tool;
    EXPECT_TRUE(tool->choose_drive('X'));
    EXPECT_TRUE(tool->wait_for_wide_text(kPromptLabel, install))
        << "the prompt shows \"" << shown(*tool, kPromptLabel) << "\"";
    return tool;
}

std::string shown(const Trivane& tool, int id) { return testing_support::utf8_from_wide(tool.wide_text(id)); }

}  // namespace e2e
