#include "forms/object_table.h"

#include <unordered_map>

namespace forms {
namespace {

// Windows live on the UI thread, but tests and the end sequence may look from
// another: a slim lock keeps the table whole.
SRWLOCK g_lock = SRWLOCK_INIT;

std::unordered_map<HWND, ComponentObject*>& table() {
    static auto* objects = new std::unordered_map<HWND, ComponentObject*>;  // outlives every window
    return *objects;
}

}  // namespace

void remember_object(HWND window, ComponentObject* object) {
    AcquireSRWLockExclusive(&g_lock);
    table()[window] = object;
    ReleaseSRWLockExclusive(&g_lock);
}

void forget_object(HWND window) {
    AcquireSRWLockExclusive(&g_lock);
    table().erase(window);
    ReleaseSRWLockExclusive(&g_lock);
}

ComponentObject* object_of(HWND window) {
    if (!window) return nullptr;
    AcquireSRWLockShared(&g_lock);
    const auto& objects = table();
    const auto it = objects.find(window);
    ComponentObject* object = it == objects.end() ? nullptr : it->second;
    ReleaseSRWLockShared(&g_lock);
    return object;
}

}  // namespace forms
