// Helpers shared by the template suites: the real template, a buffer whose end
// touches an inaccessible page (so a read past the end crashes instead of passing
// unnoticed), and hand-made records.
#pragma once
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "data/main_window_template.h"
#include "forms/template_archive.h"
#include "forms/template_model.h"

namespace template_test {

inline forms::ByteBlock real_template() {
    const unsigned char* p = main_window_template();
    return forms::ByteBlock(p, p + main_window_template_length());
}

class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t capacity) {
        // A read past the end should end the run at once, not wait in a debugger.
        SetUnhandledExceptionFilter(report_and_exit);
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        data_pages_ = (capacity + page_ - 1) / page_ + 1;
        base_ = static_cast<std::uint8_t*>(
            VirtualAlloc(nullptr, (data_pages_ + 1) * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_ + data_pages_ * page_, page_, PAGE_NOACCESS, &old);
    }
    ~GuardedBuffer() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    // Copies `length` bytes so that the last one is the last readable byte.
    const std::uint8_t* place(const std::uint8_t* data, size_t length) {
        std::uint8_t* at = base_ + data_pages_ * page_ - length;
        if (length) std::memcpy(at, data, length);
        return at;
    }
    const std::uint8_t* place(const forms::ByteBlock& data) { return place(data.data(), data.size()); }

private:
    static LONG WINAPI report_and_exit(EXCEPTION_POINTERS* info) {
        std::fprintf(stderr, "exception 0x%08lX at %p\n", info->ExceptionRecord->ExceptionCode,
                     info->ExceptionRecord->ExceptionAddress);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    }

    size_t page_ = 0, data_pages_ = 0;
    std::uint8_t* base_ = nullptr;
};

// A menu-item record: header, name, caption, 12 bytes of state, a further text,
// the handler offset, and `tail` bytes after it.
inline forms::ByteBlock menu_item_record(const std::string& name, forms::i32 handler,
                                         const forms::ByteBlock& tail = {}) {
    forms::ArchiveWriter w;
    for (int i = 0; i < 6; ++i) w.put_u32(i == 0 ? 0x00010001u : 0u);
    w.put_inline_text(name);
    w.put_inline_text("&File");
    for (int i = 0; i < 3; ++i) w.put_u32(0x11 * (i + 1));
    w.put_inline_text("Ctrl+F");
    w.put_i32(handler);
    w.put_bytes(tail);
    return w.take();
}

}  // namespace template_test
