// Every component type's property table, through one set of checks: each property
// keeps its own value in its stored place, a saved block reads back as the same bytes
// in every version the type reads, a block newer than the type or cut short is
// refused, an empty block gives the type's defaults, and a written word is kept as
// the type's rules say. What setting a property does on screen stays with each type.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "forms/components/core_types.h"
#include "forms/components/extension_types.h"
#include "forms/components/super_button_colours.h"
#include "forms/components/template_layouts.h"
#include "forms/template_archive.h"

namespace {

using namespace forms;

// Calls check(name, table) for every type's table.
template <class Check>
void each_table(Check&& check) {
    for_each_template_layout([&](u32, const char* name, const auto& table) {
        SCOPED_TRACE(name);
        check(std::string_view(name), table);
    });
}

// A record whose stored fields up to `version` each hold a value no other field
// holds; newer fields keep their defaults.
template <class Table>
typename Table::Record distinct(const Table& table, u32 version) {
    typename Table::Record r = table.defaults();
    std::uint8_t n = 0;
    for (const auto& f : table.fields) {
        ++n;
        if (version < f.since) continue;
        switch (f.kind()) {
        case FieldKind::Word: f.word(r) = 0x51000000u + n; break;
        case FieldKind::Byte: f.byte(r) = static_cast<char>('A' + n); break;
        case FieldKind::Block: f.block(r) = ByteBlock{n, 0, n, 0xFF}; break;
        case FieldKind::Text: f.text(r) = "值" + std::to_string(n); break;
        }
    }
    return r;
}

// The property's value as get hands it out, texts and blocks by content.
template <class Table>
std::string shown(const Table& table, const typename Table::Record& r, i32 property) {
    ValueRecord out = {0, 0};
    if (!get_property(table, r, property, &out)) return "(none)";
    switch (find_field(table, property)->kind()) {
    case FieldKind::Word:
    case FieldKind::Byte: return std::to_string(out.value);
    case FieldKind::Block:
        return out.value ? std::string(reinterpret_cast<const char*>(out.value), out.second) : std::string();
    case FieldKind::Text: return reinterpret_cast<const char*>(out.value);
    }
    return "?";
}

template <class Table>
bool reads(const Table& table, const ByteBlock& block, typename Table::Record* out) {
    return read_properties(table, block.data(), static_cast<u32>(block.size()), out);
}

// The stored width of each field: a word 4 bytes, the letter 1, a block or text its
// 4-byte length and its bytes.
template <class Table>
size_t stored_size(const Table& table, const typename Table::Record& r) {
    size_t size = 4;  // the version word
    for (const auto& f : table.fields) {
        switch (f.kind()) {
        case FieldKind::Word: size += 4; break;
        case FieldKind::Byte: size += 1; break;
        case FieldKind::Block: size += 4 + f.block(r).size(); break;
        case FieldKind::Text: size += 4 + f.text(r).size(); break;
        }
    }
    return size;
}

TEST(PropertyTables, EachPropertyKeepsItsOwnValueInItsStoredPlace) {
    each_table([](std::string_view, const auto& table) {
        const auto written = distinct(table, table.version);
        const ByteBlock block = write_properties(table, written);
        EXPECT_EQ(load_u32(block.data()), table.version);
        EXPECT_EQ(block.size(), stored_size(table, written));
        auto back = table.defaults();
        ASSERT_TRUE(reads(table, block, &back));
        for (const auto& f : table.fields) {
            EXPECT_EQ(shown(table, back, f.property), shown(table, written, f.property)) << "property " << f.property;
            // Two fields in one place would show one value twice.
            for (const auto& other : table.fields) {
                if (other.property != f.property) {
                    EXPECT_NE(shown(table, back, f.property), shown(table, back, other.property))
                        << f.property << " and " << other.property;
                }
            }
        }
        EXPECT_EQ(write_properties(table, back), block);
    });
}

TEST(PropertyTables, OlderVersionsReadWithTheLaterFieldsAtTheirDefaults) {
    each_table([](std::string_view, const auto& table) {
        const auto defaults = table.defaults();
        for (u32 version = 0; version < table.version; ++version) {
            SCOPED_TRACE(version);
            const auto written = distinct(table, version);
            const ByteBlock old = write_properties(table, written, version);
            auto back = table.defaults();
            ASSERT_TRUE(reads(table, old, &back));
            for (const auto& f : table.fields)
                EXPECT_EQ(shown(table, back, f.property),
                          shown(table, version < f.since ? defaults : written, f.property))
                    << "property " << f.property;
            // Saved again in the type's own version, the later fields as they are.
            EXPECT_EQ(write_properties(table, back), write_properties(table, written));
        }
    });
}

// The newest version each type reads.
struct Newest {
    std::string_view type;
    u32 version;
};
constexpr Newest kNewest[] = {{"window", 6},   {"GroupBox", 1},  {"Label", 2},     {"Button", 1},
                              {"CheckBox", 2}, {"RadioBox", 1},  {"DriverBox", 1}, {"SuperBtn", 2}};

TEST(PropertyTables, ABlockNewerThanItsTypeOrCutShortIsRefused) {
    int types = 0;
    each_table([&](std::string_view name, const auto& table) {
        ++types;
        for (const Newest& n : kNewest) {
            if (n.type == name) {
                EXPECT_EQ(table.version, n.version);
            }
        }
        const ByteBlock block = write_properties(table, distinct(table, table.version));
        auto back = table.defaults();
        for (u32 version : {table.version + 1, 0x80000000u}) {
            ByteBlock newer = block;
            store_u32(newer.data(), version);
            EXPECT_FALSE(reads(table, newer, &back)) << "version " << version;
        }
        for (size_t length = 1; length < block.size(); ++length)
            EXPECT_FALSE(reads(table, ByteBlock(block.begin(), block.begin() + length), &back)) << length;
    });
    EXPECT_EQ(types, static_cast<int>(std::size(kNewest)));
}

// What an empty block gives, property by property ("" for an empty text or block).
struct Default {
    std::string_view type;
    i32 property;
    std::string value;
};

std::string word(u32 v) { return std::to_string(v); }

TEST(PropertyTables, AnEmptyBlockGivesTheDefaults) {
    const u32 face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    const Default defaults[] = {
        {"window", kWindowBorder, word(kBorderFixed)}, {"window", kWindowStartPosition, word(kStartCentred)},
        {"window", kWindowBackColour, word(kDefaultColour)}, {"window", kWindowInTaskbar, "1"},
        {"window", kWindowShape, "0"}, {"window", kWindowTitle, ""},
        {"GroupBox", kGroupCaption, "分组框"}, {"GroupBox", kGroupAlignment, "0"},
        {"GroupBox", kGroupCaptionColour, "0"}, {"GroupBox", kGroupBackColour, word(kDefaultColour)},
        {"Label", kLabelCaption, "标签"}, {"Label", kLabelEffect, "0"}, {"Label", kLabelBorderWidth, "8"},
        {"Label", kLabelBorderColour1, word(0x808080)}, {"Label", kLabelBorderColour2, word(0xFFFFFF)},
        {"Label", kLabelBorderColour3, word(0x808080)}, {"Label", kLabelTextColour, "0"},
        {"Label", kLabelBackColour, word(kDefaultColour)}, {"Label", kLabelPicturePlacement, "1"},
        {"Label", kLabelGradientMode, "0"}, {"Label", kLabelGradientColour1, word(0x808080)},
        {"Label", kLabelGradientColour2, word(0xFFFFFF)}, {"Label", kLabelGradientColour3, word(0x808080)},
        {"Label", kLabelAlignment, "0"}, {"Label", kLabelVerticalAlignment, "1"}, {"Label", kLabelWordWrap, "0"},
        {"Label", kLabelDataSource, ""},
        {"Button", kButtonCaption, "按钮"}, {"Button", kButtonKind, "0"}, {"Button", kButtonAlignment, "1"},
        {"Button", kButtonVerticalAlignment, "1"},
        {"CheckBox", kCheckCaption, "选择框"}, {"CheckBox", kCheckVerticalAlignment, "1"},
        {"CheckBox", kCheckBackColour, word(kDefaultColour)}, {"CheckBox", kCheckTicked, "0"},
        {"RadioBox", kCheckCaption, "单选框"}, {"RadioBox", kCheckVerticalAlignment, "1"},
        {"DriverBox", kDriveCurrent, "0"}, {"DriverBox", kDriveKinds, "0"}, {"DriverBox", kDriveTextColour, "0"},
        {"DriverBox", kDriveBackColour, word(0xFFFFFF)}, {"DriverBox", kDriveFont, ""},
        {"SuperBtn", kSuperCaption, "超级按钮"}, {"SuperBtn", kSuperStyle, word(kSuperFlat)},
        {"SuperBtn", kSuperBorder3d, "1"}, {"SuperBtn", kSuperSystemColours, "1"},
        {"SuperBtn", kSuperNormalText, word(text)}, {"SuperBtn", kSuperHoverText, word(text)},
        {"SuperBtn", kSuperFocusText, word(text)}, {"SuperBtn", kSuperNormalBack, word(kDefaultColour)},
        {"SuperBtn", kSuperFocusBack, word(kDefaultColour)},
        {"SuperBtn", kSuperHoverBack, word(lighten(face, 32))},
        {"SuperBtn", kSuperHoverTransparent, word(kDefaultColour)},
        {"SuperBtn", kSuperNormalTransparent, word(kDefaultColour)},
        {"SuperBtn", kSuperDisabledTransparent, word(kDefaultColour)},
    };
    each_table([&](std::string_view name, const auto& table) {
        auto empty = distinct(table, table.version);
        ASSERT_TRUE(reads(table, {}, &empty));
        EXPECT_EQ(write_properties(table, empty), write_properties(table, table.defaults()));
        for (const Default& d : defaults) {
            if (d.type == name) {
                EXPECT_EQ(shown(table, empty, d.property), d.value) << "property " << d.property;
            }
        }
    });
}

// A word as a write keeps it.
struct Kept {
    std::string_view type;
    i32 property;
    u32 written, stored;
};

constexpr u32 negative(u32 n) { return static_cast<u32>(-static_cast<i32>(n)); }

TEST(PropertyTables, WrittenWordsAreKeptAsTheTypeSays) {
    const Kept cases[] = {
        // Choices are clamped to their range, negative values to 0.
        {"Label", kLabelEffect, 7, 3}, {"Label", kLabelEffect, negative(3), 0},
        {"Label", kLabelBorder, 9, 6}, {"Label", kLabelBorder, negative(1), 0},
        {"Label", kLabelPicturePlacement, 5, 2}, {"Label", kLabelGradientMode, 9, 8},
        {"Label", kLabelAlignment, 4, 2}, {"Label", kLabelVerticalAlignment, 3, 2},
        {"Button", kButtonKind, 5, 1}, {"Button", kButtonAlignment, 9, 2}, {"Button", kButtonVerticalAlignment, 7, 2},
        {"Button", kButtonVerticalAlignment, negative(4), 0},
        {"GroupBox", kGroupAlignment, 7, 2}, {"GroupBox", kGroupAlignment, negative(1), 0},
        {"CheckBox", kCheckAlignment, 5, 2}, {"CheckBox", kCheckVerticalAlignment, 9, 2},
        {"RadioBox", kCheckAlignment, 5, 2},
        {"DriverBox", kDriveKinds, 9, kDrivesRamDisk},
        {"SuperBtn", kSuperStyle, 5, 2}, {"SuperBtn", kSuperStyle, negative(1), 0},
        {"SuperBtn", kSuperAlignment, 9, 3}, {"SuperBtn", kSuperAlignment, negative(1), 0},
        {"SuperBtn", kSuperPressOffset, 4, 1}, {"SuperBtn", kSuperDefaultButton, 2, 1},
        // The window's choices are only lowered: a negative value stays.
        {"window", kWindowBorder, 99, kBorderFixedSunken}, {"window", kWindowStartPosition, 9, kStartMaximised},
        {"window", kWindowPictureMode, 7, 2},
        // The label's gradient border is at least five wide once set at run time.
        {"Label", kLabelBorderWidth, 3, 5}, {"Label", kLabelBorderWidth, 0, 5}, {"Label", kLabelBorderWidth, 12, 12},
        {"Label", kLabelBorderWidth, negative(20), 5},
        // Everything else as written, the default colour included.
        {"SuperBtn", kSuperNormalBack, kDefaultColour, kDefaultColour}, {"Label", kLabelTextColour, 0x01FF0000, 0x01FF0000},
        {"window", kWindowHelpContext, negative(1), negative(1)},
    };
    each_table([&](std::string_view name, const auto& table) {
        for (const Kept& c : cases) {
            if (c.type != name) continue;
            auto r = table.defaults();
            ASSERT_NE(set_property(table, &r, c.property, {c.written, 0}), nullptr) << c.property;
            EXPECT_EQ(shown(table, r, c.property), std::to_string(c.stored))
                << "property " << c.property << " written " << c.written;
        }
        // Texts and data are copied in; an index the type lacks is refused.
        for (const auto& f : table.fields) {
            if (f.kind() != FieldKind::Text && f.kind() != FieldKind::Block) continue;
            auto r = table.defaults();
            char given[] = "新值";
            set_property(table, &r, f.property, {reinterpret_cast<u32>(given), static_cast<u32>(sizeof given - 1)});
            given[0] = 'X';
            EXPECT_EQ(shown(table, r, f.property), "新值") << "property " << f.property;
        }
        auto r = table.defaults();
        EXPECT_EQ(set_property(table, &r, kCommonPropertyCount + static_cast<i32>(table.fields.size()), {1, 0}),
                  nullptr);
        EXPECT_EQ(set_property(table, &r, kPropCursor, {1, 0}), nullptr);
    });
}

// The drive letter is the drive box's own to keep: a plain set leaves it.
TEST(PropertyTables, TheDriveLetterIsKeptByItsType) {
    DriveBoxProperties p;
    p.letter = 'C';
    const auto* f = set_property(kDriveBoxTable, &p, kDriveCurrent, {'x', 0});
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->effect, kDriveSelectsLetter);
    EXPECT_EQ(p.letter, 'C');
}

const rt::ComponentType* component_type_of(u32 id) {
    const u32 library = id >> 16, number = id & 0xFFFF;
    if (number < 1) return nullptr;
    if (library == 1 && number <= static_cast<u32>(kCoreTypeCount)) return core_component_types()[number - 1];
    if (library == 2 && number <= static_cast<u32>(kExtensionTypeCount)) return extension_component_types()[number - 1];
    return nullptr;
}

// The template tools name each type as its descriptor does.
TEST(PropertyTables, EachTypeIsNamedAsItsDescriptor) {
    for_each_template_layout([](u32 id, const char* name, const auto& table) {
        const rt::ComponentType* type = component_type_of(id);
        ASSERT_NE(type, nullptr) << name;
        EXPECT_STREQ(type->english_name, name);
        EXPECT_EQ(type->property_count, kCommonPropertyCount + table.fields.size()) << name;
    });
}

}  // namespace
