#include "tests/e2e/template_captions.h"

#include <gtest/gtest.h>

#include <cstring>

#include "data/version.h"
#include "tests/support/code_pages.h"
#include "tests/support/temp_dir.h"

namespace e2e {
namespace {

const std::string& description() {
    static const std::string text = testing_support::read_whole_file(TRIVANE_DATA_DIR "\\main_window.template.json");
    return text;
}

void append_utf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The JSON string that starts at `at` (just after its opening quote), unescaped, in UTF-8.
std::string json_string(const std::string& text, size_t at) {
    std::string out;
    for (; at < text.size() && text[at] != '"'; ++at) {
        if (text[at] != '\\') {
            out += text[at];
            continue;
        }
        const char escaped = text[++at];
        switch (escaped) {
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'u': {
                unsigned code = std::stoul(text.substr(at + 1, 4), nullptr, 16);
                at += 4;
                if (code >= 0xD800 && code < 0xDC00 && text.compare(at + 1, 2, "\\u") == 0) {
                    code =
                        0x10000 + ((code - 0xD800) << 10) + (std::stoul(text.substr(at + 3, 4), nullptr, 16) - 0xDC00);
                    at += 6;
                }
                append_utf8(out, code);
                break;
            }
            default: out += escaped;  // \" \\ \/
        }
    }
    return out;
}

}  // namespace

std::wstring template_caption(const std::string& code) {
    const std::string& text = description();
    const size_t record = text.find("\"code\": \"" + code + "\"");
    if (record == std::string::npos) {
        ADD_FAILURE() << "the template description has no record " << code;
        return {};
    }
    const size_t next_record = text.find("\"code\": \"", record + 1);
    // The types' own property names: the window's and most types' "caption", the super
    // button's "Caption".
    for (const char* key : {"\"caption\": \"", "\"Caption\": \""}) {
        const size_t at = text.find(key, record);
        if (at < next_record) {
            std::wstring caption;
            EXPECT_TRUE(testing_support::wide_from_utf8(json_string(text, at + std::strlen(key)), &caption)) << code;
            // The description names the program's version by a token the builder fills.
            const std::wstring token = L"{version}";
            if (const size_t v = caption.find(token); v != std::wstring::npos)
                caption.replace(v, token.size(), testing_support::wide_from_gbk(TRIVANE_VERSION_TEXT));
            return caption;
        }
    }
    ADD_FAILURE() << "record " << code << " has no caption in the template description";
    return {};
}

}  // namespace e2e
