#include "forms/components/core_types.h"
#include "tests/forms/test_component_types.h"

#include <memory>

#include "forms/common_properties.h"
#include "forms/component_object.h"
#include "forms/property_archive.h"
#include "forms/window_text.h"
#include "runtime/texts.h"
#include "tests/support/event_log.h"

namespace forms_test {
namespace {

using forms::ComponentObject;
using forms::CreateRequest;
using forms::Operation0;
using forms::PropertyDescriptor;
using forms::ValueRecord;
using forms::property_type;

using testing_support::hex;

struct Kind {
    const char* name;
    const char* platform_class;
    DWORD style;
    u32 flags;
};

// One row per test type, by type number - 2.
constexpr Kind kKinds[] = {
    {"测试按钮", "BUTTON", BS_PUSHBUTTON, 0x80000840},
    {"测试框", "BUTTON", BS_GROUPBOX, 0x840140C0},
    {"测试文本", "STATIC", SS_NOTIFY, 0x84012040},
    {"测试隐藏", "STATIC", 0, 0x00008040},
    {"测试单选", "BUTTON", BS_AUTORADIOBUTTON, 0x80000440},
    {"测试无事件", "STATIC", 0, 0x80000000},
    {"测试坏", "STATIC", 0, 0x80000040},
};

constexpr auto kProperties = forms::with_common_properties(std::array<PropertyDescriptor, kTestPropertyCount - 8>{{
    {"标题", "caption", nullptr, property_type(forms::kCodeText), 0},
    {"类型", "kind", nullptr, property_type(forms::kCodeChoice), 0},
    {"开关", "flag", nullptr, property_type(forms::kCodeLogical), 0},
    {"字体", "font", nullptr, property_type(forms::kCodeFont), 0},
    {"指针", "cursor", nullptr, property_type(forms::kCodeCursor), 0},
    {"颜色", "colour", nullptr, property_type(forms::kCodeTextColour), 0},
    {"图片", "picture", nullptr, property_type(forms::kCodePicture), 0},
    {"长数", "long", nullptr, property_type(forms::kCodeLong), 0},
    {"整数", "number", nullptr, property_type(forms::kCodeInteger2), 0},
    {"其他", "other", nullptr, property_type(1999), 0},
}});

bool read_values(const std::uint8_t* data, u32 length, TestValues* v) {
    *v = TestValues{};
    if (length == 0) return true;
    forms::PropertyReader in(data, length);
    u32 version = 0;
    if (!in.u32_word(&version) || version > 1) return false;
    return in.text(&v->caption) && in.u32_word(&v->kind) && in.u32_word(&v->flag) && in.u32_word(&v->colour) &&
           in.u32_word(&v->long_lo) && in.u32_word(&v->long_hi) && in.u32_word(&v->number) && in.block(&v->font) &&
           in.block(&v->cursor) && in.block(&v->picture) && in.text(&v->other);
}

class TestComponent : public ComponentObject {
public:
    TestComponent(const rt::ComponentType* type, const CreateRequest& r, TestValues values)
        : ComponentObject(type, r.window_id, r.component_id), values(std::move(values)) {}
    TestValues values;

protected:
    bool on_message(UINT message, WPARAM, LPARAM, LRESULT*) override {
        if (message == forms::kMsgComponentCreated || message == forms::kMsgPrepareFocus ||
            message == forms::kMsgWindowBuilt)
            test_type_log().push_back({Seen::kMessage, component_id(), message});
        // A change notification while the window is being built: it must reach no handler.
        if (message == forms::kMsgComponentCreated) raise(forms::kEventClicked);
        return false;
    }
    bool on_reflected(UINT message, WPARAM wparam, LPARAM, LRESULT* result) override {
        test_type_log().push_back({Seen::kReflected, component_id(), message});
        if (message == WM_COMMAND && (HIWORD(wparam) == BN_CLICKED || HIWORD(wparam) == STN_CLICKED)) {
            raise(forms::kEventClicked);
            *result = 0;
            return true;
        }
        if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
            *result = reinterpret_cast<LRESULT>(test_static_brush());
            return true;
        }
        return false;
    }
};

TestComponent* as_test(ComponentObject* o) { return dynamic_cast<TestComponent*>(o); }

template <int Number>
ComponentObject* create(const CreateRequest& r) {
    const Kind& kind = kKinds[Number - 2];
    if constexpr (Number == static_cast<int>(kTestBroken & 0xFFFF)) return nullptr;
    TestValues values;
    if (!read_values(r.data, r.length, &values)) return nullptr;
    const rt::ComponentType* type = test_library_types()[Number - 1];
    auto made = std::make_unique<TestComponent>(type, r, std::move(values));
    const DWORD style = kind.style | (made->values.kind == 1 ? BS_DEFPUSHBUTTON : 0);
    const forms::PlatformWindow window =
        forms::component_window(r, kind.platform_class, made->values.caption.c_str(), style);
    TestComponent* object = ComponentObject::create(std::move(made), window);
    if (!object) return nullptr;
    test_type_log().push_back({Seen::kCreated, r.component_id, r.control_id});
    return object;
}

u32 set_property(ComponentObject* o, i32 index, const ValueRecord* v, u32) {
    TestComponent* t = as_test(o);
    if (!t) return 0;
    TestValues& s = t->values;
    test_type_log().push_back({Seen::kSet, o->component_id(), static_cast<u32>(index + 8)});
    const auto bytes = [&](forms::ByteBlock& to) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(v->value);
        to.assign(p, p ? p + v->second : p);
    };
    switch (index + 8) {
    case kTestCaption:
        s.caption = reinterpret_cast<const char*>(v->value);
        forms::set_window_text(o->hwnd(), s.caption);
        return 0;
    case kTestKind: s.kind = v->value > 1 ? 1 : v->value; return 0;
    case kTestFlag: s.flag = v->value; return 0;
    case kTestFont: bytes(s.font); return 0;
    case kTestCursor: bytes(s.cursor); return 0;
    case kTestColour: s.colour = v->value; return 0;
    case kTestPicture: bytes(s.picture); return 1;  // a picture changes the kind of control
    case kTestLong:
        s.long_lo = v->value;
        s.long_hi = v->second;
        return 0;
    case kTestNumber: s.number = v->value; return 0;
    case kTestUnknownCode: s.other = reinterpret_cast<const char*>(v->value); return 0;
    default: return 0;
    }
}

bool get_property(ComponentObject* o, i32 index, ValueRecord* out) {
    TestComponent* t = as_test(o);
    if (!t) return false;
    const TestValues& s = t->values;
    const auto bytes = [&](const forms::ByteBlock& b) { *out = {reinterpret_cast<u32>(b.data()), static_cast<u32>(b.size())}; };
    switch (index + 8) {
    case kTestCaption: *out = {reinterpret_cast<u32>(s.caption.c_str()), 0}; return true;
    case kTestKind: *out = {s.kind, 0}; return true;
    case kTestFlag: *out = {s.flag, 0}; return true;
    case kTestFont: bytes(s.font); return true;
    case kTestCursor: bytes(s.cursor); return true;
    case kTestColour: *out = {s.colour, 0}; return true;
    case kTestPicture: bytes(s.picture); return true;
    case kTestLong: *out = {s.long_lo, s.long_hi}; return true;
    case kTestNumber: *out = {s.number, 0}; return true;
    case kTestUnknownCode: *out = {reinterpret_cast<u32>(s.other.c_str()), 0}; return true;
    default: return false;
    }
}

rt::ByteSetHeader* save(ComponentObject* o) {
    TestComponent* t = as_test(o);
    if (!t) return nullptr;
    const forms::ByteBlock block = test_block(t->values);
    return rt::make_byte_set(block.data(), static_cast<i32>(block.size()));
}

bool is_default(ComponentObject* o) {
    TestComponent* t = as_test(o);
    return t && t->values.kind == 1;
}

template <int Number>
Operation0 interface_fn(i32 op) {
    switch (op) {
    case forms::kOpCreate: return reinterpret_cast<Operation0>(static_cast<forms::CreateOp>(create<Number>));
    case forms::kOpSetProperty: return reinterpret_cast<Operation0>(static_cast<forms::SetPropertyOp>(set_property));
    case forms::kOpSaveProperties: return reinterpret_cast<Operation0>(static_cast<forms::SavePropertiesOp>(save));
    case forms::kOpGetProperty: return reinterpret_cast<Operation0>(static_cast<forms::GetPropertyOp>(get_property));
    case forms::kOpIsDefaultButton:
        return reinterpret_cast<Operation0>(static_cast<forms::IsDefaultButtonOp>(is_default));
    default: return nullptr;
    }
}

template <int Number>
constexpr rt::ComponentType type_entry() {
    const Kind& k = kKinds[Number - 2];
    return {k.name, k.name, {0, 0, 0}, k.flags, {0, 0, 0}, kTestPropertyCount, kProperties.data(), interface_fn<Number>,
            {0, 0}};
}

const rt::ComponentType kTypes[] = {type_entry<2>(), type_entry<3>(), type_entry<4>(), type_entry<5>(),
                                    type_entry<6>(), type_entry<7>(), type_entry<8>()};

}  // namespace

forms::ByteBlock test_block(const TestValues& v) {
    forms::PropertyWriter out;
    out.u32_word(1);
    out.text(v.caption);
    out.u32_word(v.kind);
    out.u32_word(v.flag);
    out.u32_word(v.colour);
    out.u32_word(v.long_lo);
    out.u32_word(v.long_hi);
    out.u32_word(v.number);
    out.block(v.font);
    out.block(v.cursor);
    out.block(v.picture);
    out.text(v.other);
    return out.bytes();
}

std::string describe(const TypeMessage& m) {
    switch (m.seen) {
    case Seen::kCreated: return "create " + hex(m.component_id) + " " + std::to_string(m.detail);
    case Seen::kMessage: return "msg " + hex(m.detail) + " " + hex(m.component_id);
    case Seen::kReflected: return "reflect " + hex(m.detail) + " " + hex(m.component_id);
    case Seen::kSet: return "set " + hex(m.component_id) + " " + std::to_string(m.detail);
    }
    return "?";
}

bool matches(const TypeMessage& want, const TypeMessage& got) {
    return want.seen == got.seen && want.component_id == got.component_id && want.detail == got.detail;
}

std::vector<TypeMessage>& test_type_log() {
    static std::vector<TypeMessage> log;
    return log;
}

std::vector<TypeMessage> type_messages(Seen seen) {
    std::vector<TypeMessage> out;
    for (const TypeMessage& m : test_type_log())
        if (m.seen == seen) out.push_back(m);
    return out;
}

const rt::ComponentType* const* test_library_types() {
    static const rt::ComponentType* const types[] = {
        forms::core_component_types()[0], &kTypes[0], &kTypes[1], &kTypes[2], &kTypes[3], &kTypes[4], &kTypes[5],
        &kTypes[6],
    };
    return types;
}

i32 test_library_type_count() { return 8; }

HBRUSH test_static_brush() {
    static HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));  // lives as long as the test process
    return brush;
}

}  // namespace forms_test
