// The label's whole property description: where its block keeps each property,
// how a written value is kept, what setting it does, its names and type code, and
// the defaults. A new property is a row here, its index in forms/property_indexes.h
// and its field in the template tools' layout.
#pragma once
#include <iterator>
#include <span>

#include "forms/common_properties.h"
#include "forms/components/block_object.h"
#include "forms/components/picture_placement.h"
#include "forms/property_indexes.h"

namespace forms {

// The integer words of the label's block, numbered in stored order from 1.
enum LabelWord : int {
    kLabelWordEffect = 1,
    kLabelWordBorderWidth = 2,
    kLabelWordBorder = 3,
    kLabelWordBorderColour1 = 4,
    kLabelWordBorderColour2 = 5,
    kLabelWordBorderColour3 = 6,
    kLabelWordTextColour = 7,
    kLabelWordBackColour = 8,
    kLabelWordPlacement = 9,
    kLabelWordGradientMode = 10,
    kLabelWordGradientColour1 = 11,
    kLabelWordGradientColour2 = 12,
    kLabelWordGradientColour3 = 13,
    kLabelWordAlignment = 14,
    kLabelWordVerticalAlignment = 15,
    kLabelWordWordWrap = 16,
    kLabelWordCount = 16,
};
enum LabelBlock : int { kLabelBlockFont = 1, kLabelBlockPicture = 2 };

enum LabelEffect : u32 { kEffectNone = 0, kEffectRaised = 1, kEffectEngraved = 2, kEffectShadow = 3 };
enum LabelBorder : u32 {
    kLabelBorderNone = 0,
    kLabelBorderSunken = 1,
    kLabelBorderRaisedFrame = 2,
    kLabelBorderThinSunken = 3,
    kLabelBorderSunkenRaised = 4,
    kLabelBorderSingle = 5,
    kLabelBorderGradient = 6,
};

inline constexpr u32 kLabelMinBorderWidth = 5;  // a gradient border set at run time is at least this wide
inline constexpr u32 kLabelGradientModes = 8;

// What setting a label property does after the value is stored.
enum LabelSetEffect : int {
    kLabelRepaints = 0,  // every change repaints
    kLabelSetsCaption,   // also the platform window text
    kLabelSetsBorder,    // also the platform frame
    kLabelSetsFont,      // a new font
    kLabelSetsPicture,   // the decoded picture is dropped
};

// In stored order: the sixteen words, the two blocks, the caption, then the binding
// names that version 2 added.
inline constexpr PropertyRow kLabelFields[] = {
    {.property = kLabelEffect,
     .describe = described("效果", "effect", kCodeChoice),
     .word = &stored_word<kLabelWordEffect>, .keep = Keep::Choice, .limit = kEffectShadow,
     .effect = kLabelRepaints},
    {.property = kLabelBorderWidth,
     .describe = described("渐变边框宽度", "gradientBorderWidth", kCodeInteger2),
     .word = &stored_word<kLabelWordBorderWidth>, .keep = Keep::AtLeast, .limit = kLabelMinBorderWidth,
     .effect = kLabelRepaints},
    {.property = kLabelBorder,
     .describe = described("边框", "border", kCodeChoice),
     .word = &stored_word<kLabelWordBorder>, .keep = Keep::Choice, .limit = kLabelBorderGradient,
     .effect = kLabelSetsBorder},
    {.property = kLabelBorderColour1,
     .describe = described("渐变边框颜色1", "gradientBorderColor1", kCodeColour),
     .word = &stored_word<kLabelWordBorderColour1>, .effect = kLabelRepaints},
    {.property = kLabelBorderColour2,
     .describe = described("渐变边框颜色2", "gradientBorderColor2", kCodeColour),
     .word = &stored_word<kLabelWordBorderColour2>, .effect = kLabelRepaints},
    {.property = kLabelBorderColour3,
     .describe = described("渐变边框颜色3", "gradientBorderColor3", kCodeColour),
     .word = &stored_word<kLabelWordBorderColour3>, .effect = kLabelRepaints},
    {.property = kLabelTextColour,
     .describe = described("文本颜色", "textColor", kCodeTextColour),
     .word = &stored_word<kLabelWordTextColour>, .effect = kLabelRepaints},
    {.property = kLabelBackColour,
     .describe = described("背景颜色", "backColor", kCodeBackColour),
     .word = &stored_word<kLabelWordBackColour>, .effect = kLabelRepaints},
    {.property = kLabelPicturePlacement,
     .describe = described("底图方式", "pictureMode", kCodeChoice),
     .word = &stored_word<kLabelWordPlacement>, .keep = Keep::Choice, .limit = kPlaceCentredShrunk,
     .effect = kLabelRepaints},
    {.property = kLabelGradientMode,
     .describe = described("渐变背景方式", "gradientMode", kCodeChoice),
     .word = &stored_word<kLabelWordGradientMode>, .keep = Keep::Choice, .limit = kLabelGradientModes,
     .effect = kLabelRepaints},
    {.property = kLabelGradientColour1,
     .describe = described("渐变背景颜色1", "gradientColor1", kCodeColour),
     .word = &stored_word<kLabelWordGradientColour1>, .effect = kLabelRepaints},
    {.property = kLabelGradientColour2,
     .describe = described("渐变背景颜色2", "gradientColor2", kCodeColour),
     .word = &stored_word<kLabelWordGradientColour2>, .effect = kLabelRepaints},
    {.property = kLabelGradientColour3,
     .describe = described("渐变背景颜色3", "gradientColor3", kCodeColour),
     .word = &stored_word<kLabelWordGradientColour3>, .effect = kLabelRepaints},
    {.property = kLabelAlignment,
     .describe = described("横向对齐方式", "alignment", kCodeChoice),
     .word = &stored_word<kLabelWordAlignment>, .keep = Keep::Choice, .limit = 2, .effect = kLabelRepaints},
    {.property = kLabelVerticalAlignment,
     .describe = described("纵向对齐方式", "verticalAlignment", kCodeChoice),
     .word = &stored_word<kLabelWordVerticalAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kLabelRepaints},
    {.property = kLabelWordWrap,
     .describe = described("是否自动折行", "wordWrap", kCodeLogical),
     .word = &stored_word<kLabelWordWordWrap>, .effect = kLabelRepaints},
    {.property = kLabelFont,
     .describe = described("字体", "font", kCodeFont),
     .block = &stored_block<kLabelBlockFont>, .effect = kLabelSetsFont},
    {.property = kLabelPicture,
     .describe = described("底图", "picture", kCodePicture),
     .block = &stored_block<kLabelBlockPicture>, .effect = kLabelSetsPicture},
    {.property = kLabelCaption,
     .describe = described("标题", "caption", kCodeText),
     .text = &member<&StoredBlock::caption>, .effect = kLabelSetsCaption},
    {.property = kLabelDataSource,
     .describe = described("数据源", "dataSource", kCodeDataSource),
     .text = &member<&StoredBlock::data_source>, .since = 2, .effect = kLabelRepaints},
    {.property = kLabelDataColumn,
     .describe = described("数据列", "dataColumn", kCodeDataColumn),
     .text = &member<&StoredBlock::data_column>, .since = 2, .effect = kLabelRepaints},
};
static_assert(std::size(kLabelFields) == kLabelPropertyCount - kCommonPropertyCount);

inline constexpr u32 kLabelGrey = 0x808080;
inline constexpr u32 kLabelWhite = 0xFFFFFF;

inline StoredBlock label_defaults() {
    StoredBlock b;
    b.words = {
        kEffectNone, 8, kLabelBorderNone,  // effect, gradient border width, border
        kLabelGrey, kLabelWhite, kLabelGrey,              // gradient border colours
        0x000000, kDefaultColour,          // text colour (black), background colour
        kPlaceTiled, 0,                    // picture placement, gradient mode (none)
        kLabelGrey, kLabelWhite, kLabelGrey,              // gradient background colours
        0, 1, 0,                           // left, vertically centred, no wrap
    };
    b.caption = "标签";
    return b;
}

inline constexpr auto kLabelDescriptors =
    property_descriptors<kLabelPropertyCount - kCommonPropertyCount>(kLabelFields);
static_assert(every_property_described(kLabelDescriptors));

inline const BlockLayout kLabelLayout = {2, kLabelFields, label_defaults, stored_block_texts<kLabelBlockFont, true>};

}  // namespace forms
