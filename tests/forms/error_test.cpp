// Every runtime error of the window system ends the process with exit code -1 and a
// box naming the window and component: run in child processes, box text captured.
#include <cstdlib>
#include <string>

#include "forms/loader.h"
#include "forms/window_system_install.h"
#include "runtime/error_box.h"
#include "runtime/initialise.h"
#include "runtime/library_service.h"
#include "runtime/platform_text.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "tests/forms/forms_test_program.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_answerer.h"

namespace forms_test {
namespace {

using testing_support::child_report;
using testing_support::run_child;

constexpr u32 kButton = 0x16010002, kSilent = 0x16010003;

void start_child_program() {
    start_forms_runtime();
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    Part named = button(kButton, "甲");
    named.name = "按钮甲";
    Part silent = button(kSilent, "无");
    silent.name = "无事件";
    silent.type_id = kTestSilent;
    install_window({window_part(plain_window()), named, silent});
}

std::string location(u32 window_id, u32 component_id) {
    return "\r\n" + std::to_string(static_cast<i32>(window_id)) + ", " + std::to_string(static_cast<i32>(component_id));
}

TRIVANE_CHILD_SCENARIO(forms_read_unknown_window) {
    start_child_program();
    read(kButton, 0, -1, 0x52010099);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_write_unknown_window) {
    start_child_program();
    write(kButton, 8, 0, 0, -1, 0x52010099);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_read_not_loaded) {
    start_child_program();
    child_report("left=" + std::to_string(read(kButton, 0)) + "\n");  // common ones still answer
    read(kButton, kTestCaption);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_write_not_loaded) {
    start_child_program();
    write(kButton, kTestCaption, reinterpret_cast<u32>("x"));
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_raise_unknown_window) {
    start_child_program();
    forms::EventRecord r = {0x52010099, kButton, 0, 0, {}, 0, 0};
    rt::library_service(rt::kSvcRaiseEvent, reinterpret_cast<u32>(&r), 0);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_raise_unknown_component) {
    start_child_program();
    forms::EventRecord r = {kWindowId, 0x1601FFFF, 0, 0, {}, 0, 0};
    rt::library_service(rt::kSvcRaiseEvent, reinterpret_cast<u32>(&r), 0);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_raise_invalid_type) {
    start_child_program();
    forms::EventRecord r = {kWindowId, kSilent, 0, 0, {}, 0, 0};
    rt::library_service(rt::kSvcRaiseEvent, reinterpret_cast<u32>(&r), 0);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_required_object_missing) {
    start_child_program();
    rt::library_service(rt::kSvcComponentObjectRequired, kWindowId, kButton);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_start_window_missing) {
    start_child_program();
    logic::load_start_window(0x52010099);
    child_report("returned");
}

TRIVANE_CHILD_SCENARIO(forms_start_window_fails) {
    start_child_program();
    Part broken = button(kButton, "坏");
    broken.type_id = kTestBroken;
    install_window({window_part(plain_window()), broken});
    logic::load_start_window(kWindowId);
    child_report("returned");
}

// A program whose table has two handler slots, with a template binding its window's
// created event to the slot the argument names (0, 1, 2, ...).
u32 unused_handler(const u32*, i32, bool*) { return 0; }
const forms::EventHandler kTwoHandlers[2] = {unused_handler, unused_handler};

TRIVANE_CHILD_SCENARIO(forms_start_with_bound_slot) {
    rt::set_error_hook(testing_support::report_error_and_suppress_box);
    Part window = window_part(plain_window());
    window.events = {{forms::kWindowCreated, std::stoi(testing_support::child_argument()) * 4}};
    forms::TemplateSegment segment;
    segment.windows = {window_entry(kWindowId, {window})};
    static const forms::ByteBlock bytes = forms::write_segment(segment);
    static const rt::ProgramInfo info = {
        3, 0, 117722, kTwoHandlers, 2, logic::constant_block_start(), logic::constant_block_length(),
        bytes.data(), static_cast<u32>(bytes.size()), 0, nullptr, 0, nullptr, nullptr,
    };
    forms::install_window_system();
    rt::set_program_info(&info);
    logic::initialise_runtime();
    child_report("initialised");
}

// The handler table's length comes from the program information block: a binding past
// it is a damaged template, reported as one at start-up.
TEST(FormsErrors, ABindingPastTheProgramsHandlerTableIsATemplateError) {
    const testing_support::ChildResult last = testing_support::run_child_with("forms_start_with_bound_slot", "1");
    EXPECT_EQ(last.exit_code, 0u);
    EXPECT_EQ(last.report, "initialised");
    const testing_support::ChildResult past = testing_support::run_child_with("forms_start_with_bound_slot", "2");
    EXPECT_EQ(past.exit_code, 0xFFFFFFFFu);
    EXPECT_EQ(past.report, "code=0\n载入窗口模板数据段出错!\r\n0, 0\r\n");
}

struct Expected {
    const char* scenario;
    const char* message;
    u32 first, second;
    const char* names;  // what follows the numbers
};

TEST(FormsErrors, EachEndsTheProcessWithItsMessageAndLocation) {
    const Expected cases[] = {
        {"forms_read_unknown_window", "未载入欲访问窗口组件所在的窗口", 0x52010099, kButton, "\r\n未找到所指定的窗口"},
        {"forms_write_unknown_window", "未载入欲访问窗口组件所在的窗口", 0x52010099, kButton,
         "\r\n未找到所指定的窗口"},
        {"forms_read_not_loaded", "读取组件属性时发现指定窗口尚未载入", kWindowId, kButton, "\r\n\"\"\r\n\"按钮甲\""},
        {"forms_write_not_loaded", "修改组件属性时发现指定窗口尚未载入", kWindowId, kButton, "\r\n\"\"\r\n\"按钮甲\""},
        {"forms_raise_unknown_window", "未找到引发事件的窗口", 0x52010099, 0, "\r\n未找到所指定的窗口"},
        {"forms_raise_unknown_component", "未找到引发事件的窗口组件", kWindowId, 0x1601FFFF,
         "\r\n\"\"\r\n未找到所指定的窗口组件"},
        {"forms_raise_invalid_type", "引发事件的窗口组件无效", kWindowId, kSilent, "\r\n\"\"\r\n\"无事件\""},
        {"forms_required_object_missing", "指定窗口或窗口组件不存在或尚未载入", kWindowId, kButton,
         "\r\n\"\"\r\n\"按钮甲\""},
        {"forms_start_window_missing", "载入启动窗口失败", 0x52010099, 0, "\r\n未找到所指定的窗口"},
        {"forms_start_window_fails", "载入启动窗口失败", kWindowId, 0, "\r\n\"\"\r\n\"\""},
    };
    for (const Expected& c : cases) {
        const testing_support::ChildResult r = run_child(c.scenario);
        EXPECT_EQ(r.exit_code, 0xFFFFFFFFu) << c.scenario;
        const std::string text = std::string("code=0\n") + c.message + location(c.first, c.second) + c.names + "\r\n";
        EXPECT_NE(r.report.find(text), std::string::npos) << c.scenario << "\n" << r.report;
        EXPECT_EQ(r.report.find("returned"), std::string::npos) << c.scenario;
    }
}

TEST(FormsErrors, CommonPropertiesOfANotLoadedWindowStillAnswer) {
    const testing_support::ChildResult r = run_child("forms_read_not_loaded");
    EXPECT_EQ(r.report.rfind("left=10\n", 0), 0u) << r.report;
}

// The box shows its text as written whatever the system's code page (the suite runs
// once more in code page 1252): the text and title reach it in UTF-16.
TRIVANE_CHILD_SCENARIO(forms_error_box_shown) {
    start_forms_runtime();
    child_report("code page " + std::to_string(GetACP()) + "\n");
    rt::report_error_message("无法找到指定DLL库文件“乗.dll”中的输出命令“测试”");
}

struct ShownBox {
    HWND box = nullptr;
    DWORD pid = 0;
    std::wstring title, text;
};

BOOL CALLBACK find_box(HWND window, LPARAM lparam) {
    auto* shown = reinterpret_cast<ShownBox*>(lparam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (pid != shown->pid || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    shown->box = window;
    return FALSE;
}

std::wstring text_of(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(FormsErrors, TheBoxShowsItsTextAsWritten) {
    std::string report_path;
    PROCESS_INFORMATION child = testing_support::start_child("forms_error_box_shown", &report_path);
    ShownBox shown;
    shown.pid = child.dwProcessId;
    for (int i = 0; i < 150 && !shown.box; ++i) {
        EnumWindows(find_box, reinterpret_cast<LPARAM>(&shown));
        if (!shown.box) Sleep(100);
    }
    if (shown.box) {
        shown.title = text_of(shown.box);
        shown.text = text_of(GetDlgItem(shown.box, 0xFFFF));
    }
    testing_support::AnsweredBox answered;
    const bool closed = shown.box && testing_support::answer_message_box(child.dwProcessId, IDOK, &answered, 15000);
    const testing_support::ChildResult r = testing_support::finish_child(child, report_path);
    ASSERT_TRUE(closed);
    EXPECT_EQ(shown.title, rt::to_platform("错误"));
    EXPECT_EQ(shown.text, rt::to_platform("运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“乗.dll”中的输出命令“测试”"
                                          "\r\n\r\n0, 0\r\n"));
    EXPECT_EQ(r.exit_code, 0xFFFFFFFFu);
    const char* code_page = std::getenv("TRIVANE_CODE_PAGE");
    EXPECT_EQ(r.report, "code page " + std::string(code_page ? code_page : "936") + "\n");
}

}  // namespace
}  // namespace forms_test
