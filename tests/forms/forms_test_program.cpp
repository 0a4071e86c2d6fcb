#include "tests/forms/forms_test_program.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "forms/components/window_object.h"
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

namespace forms_test {
namespace {

constexpr i32 kFirstEvent = -8;
constexpr i32 kLastEvent = 12;
constexpr i32 kHandlerCount = kLastEvent - kFirstEvent + 1;

std::string hex(u32 v) {
    char b[16];
    std::snprintf(b, sizeof b, "%08X", v);
    return b;
}

template <i32 Event>
u32 logging_handler(const u32* args, i32 count, bool* returned_value) {
    u32 source[2] = {0, 0};
    rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(source), 0);
    std::string entry = std::to_string(Event) + "@" + hex(source[1]) + (source[0] == kSecondWindowId ? "/2" : "");
    for (i32 i = 0; i < count; ++i) entry += " " + std::to_string(args[i]);
    event_log().push_back(entry);
    if (during_event()) during_event()(Event, source[1]);
    const auto answer = event_answers().find(Event);
    if (answer == event_answers().end()) return 0;
    *returned_value = true;
    return answer->second;
}

template <i32... I>
constexpr std::array<forms::EventHandler, sizeof...(I)> handler_table(std::integer_sequence<i32, I...>) {
    return {logging_handler<I + kFirstEvent>...};
}

// The program's code base: event bindings are byte offsets into this table.
const std::array<forms::EventHandler, kHandlerCount> kHandlers =
    handler_table(std::make_integer_sequence<i32, kHandlerCount>{});


}  // namespace

void start_forms_runtime() {
    static bool started = false;
    if (started) return;
    started = true;
    static const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, test_library_type_count(),
                                            test_library_types()};
    static const rt::SupportLibrary* const libraries[] = {&core};
    static const forms::ByteBlock segment = forms::write_segment(forms::TemplateSegment{});
    static const rt::ProgramInfo info = {
        3, 0, 117722, kHandlers.data(), kHandlerCount, logic::constant_block_start(), logic::constant_block_length(),
        segment.data(), static_cast<u32>(segment.size()), 1, libraries, 0, nullptr, nullptr,
    };
    forms::install_window_system();
    rt::set_program_info(&info);
    logic::initialise_runtime();
}

std::vector<std::string>& event_log() {
    static std::vector<std::string> log;
    return log;
}

std::map<i32, u32>& event_answers() {
    static std::map<i32, u32> answers;
    return answers;
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
forms::EventBinding unbound(i32 event) { return {event, -1}; }

std::vector<forms::EventBinding> all_window_events() {
    std::vector<forms::EventBinding> events;
    for (i32 e = kFirstEvent; e <= kLastEvent; ++e)
        if (e >= 0 || e == forms::kEventGotFocus || e == forms::kEventLostFocus) events.push_back(bind(e));
    return events;
}

forms::WindowProperties plain_window(const std::string& title) {
    forms::WindowProperties p;
    p.title = title;
    p.set_word(forms::kWordStartPosition, forms::kStartAsStored);
    return p;
}

Part window_part(const forms::WindowProperties& properties, i32 left, i32 top, i32 width, i32 height) {
    Part p;
    p.id = forms::kWindowRecordId;
    p.type_id = kWindowTypeId;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.state = forms::kStateVisible;
    p.events = all_window_events();
    p.data = forms::write_window_properties(properties);
    return p;
}

Part button(u32 id, const std::string& caption, i32 left, i32 top) {
    Part p;
    p.id = id;
    p.name = "按钮" + caption;
    p.left = left;
    p.top = top;
    TestValues v;
    v.caption = caption;
    p.data = test_block(v);
    p.events = {bind(0), bind(forms::kEventGotFocus), bind(forms::kEventLostFocus)};
    return p;
}

forms::ByteBlock record_of(const Part& part) {
    forms::RecordView v;
    v.type_id = part.type_id;
    v.event_link = part.event_link;
    v.name = part.name;
    v.left = part.left;
    v.top = part.top;
    v.width = part.width;
    v.height = part.height;
    v.container_id = part.container;
    v.children = part.children;
    v.cursor_data = part.cursor;
    v.tag = part.tag;
    v.state_flags = part.state;
    v.focus_order = part.focus_order;
    v.events = part.events;
    v.property_data = part.data;
    return forms::build_record(v);
}

forms::WindowEntry window_entry(u32 window_id, const std::vector<Part>& parts) {
    forms::WindowEntry entry;
    entry.window_id = window_id;
    entry.word_a = 1;
    entry.word_b = 0x19010005;
    for (const Part& p : parts) {
        entry.table.ids.push_back(p.id);
        entry.table.records.push_back(record_of(p));
    }
    return entry;
}

void install_windows(const std::vector<forms::WindowEntry>& windows) {
    forms::TemplateSegment segment;
    segment.windows = windows;
    const forms::ByteBlock bytes = forms::write_segment(segment);
    ASSERT_TRUE(forms::read_templates(bytes.data(), static_cast<u32>(bytes.size()), kHandlers.data(), kHandlerCount));
}

forms::ByteBlock image_file(bool cursor) {
    const int w = 16, h = 16;
    const int xor_bytes = w * h / 2, and_bytes = h * 4;  // 4 bits per pixel; mask rows padded to 32 bits
    const DWORD image = sizeof(BITMAPINFOHEADER) + 16 * 4 + xor_bytes + and_bytes;
    forms::ByteBlock f(6 + 16 + image, 0);
    const WORD header[3] = {0, static_cast<WORD>(cursor ? 2 : 1), 1};
    std::memcpy(f.data(), header, 6);
    f[6] = w;
    f[7] = h;
    f[8] = 16;
    const WORD planes_or_hot_spot[2] = {static_cast<WORD>(cursor ? 3 : 1), static_cast<WORD>(cursor ? 5 : 4)};
    std::memcpy(&f[10], planes_or_hot_spot, 4);
    const DWORD size_offset[2] = {image, 22};
    std::memcpy(&f[14], size_offset, 8);
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof bi;
    bi.biWidth = w;
    bi.biHeight = h * 2;
    bi.biPlanes = 1;
    bi.biBitCount = 4;
    std::memcpy(&f[22], &bi, sizeof bi);
    for (int i = 0; i < xor_bytes; ++i) f[22 + sizeof bi + 64 + i] = 0x12;
    return f;
}

HWND window_handle(u32 window_id) {
    forms::WindowObject* w = forms::WindowObject::of(window_id);
    return w ? w->hwnd() : nullptr;
}

HWND component_handle(u32 component_id, u32 window_id) {
    forms::ComponentObject* o = forms::live_object(window_id, component_id);
    return o ? o->hwnd() : nullptr;
}

void pump() { rt::process_pending_messages(); }

rt::u64 read(u32 component_id, i32 index, i32 sub, u32 window_id) {
    return logic::entries().read_property(window_id, component_id, index, sub);
}

void write(u32 component_id, i32 index, u32 lo, u32 hi, i32 sub, u32 window_id) {
    logic::entries().write_property(window_id, component_id, index, sub, lo, hi);
}

std::string read_text(u32 component_id, i32 index, i32 sub) {
    char* text = reinterpret_cast<char*>(static_cast<u32>(read(component_id, index, sub)));
    std::string out = text ? text : "";
    rt::release(text);
    return out;
}

forms::ByteBlock read_bytes(u32 component_id, i32 index) {
    auto* set = reinterpret_cast<rt::ByteSetHeader*>(static_cast<u32>(read(component_id, index)));
    const i32 n = rt::byte_set_length(set);
    forms::ByteBlock out;
    if (n > 0) out.assign(rt::byte_set_data(set), rt::byte_set_data(set) + n);
    rt::release(set);
    return out;
}

namespace {
void drain_messages() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        if (m.message != WM_QUIT) DispatchMessageA(&m);
}
}  // namespace

void FormsTest::SetUp() {
    start_forms_runtime();
    forms::WindowObject::destroy_all();
    drain_messages();
    event_log().clear();
    event_answers().clear();
    during_event() = nullptr;
    test_type_log().clear();
    rt::g_loop_entered = false;
    rt::app().loading_counter = 0;
    rt::app().modal_window_id = 0;
}

void FormsTest::TearDown() {
    during_event() = nullptr;
    event_answers().clear();
    rt::app().loading_counter = 0;
    forms::WindowObject::destroy_all();
    drain_messages();
    rt::g_loop_entered = false;
}

}  // namespace forms_test
