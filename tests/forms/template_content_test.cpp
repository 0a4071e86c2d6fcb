// The tool's embedded window template holds exactly its window and seventeen
// components: identity, place, container, caption, colours, initial checks, focus
// flags and event bindings, in record order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/version.h"
#include "forms/components/template_layouts.h"
#include "forms/template_archive.h"
#include "forms/template_model.h"
#include "forms/template_types.h"
#include "tests/forms/template_test_util.h"
#include "tuner/handler_offsets.h"

namespace {

using namespace forms;
using tuner::handler_offset;

constexpr u32 kWindowId = tuner::kMainWindowId;
constexpr u32 kGroup1 = tuner::kOptimizeGroup;
constexpr u32 kGroup2 = tuner::kHomeGroup;
constexpr i32 kNoHandler = -1;
constexpr u32 kFocusable = kStateVisible | kStateTabStop;

struct Row {
    u32 id;
    const char* name;
    u32 type;
    u32 container;
    i32 left, top, width, height;
    const char* caption;  // null: the type stores none (the drive box's block is empty)
    i32 click_handler;    // event 0
    u32 state;
};

const Row kComponents[] = {
    {tuner::kRestoreButton, "超级按钮1", kTypeSuperButton, kGroup1, 133, 54, 64, 24, "点我恢复",
     handler_offset(tuner::kHandlerDx11Restore), kFocusable},
    {tuner::kPowerBox, "选择框_电源", kTypeCheckBox, kGroup1, 232, 21, 98, 24, "卓越性能电源", kNoHandler, kFocusable},
    {tuner::kSelectAllBox, "选择框_ALL", kTypeCheckBox, kGroup1, 24, 89, 112, 21, "以上全选",
     handler_offset(tuner::kHandlerSelectAll), kFocusable},
    {tuner::kLogBox, "选择框_log", kTypeCheckBox, kGroup1, 128, 16, 88, 32, "log文件清除", kNoHandler, kFocusable},
    {tuner::kCrossBox, "选择框_Cross", kTypeCheckBox, kGroup1, 24, 14, 88, 36, "Cross:提帧", kNoHandler, kFocusable},
    {tuner::kDx11Box, "选择框_DX11", kTypeCheckBox, kGroup1, 24, 51, 114, 32, "DX11测试模式 ->", kNoHandler, kFocusable},
    {tuner::kHomeRestoreButton, "按钮3", kTypeButton, kGroup2, 262, 26, 64, 28, "时光机",
     handler_offset(tuner::kHandlerHomePageRestore), kFocusable},
    {tuner::kResultLabel, "标签4", kTypeLabel, 0, 70, 260, 227, 32, "", kNoHandler, kStateVisible},
    {tuner::kPromptLabel, "标签3", kTypeLabel, 0, 21, 32, 296, 24, "友情提示：请选择驱动器，再进行操作", kNoHandler,
     kStateVisible},
    {tuner::kDriveBox, "驱动器框2", kTypeDriveBox, 0, 256, 11, 88, 20, nullptr,
     handler_offset(tuner::kHandlerDriveChanged), kFocusable},
    {tuner::kDriveLabel, "标签1", kTypeLabel, 0, 21, 8, 216, 24, "为了加快优化速度，请指定LOL安装盘符：\r\n", kNoHandler,
     kStateVisible},
    {tuner::kPublisherRadio, "单选框2", kTypeRadioBox, kGroup2, 100, 30, 80, 24, "美服主页", kNoHandler, kFocusable},
    {tuner::kBlankRadio, "单选框1", kTypeRadioBox, kGroup2, 14, 29, 80, 24, "空白主页", kNoHandler, kFocusable},
    {tuner::kHomeReplaceButton, "按钮2", kTypeButton, kGroup2, 182, 26, 64, 28, "确定",
     handler_offset(tuner::kHandlerHomePageReplace), kFocusable},
    {kGroup2, "分组框2", kTypeGroupBox, 0, 14, 190, 336, 66, "LOL国服主页替换", kNoHandler, kStateVisible},
    {tuner::kOptimizeButton, "按钮1", kTypeButton, kGroup1, 264, 76, 64, 28, "确定", handler_offset(tuner::kHandlerOptimize),
     kFocusable},
    {kGroup1, "分组框1", kTypeGroupBox, 0, 14, 64, 336, 120, "优化相关", kNoHandler, kStateVisible},
};
constexpr size_t kComponentCount = sizeof(kComponents) / sizeof(kComponents[0]);
static_assert(kComponentCount == 17);

// Stored shape of each type's property block: its integer words come first, then
// counted texts, then byte blocks, then the caption (counted text), then the tail.
struct Layout {
    u32 type;
    u32 version;
    int words, texts, blocks;
    int tail_texts, tail_words, tail_blocks;  // tail read as texts, then words, then blocks
};
const Layout kLayouts[] = {
    {kTypeWindow, 6, 18, 1, 3, 1, 0, 0},  // caption = the title; tail = help file
    {kTypeGroupBox, 1, 3, 0, 1, 0, 0, 0},
    {kTypeLabel, 2, 16, 0, 2, 2, 0, 0},
    {kTypeButton, 1, 3, 0, 2, 0, 0, 0},
    {kTypeCheckBox, 2, 8, 0, 2, 2, 0, 0},
    {kTypeRadioBox, 1, 8, 0, 2, 0, 0, 0},
    {kTypeSuperButton, 2, 18, 0, 5, 1, 1, 1},
};

struct Decoded {
    u32 version = 0;
    std::vector<u32> words;
    std::vector<std::string> texts;  // the texts before the blocks, then the tail texts
    std::vector<ByteBlock> blocks;
    std::string caption;
};

// Reads a property block by its type's shape; fails the test when it does not fit exactly.
Decoded decode(u32 type, const ByteBlock& block) {
    Decoded d;
    const Layout* layout = nullptr;
    for (const Layout& l : kLayouts)
        if (l.type == type) layout = &l;
    EXPECT_NE(layout, nullptr) << std::hex << type;
    if (!layout) return d;
    ArchiveReader in(block.data(), block.size());
    in.read_u32(&d.version);
    EXPECT_EQ(d.version, layout->version) << std::hex << type;
    d.words.resize(layout->words);
    for (u32& w : d.words) in.read_u32(&w);
    d.texts.resize(layout->texts + layout->tail_texts);
    for (int i = 0; i < layout->texts; ++i) in.read_counted_text(&d.texts[i]);
    d.blocks.resize(layout->blocks + layout->tail_blocks);
    for (int i = 0; i < layout->blocks; ++i) in.read_byte_block(&d.blocks[i]);
    in.read_counted_text(&d.caption);
    for (int i = 0; i < layout->tail_texts; ++i) in.read_counted_text(&d.texts[layout->texts + i]);
    for (int i = 0; i < layout->tail_words; ++i) {
        d.words.emplace_back();
        in.read_u32(&d.words.back());
    }
    for (int i = 0; i < layout->tail_blocks; ++i) in.read_byte_block(&d.blocks[layout->blocks + i]);
    EXPECT_TRUE(in.at_end()) << std::hex << type << ": the block does not end where its layout does";
    return d;
}

class MainWindowTemplate : public testing::Test {
protected:
    void SetUp() override {
        bytes_ = template_test::real_template();
        ASSERT_TRUE(read_segment(bytes_.data(), bytes_.size(), &segment_));
        ASSERT_EQ(segment_.windows.size(), 1u);
        const ComponentTable& t = segment_.windows[0].table;
        ASSERT_EQ(t.ids.size(), kComponentCount + 1);
        views_.resize(t.records.size());
        for (size_t i = 0; i < t.records.size(); ++i) ASSERT_TRUE(parse_record(t.records[i], &views_[i])) << i;
    }
    const RecordView& view_of(u32 id) {
        int i = segment_.windows[0].table.find(id);
        EXPECT_GE(i, 0) << std::hex << id;
        return views_[i < 0 ? 0 : i];
    }

    ByteBlock bytes_;
    TemplateSegment segment_;
    std::vector<RecordView> views_;
};

TEST_F(MainWindowTemplate, WindowEntryCarriesItsIdAndWords) {
    const WindowEntry& w = segment_.windows[0];
    EXPECT_EQ(w.window_id, kWindowId);
    EXPECT_EQ(w.word_a, 1u);
    EXPECT_EQ(w.word_b, 0x19010005u);
    EXPECT_EQ(w.text1, "");
    EXPECT_EQ(w.text2, "");
}

TEST_F(MainWindowTemplate, WindowRecordComesFirstWithItsGeometryEventsAndProperties) {
    const ComponentTable& t = segment_.windows[0].table;
    EXPECT_EQ(t.ids[0], kWindowRecordId);
    const RecordView& v = views_[0];
    EXPECT_EQ(v.type_id, kTypeWindow);
    EXPECT_EQ(v.name, "");
    EXPECT_EQ(v.container_id, 0u);
    EXPECT_EQ(v.left, 50);
    EXPECT_EQ(v.top, 50);
    EXPECT_EQ(v.width, 369);
    EXPECT_EQ(v.height, 328);
    EXPECT_EQ(v.state_flags, kStateVisible);
    ASSERT_EQ(v.events.size(), 2u);
    EXPECT_EQ(v.events[0].event, 0);
    EXPECT_EQ(v.events[0].handler, handler_offset(tuner::kHandlerWindowCreated));
    EXPECT_EQ(v.events[1].event, 2);
    EXPECT_EQ(v.events[1].handler, handler_offset(tuner::kHandlerWindowDestroy));

    Decoded d = decode(kTypeWindow, v.property_data);
    EXPECT_EQ(d.caption, "Trivane" TRIVANE_VERSION_TEXT);
    // Words in stored order: border, picture placement, background, maximise, minimise,
    // control box, start position, movable, music mode, Enter, Escape, F1, help context,
    // taskbar, label drag, shape, topmost, always-active title.
    const std::vector<u32> words = {2, 1, 0xFF000000, 0, 1, 1, 1, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(d.words, words);
    EXPECT_EQ(d.texts, (std::vector<std::string>{"", ""}));  // class name (default), help file
    for (const ByteBlock& b : d.blocks) EXPECT_TRUE(b.empty());  // picture, icon, music
}

TEST_F(MainWindowTemplate, ComponentsFollowTheTableInRecordOrder) {
    const ComponentTable& t = segment_.windows[0].table;
    for (size_t i = 0; i < kComponentCount; ++i) {
        const Row& row = kComponents[i];
        const RecordView& v = views_[i + 1];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(t.ids[i + 1], row.id);
        EXPECT_EQ(v.name, row.name);
        EXPECT_EQ(v.second_name, "");
        EXPECT_EQ(v.type_id, row.type);
        EXPECT_EQ(v.event_link, 0u);
        EXPECT_EQ(v.container_id, row.container);
        EXPECT_EQ(v.left, row.left);
        EXPECT_EQ(v.top, row.top);
        EXPECT_EQ(v.width, row.width);
        EXPECT_EQ(v.height, row.height);
        EXPECT_EQ(v.state_flags, row.state);
        if (row.click_handler == kNoHandler) {
            EXPECT_TRUE(v.events.empty());
        } else {
            ASSERT_EQ(v.events.size(), 1u);
            EXPECT_EQ(v.events[0].event, 0);
            EXPECT_EQ(v.events[0].handler, row.click_handler);
        }
        if (row.caption) {
            EXPECT_EQ(decode(row.type, v.property_data).caption, row.caption);
        }
    }
}

TEST_F(MainWindowTemplate, EveryRecordHasTheDefaultCursorAndEmptySlots) {
    for (const RecordView& v : views_) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(v.cursor_data, ByteBlock(4, 0));
        EXPECT_EQ(v.tag, "");
        EXPECT_EQ(v.object_slot, 0u);
        EXPECT_EQ(v.cursor_slot, 0u);
        EXPECT_EQ(v.focus_order, 0u);
        EXPECT_EQ(v.reserved_word, 0u);
        for (u32 w : v.reserved1) EXPECT_EQ(w, 0u);
        for (u32 w : v.reserved2) EXPECT_EQ(w, 0u);
    }
}

TEST_F(MainWindowTemplate, GroupBoxesListTheirChildrenInRecordOrder) {
    const ComponentTable& t = segment_.windows[0].table;
    for (u32 group : {kGroup1, kGroup2}) {
        std::vector<u32> expected;
        for (size_t i = 1; i < t.ids.size(); ++i)
            if (views_[i].container_id == group) expected.push_back(t.ids[i]);
        EXPECT_EQ(view_of(group).children, expected);
    }
    EXPECT_EQ(view_of(kGroup1).children.size(), 7u);
    EXPECT_EQ(view_of(kGroup2).children.size(), 4u);
    for (size_t i = 0; i < views_.size(); ++i) {
        if (views_[i].type_id != kTypeGroupBox) {
            EXPECT_TRUE(views_[i].children.empty()) << views_[i].name;
        }
    }
}

TEST_F(MainWindowTemplate, LabelsAndGroupBoxesDrawInTheirColours) {
    // Label word 7 is the text colour; group box word 2 the caption colour.
    EXPECT_EQ(decode(kTypeLabel, view_of(tuner::kPromptLabel).property_data).words[6], 0x00FF00FFu);
    EXPECT_EQ(decode(kTypeLabel, view_of(tuner::kResultLabel).property_data).words[6], 0u);
    EXPECT_EQ(decode(kTypeLabel, view_of(tuner::kDriveLabel).property_data).words[6], 0u);
    EXPECT_EQ(decode(kTypeGroupBox, view_of(kGroup1).property_data).words[1], 0x00FF0000u);
    EXPECT_EQ(decode(kTypeGroupBox, view_of(kGroup2).property_data).words[1], 0x00FF0000u);
}

TEST_F(MainWindowTemplate, OnlyTheFirstRadioButtonStartsTicked) {
    // Word 8 of a check box or radio button is its ticked state.
    for (size_t i = 1; i < views_.size(); ++i) {
        const RecordView& v = views_[i];
        if (v.type_id != kTypeCheckBox && v.type_id != kTypeRadioBox) continue;
        u32 expected = v.name == "单选框1" ? 1 : 0;
        EXPECT_EQ(decode(v.type_id, v.property_data).words[7], expected) << v.name;
    }
}

TEST_F(MainWindowTemplate, PropertyBlocksHoldEachTypesValues) {
    const std::vector<u32> label_words = {0,          8, 0, 0x808080, 0xFFFFFF, 0x808080, 0, 0xFF000000,
                                          1,          0, 0x808080,   0xFFFFFF, 0x808080,   0, 1, 0};
    const std::vector<u32> button_words = {0, 1, 1};
    const std::vector<u32> group_words = {0, 0x00FF0000, 0xFF000000};
    const std::vector<u32> check_words = {0, 0, 0, 0, 1, 0, 0xFF000000};  // before the ticked word
    // Style .. default button, six colours, then the disabled picture's transparent colour.
    const std::vector<u32> super_words = {0,        0,        0,        0,        0,        1,        0,
                                          0xFF000000, 0xFF000000, 1,      0,        0,        0,        0xF0F0F0,
                                          0,        0xFFFFFF, 0,        0xF0F0F0, 0xFF000000};
    for (size_t i = 1; i < views_.size(); ++i) {
        const RecordView& v = views_[i];
        SCOPED_TRACE(v.name);
        if (v.type_id == kTypeDriveBox) {
            EXPECT_TRUE(v.property_data.empty());  // every drive box property keeps its default
            continue;
        }
        Decoded d = decode(v.type_id, v.property_data);
        for (const ByteBlock& b : d.blocks) EXPECT_TRUE(b.empty());  // no pictures, fonts or sounds
        for (size_t k = 0; k < d.texts.size(); ++k) EXPECT_EQ(d.texts[k], "");  // no bindings, no tooltip
        switch (v.type_id) {
        case kTypeLabel: {
            std::vector<u32> w = d.words;
            w[6] = 0;  // text colour: checked with the colours
            EXPECT_EQ(w, label_words);
            break;
        }
        case kTypeButton: EXPECT_EQ(d.words, button_words); break;
        case kTypeGroupBox: EXPECT_EQ(d.words, group_words); break;
        case kTypeCheckBox:
        case kTypeRadioBox:
            EXPECT_EQ(std::vector<u32>(d.words.begin(), d.words.begin() + 7), check_words);
            break;
        case kTypeSuperButton: EXPECT_EQ(d.words, super_words); break;
        default: ADD_FAILURE() << "unexpected type " << std::hex << v.type_id;
        }
    }
}

// Each block is one its type's table reads; only the drive box stores none.
TEST_F(MainWindowTemplate, EveryPropertyBlockIsReadByItsTypesTable) {
    for (const RecordView& v : views_) {
        bool read = false;
        forms::for_each_template_layout([&](u32 id, const char*, const auto& table) {
            if (id != v.type_id) return;
            typename std::remove_cvref_t<decltype(table)>::Record record;
            read = forms::read_properties(table, v.property_data.data(), static_cast<u32>(v.property_data.size()),
                                          &record);
        });
        EXPECT_TRUE(read) << v.name;
        EXPECT_EQ(v.property_data.empty(), v.type_id == kTypeDriveBox) << v.name;
    }
}

}  // namespace
