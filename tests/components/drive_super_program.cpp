#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "tests/components/drive_super_program.h"

#include <array>
#include <cstdio>
#include <utility>

#include "data/main_window_template.h"
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

namespace drive_super_test {
namespace {

constexpr i32 kFirstEvent = -8;
constexpr i32 kLastEvent = 0;
constexpr i32 kHandlerCount = kLastEvent - kFirstEvent + 1;

std::string hex(u32 v) {
    char b[16];
    std::snprintf(b, sizeof b, "%08X", v);
    return b;
}

template <i32 Event>
u32 logging_handler(const u32*, i32, bool*) {
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


forms::ByteBlock record_of(const Part& part) {
    forms::RecordView v;
    v.type_id = part.type_id;
    v.name = "部件" + hex(part.id);
    v.left = part.left;
    v.top = part.top;
    v.width = part.width;
    v.height = part.height;
    v.container_id = part.container;
    v.cursor_data = {0, 0, 0, 0};
    v.state_flags = part.state;
    v.events = part.events;
    v.property_data = part.data;
    return forms::build_record(v);
}

Part window_part() {
    forms::WindowProperties p;
    p.title = "驱动器框与超级按钮";
    p.set_word(forms::kWordStartPosition, forms::kStartAsStored);
    Part w;
    w.id = forms::kWindowRecordId;
    w.type_id = kWindowTypeId;
    // In a corner of the display that other test programs leave alone: the hover
    // tests ask the platform which window is under the mouse. (A topmost window
    // would do too, but Wine waits two seconds for each one to be mapped.)
    w.left = 820;
    w.top = 620;
    w.width = 420;
    w.height = 300;
    w.state = forms::kStateVisible;
    w.events = {};
    w.data = forms::write_window_properties(p);
    return w;
}

void drain_messages() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
        if (m.message != WM_QUIT) DispatchMessageA(&m);
}

}  // namespace

void start_runtime() {
    static bool started = false;
    if (started) return;
    started = true;
    static const rt::SupportLibrary core = {"核心库", nullptr, 0, nullptr, forms::kCoreTypeCount,
                                            forms::core_component_types()};
    static const rt::SupportLibrary extension = {"界面扩展库", nullptr, 0, nullptr, forms::kExtensionTypeCount,
                                                 forms::extension_component_types()};
    static const rt::SupportLibrary* const libraries[] = {&core, &extension};
    static const forms::ByteBlock segment = forms::write_segment(forms::TemplateSegment{});
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

forms::EventBinding Part::bind(i32 event) {
    return {event, (event - kFirstEvent) * static_cast<i32>(sizeof(void*))};
}

Part drive_box(u32 id, forms::ByteBlock data, i32 left, i32 top, i32 width, i32 height) {
    Part p;
    p.id = id;
    p.type_id = kDriveBoxTypeId;
    p.left = left;
    p.top = top;
    p.width = width;
    p.height = height;
    p.data = std::move(data);
    return p;
}

Part super_button(u32 id, forms::ByteBlock data, i32 left, i32 top, i32 width, i32 height) {
    Part p = drive_box(id, std::move(data), left, top, width, height);
    p.type_id = kSuperButtonTypeId;
    return p;
}

forms::ByteBlock template_block(u32 component_id) {
    forms::TemplateSegment segment;
    EXPECT_TRUE(forms::read_segment(main_window_template(), main_window_template_length(), &segment));
    for (const forms::WindowEntry& w : segment.windows) {
        const int at = w.table.find(component_id);
        forms::RecordView view;
        if (at >= 0 && forms::parse_record(w.table.records[at], &view)) return view.property_data;
    }
    ADD_FAILURE() << "no record " << hex(component_id) << " in the tool's template";
    return {};
}

bool load_window(const std::vector<Part>& parts) {
    forms::WindowEntry entry;
    entry.window_id = kWindowId;
    entry.word_a = 1;
    entry.word_b = 0x19010005;
    const Part window = window_part();
    entry.table.ids.push_back(window.id);
    entry.table.records.push_back(record_of(window));
    for (const Part& p : parts) {
        entry.table.ids.push_back(p.id);
        entry.table.records.push_back(record_of(p));
    }
    return load_entry(entry);
}

bool load_entry(const forms::WindowEntry& entry) {
    forms::WindowObject::destroy_all();
    drain_messages();
    forms::TemplateSegment segment;
    segment.windows.push_back(entry);
    const forms::ByteBlock bytes = forms::write_segment(segment);
    if (!forms::read_templates(bytes.data(), static_cast<u32>(bytes.size()), kHandlers.data(), kHandlerCount))
        return false;
    const bool loaded = forms::load_window(entry.window_id, nullptr, false);
    pump();
    return loaded;
}

forms::WindowEntry tool_window() {
    forms::TemplateSegment segment;
    EXPECT_TRUE(forms::read_segment(main_window_template(), main_window_template_length(), &segment));
    return segment.windows.at(0);
}

std::string handler_tag(i32 slot) { return std::to_string(slot + kFirstEvent) + "@"; }

HWND window_handle() {
    forms::WindowObject* w = forms::WindowObject::of(kWindowId);
    return w ? w->hwnd() : nullptr;
}

HWND component_handle(u32 component_id) {
    forms::ComponentObject* o = forms::live_object(kWindowId, component_id);
    return o ? o->hwnd() : nullptr;
}

void* raw_object(u32 component_id) { return forms::live_object(kWindowId, component_id); }

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

void write_bytes(u32 component_id, i32 index, const forms::ByteBlock& bytes) {
    rt::ByteSetHeader* set = rt::make_byte_set(bytes.data(), static_cast<i32>(bytes.size()));
    write(component_id, index, reinterpret_cast<u32>(set));
    rt::release(set);
}

void ComponentTest::SetUp() {
    start_runtime();
    // Away from where the test windows appear: a window that opens under the mouse
    // is told the mouse moved over it.
    SetCursorPos(0, 0);
    forms::WindowObject::destroy_all();
    drain_messages();
    event_log().clear();
    during_event() = nullptr;
    rt::app().loading_counter = 0;
}

void ComponentTest::TearDown() {
    rt::app().loading_counter = 0;
    forms::WindowObject::destroy_all();
    drain_messages();
}

}  // namespace drive_super_test
