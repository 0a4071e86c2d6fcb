// Owners for the platform's handles: kernel and find handles, GDI objects, icons,
// cursors, loaded libraries, memory and window DCs, and an object selected into a DC
// for a while. Each releases what it holds exactly once, on every path; moving an
// owner hands the handle over.
#pragma once
#include <windows.h>

#include <utility>

namespace rt {

// One handle of the kind `Kind` describes: its type, how to tell a real one (some
// functions fail with null, some with INVALID_HANDLE_VALUE), and how to release it.
template <typename Kind>
class Owned {
public:
    using Handle = typename Kind::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(Kind::valid(handle) ? handle : Handle()) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    // Null when there is none: a failed creation never reaches the owner as anything else.
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle(); }

    // Releases what is held and takes `handle` instead (taking the same one again
    // keeps it).
    void reset(Handle handle = Handle()) {
        const Handle old = std::exchange(handle_, Kind::valid(handle) ? handle : Handle());
        if (old != Handle() && old != handle_) Kind::free(old);
    }
    // Hands the handle to the caller, who releases it from now on.
    [[nodiscard]] Handle release() { return std::exchange(handle_, Handle()); }

private:
    Handle handle_ = Handle();
};

namespace handle_kinds {

// A handle that functions return null for when they fail.
template <typename T, auto Free>
struct NullIsNone {
    using Handle = T;
    static bool valid(T h) { return h != nullptr; }
    static void free(T h) { Free(h); }
};

// A handle that functions may also return INVALID_HANDLE_VALUE for when they fail.
template <auto Free>
struct InvalidIsNone {
    using Handle = HANDLE;
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void free(HANDLE h) { Free(h); }
};

using Kernel = InvalidIsNone<CloseHandle>;
using Find = InvalidIsNone<FindClose>;
template <typename T>
using Gdi = NullIsNone<T, DeleteObject>;
using Icon = NullIsNone<HICON, DestroyIcon>;
using Cursor = NullIsNone<HCURSOR, DestroyCursor>;
using Library = NullIsNone<HMODULE, FreeLibrary>;
using Dc = NullIsNone<HDC, DeleteDC>;

}  // namespace handle_kinds

using KernelHandle = Owned<handle_kinds::Kernel>;
using FindHandle = Owned<handle_kinds::Find>;
template <typename T>
using GdiObject = Owned<handle_kinds::Gdi<T>>;
using OwnedIcon = Owned<handle_kinds::Icon>;
using OwnedCursor = Owned<handle_kinds::Cursor>;
using OwnedLibrary = Owned<handle_kinds::Library>;

// An object selected into a DC for this owner's lifetime: the object it displaced goes
// back at the end, so the DC never keeps a handle its owner is about to delete.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // False when nothing was selected (no DC, no object, or the platform refused).
    explicit operator bool() const { return previous_ != nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with `like`, optionally with one object selected into it.
// The selection is undone before the DC is deleted; the selected object itself stays
// its own owner's, who must keep it alive for as long as this DC (declare it first).
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)), selection_(nullptr, nullptr), wants_object_(false) {}
    MemoryDc(HDC like, HGDIOBJ object)
        : dc_(CreateCompatibleDC(like)), selection_(dc_.get(), object), wants_object_(true) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_.get(); }
    // The DC exists and holds the object it was given.
    explicit operator bool() const { return dc_ && (!wants_object_ || selection_); }

private:
    Owned<handle_kinds::Dc> dc_;
    Selection selection_;  // after dc_, so undone first
    bool wants_object_;
};

// A window's DC (the screen's for a null window), released to that window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace rt
