// The drive box: its stored properties, the entry texts and kind filter, and the
// live list against drive letters mapped for this test (T: a labelled hard disk, U:
// an unlabelled one, V: a CD-ROM drive, W: a network drive, X: a removable drive, no
// RAM disk), driven with real combo box messages.
#include <algorithm>
#include <cstring>

#include "forms/components/core_types.h"
#include "forms/components/drive_box_list.h"
#include "forms/components/drive_box_object.h"
#include "forms/components/drive_box_properties.h"
#include "forms/components/drive_read_ahead.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"
#include "tests/components/drive_super_program.h"
#include "tests/components/shown_text.h"
#include "tuner/main_window_ids.h"

namespace drive_super_test {
namespace {

constexpr u32 kBox = tuner::kDriveBox;
constexpr u32 kOther = 0x16010100;

// What the mapping script set up, and how each drive must be listed.
struct MappedDrive {
    char letter;
    UINT type;
    const char* text;
};
constexpr MappedDrive kMapped[] = {
    {'T', DRIVE_FIXED, "T: （硬盘） TRIVANE"},
    {'U', DRIVE_FIXED, "U: （硬盘）"},
    {'V', DRIVE_CDROM, "V: （光驱）"},
    {'W', DRIVE_REMOTE, "W: （网络驱动器）"},
    {'X', DRIVE_REMOVABLE, "X:"},
};

void require_mapped_drives() {
    for (const MappedDrive& d : kMapped) {
        const wchar_t root[] = {static_cast<wchar_t>(d.letter), L':', L'\\', 0};
        ASSERT_EQ(GetDriveTypeW(root), d.type)
            << d.letter << ": is not mapped as this test needs: see tests/components/map_test_drives.sh";
    }
    wchar_t roots[300] = {};
    GetLogicalDriveStringsW(std::size(roots) - 1, roots);
    for (const wchar_t* r = roots; *r; r += std::wcslen(r) + 1)
        ASSERT_NE(GetDriveTypeW(r), static_cast<UINT>(DRIVE_RAMDISK))
            << static_cast<char>(r[0]) << ": this test needs no RAM disk";
}

struct ListEntry {
    std::string text;
    char letter;
};

std::vector<ListEntry> entries_of(HWND box) {
    std::vector<ListEntry> out;
    const LRESULT n = SendMessageW(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        const std::wstring text = component_test::combo_item(box, static_cast<int>(i));
        out.push_back({rt::from_platform(text.c_str()), static_cast<char>(SendMessageW(box, CB_GETITEMDATA, i, 0))});
    }
    return out;
}

std::vector<std::string> texts_of(HWND box) {
    std::vector<std::string> out;
    for (const ListEntry& e : entries_of(box)) out.push_back(e.text);
    return out;
}

std::string selected_text(HWND box) {
    const LRESULT at = SendMessageW(box, CB_GETCURSEL, 0, 0);
    if (at < 0) return "";
    return rt::from_platform(component_test::combo_item(box, static_cast<int>(at)).c_str());
}

int index_of(HWND box, char letter) {
    const auto all = entries_of(box);
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].letter == letter) return static_cast<int>(i);
    return -1;
}

// The user picks entry `at` and confirms it, as the platform reports it.
void confirm(HWND box, int at) {
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(box));
}

// Runs with the process's current directory on a drive, and puts it back.
class CurrentDrive {
public:
    explicit CurrentDrive(char letter) {
        GetCurrentDirectoryW(MAX_PATH, saved_);
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', 0};
        EXPECT_TRUE(SetCurrentDirectoryW(root)) << letter;
    }
    ~CurrentDrive() { SetCurrentDirectoryW(saved_); }

private:
    wchar_t saved_[MAX_PATH] = {};
};

// The heights windows are created with, by class, while it lives.
class CreatedHeights {
public:
    CreatedHeights() {
        all().clear();
        hook_ = SetWindowsHookExW(WH_CBT, watch, nullptr, GetCurrentThreadId());
    }
    ~CreatedHeights() { UnhookWindowsHookEx(hook_); }
    CreatedHeights(const CreatedHeights&) = delete;
    CreatedHeights& operator=(const CreatedHeights&) = delete;

    std::vector<int> of(const std::wstring& cls) const {
        std::vector<int> out;
        for (const auto& [name, height] : all())
            if (lstrcmpiW(name.c_str(), cls.c_str()) == 0) out.push_back(height);
        return out;
    }

private:
    static std::vector<std::pair<std::wstring, int>>& all() {
        static std::vector<std::pair<std::wstring, int>> seen;
        return seen;
    }
    static LRESULT CALLBACK watch(int code, WPARAM wparam, LPARAM lparam) {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
            wchar_t cls[64] = {};
            GetClassNameW(reinterpret_cast<HWND>(wparam), cls, 64);
            all().emplace_back(cls, cs->cy);
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }
    HHOOK hook_;
};

forms::ByteBlock block_of(const forms::DriveBoxProperties& p) { return forms::write_drive_box_properties(p); }

// ---- stored properties ------------------------------------------------------------

TEST(DriveBoxType, IsTypeTwentyFiveOfTheCoreLibrary) {
    const rt::ComponentType* type = forms::core_component_types()[24];
    ASSERT_NE(type, nullptr);
    EXPECT_STREQ(type->name, "驱动器框");
    EXPECT_STREQ(type->english_name, "DriverBox");
    EXPECT_EQ(type->flags, 0x80000040u);
    EXPECT_EQ(type->property_count, 13u);
}

// ---- entries and the filter ---------------------------------------------------------

TEST(DriveEntries, MarkTheKindAndLabelOnlyFixedDrives) {
    struct Row {
        char letter;
        UINT type;
        const char* label;
        const char* text;
    } rows[] = {
        {'C', DRIVE_FIXED, "System", "C: （硬盘） System"},
        {'C', DRIVE_FIXED, "", "C: （硬盘）"},
        {'N', DRIVE_REMOTE, "Share", "N: （网络驱动器）"},
        {'D', DRIVE_CDROM, "DISC", "D: （光驱）"},
        {'R', DRIVE_RAMDISK, "", "R: （内存虚拟驱动器）"},
        {'E', DRIVE_REMOVABLE, "STICK", "E:"},
        {'Q', DRIVE_UNKNOWN, "", "Q:"},
        {'P', DRIVE_NO_ROOT_DIR, "", "P:"},
    };
    for (const Row& r : rows) EXPECT_EQ(forms::drive_entry_text(r.letter, r.type, r.label), r.text) << r.text;
}

TEST(DriveEntries, TheFilterPicksOneKindOrAll) {
    const UINT types[] = {DRIVE_UNKNOWN, DRIVE_NO_ROOT_DIR, DRIVE_REMOVABLE, DRIVE_FIXED,
                          DRIVE_REMOTE,  DRIVE_CDROM,       DRIVE_RAMDISK};
    struct Row {
        u32 filter;
        UINT listed;  // the one type listed, 0: all of them
    } rows[] = {
        {forms::kDrivesAll, 0},
        {forms::kDrivesRemovable, DRIVE_REMOVABLE},
        {forms::kDrivesFixed, DRIVE_FIXED},
        {forms::kDrivesCdRom, DRIVE_CDROM},
        {forms::kDrivesNetwork, DRIVE_REMOTE},
        {forms::kDrivesRamDisk, DRIVE_RAMDISK},
    };
    for (const Row& r : rows)
        for (UINT type : types)
            EXPECT_EQ(forms::drive_kind_listed(r.filter, type), r.listed == 0 || r.listed == type)
                << "filter " << r.filter << " type " << type;
    EXPECT_EQ(forms::clamp_drive_kinds(9), forms::kDrivesRamDisk);
    EXPECT_EQ(forms::clamp_drive_kinds(static_cast<u32>(-3)), forms::kDrivesAll);
}

// ---- the live drive box ---------------------------------------------------------------

using DriveBoxTest = ComponentTest;

TEST_F(DriveBoxTest, ListsTheDrivesInPlatformOrderWithKindsLabelsAndLetters) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    CurrentDrive on('U');
    ASSERT_TRUE(load_window({drive_box(kBox)}));
    HWND box = component_handle(kBox);

    // Every logical drive, in the order the platform gives them.
    wchar_t roots[300] = {};
    GetLogicalDriveStringsW(std::size(roots) - 1, roots);
    std::vector<char> platform;
    for (const wchar_t* r = roots; *r; r += std::wcslen(r) + 1) platform.push_back(static_cast<char>(r[0]));
    const std::vector<ListEntry> listed = entries_of(box);
    ASSERT_EQ(listed.size(), platform.size());
    for (size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].letter, platform[i]);
        EXPECT_EQ(listed[i].text.substr(0, 2), (std::string{platform[i], ':'}));
    }
    for (const MappedDrive& d : kMapped) {
        const int at = index_of(box, d.letter);
        ASSERT_GE(at, 0) << d.letter;
        EXPECT_EQ(listed[at].text, d.text);
    }
    // The process's current drive is shown, and becomes the stored letter.
    EXPECT_EQ(selected_text(box), "U: （硬盘）");
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "U");
}

// The program reads the drives ahead on a thread while its window is built; the box's
// first fill takes that listing, filtered as its own would be, and only once.
TEST_F(DriveBoxTest, TakesTheDrivesReadAheadOnceFilteredByItsKinds) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    std::vector<std::string> fresh;
    for (const forms::DriveEntry& d : forms::list_drives(forms::kDrivesFixed)) fresh.push_back(d.text);
    forms::read_drives_ahead();
    forms::DriveBoxProperties p;
    p.kinds = forms::kDrivesFixed;
    ASSERT_TRUE(load_window({drive_box(kBox, block_of(p))}));
    std::vector<std::string> shown;
    for (const ListEntry& e : entries_of(component_handle(kBox))) shown.push_back(e.text);
    EXPECT_EQ(shown, fresh);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "T: （硬盘） TRIVANE"), shown.end());
    std::vector<forms::DriveFacts> again;
    EXPECT_FALSE(forms::take_drives_read_ahead(&again));  // the box took it
    forms::read_drives_ahead();                           // once per process
    EXPECT_FALSE(forms::take_drives_read_ahead(&again));
}

TEST_F(DriveBoxTest, IsADropDownListAtLeastEightyPixelsHighWithItsColours) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    forms::DriveBoxProperties p;
    p.text_colour = 0x0000FF;
    p.back_colour = 0x00FF00;
    {
        // The height given includes the dropped list, and is never below 80.
        CreatedHeights heights;
        ASSERT_TRUE(
            load_window({drive_box(kBox, {}, 10, 10, 160, 20), drive_box(kOther, block_of(p), 10, 40, 160, 150)}));
        EXPECT_EQ(heights.of(L"ComboBox"), (std::vector<int>{150, 80}));  // made from the last record up
    }
    HWND box = component_handle(kBox);
    wchar_t cls[32] = {};
    GetClassNameW(box, cls, 32);
    EXPECT_STREQ(cls, L"ComboBox");
    const DWORD style = static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE));
    EXPECT_EQ(style & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
    for (DWORD bit : {static_cast<DWORD>(WS_CHILD), static_cast<DWORD>(WS_CLIPSIBLINGS),
                      static_cast<DWORD>(CBS_AUTOHSCROLL), static_cast<DWORD>(WS_TABSTOP)})
        EXPECT_TRUE(style & bit) << std::hex << bit;
    // The combo box hands its vertical scroll bar on to the list it drops.
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(box, &info));
    EXPECT_TRUE(GetWindowLongW(info.hwndList, GWL_STYLE) & WS_VSCROLL);

    // Asked for its colours, whichever way the platform asks, it answers with its own.
    HDC dc = GetDC(window_handle());
    for (UINT ask : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX}) {
        SetTextColor(dc, 0x111111);
        SetBkColor(dc, 0x222222);
        const LRESULT brush = SendMessageW(window_handle(), ask, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(component_handle(kOther)));
        EXPECT_NE(brush, 0);
        EXPECT_EQ(GetTextColor(dc), 0x0000FFu);
        EXPECT_EQ(GetBkColor(dc), 0x00FF00u);
        LOGBRUSH lb = {};
        GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
        EXPECT_EQ(lb.lbColor, 0x00FF00u);
    }
    // The default: black on white. A background of the default colour is the button face.
    SendMessageW(window_handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(GetTextColor(dc), 0x000000u);
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
    write(kBox, forms::kDriveTextColour, 0x336699);
    write(kBox, forms::kDriveBackColour, forms::kDefaultColour);
    const LRESULT brush =
        SendMessageW(window_handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(GetTextColor(dc), 0x336699u);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE));
    LOGBRUSH lb = {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(static_cast<u32>(read(kBox, forms::kDriveBackColour)), forms::kDefaultColour);
    ReleaseDC(window_handle(), dc);
}

// GDI takes a colour's top byte for a palette selector; only red, green and blue of a
// stored word reach it, whatever else the word holds.
TEST_F(DriveBoxTest, ColourWordsReachTheDeviceContextWithoutTheirTopByte) {
    forms::DriveBoxProperties p;
    p.text_colour = 0x010000FF;  // red, with the palette-index byte set
    p.back_colour = 0x0200FF00;  // green, with the palette-colour byte set
    ASSERT_TRUE(load_window({drive_box(kBox, block_of(p))}));
    HDC dc = GetDC(window_handle());
    const auto ask = [&] {
        return reinterpret_cast<HBRUSH>(SendMessageW(window_handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(component_handle(kBox))));
    };
    LOGBRUSH lb = {};
    GetObjectW(ask(), sizeof lb, &lb);
    EXPECT_EQ(GetTextColor(dc), 0x000000FFu);
    EXPECT_EQ(GetBkColor(dc), 0x0000FF00u);
    EXPECT_EQ(lb.lbColor, 0x0000FF00u);
    EXPECT_EQ(static_cast<u32>(read(kBox, forms::kDriveTextColour)), 0x010000FFu);  // the property keeps the word

    write(kBox, forms::kDriveBackColour, 0x7FFF0000);
    GetObjectW(ask(), sizeof lb, &lb);
    EXPECT_EQ(GetBkColor(dc), 0x00FF0000u);
    EXPECT_EQ(lb.lbColor, 0x00FF0000u);
    ReleaseDC(window_handle(), dc);
}

TEST_F(DriveBoxTest, EveryConfirmedSelectionStoresTheLetterAndRaisesEventZero) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    CurrentDrive on('U');
    ASSERT_TRUE(load_window({drive_box(kBox)}));
    HWND box = component_handle(kBox);

    // The handler already sees the new letter.
    std::string seen_by_handler;
    during_event() = [&](i32 event, u32) {
        if (event == 0) seen_by_handler = read_text(kBox, forms::kDriveCurrent);
    };
    confirm(box, index_of(box, 'T'));
    during_event() = nullptr;
    EXPECT_EQ(seen_by_handler, "T");
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "T");
    EXPECT_TRUE(events_are(logged(0), {{0, kBox}}));
    // The same entry confirmed again is still a confirmation.
    confirm(box, index_of(box, 'T'));
    EXPECT_EQ(logged(0).size(), 2u);

    // Confirming with nothing selected stores no letter: reads show the current drive.
    confirm(box, -1);
    EXPECT_EQ(logged(0).size(), 3u);
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "U");

    // A selection change alone is not a confirmation.
    SendMessageW(box, CB_SETCURSEL, index_of(box, 'V'), 0);
    SendMessageW(window_handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(logged(0).size(), 3u);
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "U");
}

TEST_F(DriveBoxTest, TheCurrentDriveIsTheFirstLetterUpperCasedOrTheProcessDrive) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    CurrentDrive on('U');
    ASSERT_TRUE(load_window({drive_box(kBox)}));
    HWND box = component_handle(kBox);

    write_text(kBox, forms::kDriveCurrent, "t:\\games");
    EXPECT_EQ(selected_text(box), "T: （硬盘） TRIVANE");
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "T");
    EXPECT_EQ(object_of<forms::DriveBoxObject>(kBox)->properties().letter, 'T');

    // A drive that is not listed clears the selection and the stored letter.
    write_text(kBox, forms::kDriveCurrent, "Q");
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(object_of<forms::DriveBoxObject>(kBox)->properties().letter, 0);
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "U");

    // The empty text means the process's current drive.
    write_text(kBox, forms::kDriveCurrent, "");
    EXPECT_EQ(selected_text(box), "U: （硬盘）");
    EXPECT_EQ(object_of<forms::DriveBoxObject>(kBox)->properties().letter, 'U');

    // A stored letter chooses the entry at creation, whatever the current drive.
    forms::DriveBoxProperties p;
    p.letter = 'v';  // template data may hold a lower-case letter
    ASSERT_TRUE(load_window({drive_box(kOther, block_of(p))}));
    EXPECT_EQ(selected_text(component_handle(kOther)), "V: （光驱）");
    EXPECT_EQ(read_text(kOther, forms::kDriveCurrent), "V");
}

TEST_F(DriveBoxTest, TheKindFilterRefillsTheListAndClampsToRamDisks) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    CurrentDrive on('T');
    ASSERT_TRUE(load_window({drive_box(kBox)}));
    HWND box = component_handle(kBox);

    write(kBox, forms::kDriveKinds, forms::kDrivesCdRom);
    EXPECT_EQ(texts_of(box), std::vector<std::string>{"V: （光驱）"});
    // T: was chosen and is gone: nothing is selected, nothing stored, reads show T.
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(object_of<forms::DriveBoxObject>(kBox)->properties().letter, 0);
    EXPECT_EQ(read_text(kBox, forms::kDriveCurrent), "T");

    write(kBox, forms::kDriveKinds, forms::kDrivesNetwork);
    EXPECT_EQ(texts_of(box), std::vector<std::string>{"W: （网络驱动器）"});
    write(kBox, forms::kDriveKinds, forms::kDrivesRemovable);
    EXPECT_EQ(texts_of(box), std::vector<std::string>{"X:"});

    write(kBox, forms::kDriveKinds, forms::kDrivesFixed);
    const std::vector<std::string> fixed = texts_of(box);
    for (const std::string& text : fixed) EXPECT_NE(text.find(" （硬盘）"), std::string::npos) << text;
    EXPECT_NE(std::find(fixed.begin(), fixed.end(), "T: （硬盘） TRIVANE"), fixed.end());
    EXPECT_EQ(selected_text(box), "T: （硬盘） TRIVANE");  // the current drive is back

    // 9 is stored as 5: RAM disks only, and there are none.
    write(kBox, forms::kDriveKinds, 9);
    EXPECT_EQ(static_cast<u32>(read(kBox, forms::kDriveKinds)), forms::kDrivesRamDisk);
    EXPECT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);

    write(kBox, forms::kDriveKinds, forms::kDrivesAll);
    EXPECT_EQ(static_cast<size_t>(SendMessageW(box, CB_GETCOUNT, 0, 0)), entries_of(box).size());
    EXPECT_GE(index_of(box, 'X'), 0);
}

TEST_F(DriveBoxTest, FontSavedPropertiesAndTexts) {
    ASSERT_NO_FATAL_FAILURE(require_mapped_drives());
    ASSERT_TRUE(load_window({drive_box(kBox)}));
    HWND box = component_handle(kBox);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));

    write(kBox, forms::kDriveFont, reinterpret_cast<u32>("Tahoma"), 0, 6);
    LOGFONTW shown = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_STREQ(shown.lfFaceName, L"Tahoma");
    write(kBox, forms::kDriveFont, 1, 0, 1);  // bold
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof shown, &shown);
    EXPECT_EQ(shown.lfWeight, 700);
    EXPECT_STREQ(shown.lfFaceName, L"Tahoma");

    write(kBox, forms::kDriveKinds, forms::kDrivesCdRom);
    write(kBox, forms::kDriveTextColour, 0x010203);
    auto* object = object_of<forms::DriveBoxObject>(kBox);
    const rt::ComponentType* type = object->type();
    auto save = forms::operation<forms::SavePropertiesOp>(type, forms::kOpSaveProperties);
    rt::ByteSetHeader* saved = save(object);
    forms::DriveBoxProperties back;
    ASSERT_TRUE(forms::read_drive_box_properties(rt::byte_set_data(saved),
                                                 static_cast<u32>(rt::byte_set_length(saved)), &back));
    EXPECT_EQ(back.kinds, forms::kDrivesCdRom);
    EXPECT_EQ(back.text_colour, 0x010203u);
    ASSERT_EQ(back.font.size(), sizeof(LOGFONTA));
    EXPECT_STREQ(reinterpret_cast<const LOGFONTA*>(back.font.data())->lfFaceName, "Tahoma");

    // Its only text is the font's face, from the live object or from a stored block.
    std::vector<std::string> texts;
    const auto collect = [](const char* text, void* to) { static_cast<std::vector<std::string>*>(to)->push_back(text); };
    auto enumerate = forms::operation<forms::EnumerateTextsOp>(type, forms::kOpEnumerateTexts);
    enumerate(object, nullptr, 0, collect, &texts);
    enumerate(nullptr, rt::byte_set_data(saved), static_cast<u32>(rt::byte_set_length(saved)), collect, &texts);
    enumerate(nullptr, nullptr, 0, collect, &texts);  // no font stored: no text
    EXPECT_EQ(texts, (std::vector<std::string>{"Tahoma", "Tahoma"}));
    rt::release(saved);
}

}  // namespace
}  // namespace drive_super_test
