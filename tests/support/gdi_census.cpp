#include "tests/support/gdi_census.h"

#include <windows.h>

#include <cstring>
#include <mutex>
#include <set>

namespace testing_support {
namespace {

std::mutex g_lock;
std::set<void*> g_live;
long g_made = 0;

template <typename H>
H counted(H handle) {
    if (handle) {
        const std::lock_guard<std::mutex> hold(g_lock);
        g_live.insert(reinterpret_cast<void*>(handle));
        ++g_made;
    }
    return handle;
}

BOOL uncounted(void* handle, BOOL deleted) {
    if (deleted) {
        const std::lock_guard<std::mutex> hold(g_lock);
        g_live.erase(handle);
    }
    return deleted;
}

// The functions the import table held before the census: each stand-in calls its own.
HDC(WINAPI* real_create_compatible_dc)(HDC);
HBITMAP(WINAPI* real_create_compatible_bitmap)(HDC, int, int);
HBITMAP(WINAPI* real_create_bitmap)(int, int, UINT, UINT, const void*);
HBITMAP(WINAPI* real_create_dib_section)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD);
HBRUSH(WINAPI* real_create_solid_brush)(COLORREF);
HPEN(WINAPI* real_create_pen)(int, int, COLORREF);
HFONT(WINAPI* real_create_font_indirect)(const LOGFONTA*);
HRGN(WINAPI* real_create_elliptic_rgn)(int, int, int, int);
HRGN(WINAPI* real_create_round_rect_rgn)(int, int, int, int, int, int);
BOOL(WINAPI* real_delete_object)(HGDIOBJ);
BOOL(WINAPI* real_delete_dc)(HDC);

HDC WINAPI create_compatible_dc(HDC like) { return counted(real_create_compatible_dc(like)); }
HBITMAP WINAPI create_compatible_bitmap(HDC dc, int w, int h) { return counted(real_create_compatible_bitmap(dc, w, h)); }
HBITMAP WINAPI create_bitmap(int w, int h, UINT planes, UINT bits, const void* data) {
    return counted(real_create_bitmap(w, h, planes, bits, data));
}
HBITMAP WINAPI create_dib_section(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                  DWORD offset) {
    return counted(real_create_dib_section(dc, info, usage, bits, section, offset));
}
HBRUSH WINAPI create_solid_brush(COLORREF c) { return counted(real_create_solid_brush(c)); }
HPEN WINAPI create_pen(int style, int width, COLORREF c) { return counted(real_create_pen(style, width, c)); }
HFONT WINAPI create_font_indirect(const LOGFONTA* font) { return counted(real_create_font_indirect(font)); }
HRGN WINAPI create_elliptic_rgn(int l, int t, int r, int b) { return counted(real_create_elliptic_rgn(l, t, r, b)); }
HRGN WINAPI create_round_rect_rgn(int l, int t, int r, int b, int w, int h) {
    return counted(real_create_round_rect_rgn(l, t, r, b, w, h));
}
BOOL WINAPI delete_object(HGDIOBJ object) { return uncounted(object, real_delete_object(object)); }
BOOL WINAPI delete_dc(HDC dc) { return uncounted(dc, real_delete_dc(dc)); }

struct StandIn {
    const char* name;
    void** real;
    void* replacement;
};

template <typename F>
StandIn stand_in(const char* name, F* real, F replacement) {
    return {name, reinterpret_cast<void**>(real), reinterpret_cast<void*>(replacement)};
}

const StandIn kStandIns[] = {
    stand_in("CreateCompatibleDC", &real_create_compatible_dc, &create_compatible_dc),
    stand_in("CreateCompatibleBitmap", &real_create_compatible_bitmap, &create_compatible_bitmap),
    stand_in("CreateBitmap", &real_create_bitmap, &create_bitmap),
    stand_in("CreateDIBSection", &real_create_dib_section, &create_dib_section),
    stand_in("CreateSolidBrush", &real_create_solid_brush, &create_solid_brush),
    stand_in("CreatePen", &real_create_pen, &create_pen),
    stand_in("CreateFontIndirectA", &real_create_font_indirect, &create_font_indirect),
    stand_in("CreateEllipticRgn", &real_create_elliptic_rgn, &create_elliptic_rgn),
    stand_in("CreateRoundRectRgn", &real_create_round_rect_rgn, &create_round_rect_rgn),
    stand_in("DeleteObject", &real_delete_object, &delete_object),
    stand_in("DeleteDC", &real_delete_dc, &delete_dc),
};

void write_slot(ULONG_PTR* slot, ULONG_PTR value) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

// Installs the stand-ins in the executable's gdi32 imports, or puts the real functions back.
void patch_imports(bool install) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), "gdi32.dll") != 0) continue;
        const auto* names =
            reinterpret_cast<const IMAGE_THUNK_DATA*>(base + (d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* by_name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (const StandIn& s : kStandIns) {
                if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), s.name) != 0) continue;
                if (install) {
                    if (slots->u1.Function == reinterpret_cast<ULONG_PTR>(s.replacement)) continue;  // one census at a time
                    *s.real = reinterpret_cast<void*>(slots->u1.Function);
                    write_slot(&slots->u1.Function, reinterpret_cast<ULONG_PTR>(s.replacement));
                } else if (*s.real) {
                    write_slot(&slots->u1.Function, reinterpret_cast<ULONG_PTR>(*s.real));
                }
            }
        }
    }
}

}  // namespace

GdiCensus::GdiCensus() {
    {
        const std::lock_guard<std::mutex> hold(g_lock);
        g_live.clear();
        g_made = 0;
    }
    patch_imports(true);
}

GdiCensus::~GdiCensus() { patch_imports(false); }

long GdiCensus::live() const {
    const std::lock_guard<std::mutex> hold(g_lock);
    return static_cast<long>(g_live.size());
}

long GdiCensus::made() const {
    const std::lock_guard<std::mutex> hold(g_lock);
    return g_made;
}

}  // namespace testing_support
