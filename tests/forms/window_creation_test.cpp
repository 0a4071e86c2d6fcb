// Window creation from the window's properties: the frame, centring, the owner, the
// class, the icon, the shape, topmost, movable, and the window's own properties read
// and written while loaded.
#include <cstring>

#include "forms/components/window_object.h"
#include "forms/components/window_properties.h"
#include "forms/display_scale.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "forms/window_text.h"
#include "runtime/application.h"
#include "runtime/library_service.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

using forms::WindowProperties;

WindowProperties with(std::initializer_list<std::pair<int, u32>> words, const std::string& title = "标题") {
    WindowProperties p = plain_window(title);
    for (const auto& [word, value] : words) p.set_word(word, value);
    return p;
}

HWND load_with(const WindowProperties& p, i32 width = 300, i32 height = 200) {
    install_window({window_part(p, 50, 60, width, height)});
    EXPECT_TRUE(forms::load_window(kWindowId, nullptr, false));
    return window_handle();
}

TEST(WindowFrame, FollowsBorderCaptionControlBoxButtonsAndOwnership) {
    struct Row {
        u32 border;
        const char* title;
        u32 control_box, max, min;
        bool child, owned;
        DWORD style, ex_style;
    } rows[] = {
        {forms::kBorderFixed, "标题", 1, 0, 1, false, false,
         WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX, 0},
        {forms::kBorderResizable, "", 0, 1, 0, false, false, WS_CLIPCHILDREN | WS_DLGFRAME | WS_THICKFRAME | WS_MAXIMIZEBOX,
         0},
        {forms::kBorderResizableTool, "t", 0, 0, 0, false, true,
         WS_CLIPCHILDREN | WS_CAPTION | WS_DLGFRAME | WS_THICKFRAME | WS_POPUP, WS_EX_TOOLWINDOW},
        {forms::kBorderFixedTool, "t", 1, 0, 0, false, false, WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
         WS_EX_TOOLWINDOW},
        {forms::kBorderResizableSunken, "t", 0, 0, 0, true, false, WS_CLIPCHILDREN | WS_CAPTION | WS_CHILD,
         WS_EX_CLIENTEDGE},
        {forms::kBorderFixedSunken, "t", 0, 0, 0, false, false, WS_CLIPCHILDREN | WS_CAPTION | WS_DLGFRAME,
         WS_EX_CLIENTEDGE},
        {forms::kBorderNone, "t", 1, 0, 0, false, false, WS_CLIPCHILDREN, 0},
    };
    for (const Row& r : rows) {
        WindowProperties p = with({{forms::kWordBorder, r.border},
                                   {forms::kWordControlBox, r.control_box},
                                   {forms::kWordMaxButton, r.max},
                                   {forms::kWordMinButton, r.min}},
                                  r.title);
        const forms::WindowFrame f = forms::window_frame(p, r.child, r.owned);
        EXPECT_EQ(f.style, r.style) << "border " << r.border;
        EXPECT_EQ(f.ex_style, r.ex_style) << "border " << r.border;
    }
    // Minimised and maximised start positions; maximised only with a resizable frame.
    EXPECT_TRUE(forms::window_frame(with({{forms::kWordStartPosition, 2}}), false, false).style & WS_MINIMIZE);
    EXPECT_FALSE(forms::window_frame(with({{forms::kWordStartPosition, 3}}), false, false).style & WS_MAXIMIZE);
    EXPECT_TRUE(forms::window_frame(with({{forms::kWordStartPosition, 3}, {forms::kWordBorder, 1}}), false, false).style &
                WS_MAXIMIZE);
}

using WindowCreationTest = FormsTest;

TEST_F(WindowCreationTest, CentresOnTheScreenOrKeepsTheStoredPlace) {
    HWND w = load_with(with({{forms::kWordStartPosition, forms::kStartCentred}}), 300, 200);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_EQ(r.right - r.left, 300);
    forms::WindowObject::destroy_all();

    w = load_with(with({}), 300, 200);
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
}

TEST_F(WindowCreationTest, WindowsOffTheTaskbarHangOnTheHiddenOwner) {
    HWND w = load_with(with({{forms::kWordInTaskbar, 0}}));
    EXPECT_EQ(GetWindow(w, GW_OWNER), rt::app().hidden_owner);
    EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & WS_POPUP);  // still an overlapped window
    forms::WindowObject::destroy_all();
    w = load_with(with({}));
    EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
}

TEST_F(WindowCreationTest, RegistersTheNamedClassOrItsOwn) {
    wchar_t name[64];
    HWND w = load_with(with({}));
    GetClassNameW(w, name, 64);
    EXPECT_STREQ(name, L"KRWindow");
    forms::WindowObject::destroy_all();

    WindowProperties p = with({});
    p.class_name = "测试窗口类";
    w = load_with(p);
    GetClassNameW(w, name, 64);
    EXPECT_EQ(std::wstring(name), rt::to_platform("测试窗口类"));
    WNDCLASSW wc;
    ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), rt::to_platform("测试窗口类").c_str(), &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
}

TEST_F(WindowCreationTest, TopmostImmovableShapedAndWithTheDefaultFont) {
    HWND w = load_with(with({{forms::kWordTopmost, 1}, {forms::kWordMovable, 0}, {forms::kWordShape, forms::kShapeEllipse}}));
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetMenuState(GetSystemMenu(w, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, region), COMPLEXREGION);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));

    // Back to a movable rectangle through the properties.
    write(0, forms::kWindowMovable, 1);
    write(0, forms::kWindowShape, forms::kShapeRectangle);
    write(0, forms::kWindowTopmost, 0);
    EXPECT_NE(GetMenuState(GetSystemMenu(w, FALSE), SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetWindowRgn(w, region), ERROR);
    EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DeleteObject(region);
}

TEST_F(WindowCreationTest, UsesTheProgramIconUnlessTheIconPropertyHasOne) {
    HWND w = load_with(with({}));
    HICON defaults[2] = {nullptr, nullptr};
    rt::library_service(rt::kSvcDefaultIcons, reinterpret_cast<u32>(defaults), 0);
    ASSERT_NE(defaults[0], nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_BIG, 0)), defaults[0]);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_SMALL, 0)), defaults[1]);

    const forms::ByteBlock icon = image_file(false);
    rt::ByteSetHeader* set = rt::make_byte_set(icon.data(), static_cast<i32>(icon.size()));
    write(0, forms::kWindowIcon, reinterpret_cast<u32>(set));
    rt::release(set);
    HICON now = reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_SMALL, 0));
    EXPECT_NE(now, nullptr);
    EXPECT_NE(now, defaults[1]);
    EXPECT_EQ(read_bytes(0, forms::kWindowIcon), icon);
}

// At twice the scale: the icon file's images for twice the size and the default
// font twice as tall.
TEST_F(WindowCreationTest, IconsAndTheDefaultFontAreMadeForTheWindowsDpi) {
    struct Dpi {
        Dpi() { forms::set_window_system_dpi(192); }
        ~Dpi() { forms::set_window_system_dpi(0); }
    } twice;
    HWND w = load_with(with({}));
    const forms::ByteBlock icon = icon_file({16, 32, 64});
    rt::ByteSetHeader* set = rt::make_byte_set(icon.data(), static_cast<i32>(icon.size()));
    write(0, forms::kWindowIcon, reinterpret_cast<u32>(set));
    rt::release(set);
    const struct {
        WPARAM which;
        int metric;
    } icons[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
    for (const auto& i : icons) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, i.which, 0)), &info));
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, 2 * GetSystemMetrics(i.metric));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    LOGFONTW stock = {}, shown = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_EQ(shown.lfHeight, 2 * stock.lfHeight);
    EXPECT_STREQ(shown.lfFaceName, stock.lfFaceName);
}

TEST_F(WindowCreationTest, WindowPropertiesReadAndWriteWhileLoaded) {
    HWND w = load_with(with({{forms::kWordBorder, forms::kBorderResizable}}, "旧标题"));
    EXPECT_EQ(read_text(0, forms::kWindowTitle), "旧标题");
    write(0, forms::kWindowTitle, reinterpret_cast<u32>("新标题"));
    EXPECT_EQ(forms::window_text(w), rt::to_platform("新标题"));

    // The border takes effect at once; a choice above its range is clamped.
    write(0, forms::kWindowBorder, 99);
    EXPECT_EQ(read(0, forms::kWindowBorder), static_cast<rt::u64>(forms::kBorderFixedSunken));
    EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    write(0, forms::kWindowBorder, forms::kBorderNone);
    EXPECT_FALSE((GetWindowLongW(w, GWL_STYLE) & WS_CAPTION) == WS_CAPTION);

    // The start position reads back as the window's state.
    EXPECT_EQ(read(0, forms::kWindowStartPosition), 0u);
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_EQ(read(0, forms::kWindowStartPosition), 2u);
    ShowWindow(w, SW_RESTORE);

    // A window record never rebuilds, and its id may be given as 0 or as its own.
    write(forms::kWindowRecordId, forms::kWindowEscapeCloses, 0);
    EXPECT_EQ(read(0, forms::kWindowEscapeCloses), 0u);
    EXPECT_EQ(window_handle(), w);
}

TEST_F(WindowCreationTest, TheBackgroundIsErasedInItsColourOrTheButtonFace) {
    for (u32 colour : {0x00336699u, forms::kDefaultColour}) {
        HWND w = load_with(with({{forms::kWordBackColour, colour}}));
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 300);
        HGDIOBJ old = SelectObject(dc, bitmap);
        EXPECT_NE(SendMessageW(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
        const COLORREF expected = colour == forms::kDefaultColour ? GetSysColor(COLOR_BTNFACE) : colour;
        EXPECT_EQ(GetPixel(dc, 20, 20), expected);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        forms::WindowObject::destroy_all();
    }
}

TEST_F(WindowCreationTest, ATooNewPropertyBlockFailsTheLoad) {
    Part window = window_part(plain_window());
    window.data[0] = static_cast<std::uint8_t>(forms::kWindowTable.version + 1);
    install_window({window});
    EXPECT_FALSE(forms::load_window(kWindowId, nullptr, false));
    EXPECT_FALSE(forms::any_window_alive());
}

}  // namespace
}  // namespace forms_test
