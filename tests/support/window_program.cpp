#include "tests/support/window_program.h"

#include <array>
#include <utility>

#include "forms/components/window_object.h"
#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "forms/loader.h"
#include "forms/window_registry.h"
#include "forms/window_system_install.h"
#include "logic/calls.h"
#include "logic/constants.h"
#include "runtime/application.h"
#include "runtime/initialise.h"
#include "runtime/library_service.h"
#include "runtime/memory.h"
#include "runtime/message_loop.h"
#include "runtime/texts.h"
#include "tests/support/program_start.h"

namespace testing_support {
namespace {

constexpr i32 kHandlerCount = kLastEvent - kFirstEvent + 1;

template <i32 Event>
u32 logging_handler(const u32* args, i32 count, bool* returned_value) {
    u32 source[2] = {0, 0};
    rt::library_service(rt::kSvcCurrentEventSource, reinterpret_cast<u32>(source), 0);
    event_log().push_back({Event, source[0], source[1], std::vector<u32>(args, args + count)});
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

ByteBlock byte_set_bytes(rt::ByteSetHeader* set) {
    const i32 n = rt::byte_set_length(set);
    ByteBlock out;
    if (n > 0) out.assign(rt::byte_set_data(set), rt::byte_set_data(set) + n);
    rt::release(set);
    return out;
}

}  // namespace

forms::EventBinding bind(i32 event) { return {event, (event - kFirstEvent) * static_cast<i32>(sizeof(void*))}; }
forms::EventBinding unbound(i32 event) { return {event, -1}; }

std::vector<const rt::SupportLibrary*> real_libraries() {
    static const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, forms::kCoreTypeCount,
                                            forms::core_component_types()};
    static const rt::SupportLibrary extension = {"界面扩展库", nullptr, 0, nullptr, forms::kExtensionTypeCount,
                                                 forms::extension_component_types()};
    return {&core, &extension};
}

void start_window_program(const std::vector<const rt::SupportLibrary*>& libraries) {
    start_window_program(libraries, kHandlers.data(), kHandlerCount);
}

void start_window_program(const std::vector<const rt::SupportLibrary*>& libraries,
                          const forms::EventHandler* handlers, i32 handler_count) {
    static bool started = false;
    if (started) return;
    started = true;
    // The runtime keeps pointers into the information block for the whole run.
    static const std::vector<const rt::SupportLibrary*> kept = libraries;
    static const ByteBlock segment = forms::write_segment(forms::TemplateSegment{});
    static const rt::ProgramInfo info = {
        3, 0, 117722, handlers, static_cast<u32>(handler_count), logic::constant_block_start(),
        logic::constant_block_length(), segment.data(), static_cast<u32>(segment.size()), static_cast<u32>(kept.size()),
        kept.data(), 0, nullptr, nullptr,
    };
    forms::install_window_system();
    start_program_once(info);
}

forms::WindowProperties plain_window(const std::string& title) {
    forms::WindowProperties p;
    p.title = title;
    p.set_word(forms::kWordStartPosition, forms::kStartAsStored);
    return p;
}

Part window_record(const forms::WindowProperties& properties, i32 left, i32 top, i32 width, i32 height,
                   std::vector<forms::EventBinding> events) {
    Part p;
    p.id = forms::kWindowRecordId;
    p.type_id = kWindowTypeId;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.state = forms::kStateVisible;
    p.events = std::move(events);
    p.data = forms::write_window_properties(properties);
    return p;
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
    p.events = component_events();
    p.data = std::move(data);
    return p;
}

ByteBlock record_of(const Part& part) {
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

bool install_windows(const std::vector<forms::WindowEntry>& windows) {
    forms::TemplateSegment segment;
    segment.windows = windows;
    const ByteBlock bytes = forms::write_segment(segment);
    const bool read = forms::read_templates(bytes.data(), static_cast<u32>(bytes.size()), kHandlers.data(),
                                            kHandlerCount);
    EXPECT_TRUE(read) << "the template reader refused the test's windows";
    return read;
}

bool load(u32 window_id) {
    const bool loaded = forms::load_window(window_id, nullptr, false);
    pump();
    return loaded;
}

HWND window_handle(u32 window_id) {
    forms::WindowObject* w = forms::WindowObject::of(window_id);
    return w ? w->hwnd() : nullptr;
}

forms::ComponentObject* live_component(u32 component_id, u32 window_id) {
    return forms::live_object(window_id, component_id);
}

HWND component_handle(u32 component_id, u32 window_id) {
    forms::ComponentObject* o = live_component(component_id, window_id);
    return o ? o->hwnd() : nullptr;
}

DWORD style_of(u32 component_id) { return static_cast<DWORD>(GetWindowLongA(component_handle(component_id), GWL_STYLE)); }
DWORD ex_style_of(u32 component_id) {
    return static_cast<DWORD>(GetWindowLongA(component_handle(component_id), GWL_EXSTYLE));
}

void pump() { rt::process_pending_messages(); }

void drain_messages() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        if (m.message != WM_QUIT) DispatchMessageA(&m);
}

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

void write_text(u32 component_id, i32 index, const std::string& text) {
    write(component_id, index, reinterpret_cast<u32>(text.c_str()));
}

ByteBlock read_bytes(u32 component_id, i32 index) {
    return byte_set_bytes(reinterpret_cast<rt::ByteSetHeader*>(static_cast<u32>(read(component_id, index))));
}

void write_bytes(u32 component_id, i32 index, const ByteBlock& bytes) {
    rt::ByteSetHeader* set = rt::make_byte_set(bytes.data(), static_cast<i32>(bytes.size()));
    write(component_id, index, reinterpret_cast<u32>(set));
    rt::release(set);
}

void WindowTest::SetUp() {
    forms::WindowObject::destroy_all();
    drain_messages();
    clear_event_state();
    rt::g_loop_entered = false;
    rt::app().loading_counter = 0;
    rt::app().modal_window_id = 0;
}

void WindowTest::TearDown() {
    clear_event_state();
    rt::app().loading_counter = 0;
    forms::WindowObject::destroy_all();
    drain_messages();
    rt::g_loop_entered = false;
}

}  // namespace testing_support
