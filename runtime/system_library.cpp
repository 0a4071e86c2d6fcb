#include "runtime/system_library.h"

#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"

namespace rt {
namespace {

FARPROC kernel32_function(const char* name) {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    return kernel32 ? GetProcAddress(kernel32, name) : nullptr;
}

// The system directory as the platform names it, for loads by full path.
std::wstring platform_system_directory() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

std::string system_directory() {
    // A folder whose name GBK cannot hold is not one the program can name: unknown.
    std::string directory;
    from_platform_exact(platform_system_directory().c_str(), directory);
    return directory;
}

bool library_search_flags_available() { return kernel32_function("AddDllDirectory") != nullptr; }

HMODULE load_system_library(const char* name, SystemLoad how) {
    const std::wstring file = to_platform(name);
    if (how == SystemLoad::SearchFlag) return LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const std::wstring directory = platform_system_directory();
    if (directory.empty()) return nullptr;
    // The altered search starts at the library's own folder, so what it imports comes
    // from the system directory too.
    return LoadLibraryExW((directory + L"\\" + file).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE load_system_library(const char* name) {
    return load_system_library(name,
                               library_search_flags_available() ? SystemLoad::SearchFlag : SystemLoad::FullPath);
}

bool restrict_library_search() {
    if (!library_search_flags_available()) return false;
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    const auto set_default = reinterpret_cast<SetDefaultDirectories>(kernel32_function("SetDefaultDllDirectories"));
    return set_default && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void* system_function_address(const char* library, const char* entry) {
    OwnedLibrary module(load_system_library(library));
    if (!module) return nullptr;
    void* address = reinterpret_cast<void*>(GetProcAddress(module.get(), entry));
    // Without the entry nothing will use the library: it goes back with its owner.
    // With it, the handle is never released, so the address stays good until the
    // process ends.
    if (address) static_cast<void>(module.release());
    return address;
}

}  // namespace rt
