// The tool's window shows the texts the program wrote whatever the system's code
// page: every window and control is a Unicode window and gets its captions, drive
// entries, tooltip and font faces in UTF-16 converted from the program's GBK. The
// suite runs in code page 936 and once more in 1252, where a text that crossed
// through a narrow function would show as other characters.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/components/component_types.h"
#include "forms/components/super_button_object.h"
#include "forms/components/super_button_type.h"
#include "forms/font_value.h"
#include "forms/property_indexes.h"
#include "runtime/handle_owners.h"
#include "runtime/platform_text.h"
#include "tests/components/component_test_program.h"
#include "tests/components/shown_text.h"
#include "tuner/main_window_ids.h"

namespace component_test {
namespace {

// The text properties of each type: its caption and its font (-1: none).
struct TextProperties {
    const rt::ComponentType* type;
    i32 caption;
    i32 font;
};

constexpr TextProperties kTextProperties[] = {
    {&forms::kWindowType, forms::kWindowTitle, -1},
    {&forms::kLabelType, forms::kLabelCaption, forms::kLabelFont},
    {&forms::kButtonType, forms::kButtonCaption, forms::kButtonFont},
    {&forms::kGroupBoxType, forms::kGroupCaption, forms::kGroupFont},
    {&forms::kCheckBoxType, forms::kCheckCaption, forms::kCheckFont},
    {&forms::kRadioType, forms::kCheckCaption, forms::kCheckFont},
    {&forms::kDriveBoxType, -1, forms::kDriveFont},
    {&forms::kSuperButtonType, forms::kSuperCaption, forms::kSuperFont},
};

const TextProperties* text_properties(const forms::ComponentObject* object) {
    for (const TextProperties& t : kTextProperties)
        if (object && object->type() == t.type) return &t;
    return nullptr;
}

// 乗 is 0x81 0x5C in GBK: its second byte is a backslash. 黑体 is a face name.
constexpr char kCaption[] = "乗车";
constexpr wchar_t kCaptionShown[] = L"\u4E57\u8F66";
constexpr char kFace[] = "黑体";
constexpr wchar_t kFaceShown[] = L"\u9ED1\u4F53";
constexpr char kTip[] = "恢复默认设置";

HWND handle_of(u32 id) { return id == tuner::kWindowItself ? window_handle() : component_handle(id); }

std::wstring face_shown(HWND window) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

void differs(std::vector<std::string>& out, u32 id, const std::string& what, const std::wstring& shown) {
    out.push_back(hex(id) + " " + what + ": \"" + rt::utf8_from_platform(shown.c_str(), shown.size()) + "\"");
}

// Every difference between what the loaded tool window shows and what the program
// wrote, one line each; the window's texts are changed on the way.
std::vector<std::string> shown_differences() {
    std::vector<std::string> out;
    const std::vector<u32> ids = tool_window().table.ids;
    for (u32 id : ids) {
        const HWND h = handle_of(id);
        const TextProperties* texts = text_properties(forms::ComponentObject::from_window(h));
        if (!h || !texts) {
            out.push_back(hex(id) + " is not a live component of a known type");
            continue;
        }
        if (!IsWindowUnicode(h)) out.push_back(hex(id) + " is no Unicode window");
        if (texts->caption < 0) continue;
        const std::string stored = read_text(id, texts->caption);
        if (forms::window_text(h) != rt::to_platform(stored.c_str()))
            differs(out, id, "shows the template's caption as", forms::window_text(h));
        write_text(id, texts->caption, kCaption);
        if (forms::window_text(h) != kCaptionShown) differs(out, id, "shows a caption set later as", forms::window_text(h));
    }
    for (u32 id : ids) {
        const TextProperties* texts = text_properties(forms::ComponentObject::from_window(handle_of(id)));
        if (!texts || texts->font < 0) continue;
        write(id, texts->font, reinterpret_cast<u32>(kFace), 0, forms::kFontFace);
        if (face_shown(handle_of(id)) != kFaceShown) differs(out, id, "draws in the face", face_shown(handle_of(id)));
    }

    // The drive list: a fixed drive shows its letter and the hard disk marker.
    const HWND drives = component_handle(tuner::kDriveBox);
    const int count = static_cast<int>(SendMessageW(drives, CB_GETCOUNT, 0, 0));
    int fixed = 0;
    for (int i = 0; i < count; ++i) {
        const char letter = static_cast<char>(SendMessageW(drives, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', 0};
        if (GetDriveTypeW(root) != DRIVE_FIXED) continue;
        ++fixed;
        const std::wstring want = rt::to_platform((std::string{letter} + ": （硬盘）").c_str());
        if (combo_item(drives, i).compare(0, want.size(), want) != 0)
            differs(out, tuner::kDriveBox, "lists a fixed drive as", combo_item(drives, i));
    }
    if (fixed == 0) out.push_back("the drive box lists no fixed drive");

    // The tooltip the super button makes for the text the program sets.
    write_text(tuner::kRestoreButton, forms::kSuperTooltip, kTip);
    const auto* button = object_of<forms::SuperButtonObject>(tuner::kRestoreButton);
    const HWND tip = button ? button->tooltip().control() : nullptr;
    if (!tip || !IsWindowUnicode(tip))
        out.push_back("the super button's tooltip is no Unicode window");
    else if (tool_text(tip, button->hwnd()) != rt::to_platform(kTip))
        differs(out, tuner::kRestoreButton, "shows the tooltip", tool_text(tip, button->hwnd()));
    return out;
}

// The label's text as the platform draws the characters meant, on the label's ground,
// read back from a canvas like the one the label is printed on.
Pixels drawn_by_platform(HWND label, const wchar_t* text, COLORREF ink, COLORREF ground) {
    RECT client;
    GetClientRect(label, &client);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::uint32_t* bits = nullptr;
    const rt::GdiObject<HBITMAP> canvas(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
    const rt::MemoryDc dc(nullptr, canvas.get());
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0));
    const rt::Selection font_selected(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const rt::GdiObject<HBRUSH> brush(CreateSolidBrush(ground));
    FillRect(dc.get(), &client, brush.get());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), ink);
    DrawTextW(dc.get(), text, -1, &client, DT_NOCLIP | DT_LEFT | DT_TOP | DT_SINGLELINE);
    GdiFlush();
    Pixels p;
    p.width = client.right;
    p.height = client.bottom;
    for (int i = 0; i < p.width * p.height; ++i)
        p.colours.push_back(RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF));
    return p;
}

// Whether the label draws 乗 as the one character it is, not as two.
bool label_draws_one_character() {
    constexpr u32 kLabel = tuner::kResultLabel;
    constexpr COLORREF kInk = RGB(0, 0, 0), kGround = RGB(255, 255, 255);
    write(kLabel, forms::kLabelTextColour, kInk);
    write(kLabel, forms::kLabelBackColour, kGround);
    write(kLabel, forms::kLabelAlignment, 0);          // left
    write(kLabel, forms::kLabelVerticalAlignment, 0);  // top
    write_text(kLabel, forms::kLabelCaption, "乗");
    const Pixels shown = printed(component_handle(kLabel));
    const Pixels meant = drawn_by_platform(component_handle(kLabel), L"\u4E57", kInk, kGround);
    return shown.count_toward(kInk, kGround) > 0 && shown.colours == meant.colours;
}

std::string lines(const std::vector<std::string>& all) {
    std::string text;
    for (const std::string& line : all) text += line + "\n";
    return text;
}

using PlatformTextTest = ComponentTest;

// The suite runs once more in code page 1252, as on an English Windows, and says so.
TEST_F(PlatformTextTest, TheToolWindowShowsWhatTheProgramWrote) {
    if (const char* code_page = std::getenv("TRIVANE_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), std::strtoul(code_page, nullptr, 10));
    }
    install_entry(tool_window());
    ASSERT_TRUE(load());
    EXPECT_EQ(lines(shown_differences()), "");
    EXPECT_TRUE(label_draws_one_character());
}

}  // namespace
}  // namespace component_test
