#include <windows.h>

#include "commands/arguments.h"
#include "commands/command_functions.h"
#include "commands/read_only.h"
#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"

namespace commands {
namespace {

// The open file, closed on every path out of the command.
class OutputFile {
public:
    explicit OutputFile(const std::wstring& name)
        : handle_(is_read_only_file(name) ? nullptr
                                          : CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                        FILE_ATTRIBUTE_NORMAL, nullptr)) {}

    bool is_open() const { return static_cast<bool>(handle_); }

    // A short write counts as a failure (the disk is full).
    bool write(const void* data, DWORD size) {
        DWORD written = 0;
        return WriteFile(handle_.get(), data, size, &written, nullptr) && written == size;
    }
    // False when the platform could not finish the file.
    bool close() { return CloseHandle(handle_.release()) != 0; }

private:
    rt::KernelHandle handle_;
};

}  // namespace

// Creates or truncates the file and writes the byte sets one after the other. A
// failure part way leaves the bytes written so far in the file and answers false.
void write_to_file(rt::ResultRecord* result, i32 count, rt::ArgRecord* records) {
    const Args args(count, records);
    const char* name = args.text(0);
    if (*name == '\0') return;
    OutputFile file(rt::to_platform(name));
    if (!file.is_open()) return;
    for (i32 i = 1; i < args.count(); ++i) {
        const rt::ByteSetHeader* set = args.bytes(i);
        if (!set || set->length <= 0) continue;
        if (!file.write(set + 1, static_cast<DWORD>(set->length))) return;
    }
    if (file.close()) set_logical(result, true);
}

}  // namespace commands
