#include "runtime/memory.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "runtime/application.h"
#include "runtime/arrays.h"
#include "runtime/error_box.h"

namespace rt {
namespace {

HANDLE heap() {
    Application& a = app();
    if (!a.heap) a.heap = GetProcessHeap();  // before initialisation (tests, static data)
    return a.heap;
}

[[noreturn]] void out_of_memory(i32 bytes) {
    char message[64];
    std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", bytes);
    report_error(ErrorRecord{message, 0, 0, 0});
}

}  // namespace

void set_constant_block(const void* start, u32 length) {
    Application& a = app();
    a.constant_start = static_cast<const char*>(start);
    a.constant_end = a.constant_start ? a.constant_start + length : nullptr;
}

bool in_constant_block(const void* p) {
    const Application& a = app();
    const char* c = static_cast<const char*>(p);
    return a.constant_start && c >= a.constant_start && c < a.constant_end;
}

void* allocate_unchecked(i32 bytes) {
    if (bytes < 0) return nullptr;
    return HeapAlloc(heap(), 0, static_cast<SIZE_T>(bytes));
}

void* allocate(i32 bytes) {
    void* p = allocate_unchecked(bytes);
    if (!p) out_of_memory(bytes);
    return p;
}

void* reallocate(void* block, i32 bytes) {
    if (!block) return allocate(bytes);
    if (in_constant_block(block)) {
        const char* from = static_cast<const char*>(block);
        const u32 available = static_cast<u32>(app().constant_end - from);
        void* copy = allocate(bytes);
        std::memcpy(copy, from, bytes < 0 || static_cast<u32>(bytes) > available ? available : static_cast<u32>(bytes));
        return copy;
    }
    void* p = bytes < 0 ? nullptr : HeapReAlloc(heap(), 0, block, static_cast<SIZE_T>(bytes));
    if (!p) out_of_memory(bytes);
    return p;
}

void release(void* block) {
    if (!block || in_constant_block(block)) return;
    HeapFree(heap(), 0, block);
}

void unshare_array(i32 element_size, void** variable) {
    void* block = *variable;
    if (!in_constant_block(block)) return;
    const u32 size = array_header_size(block) + array_element_count(block) * static_cast<u32>(element_size);
    void* copy = allocate(static_cast<i32>(size));
    std::memcpy(copy, block, size);
    *variable = copy;
}

}  // namespace rt
