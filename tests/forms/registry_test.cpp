// The component type registry: the core library's table with the window type first,
// its property table, its interface function, and lookup by type id.
#include "forms/common_properties.h"
#include "forms/components/core_types.h"
#include "forms/components/window_object.h"
#include "forms/components/window_properties.h"
#include "forms/loader.h"
#include "forms/value_conversion.h"
#include "runtime/library_service.h"
#include "runtime/memory.h"
#include "runtime/texts.h"
#include "tests/forms/forms_test_program.h"

namespace forms_test {
namespace {

TEST(CoreTypes, TheWindowIsTypeOne) {
    const rt::ComponentType* const* types = forms::core_component_types();
    const rt::ComponentType* w = types[0];
    ASSERT_NE(w, nullptr);
    EXPECT_STREQ(w->name, "窗口");
    EXPECT_STREQ(w->english_name, "window");
    EXPECT_EQ(w->flags, 0x800000D0u);
    EXPECT_EQ(w->property_count, 32u);

    // The common eight first, flagged 0xE000; the window's own flagged 0x8000.
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(w->properties[i].type >> 16, i < 8 ? 0xE000u : 0x8000u) << i;
    EXPECT_EQ(forms::property_code(w->properties[7]), static_cast<u32>(forms::kCodeCursor));
    EXPECT_EQ(forms::property_code(w->properties[forms::kWindowTitle]), static_cast<u32>(forms::kCodeText));
    EXPECT_EQ(forms::property_code(w->properties[forms::kWindowBackColour]), static_cast<u32>(forms::kCodeBackColour));
    EXPECT_EQ(forms::property_code(w->properties[forms::kWindowIcon]), static_cast<u32>(forms::kCodeIcon));
    EXPECT_EQ(forms::property_code(w->properties[forms::kWindowHelpFile]), static_cast<u32>(forms::kCodeFileName));

    for (forms::Operation op : {forms::kOpCreate, forms::kOpSetProperty, forms::kOpSaveProperties,
                                forms::kOpGetProperty, forms::kOpEnumerateTexts})
        EXPECT_NE(w->interface_fn(op), nullptr) << op;
    EXPECT_EQ(w->interface_fn(forms::kOpIsDefaultButton), nullptr);
    EXPECT_EQ(w->interface_fn(3), nullptr);
}

TEST(CoreTypes, ValueFormsFollowTheTypeCodeTable) {
    using forms::ValueForm;
    const struct {
        u32 code;
        ValueForm form;
    } rows[] = {{1000, ValueForm::Integer}, {1001, ValueForm::Integer}, {1002, ValueForm::Long},
                {1004, ValueForm::Long},    {1003, ValueForm::Logical}, {1005, ValueForm::Text},
                {1016, ValueForm::Text},    {1018, ValueForm::Text},    {1006, ValueForm::Choice},
                {1009, ValueForm::Bytes},   {1010, ValueForm::Bytes},   {1012, ValueForm::Bytes},
                {1023, ValueForm::Bytes},   {1024, ValueForm::Bytes},   {1011, ValueForm::Cursor},
                {1013, ValueForm::Font},    {1014, ValueForm::Colour},  {1015, ValueForm::Colour},
                {1017, ValueForm::Colour},  {4242, ValueForm::Text}};
    for (const auto& r : rows) EXPECT_EQ(forms::value_form(r.code), r.form) << r.code;
}

using RegistryTest = FormsTest;

TEST_F(RegistryTest, TypesAreFoundByIdThroughTheLibraryList) {
    EXPECT_EQ(forms::find_type(kWindowTypeId), forms::core_component_types()[0]);
    EXPECT_EQ(rt::library_service(rt::kSvcComponentType, kTestRadio, 0),
              reinterpret_cast<u32>(test_library_types()[5]));
    EXPECT_EQ(forms::find_type(0x00010020), nullptr);
    EXPECT_EQ(forms::find_type(0x00050001), nullptr);
}

TEST_F(RegistryTest, TheWindowSavesItsPropertiesAndNamesItsTexts) {
    forms::WindowProperties p = plain_window("保存");
    p.help_file = "帮助.hlp";
    install_window({window_part(p)});
    ASSERT_TRUE(forms::load_window(kWindowId, nullptr, false));
    write(0, forms::kWindowBorder, forms::kBorderResizable);

    const rt::ComponentType* w = forms::core_component_types()[0];
    forms::ComponentObject* object = forms::live_object(kWindowId, 0);
    auto save = forms::operation<forms::SavePropertiesOp>(w, forms::kOpSaveProperties);
    rt::ByteSetHeader* saved = save(object);
    forms::WindowProperties back;
    ASSERT_TRUE(forms::read_window_properties(rt::byte_set_data(saved), static_cast<u32>(rt::byte_set_length(saved)),
                                              &back));
    rt::release(saved);
    EXPECT_EQ(back.title, "保存");
    EXPECT_EQ(back.word(forms::kWordBorder), static_cast<u32>(forms::kBorderResizable));

    std::vector<std::string> texts;
    auto enumerate = forms::operation<forms::EnumerateTextsOp>(w, forms::kOpEnumerateTexts);
    enumerate(object, nullptr, 0, [](const char* t, void* c) { static_cast<std::vector<std::string>*>(c)->push_back(t); },
              &texts);
    EXPECT_EQ(texts, (std::vector<std::string>{"保存", "帮助.hlp", ""}));
}

}  // namespace
}  // namespace forms_test
