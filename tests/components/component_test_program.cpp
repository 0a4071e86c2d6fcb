#include "tests/components/component_test_program.h"

#include <utility>

#include "forms/window_registry.h"
#include "runtime/memory.h"
#include "runtime/texts.h"

namespace component_test {
namespace {

const rt::ComponentType* type_of(u32 type_id) { return forms::find_type(type_id); }

}  // namespace

void start_runtime() { start_window_program(real_libraries()); }

Part window_part(i32 width, i32 height) { return window_record(plain_window("部件测试"), 60, 60, width, height, {}); }

void install_entry(const forms::WindowEntry& entry) { install_windows({entry}); }

void install(const std::vector<Part>& parts) { install_entry(window_entry(kWindowId, parts)); }

bool load() {
    const bool loaded = testing_support::load(kWindowId);
    event_log().clear();
    return loaded;
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

void ComponentTest::SetUp() {
    start_runtime();
    WindowTest::SetUp();
}

void expect_style_writes(u32 component_id, const std::vector<StyleWrite>& writes) {
    for (const StyleWrite& w : writes) {
        write(component_id, w.index, w.written);
        EXPECT_EQ(read(component_id, w.index), w.stored) << "property " << w.index << " written " << w.written;
        EXPECT_EQ(style_of(component_id) & w.mask, w.style) << "property " << w.index << " written " << w.written;
    }
}

}  // namespace component_test
