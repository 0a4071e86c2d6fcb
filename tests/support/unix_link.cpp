#include "tests/support/unix_link.h"

#include <windows.h>

#include <cstdio>

namespace testing_support {
namespace {

// The entry itself, as its folder lists it.
bool is_link(const std::string& path) {
    WIN32_FIND_DATAA entry;
    const HANDLE h = FindFirstFileA(path.c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
}

// Waits up to 10 s for `path` to be a link or no longer one.
bool wait_until_link(const std::string& path, bool wanted) {
    for (int i = 0; i < 1000; ++i, Sleep(10))
        if (is_link(path) == wanted) return true;
    return false;
}

}  // namespace

// A Linux path as the host's shell reads it: every byte outside plain ASCII as an
// octal escape for printf, since the command line reaches the host in the platform's
// code page, which the UTF-8 of a Chinese name does not survive.
std::string host_word(const std::string& unix_path) {
    std::string out;
    for (unsigned char c : unix_path) {
        if (c < 0x80 && c != '\'' && c != '\\' && c != '%' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char octal[8];
            snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return "\\\"$(printf '" + out + "')\\\"";  // quoted inside the quoted command below
}

// Wine starts a Linux program named by its Linux path like any other, but hands back
// no handle to wait on: the caller looks for the program's effect instead. The handle
// values it does hand back are already closed, and their numbers soon name other
// objects of this process (its desktop among them): they are never closed here.
void run_host_shell(const std::string& shell_command) {
    std::string command = "/bin/sh -c \"" + shell_command + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
}

std::string unix_path_of(const std::string& windows_path) {
    using UnixName = char*(__cdecl*)(const wchar_t*);
    const auto unix_name = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unix_name) return {};
    std::wstring wide(windows_path.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(936, 0, windows_path.c_str(), -1, wide.data(), static_cast<int>(wide.size())));
    char* name = unix_name(wide.c_str());
    if (!name) return {};
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

UnixLink::UnixLink(const std::string& link, const std::string& target, bool to_file) : link_(link) {
    const std::string unix_target = unix_path_of(target);
    const std::string folder = unix_path_of(link.substr(0, link.rfind('\\')));
    if (unix_target.empty() || folder.empty()) return;
    // The whole path through Wine's conversion, so that a Chinese name comes out in
    // the host's UTF-8 too.
    unix_link_ = unix_path_of(link);
    if (unix_link_.rfind(folder + "/", 0) != 0) unix_link_ = folder + "/" + link.substr(link.rfind('\\') + 1);
    run_host_shell("ln -s " + host_word(unix_target) + " " + host_word(unix_link_));
    if (!to_file) {
        made_ = wait_until_link(link_, true);
        return;
    }
    for (int i = 0; i < 1000 && !made_; ++i, Sleep(10))
        made_ = GetFileAttributesA(link_.c_str()) != INVALID_FILE_ATTRIBUTES;
}

UnixLink::~UnixLink() {
    if (unix_link_.empty()) return;
    run_host_shell("rm -f " + host_word(unix_link_));
    wait_until_link(link_, false);
}

}  // namespace testing_support
