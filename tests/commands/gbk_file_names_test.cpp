// The file commands name files in GBK whatever the system's code page: names of
// double-byte characters, among them 乗, whose second byte is a backslash, are found,
// moved, written, honoured as read-only and deleted. Each case runs here (code page
// 936) and in a child whose code page is 1252, where a GBK name passed through an ...A
// function names other characters (乗 even splits into a folder and a file).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "logic/commands.h"
#include "tests/commands/command_test_program.h"
#include "tests/support/code_page_child.h"
#include "tests/support/wide_files.h"

namespace {

using testing_support::WideTempDir;

const char* yes_no(bool b) { return b ? "yes" : "no"; }

// What the commands did to a folder of GBK-named files, one line a command, checked
// through the files' UTF-16 names.
std::string work_on_gbk_names() {
    WideTempDir dir;
    const std::string folder = dir.gbk() + "\\客户端乗";
    dir.write(L"客户端乗\\日志乗.log", "log");
    dir.write(L"客户端乗\\game.cfg", "[General]\r\n");
    dir.write(L"客户端乗\\只读乗.cfg", "[General]\r\n");
    SetFileAttributesW((dir / L"客户端乗\\只读乗.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
    const logic::Bytes data = logic::Bytes::copy_of("data", 4);
    std::string out;

    out += std::string("exists ") + yes_no(logic::file_exists((folder + "\\日志乗.log").c_str())) + " " +
           yes_no(logic::file_exists((folder + "\\*乗.log").c_str())) + " " +
           yes_no(logic::file_exists((folder + "\\日志.log").c_str())) + "\n";

    const bool moved = logic::move_file((folder + "\\日志乗.log").c_str(), (folder + "\\旧日志乗.log").c_str());
    out += std::string("moved ") + yes_no(moved) + ", source there " + yes_no(dir.exists(L"客户端乗\\日志乗.log")) +
           ", target " + dir.read(L"客户端乗\\旧日志乗.log") + "\n";

    const bool deleted = logic::delete_file((folder + "\\旧日志乗.log").c_str());
    out += std::string("deleted ") + yes_no(deleted) + ", still there " +
           yes_no(dir.exists(L"客户端乗\\旧日志乗.log")) + "\n";

    const bool written = logic::write_to_file((folder + "\\写入乗.txt").c_str(), {data.get()});
    out += std::string("written ") + yes_no(written) + ": " + dir.read(L"客户端乗\\写入乗.txt") + "\n";
    const bool overwritten = logic::write_to_file((folder + "\\只读乗.cfg").c_str(), {data.get()});
    out += std::string("read-only written ") + yes_no(overwritten) + ": " + dir.read(L"客户端乗\\只读乗.cfg") + "\n";

    const bool item = logic::write_configuration_item((folder + "\\game.cfg").c_str(), "General", "DX11BetaTest", "1");
    out += std::string("item ") + yes_no(item) + ": " + dir.read(L"客户端乗\\game.cfg") + "\n";
    const bool read_only_item =
        logic::write_configuration_item((folder + "\\只读乗.cfg").c_str(), "General", "DX11BetaTest", "1");
    out += std::string("read-only item ") + yes_no(read_only_item) + ": " + dir.read(L"客户端乗\\只读乗.cfg") + "\n";
    SetFileAttributesW((dir / L"客户端乗\\只读乗.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);
    return out;
}

const std::string kExpected =
    "exists yes yes no\n"
    "moved yes, source there no, target log\n"
    "deleted yes, still there no\n"
    "written yes: data\n"
    "read-only written no: [General]\r\n\n"
    "item yes: [General]\r\nDX11BetaTest=1\r\n\n"
    "read-only item no: [General]\r\n\n";

TRIVANE_CHILD_SCENARIO(gbk_file_names) {
    command_tests::start_command_runtime();
    testing_support::report_with_code_page(work_on_gbk_names());
}

TEST(GbkFileNames, FoundMovedWrittenAndDeletedInEitherCodePage) {
    EXPECT_EQ(work_on_gbk_names(), kExpected);
    EXPECT_EQ(testing_support::run_child_in_locale("gbk_file_names", testing_support::kWesternLocale),
              "code page 1252\n" + kExpected);
}

}  // namespace
