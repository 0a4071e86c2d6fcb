#include "tuner/profile_write.h"

#include <string>
#include <vector>

#include "logic/commands.h"
#include "tuner/directory_listing.h"
#include "tuner/dll_commands.h"
#include "tuner/file_constants.h"
#include "tuner/file_information.h"
#include "tuner/file_replace.h"
#include "tuner/platform_error.h"
#include "tuner/routines.h"
#include "tuner/tool_kernel_handle.h"
#include "tuner/wide_text.h"

namespace tuner {
namespace {

constexpr rt::u32 kWriteFault = 29;  // when the writer left no code of its own
// A game.cfg is a few KB; a file beyond this is not rewritten.
constexpr rt::u32 kMostRoom = 64u << 20;

constexpr logic::Site at(rt::i32 site) { return {kRoutineDx11, 10 + site}; }

// The item as the writer is given it (the tool's GBK texts) and as the reader answers
// (the wide texts it reads the file as).
struct Item {
    const char* section;
    const char* key;
    const char* value;
    std::wstring wide_section, wide_key, wide_value;
};

using Lines = std::vector<std::wstring>;

std::wstring wide(const char* text) {
    const WideText converted(text);
    return converted.get() ? converted.get() : L"";
}

// The reader's answers, in one buffer for the whole check.
class Reader {
public:
    // Room for any answer about files of up to `bytes` bytes (a list never holds more
    // than the file's text), within what the check may take.
    explicit Reader(rt::u64 bytes) : buffer_(static_cast<size_t>(bytes < kMostRoom ? bytes + 2 : kMostRoom)) {}

    bool section_names(const wchar_t* file, Lines& names) {
        return read(
            [&](wchar_t* into, rt::u32 size) { return dll::GetPrivateProfileSectionNamesW(into, size, file, at(1)); },
            names);
    }
    bool section_lines(const wchar_t* file, const wchar_t* section, Lines& lines) {
        return read(
            [&](wchar_t* into, rt::u32 size) { return dll::GetPrivateProfileSectionW(section, into, size, file, at(2)); },
            lines);
    }

private:
    // The reader answers with texts, each ended by a zero, and one more zero after the
    // last; a buffer too small for all gets its size less two back, so it grows (should
    // the file have grown meanwhile) until what it holds is whole. False when the
    // answer needs more room than the check may take.
    template <typename Ask>
    bool read(Ask ask, Lines& lines) {
        rt::u32 got = 0;
        while ((got = ask(buffer_.data(), static_cast<rt::u32>(buffer_.size()))) + 2 >= buffer_.size()) {
            if (buffer_.size() >= kMostRoom) return false;
            buffer_.resize(buffer_.size() * 2 < kMostRoom ? buffer_.size() * 2 : kMostRoom);
        }
        lines.clear();
        for (rt::u32 at_line = 0; at_line < got;) {
            const std::wstring line(buffer_.data() + at_line);
            at_line += static_cast<rt::u32>(line.size()) + 1;
            lines.push_back(line);
        }
        return true;
    }

    std::vector<wchar_t> buffer_;  // a file's text has no more characters than bytes
};

// The size of `path`; zero when it cannot be opened.
rt::u64 size_of(const wchar_t* path) {
    const ToolKernelHandle file(dll::CreateFileW(path, 0, kShareRead | kShareWrite, nullptr, kOpenExisting, 0, 0, at(4)),
                                at(5));
    StandardInformation info = {};
    return file && dll::GetFileInformationByHandleEx(file.get(), kStandardInformation, &info, sizeof info, at(6))
               ? info.size
               : 0;
}

bool has_key(const std::wstring& line, const std::wstring& key) {
    const size_t equals = line.find(L'=');
    return equals != std::wstring::npos && equal_ignoring_case(line.substr(0, equals).c_str(), key.c_str());
}

Lines without_key(Lines lines, const std::wstring& key) {
    Lines kept;
    for (std::wstring& line : lines)
        if (!has_key(line, key)) kept.push_back(std::move(line));
    return kept;
}

// The written section holds the item with its value where the key was (or anew), and
// its other lines as they were.
bool section_changed_by_item(const Lines& before, const Lines& after, const Item& item) {
    for (const std::wstring& line : after)
        if (has_key(line, item.wide_key)) {
            if (line.substr(line.find(L'=') + 1) != item.wide_value) return false;
            return without_key(before, item.wide_key) == without_key(after, item.wide_key);
        }
    return false;
}

// What the reader finds in `copy` is what it finds in `original` but for the item:
// the same sections in the same order (the item's own appended when it was missing)
// and the same lines in each.
bool only_item_changed(const char* original_path, const char* copy_path, const Item& item) {
    const WideText wide_original(original_path), wide_copy(copy_path);
    const wchar_t* original = wide_original.get();
    const wchar_t* copy = wide_copy.get();
    if (!original || !copy) return false;
    const rt::u64 original_size = size_of(original), copy_size = size_of(copy);
    Reader reader(original_size > copy_size ? original_size : copy_size);
    Lines before, after;
    if (!reader.section_names(original, before) || !reader.section_names(copy, after)) return false;
    bool section_found = false;
    for (const std::wstring& name : before)
        section_found = section_found || equal_ignoring_case(name.c_str(), item.wide_section.c_str());
    if (!section_found) before.push_back(item.wide_section);
    if (before.size() != after.size()) return false;
    Lines old_lines, new_lines;
    for (size_t i = 0; i < after.size(); ++i) {
        if (!equal_ignoring_case(before[i].c_str(), after[i].c_str()) ||
            !reader.section_lines(original, after[i].c_str(), old_lines) ||
            !reader.section_lines(copy, after[i].c_str(), new_lines))
            return false;
        const bool same = equal_ignoring_case(after[i].c_str(), item.wide_section.c_str())
                              ? section_changed_by_item(old_lines, new_lines, item)
                              : old_lines == new_lines;
        if (!same) return false;
    }
    return true;
}

bool write_item(const char* original, const char* copy, const void* context, rt::u32& error) {
    const Item& item = *static_cast<const Item*>(context);
    // Cleared first, so that a code after a failed check is the writer's own, not one
    // left over from an earlier call.
    dll::SetLastError(0, at(3));
    const bool written = logic::write_configuration_item(copy, item.section, item.key, item.value);
    const rt::u32 code = last_error(at(90));
    if (written && only_item_changed(original, copy, item)) return true;
    error = code ? code : kWriteFault;
    return false;
}

}  // namespace

bool write_profile_item(const char* file, const char* section, const char* key, const char* value, rt::u32* error) {
    const Item item = {section, key, value, wide(section), wide(key), wide(value)};
    return rewrite_through_copy(file, write_item, &item, error);
}

}  // namespace tuner
