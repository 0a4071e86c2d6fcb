#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "tests/components/component_test_program.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "forms/components/window_object.h"
#include "forms/components/window_properties.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "forms/window_system_install.h"
#include "runtime/application.h"
#include "runtime/initialise.h"
#include "runtime/library_service.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/texts.h"

namespace component_test {
namespace {

constexpr i32 kFirstEvent = -8;
constexpr i32 kLastEvent = 12;
constexpr i32 kHandlerCount = kLastEvent - kFirstEvent + 1;

template <i32 Event>
u32 logging_handler(const u32* /*args*/, i32 /*count*/, bool* /*returned_value*/) {
    u32 source[2] = {0, 0};
    rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(source), 0);
    event_log().push_back(std::to_string(Event) + "@" + hex(source[1]));
    if (during_event()) during_event()(Event, source[1]);
    return 0;
}

template <i32... I>
constexpr std::array<forms::EventHandler, sizeof...(I)> handler_table(std::integer_sequence<i32, I...>) {
    return {logging_handler<I + kFirstEvent>...};
}

// The program's code base: event bindings are byte offsets into this table.
const std::array<forms::EventHandler, kHandlerCount> kHandlers =
    handler_table(std::make_integer_sequence<i32, kHandlerCount>{});


void drain_messages() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        if (m.message != WM_QUIT) DispatchMessageA(&m);
}

ByteBlock record_of(const Part& part) {
    forms::RecordView v;
    v.type_id = part.type_id;
    v.name = part.name;
    v.left = part.left;
    v.top = part.top;
    v.width = part.width;
    v.height = part.height;
    v.container_id = part.container;
    v.children = part.children;
    v.cursor_data = {0, 0, 0, 0};
    v.state_flags = part.state;
    v.events = part.events;
    v.property_data = part.data;
    return forms::build_record(v);
}

const rt::ComponentType* type_of(u32 type_id) { return forms::find_type(type_id); }

// A 32-bit top-down DIB selected into a memory DC, for reading pixels back.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    Pixels pixels() const {
        GdiFlush();
        Pixels p;
        p.width = width_;
        p.height = height_;
        for (int i = 0; i < width_ * height_; ++i) {
            const std::uint32_t v = bits_[i];
            p.colours.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
        return p;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace

std::string hex(u32 v) {
    char b[16];
    std::snprintf(b, sizeof b, "%08X", v);
    return b;
}

void start_runtime() {
    static bool started = false;
    if (started) return;
    started = true;
    static const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, forms::kCoreTypeCount,
                                            forms::core_component_types()};
    static const rt::SupportLibrary extension = {"界面扩展库", nullptr, 0, nullptr, forms::kExtensionTypeCount,
                                                 forms::extension_component_types()};
    static const rt::SupportLibrary* const libraries[] = {&core, &extension};
    static const ByteBlock segment = forms::write_segment(forms::TemplateSegment{});
    static const rt::ProgramInfo info = {
        3, 0, 117722, kHandlers.data(), kHandlerCount, logic::constant_block_start(), logic::constant_block_length(),
        segment.data(), static_cast<u32>(segment.size()), 2, libraries, 0, nullptr, nullptr,
    };
    forms::install_window_system();
    rt::set_program_info(&info);
    logic::initialise_runtime();
}

std::vector<std::string>& event_log() {
    static std::vector<std::string> log;
    return log;
}

std::function<void(i32, u32)>& during_event() {
    static std::function<void(i32, u32)> f;
    return f;
}

std::vector<std::string> logged(i32 event) {
    const std::string prefix = std::to_string(event) + "@";
    std::vector<std::string> out;
    for (const std::string& e : event_log())
        if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
    return out;
}

forms::EventBinding bind(i32 event) { return {event, (event - kFirstEvent) * static_cast<i32>(sizeof(void*))}; }

std::string slot_entry(i32 slot, u32 component_id) {
    return std::to_string(slot + kFirstEvent) + "@" + hex(component_id);
}

std::vector<forms::EventBinding> component_events() {
    return {bind(forms::kEventClicked), bind(forms::kEventGotFocus), bind(forms::kEventLostFocus)};
}

Part component(u32 id, u32 type_id, ByteBlock data, i32 left, i32 top, i32 width, i32 height) {
    Part p;
    p.id = id;
    p.type_id = type_id;
    p.name = "部件" + hex(id);
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.data = std::move(data);
    return p;
}

Part window_part(i32 width, i32 height) {
    forms::WindowProperties w;
    w.title = "部件测试";
    w.set_word(forms::kWordStartPosition, forms::kStartAsStored);
    Part p;
    p.id = forms::kWindowRecordId;
    p.type_id = kWindowTypeId;
    p.left = 60;
    p.top = 60;
    p.width = width;
    p.height = height;
    p.state = forms::kStateVisible;
    p.events = {};
    p.data = forms::write_window_properties(w);
    return p;
}

void install_entry(const forms::WindowEntry& entry) {
    forms::TemplateSegment segment;
    segment.windows = {entry};
    const ByteBlock bytes = forms::write_segment(segment);
    ASSERT_TRUE(forms::read_templates(bytes.data(), static_cast<u32>(bytes.size()), kHandlers.data(), kHandlerCount));
}

void install(const std::vector<Part>& parts) {
    forms::WindowEntry entry;
    entry.window_id = kWindowId;
    entry.word_a = 1;
    entry.word_b = 0x19010005;
    for (const Part& p : parts) {
        entry.table.ids.push_back(p.id);
        entry.table.records.push_back(record_of(p));
    }
    install_entry(entry);
}

bool load() {
    const bool loaded = forms::load_window(kWindowId, nullptr, false);
    pump();
    event_log().clear();
    return loaded;
}

HWND window_handle() {
    forms::WindowObject* w = forms::WindowObject::of(kWindowId);
    return w ? w->hwnd() : nullptr;
}

forms::ComponentObject* object_of(u32 component_id) { return forms::live_object(kWindowId, component_id); }

HWND component_handle(u32 component_id) {
    forms::ComponentObject* o = object_of(component_id);
    return o ? o->hwnd() : nullptr;
}

void pump() { rt::process_pending_messages(); }

rt::u64 read(u32 component_id, i32 index, i32 sub) {
    return logic::entries().read_property(kWindowId, component_id, index, sub);
}

void write(u32 component_id, i32 index, u32 lo, u32 hi, i32 sub) {
    logic::entries().write_property(kWindowId, component_id, index, sub, lo, hi);
}

std::string read_text(u32 component_id, i32 index) {
    char* text = reinterpret_cast<char*>(static_cast<u32>(read(component_id, index)));
    std::string out = text ? text : "";
    rt::release(text);
    return out;
}

void write_text(u32 component_id, i32 index, const std::string& text) {
    write(component_id, index, reinterpret_cast<u32>(text.c_str()));
}

void write_bytes(u32 component_id, i32 index, const ByteBlock& bytes) {
    rt::ByteSetHeader* set = rt::make_byte_set(bytes.data(), static_cast<i32>(bytes.size()));
    write(component_id, index, reinterpret_cast<u32>(set));
    rt::release(set);
}

ByteBlock read_bytes(u32 component_id, i32 index) {
    auto* set = reinterpret_cast<rt::ByteSetHeader*>(static_cast<u32>(read(component_id, index)));
    const i32 n = rt::byte_set_length(set);
    ByteBlock out;
    if (n > 0) out.assign(rt::byte_set_data(set), rt::byte_set_data(set) + n);
    rt::release(set);
    return out;
}

ByteBlock saved_block(u32 component_id) {
    forms::ComponentObject* o = object_of(component_id);
    if (!o) return {};
    const auto save = forms::operation<forms::SavePropertiesOp>(o->type(), forms::kOpSaveProperties);
    if (!save) return {};
    rt::ByteSetHeader* set = save(o);
    const i32 n = rt::byte_set_length(set);
    ByteBlock out;
    if (n > 0) out.assign(rt::byte_set_data(set), rt::byte_set_data(set) + n);
    rt::release(set);
    return out;
}

std::vector<std::string> enumerated_texts(u32 type_id, forms::ComponentObject* object, const ByteBlock& data) {
    std::vector<std::string> texts;
    const auto enumerate = forms::operation<forms::EnumerateTextsOp>(type_of(type_id), forms::kOpEnumerateTexts);
    if (!enumerate) return texts;
    enumerate(object, data.data(), static_cast<u32>(data.size()),
              [](const char* text, void* context) { static_cast<std::vector<std::string>*>(context)->push_back(text); },
              &texts);
    return texts;
}

u32 set_directly(u32 component_id, i32 index, forms::ValueRecord value) {
    forms::ComponentObject* o = object_of(component_id);
    const auto set = forms::operation<forms::SetPropertyOp>(o->type(), forms::kOpSetProperty);
    return set(o, index - forms::kCommonPropertyCount, &value, 0);
}

DWORD style_of(u32 component_id) { return static_cast<DWORD>(GetWindowLongA(component_handle(component_id), GWL_STYLE)); }
DWORD ex_style_of(u32 component_id) {
    return static_cast<DWORD>(GetWindowLongA(component_handle(component_id), GWL_EXSTYLE));
}

int Pixels::count(COLORREF c) const {
    int n = 0;
    for (COLORREF p : colours) n += p == c;
    return n;
}

bool Pixels::any(COLORREF c, int left, int top, int right, int bottom) const {
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width); ++x)
            if (at(x, y) == c) return true;
    return false;
}

namespace {

int distance(COLORREF a, COLORREF b) {
    const int dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b), db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

template <typename Match>
RECT bounds_where(const Pixels& p, Match match) {
    RECT r = {p.width, p.height, 0, 0};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (match(p.at(x, y))) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    if (r.right == 0) r = {0, 0, 0, 0};
    return r;
}

}  // namespace

RECT Pixels::bounds(COLORREF c) const {
    return bounds_where(*this, [c](COLORREF p) { return p == c; });
}

// Nearer to c than to the ground and to black and white (other text and edges).
bool toward(COLORREF p, COLORREF c, COLORREF ground) {
    const int d = distance(p, c);
    for (COLORREF other : {ground, RGB(0, 0, 0), RGB(255, 255, 255)})
        if (other != c && distance(p, other) <= d) return false;
    return true;
}

int Pixels::count_toward(COLORREF c, COLORREF ground) const {
    int n = 0;
    for (COLORREF p : colours) n += toward(p, c, ground);
    return n;
}

RECT Pixels::bounds_toward(COLORREF c, COLORREF ground) const {
    return bounds_where(*this, [c, ground](COLORREF p) { return toward(p, c, ground); });
}

Pixels printed(HWND window, COLORREF ground) {
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HBRUSH brush = CreateSolidBrush(ground);
    FillRect(canvas.dc(), &client, brush);
    DeleteObject(brush);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas.pixels();
}

Pixels erased(HWND window, COLORREF ground) {
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HBRUSH brush = CreateSolidBrush(ground);
    FillRect(canvas.dc(), &client, brush);
    DeleteObject(brush);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    return canvas.pixels();
}

Pixels on_screen(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    RECT client;
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HDC dc = GetDC(window);
    BitBlt(canvas.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return canvas.pixels();
}

void ComponentTest::SetUp() {
    start_runtime();
    forms::WindowObject::destroy_all();
    drain_messages();
    event_log().clear();
    during_event() = nullptr;
    rt::g_loop_entered = false;
    rt::app().loading_counter = 0;
}

void ComponentTest::TearDown() {
    during_event() = nullptr;
    rt::app().loading_counter = 0;
    forms::WindowObject::destroy_all();
    drain_messages();
    rt::g_loop_entered = false;
}

}  // namespace component_test
