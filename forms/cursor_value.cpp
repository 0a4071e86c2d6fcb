#include "forms/cursor_value.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "forms/image_file.h"
#include "runtime/handle_owners.h"

namespace forms {
namespace {

constexpr u32 kPlatformHand = 32649;    // IDC_HAND
constexpr WORD kProgramHandCursor = 1032;  // the program's own hand, a cursor group resource

// Cursors made from image data belong to us; loaded ones are shared.
std::vector<rt::OwnedCursor> g_owned;

HCURSOR own(HCURSOR cursor) {
    if (cursor) g_owned.emplace_back(cursor);
    return cursor;
}

const StockCursor* by_number(i32 number) {
    for (const StockCursor& c : kStockCursors)
        if (c.number == number) return &c;
    return nullptr;
}

const StockCursor* by_platform_id(u32 id) {
    for (const StockCursor& c : kStockCursors)
        if (c.platform_id != 0 && c.platform_id == id) return &c;
    return nullptr;
}

u32 first_word(const ByteBlock& data) {
    u32 w;
    std::memcpy(&w, data.data(), 4);
    return w;
}

void set_first_word(ByteBlock& data, u32 w) { std::memcpy(data.data(), &w, 4); }

HCURSOR load_platform_cursor(u32 id) {
    if (id == kPlatformHand) {
        if (HCURSOR own_hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramHandCursor)))
            return own_hand;
    }
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
}

}  // namespace

const StockCursor kStockCursors[15] = {
    {0, 0},           // default pointer
    {1, 32512},       // IDC_ARROW
    {2, 32515},       // IDC_CROSS
    {3, 32513},       // IDC_IBEAM
    {4, 32514},       // IDC_WAIT
    {5, 32651},       // IDC_HELP
    {6, 32650},       // IDC_APPSTARTING
    {7, 32648},       // IDC_NO
    {8, 32646},       // IDC_SIZEALL
    {9, 32643},       // IDC_SIZENESW
    {10, 32645},      // IDC_SIZENS
    {11, 32642},      // IDC_SIZENWSE
    {12, 32644},      // IDC_SIZEWE
    {13, 32516},      // IDC_UPARROW
    {14, kPlatformHand},  // IDC_HAND
};

void cursor_to_platform(ByteBlock& data) {
    if (data.size() < 4) return;
    if (const StockCursor* c = by_number(static_cast<i32>(first_word(data)))) set_first_word(data, c->platform_id);
}

void cursor_to_stock(ByteBlock& data) {
    if (data.size() < 4) return;
    if (const StockCursor* c = by_platform_id(first_word(data))) set_first_word(data, static_cast<u32>(c->number));
}

HCURSOR make_cursor(const std::uint8_t* data, u32 length) {
    if (!data || length == 0) return nullptr;
    i32 key;
    if (length >= 4)
        std::memcpy(&key, data, 4);
    else
        key = data[0];

    if (key != -1 && length > 10)
        if (HCURSOR image = icon_from_file_image(data, length, ImageKind::Cursor)) return own(image);
    if (key == -1) return length > 4 ? own(icon_from_file_image(data + 4, length - 4, ImageKind::Cursor)) : nullptr;

    u32 id = static_cast<u32>(key);
    if (const StockCursor* c = by_number(key)) id = c->platform_id;
    if (id == 0 || !by_platform_id(id)) return nullptr;
    return load_platform_cursor(id);
}

void release_cursor(HCURSOR cursor) {
    if (!cursor) return;
    auto it = std::find_if(g_owned.begin(), g_owned.end(),
                           [cursor](const rt::OwnedCursor& owned) { return owned.get() == cursor; });
    if (it != g_owned.end()) g_owned.erase(it);
}

}  // namespace forms
