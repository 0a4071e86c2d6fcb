#include "forms/rebuild.h"

#include <windows.h>

#include <vector>

#include "forms/component_object.h"
#include "forms/object_gone.h"
#include "forms/record_fields.h"
#include "runtime/application.h"
#include "runtime/memory.h"
#include "runtime/texts.h"

namespace forms {
namespace {

// Events stay quiet while one component turns into another.
class LoadingScope {
public:
    LoadingScope() { ++rt::app().loading_counter; }
    ~LoadingScope() { --rt::app().loading_counter; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;
};

// Moves the children over keeping their z-order: each lands on top of its new
// parent, so the bottom one goes first.
void move_children(HWND from, HWND to) {
    std::vector<HWND> children;
    for (HWND h = GetWindow(from, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) children.push_back(h);
    for (auto it = children.rbegin(); it != children.rend(); ++it) SetParent(*it, to);
}

}  // namespace

void rebuild_component(WindowDescriptor& window, int index) {
    if (index <= 0) return;
    ComponentObject* old = live_object(window, index);
    if (!old) return;
    const rt::ComponentType* type = old->type();
    const auto save = operation<SavePropertiesOp>(type, kOpSaveProperties);
    const auto create = operation<CreateOp>(type, kOpCreate);
    if (!save || !create) return;

    LoadingScope quiet;
    ReplacingComponent replacing;

    const HWND old_hwnd = old->hwnd();
    const HWND parent = GetParent(old_hwnd);
    RECT r;
    GetWindowRect(old_hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    const bool disabled = !IsWindowEnabled(old_hwnd);
    const HWND focus = GetFocus();
    const bool had_focus = focus && (focus == old_hwnd || IsChild(old_hwnd, focus));
    const bool visible = (GetWindowLongW(old_hwnd, GWL_STYLE) & WS_VISIBLE) != 0;

    RecordView view;
    parse_record(window.live.records[index], &view);
    rt::ByteSetHeader* saved = save(old);

    CreateRequest request = {};
    request.parent = parent;
    request.data = rt::byte_set_data(saved);
    request.length = static_cast<u32>(rt::byte_set_length(saved));
    request.style = (disabled ? WS_DISABLED : 0) | ((view.state_flags & kStateTabStop) ? WS_TABSTOP : 0);
    request.control_id = static_cast<u32>(GetDlgCtrlID(old_hwnd));
    request.left = r.left;
    request.top = r.top;
    request.width = r.right - r.left;
    request.height = r.bottom - r.top;
    request.window_id = window.window_id;
    request.component_id = window.live.ids[index];
    ComponentObject* fresh = create(request);
    rt::release(saved);
    if (!fresh) return;

    if (type->flags & kFlagContainer) move_children(old_hwnd, fresh->hwnd());
    write_fixed(window.live.records[index], Fixed::Object, reinterpret_cast<u32>(fresh));
    SetWindowPos(fresh->hwnd(), old_hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(fresh->hwnd(), kMsgComponentCreated, 0, 0);
    SendMessageW(fresh->hwnd(), kMsgPrepareFocus, 0, 0);
    if (type->flags & kFlagTellsParentBuilt) SendMessageW(parent, kMsgWindowBuilt, 0, 0);
    if (visible) ShowWindow(fresh->hwnd(), SW_SHOWNA);
    DestroyWindow(old_hwnd);
    if (had_focus) SetFocus(fresh->hwnd());
}

}  // namespace forms
