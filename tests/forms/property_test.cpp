// Property access by (window, component, index): the common properties with their
// clamps and their not-loaded behaviour, conversions by type code, fonts whole and by
// sub-property, cursors with stock numbers, and the rebuild protocol.
#include <cstring>

#include "forms/components/window_object.h"
#include "forms/cursor_value.h"
#include "forms/font_value.h"
#include "forms/loader.h"
#include "forms/record_fields.h"
#include "forms/window_registry.h"
#include "forms/window_text.h"
#include "runtime/application.h"
#include "runtime/entry_table.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

constexpr u32 kButton = 0x16010002, kOther = 0x16010003, kBox = 0x16010004, kInBox = 0x16010005;

std::vector<Part> parts_with_box() {
    Part b = button(kButton, "甲", 15, 25);
    b.width = 70;
    b.height = 22;
    b.tag = "标记";
    Part box = button(kBox, "框", 120, 10);
    box.type_id = kTestBox;
    box.width = 150;
    box.height = 100;
    box.children = {kInBox};
    Part in_box = button(kInBox, "内", 10, 20);
    in_box.container = kBox;
    return {window_part(plain_window()), b, button(kOther, "乙", 15, 60), box, in_box};
}

void load_parts(const std::vector<Part>& parts = parts_with_box()) {
    install_window(parts);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    event_log().clear();
    test_type_log().clear();
}

forms::RecordView live_record(u32 id) {
    const forms::WindowDescriptor* d = forms::find_descriptor(kWindowId);
    forms::RecordView v;
    EXPECT_TRUE(forms::parse_record(d->live.records[d->live.find(id)], &v));
    return v;
}

u32 bytes_arg(const forms::ByteBlock& b) {
    return reinterpret_cast<u32>(rt::make_byte_set(b.data(), static_cast<i32>(b.size())));
}

void write_bytes(u32 id, i32 index, const forms::ByteBlock& b) {
    const u32 set = bytes_arg(b);
    write(id, index, set);
    rt::release(reinterpret_cast<void*>(set));
}

using PropertyTest = FormsTest;

TEST_F(PropertyTest, GeometryIsClampedStoredAndApplied) {
    load_parts();
    write(kButton, 2, 40000);
    EXPECT_EQ(live_record(kButton).width, 32627);
    RECT r;
    GetWindowRect(component_handle(kButton), &r);
    EXPECT_EQ(r.right - r.left, 32627);
    EXPECT_EQ(read(kButton, 2), 32627u);

    write(kButton, 3, static_cast<u32>(-5));
    EXPECT_EQ(live_record(kButton).height, 0);
    EXPECT_EQ(read(kButton, 3), 0u);

    write(kButton, 0, static_cast<u32>(-40000));
    EXPECT_EQ(live_record(kButton).left, -32627);
    write(kButton, 0, 30);
    write(kButton, 1, 40);
    EXPECT_EQ(read(kButton, 0), 30u);
    EXPECT_EQ(read(kButton, 1), 40u);
    EXPECT_EQ(read(kButton, 3), 0u) << "moving keeps the size";

    // Inside a container the position is in the container's client area.
    EXPECT_EQ(read(kInBox, 0), 10u);
    EXPECT_EQ(read(kInBox, 1), 20u);
    write(kInBox, 0, 33);
    EXPECT_EQ(read(kInBox, 0), 33u);
}

TEST_F(PropertyTest, ANotLoadedWindowAnswersFromItsTemplate) {
    install_window(parts_with_box());
    EXPECT_EQ(read(kButton, 0), 15u);
    EXPECT_EQ(read(kButton, 1), 25u);
    EXPECT_EQ(read(kButton, 2), 70u);
    EXPECT_EQ(read(kButton, 3), 22u);
    EXPECT_EQ(read_text(kButton, 4), "标记");
    EXPECT_EQ(read(kButton, 5), 1u);
    EXPECT_EQ(read(kButton, 6), 0u);
    EXPECT_EQ(read(0, 2), 400u) << "the window's own record";

    // Writes change the records and show up in the next load.
    write(kButton, 5, 0);
    write(kButton, 6, 7);  // any non-zero value disables
    EXPECT_EQ(live_record(kButton).state_flags & 3, forms::kStateDisabled);
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_FALSE(IsWindowVisible(component_handle(kButton)));
    EXPECT_FALSE(IsWindowEnabled(component_handle(kButton)));
    EXPECT_EQ(read(kButton, 5), 0u);
    EXPECT_EQ(read(kButton, 6), 1u);

    write(kButton, 5, 1);
    write(kButton, 6, 0);
    EXPECT_TRUE(IsWindowVisible(component_handle(kButton)));
    EXPECT_TRUE(IsWindowEnabled(component_handle(kButton)));
}

TEST_F(PropertyTest, TheTagGrowsAndShrinksItsRecordAndNothingElseMoves) {
    load_parts();
    const forms::RecordView before = live_record(kButton);
    const std::string long_tag(300, 'x');
    write(kButton, 4, reinterpret_cast<u32>(long_tag.c_str()));
    EXPECT_EQ(read_text(kButton, 4), long_tag);
    write(kButton, 4, 0);  // none: the empty text
    EXPECT_EQ(read_text(kButton, 4), "");
    const forms::RecordView after = live_record(kButton);
    EXPECT_EQ(after.object_slot, before.object_slot);
    EXPECT_EQ(after.events.size(), before.events.size());
    EXPECT_EQ(after.property_data, before.property_data);
    // The component still raises its events through the changed record.
    SendMessageW(component_handle(kButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(0), {{0, kButton}}));
}

TEST_F(PropertyTest, CursorsTravelAsStockNumbersAndLiveAsPlatformCursors) {
    for (const forms::StockCursor& c : forms::kStockCursors) {
        forms::ByteBlock data(4, 0);
        std::memcpy(data.data(), &c.number, 4);
        forms::cursor_to_platform(data);
        u32 stored;
        std::memcpy(&stored, data.data(), 4);
        EXPECT_EQ(stored, c.platform_id) << c.number;
        forms::cursor_to_stock(data);
        std::memcpy(&stored, data.data(), 4);
        EXPECT_EQ(stored, static_cast<u32>(c.number));
    }

    load_parts();
    write_bytes(kButton, 7, {14, 0, 0, 0});
    const forms::RecordView v = live_record(kButton);
    u32 first_word;
    std::memcpy(&first_word, v.cursor_data.data(), 4);
    EXPECT_EQ(first_word, 32649u) << "stored as the platform hand";
    EXPECT_EQ(read_bytes(kButton, 7), (forms::ByteBlock{14, 0, 0, 0}));
    ASSERT_NE(v.cursor_slot, 0u);

    // The component shows it over its client area.
    HWND h = component_handle(kButton);
    EXPECT_EQ(SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(GetCursor(), reinterpret_cast<HCURSOR>(v.cursor_slot));

    // Stock number 0 is the default pointer: no cursor of ours.
    write_bytes(kButton, 7, {0, 0, 0, 0});
    EXPECT_EQ(live_record(kButton).cursor_slot, 0u);

    // A cursor file image, whole or after the word -1, makes a cursor of our own.
    const forms::ByteBlock file = image_file(true);
    HCURSOR from_file = forms::make_cursor(file);
    ASSERT_NE(from_file, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(from_file, &info));
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 5u);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    forms::ByteBlock keyed = {0xFF, 0xFF, 0xFF, 0xFF};
    keyed.insert(keyed.end(), file.begin(), file.end());
    HCURSOR after_key = forms::make_cursor(keyed);
    EXPECT_NE(after_key, nullptr);
    forms::release_cursor(from_file);
    forms::release_cursor(after_key);
    EXPECT_FALSE(GetIconInfo(from_file, &info)) << "ours are destroyed";
    forms::release_cursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    EXPECT_NE(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)), nullptr) << "shared ones are left alone";

    // Data that is neither a stock number nor a cursor image makes no cursor.
    EXPECT_EQ(forms::make_cursor(forms::ByteBlock{0x39, 0x30, 0, 0}), nullptr);
    EXPECT_NE(forms::make_cursor(forms::ByteBlock{3}), nullptr) << "a single byte is the key";
}

TEST_F(PropertyTest, ValuesConvertByTypeCode) {
    TestValues template_values;
    template_values.flag = 2;  // template data may hold other words than 0 and 1
    std::vector<Part> parts = parts_with_box();
    parts[1].data = test_block(template_values);
    load_parts(parts);
    EXPECT_EQ(read(kButton, kTestFlag), 0u) << "a logical is true only when its word is 1";
    write(kButton, kTestFlag, 2);
    EXPECT_EQ(read(kButton, kTestFlag), 1u);

    write(kButton, kTestKind, static_cast<u32>(-3));
    EXPECT_EQ(read(kButton, kTestKind), 0u) << "negative choices become 0";
    write(kButton, kTestKind, 5);
    EXPECT_EQ(read(kButton, kTestKind), 1u) << "the type clamps above its range";

    write(kButton, kTestCaption, 0);
    EXPECT_EQ(read_text(kButton, kTestCaption), "");
    write(kButton, kTestCaption, reinterpret_cast<u32>("新标题"));
    EXPECT_EQ(read_text(kButton, kTestCaption), "新标题");
    EXPECT_EQ(forms::window_text(component_handle(kButton)), rt::to_platform("新标题"));

    write(kButton, kTestUnknownCode, reinterpret_cast<u32>("文本"));
    EXPECT_EQ(read_text(kButton, kTestUnknownCode), "文本") << "unlisted codes travel as texts";

    write(kButton, kTestLong, 0x89ABCDEF, 0x01234567);
    EXPECT_EQ(read(kButton, kTestLong), 0x0123456789ABCDEFull);
    write(kButton, kTestNumber, static_cast<u32>(-77));
    EXPECT_EQ(static_cast<i32>(read(kButton, kTestNumber)), -77);
    write(kButton, kTestColour, 0x00FF00FF);
    EXPECT_EQ(read(kButton, kTestColour), 0x00FF00FFu);

    // A read text is the caller's own copy.
    char* a = reinterpret_cast<char*>(static_cast<u32>(read(kButton, kTestCaption)));
    char* b = reinterpret_cast<char*>(static_cast<u32>(read(kButton, kTestCaption)));
    EXPECT_NE(a, b);
    rt::release(a);
    rt::release(b);
    EXPECT_EQ(read(kButton, 99), 0u) << "an index outside the table reads nothing";
}

TEST_F(PropertyTest, FontsWholeAndBySubProperty) {
    load_parts();
    const int ppi = forms::pixels_per_inch();

    // A component without a font starts from the default GUI font.
    const LOGFONTA gui = forms::default_gui_font();
    write(kButton, kTestFont, 1, 0, forms::kFontBold);
    EXPECT_EQ(read(kButton, kTestFont, forms::kFontBold), 1u);
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), std::string(gui.lfFaceName));

    write(kButton, kTestFont, reinterpret_cast<u32>(""), 0, forms::kFontFace);
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), "宋体");
    const std::string face31(31, 'F');
    write(kButton, kTestFont, reinterpret_cast<u32>(face31.c_str()), 0, forms::kFontFace);
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), face31);
    const std::string face32(32, 'F');
    write(kButton, kTestFont, reinterpret_cast<u32>(face32.c_str()), 0, forms::kFontFace);
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), "宋体");

    write(kButton, kTestFont, static_cast<u32>(-450), 0, forms::kFontAngle);
    EXPECT_EQ(read(kButton, kTestFont, forms::kFontAngle), 3150u);
    write(kButton, kTestFont, 3700, 0, forms::kFontAngle);
    EXPECT_EQ(read(kButton, kTestFont, forms::kFontAngle), 100u);
    write(kButton, kTestFont, 12, 0, forms::kFontSize);
    EXPECT_EQ(read(kButton, kTestFont, forms::kFontSize), 12u);
    for (i32 sub : {forms::kFontItalic, forms::kFontStrikeOut, forms::kFontUnderline}) {
        write(kButton, kTestFont, 1, 0, sub);
        EXPECT_EQ(read(kButton, kTestFont, sub), 1u) << sub;
    }

    forms::FontRecord whole = {-10, 0, 0, 1, 0, 9, "Tahoma"};
    write(kButton, kTestFont, reinterpret_cast<u32>(&whole));
    auto* back = reinterpret_cast<forms::FontRecord*>(static_cast<u32>(read(kButton, kTestFont)));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->angle, 3590);
    EXPECT_EQ(back->bold, 0u);
    EXPECT_EQ(back->strike_out, 1u);
    EXPECT_EQ(back->size, 9);
    EXPECT_STREQ(back->face, "Tahoma");
    forms::free_font_record(back);
    LOGFONTA stored = forms::default_gui_font();
    forms::write_font_value(&stored, forms::kFontWhole, reinterpret_cast<u32>(&whole));
    EXPECT_EQ(stored.lfHeight, -MulDiv(9, ppi, 72));
    EXPECT_EQ(stored.lfWeight, 0);

    // A whole record keeps names up to 30 characters; a negative size becomes 0.
    const std::string face30(30, 'G');
    whole = {0, 1, 0, 0, 0, -4, face31.c_str()};
    write(kButton, kTestFont, reinterpret_cast<u32>(&whole));
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), "宋体");
    EXPECT_EQ(read(kButton, kTestFont, forms::kFontSize), 0u);
    whole.face = face30.c_str();
    write(kButton, kTestFont, reinterpret_cast<u32>(&whole));
    EXPECT_EQ(read_text(kButton, kTestFont, forms::kFontFace), face30);
}

TEST_F(PropertyTest, ARebuildReplacesTheComponentInPlaceWithoutEvents) {
    load_parts();
    HWND old = component_handle(kButton);
    const int control_id = GetDlgCtrlID(old);
    SetFocus(old);
    write(kButton, kTestCaption, reinterpret_cast<u32>("保留"));
    event_log().clear();

    write_bytes(kButton, kTestPicture, {1, 2, 3});
    HWND fresh = component_handle(kButton);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, old);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetDlgCtrlID(fresh), control_id);
    EXPECT_EQ(GetWindow(window_handle(), GW_CHILD), fresh) << "the first record keeps the top place";
    EXPECT_EQ(GetFocus(), fresh);
    EXPECT_TRUE(IsWindowVisible(fresh));
    EXPECT_EQ(read_text(kButton, kTestCaption), "保留");
    EXPECT_EQ(read_bytes(kButton, kTestPicture), (forms::ByteBlock{1, 2, 3}));
    EXPECT_EQ(read(kButton, 0), 15u);
    EXPECT_TRUE(event_log().empty()) << "the created notice and the focus moves reach no handler";

    // Its events still arrive.
    SendMessageW(fresh, BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(0), {{0, kButton}}));
}

TEST_F(PropertyTest, ARebuiltContainerTakesItsChildrenAlong) {
    load_parts();
    HWND child = component_handle(kInBox);
    write_bytes(kBox, kTestPicture, {9});
    HWND box = component_handle(kBox);
    EXPECT_EQ(GetParent(child), box);
    EXPECT_EQ(component_handle(kInBox), child);
    // Clicks inside the new container still reach the child's handler.
    event_log().clear();
    SendMessageW(child, BM_CLICK, 0, 0);
    EXPECT_TRUE(events_are(logged(0), {{0, kInBox}}));
}

TEST_F(PropertyTest, ReferencePropertiesGoThroughTheObject) {
    load_parts();
    forms::ComponentObject* object = forms::live_object(kWindowId, kButton);
    const rt::EntryTable& e = rt::entry_table();
    e.call_helper(rt::kHelperWriteReferenceProperty, kTestButton, reinterpret_cast<u32>(object), kTestNumber,
                  static_cast<u32>(-1), 1234, 0);
    EXPECT_EQ(e.call_helper(rt::kHelperReadReferenceProperty, kTestButton, reinterpret_cast<u32>(object), kTestNumber,
                            static_cast<u32>(-1), 0, 0),
              1234u);
    EXPECT_EQ(e.call_helper(rt::kHelperReadReferenceProperty, kTestButton, reinterpret_cast<u32>(object), 0,
                            static_cast<u32>(-1), 0, 0),
              15u);
}

}  // namespace
}  // namespace forms_test
