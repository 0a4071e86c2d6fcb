#include "runtime/error_box.h"

#include <windows.h>

#include <cstdio>

#include "runtime/application.h"
#include "runtime/end_sequence.h"
#include "runtime/platform_text.h"

namespace rt {
namespace {

constexpr const char* kCodedMessages[] = {
    "",
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

ErrorHook g_hook = nullptr;
bool g_hook_running = false;
TemplateNameLookup g_names = nullptr;

// Bits 24 to 27 tell an identifier's kind.
constexpr u32 id_kind(u32 id) { return (id >> 24) & 0xF; }
constexpr bool is_window_id(u32 id) { return id_kind(id) == 2; }
constexpr bool is_menu_item_id(u32 id) { return id_kind(id) == 6 && (id >> 28) == 2; }

void append_quoted_line(std::string& out, const std::string& name) {
    out += "\r\n\"";
    out += name;
    out += '"';
}

}  // namespace

const char* coded_error_message(i32 code) {
    if (code < 0 || code >= static_cast<i32>(std::size(kCodedMessages))) return "";
    return kCodedMessages[code];
}

void set_error_hook(ErrorHook hook) { g_hook = hook; }
void set_template_name_lookup(TemplateNameLookup lookup) { g_names = lookup; }

std::string compose_location(i32 first, i32 second) {
    char numbers[40];
    std::snprintf(numbers, sizeof numbers, "\r\n%d, %d", first, second);
    std::string out = numbers;
    if (first != 0 && is_window_id(static_cast<u32>(first))) {
        const TemplateNames names = g_names ? g_names(static_cast<u32>(first), static_cast<u32>(second))
                                            : TemplateNames{false, {}, false, 0, {}};
        if (names.window_found) {
            append_quoted_line(out, names.window_name);
            if (names.record_found && !is_menu_item_id(names.record_id))
                append_quoted_line(out, names.record_name);
            else
                out += "\r\n未找到所指定的窗口组件";
        } else {
            out += "\r\n未找到所指定的窗口";
        }
    }
    out += "\r\n";
    return out;
}

std::string compose_box_text(const ErrorRecord& record, const std::string& location) {
    std::string text = "运行时出错!\r\n";
    if (record.code != 0) {
        text += "\r\n错误代码：";
        text += std::to_string(record.code);
        text += "\r\n";
    }
    if (record.message && *record.message) {
        text += "\r\n错误信息：";
        text += record.message;
        text += "\r\n";
    }
    text += location;
    return text;
}

void report_error(const ErrorRecord& record) {
    Application& a = app();
    ++a.loading_counter;  // no event routine starts while the box is up
    const std::string location = compose_location(record.first, record.second);

    bool suppressed = false;
    if (g_hook && !g_hook_running) {
        g_hook_running = true;
        std::string hook_text = record.message ? record.message : "";
        hook_text += location;
        suppressed = g_hook(record.code, hook_text.c_str()) != 0;
        g_hook_running = false;
    }
    if (!suppressed) {
        const std::string text = compose_box_text(record, location);
        MessageBoxW(nullptr, to_platform(text.c_str(), text.size()).c_str(), to_platform("错误").c_str(),
                    MB_OK | MB_ICONERROR);
    }
    a.at_exit.clear();
    end_program(-1);
}

void report_coded_error(i32 code, i32 first, i32 second) {
    report_error(ErrorRecord{coded_error_message(code), code, first, second});
}

void report_error_message(const char* message, i32 first, i32 second) {
    report_error(ErrorRecord{message, 0, first, second});
}

}  // namespace rt
