#include "runtime/dll_binding.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "runtime/application.h"
#include "runtime/error_box.h"
#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"
#include "runtime/system_library.h"

namespace rt {
namespace {

// Tried in order when a DLL command names no library file.
constexpr const char* kSystemLibraries[] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                            "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

// Export names are bytes in the image, not texts of any code page: the lookup takes
// them as they are, and an ordinal in place of the name's pointer.
void* look_up(HMODULE library, const std::string& entry) {
    if (!entry.empty() && entry[0] == '#') {
        const WORD ordinal = static_cast<WORD>(std::strtoul(entry.c_str() + 1, nullptr, 10) & 0xFFFF);
        return reinterpret_cast<void*>(GetProcAddress(library, reinterpret_cast<LPCSTR>(ULONG_PTR{ordinal})));
    }
    return reinterpret_cast<void*>(GetProcAddress(library, entry.c_str()));
}

bool file_exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(to_platform(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The process runs elevated, often from a folder anyone may write to: a declared
// library comes from the system directory, or from the full path the declaration
// names. Any other is missing: it is never looked for beside the program, nor by the
// platform's wider search (current directory, PATH).
// The name is looked at in UTF-16: in GBK a character's second byte may be a backslash.
HMODULE load_named_library(const std::string& name) {
    const std::wstring platform_name = to_platform(name);
    if (platform_name.find(L':') != std::wstring::npos) return LoadLibraryW(platform_name.c_str());
    if (platform_name.find_first_of(L"\\/") != std::wstring::npos) return nullptr;
    const std::string system_dir = system_directory();
    if (system_dir.empty() || !file_exists(system_dir + "\\" + name)) return nullptr;
    return load_system_library(name.c_str());
}

[[noreturn]] void report_missing(const std::string& library, const std::string& entry) {
    std::string message;
    if (library.empty())
        message = "无法找到指定DLL库文件中的输出命令“" + entry + "”";
    else
        message = "无法找到指定DLL库文件“" + library + "”中的输出命令“" + entry + "”";
    report_error_message(message.c_str());
}

}  // namespace

void* resolve_dll_command(i32 index) {
    Application& a = app();
    const bool inside = index >= 0 && static_cast<size_t>(index) < a.dll.addresses.size();
    if (!inside) report_error_message(("无法找到索引为" + std::to_string(index) + "的DLL命令").c_str());
    if (void* cached = a.dll.addresses[index]) return cached;

    // Binding stays out of the caller's sight: a code read right after a failed call
    // is that call's own, not one left by loading the library or looking the entry up.
    const DWORD caller_error = GetLastError();
    const std::string& library_name = a.dll.library_names[index];
    const std::string& entry = a.dll.entry_names[index];
    OwnedLibrary library;
    void* address = nullptr;
    if (library_name.empty()) {
        for (const char* candidate : kSystemLibraries) {
            library.reset(load_system_library(candidate));
            if (!library) continue;
            address = look_up(library.get(), entry);
            if (address) break;
            library.reset();
        }
    } else {
        library.reset(load_named_library(library_name));
        if (library) address = look_up(library.get(), entry);
    }
    if (!address) {
        library.reset();
        report_missing(library_name, entry);
    }
    a.dll.addresses[index] = address;
    // The table holds the library until the runtime ends.
    a.dll.libraries[index] = library.release();
    SetLastError(caller_error);
    return address;
}

u64 call_dll_command(i32 index, const u32* words, i32 count, i32* stack_delta) {
    return trivane_native_call(resolve_dll_command(index), words, count, stack_delta);
}

}  // namespace rt
