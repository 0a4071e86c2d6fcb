#include "forms/keyboard.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "forms/component_object.h"
#include "forms/event_dispatch.h"
#include "forms/window_base.h"
#include "forms/window_text.h"
#include "runtime/application.h"
#include "runtime/platform_text.h"

namespace forms {
namespace {

constexpr u32 kNoFocusTypes = kFlagNeverShown | kFlagNotOnPageFocus;

bool holds_focus(HWND component, HWND focus) { return focus && (focus == component || IsChild(component, focus)); }

// The record whose component holds the focus, or -1.
int focused_record(const WindowDescriptor& window) {
    HWND focus = GetFocus();
    for (int i = 1; i < static_cast<int>(window.live.records.size()); ++i)
        if (ComponentObject* object = live_object(window, i); object && holds_focus(object->hwnd(), focus)) return i;
    return -1;
}

// The focus moved by key is shown, as in a dialog: the window is told to stop hiding
// focus cues before the focus arrives, so the new holder draws its rectangle at once.
void show_focus_cues(HWND window) {
    const HWND top = GetAncestor(window, GA_ROOT);
    SendMessageW(top ? top : window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool move_focus(const WindowDescriptor& window, bool backwards, bool by_key) {
    const std::vector<int> order = tab_order(window);
    if (order.empty()) return false;
    const int focused = focused_record(window);
    const auto at = std::find(order.begin(), order.end(), focused);
    const int n = static_cast<int>(order.size());
    int next;
    if (at == order.end())
        next = backwards ? n - 1 : 0;
    else
        next = (static_cast<int>(at - order.begin()) + (backwards ? n - 1 : 1)) % n;
    const HWND target = live_object(window, order[next])->hwnd();
    if (by_key) show_focus_cues(target);
    SetFocus(target);
    return true;
}

bool is_default_button(ComponentObject* object) {
    if (!object || !(object->type()->flags & kFlagPushButton) || !IsWindowEnabled(object->hwnd())) return false;
    auto answers = operation<IsDefaultButtonOp>(object->type(), kOpIsDefaultButton);
    return answers && answers(object);
}

bool is_enabled_push_button(ComponentObject* object) {
    return object && (object->type()->flags & kFlagPushButton) && IsWindowEnabled(object->hwnd());
}

// Bit 30 of a key message: the key was already down, so this is the keyboard's repeat.
bool is_repeat(const MSG& message) { return (message.lParam & (1 << 30)) != 0; }

bool press_enter(const WindowBase& w, const WindowDescriptor& window, const MSG& message) {
    const int focused = focused_record(window);
    // Enter presses the focused push button as Space does: through the button's own
    // click, once per press however long the key is held.
    if (ComponentObject* object = live_object(window, focused); is_enabled_push_button(object)) {
        if (!is_repeat(message)) SendMessageW(object->hwnd(), BM_CLICK, 0, 0);
        return true;
    }
    if (w.keys().enter_moves_focus) return move_focus(window, false, false);
    for (int i = 1; i < static_cast<int>(window.live.records.size()); ++i)
        if (ComponentObject* object = live_object(window, i); is_default_button(object)) {
            object->raise(kEventClicked);
            return true;
        }
    return false;
}

// Escape belongs to an open drop-down list first.
bool focus_in_open_list() {
    HWND focus = GetFocus();
    wchar_t cls[16] = {};
    for (HWND h = focus; h; h = GetParent(h)) {
        if (GetClassNameW(h, cls, static_cast<int>(std::size(cls))) && lstrcmpiW(cls, L"ComboBox") == 0)
            return SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    return false;
}

std::string help_file_of(const WindowKeys& keys) {
    if (!keys.help_file.empty()) return keys.help_file;
    const rt::Application& a = rt::app();
    std::string name = a.program_file;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    return a.program_directory_slash + name + ".hlp";
}

bool open_help(WindowBase& w, const WindowKeys& keys) {
    const std::wstring file = rt::to_platform(help_file_of(keys).c_str());
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    const u32 context = keys.help_context;
    if (WinHelpW(w.hwnd(), file.c_str(), context ? HELP_CONTEXT : HELP_CONTENTS, context)) w.note_help_shown();
    return true;
}

// Arrow keys walk the radio buttons that share the focused one's parent, and the
// selection follows the focus: the one reached is ticked and all its siblings
// cleared. No click event: the user moved, as when the focus arrives by itself.
bool move_among_radios(const WindowDescriptor& window, bool backwards) {
    const int focused = focused_record(window);
    ComponentObject* current = live_object(window, focused);
    if (!current || !(current->type()->flags & kFlagRadio)) return false;
    const HWND parent = GetParent(current->hwnd());
    std::vector<HWND> siblings, reachable;
    for (int i = 1; i < static_cast<int>(window.live.records.size()); ++i) {
        ComponentObject* object = live_object(window, i);
        if (!object || !(object->type()->flags & kFlagRadio) || GetParent(object->hwnd()) != parent) continue;
        siblings.push_back(object->hwnd());
        if (object == current || (IsWindowVisible(object->hwnd()) && IsWindowEnabled(object->hwnd())))
            reachable.push_back(object->hwnd());
    }
    const int n = static_cast<int>(reachable.size());
    const int at = static_cast<int>(std::find(reachable.begin(), reachable.end(), current->hwnd()) - reachable.begin());
    if (n < 2) return true;
    const HWND next = reachable[(at + (backwards ? n - 1 : 1)) % n];
    show_focus_cues(next);
    SetFocus(next);
    for (HWND h : siblings)
        if (h != next) SendMessageW(h, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(next, BM_SETCHECK, BST_CHECKED, 0);
    return true;
}

// Alt plus a caption's mnemonic. A radio button is clicked like a check box: its own
// click clears its siblings.
constexpr u32 kClickedByMnemonic = kFlagPushButton | kFlagCheckBox | kFlagRadio;
constexpr u32 kMnemonicTypes = kClickedByMnemonic | kFlagLabel | kFlagGroupBox;

char fold_case(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The printable ASCII character after a single "&" ("&&" is a literal ampersand), or
// 0. The caption is read as the platform holds it, one character per unit, so no
// byte of a double-byte character is taken for an ampersand or a letter.
char mnemonic_of(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        const wchar_t next = caption[++i];
        if (next == L'&') continue;
        return next > L' ' && next < 0x7F ? fold_case(static_cast<char>(next)) : 0;
    }
    return 0;
}

// The character an Alt key message stands for, or 0 when Alt is not held.
char alt_character(const MSG& message) {
    constexpr LPARAM kAltHeld = 1 << 29;
    if (!(message.lParam & kAltHeld)) return 0;
    UINT c = 0;
    if (message.message == WM_SYSCHAR)
        c = static_cast<UINT>(message.wParam);
    else if (message.message == WM_SYSKEYDOWN)
        c = MapVirtualKeyW(static_cast<UINT>(message.wParam), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
    // Printable ASCII only: a mnemonic is never a control or double-byte character.
    return c > ' ' && c < 0x7F ? fold_case(static_cast<char>(c)) : 0;
}

u32 focus_order_of(const WindowDescriptor& window, int index) {
    RecordView view;
    return parse_record(window.live.records[index], &view) ? view.focus_order : 0;
}

// The first Tab candidate after `index` in Tab order (wrapping), whether or not
// `index` is a candidate itself.
bool focus_after(const WindowDescriptor& window, int index) {
    const std::vector<int> order = tab_order(window);
    if (order.empty()) return true;
    const u32 own = focus_order_of(window, index);
    int next = order.front();
    for (int candidate : order) {
        const u32 o = focus_order_of(window, candidate);
        if (o > own || (o == own && candidate < index)) {
            next = candidate;
            break;
        }
    }
    SetFocus(live_object(window, next)->hwnd());
    return true;
}

// The first Tab candidate inside the container, in Tab order.
bool focus_into(const WindowDescriptor& window, HWND container) {
    for (int candidate : tab_order(window)) {
        const HWND h = live_object(window, candidate)->hwnd();
        if (IsChild(container, h)) {
            SetFocus(h);
            break;
        }
    }
    return true;
}

bool press_mnemonic(const WindowDescriptor& window, char key) {
    for (int i = 1; i < static_cast<int>(window.live.records.size()); ++i) {
        ComponentObject* object = live_object(window, i);
        if (!object || !(object->type()->flags & kMnemonicTypes)) continue;
        const HWND h = object->hwnd();
        if (!IsWindowVisible(h) || !IsWindowEnabled(h) || mnemonic_of(window_text(h)) != key) continue;
        const u32 flags = object->type()->flags;
        // The component's own click path raises its event, after any state change.
        if (flags & kClickedByMnemonic) {
            SendMessageW(h, BM_CLICK, 0, 0);
            return true;
        }
        if (flags & kFlagLabel) return focus_after(window, i);
        return focus_into(window, h);
    }
    return false;
}

}  // namespace

std::vector<int> tab_order(const WindowDescriptor& window) {
    struct Entry {
        int index;
        u32 order;
    };
    std::vector<Entry> entries;
    for (int i = 1; i < static_cast<int>(window.live.records.size()); ++i) {
        ComponentObject* object = live_object(window, i);
        if (!object || (object->type()->flags & kNoFocusTypes)) continue;
        if (!IsWindowVisible(object->hwnd()) || !IsWindowEnabled(object->hwnd())) continue;
        RecordView view;
        if (!parse_record(window.live.records[i], &view) || !(view.state_flags & kStateTabStop)) continue;
        entries.push_back({i, view.focus_order});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.order != b.order ? a.order < b.order : a.index > b.index;
    });
    std::vector<int> order;
    for (const Entry& e : entries) order.push_back(e.index);
    return order;
}

bool handle_window_keys(WindowBase& w, const MSG& message) {
    if (message.message == WM_SYSKEYDOWN || message.message == WM_SYSCHAR) {
        const char key = alt_character(message);
        const WindowDescriptor* window = key ? find_descriptor(w.window_id()) : nullptr;
        return window && press_mnemonic(*window, key);
    }
    if (message.message != WM_KEYDOWN) return false;
    const WindowDescriptor* window = find_descriptor(w.window_id());
    if (!window) return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;

    switch (message.wParam) {
    case VK_TAB: return move_focus(*window, shift, true);
    // The keypad's Enter is VK_RETURN too, told apart only by the extended-key bit.
    case VK_RETURN: return press_enter(w, *window, message);
    case VK_ESCAPE:
        if (!w.keys().escape_closes || focus_in_open_list()) return false;
        PostMessageW(w.hwnd(), WM_CLOSE, 0, 0);
        return true;
    case VK_F1: {
        const WindowKeys keys = w.keys();
        return keys.f1_opens_help && open_help(w, keys);
    }
    case VK_LEFT:
    case VK_UP: return move_among_radios(*window, true);
    case VK_RIGHT:
    case VK_DOWN: return move_among_radios(*window, false);
    default: return false;
    }
}

}  // namespace forms
