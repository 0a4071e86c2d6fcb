// The label's whole property description: where its block keeps each property,
// how a written value is kept, what setting it does, its names and type code, and
// the defaults. A new property is a row here and its index in
// forms/property_indexes.h; the template tools take their layout from the rows.
#pragma once
#include <iterator>
#include <span>

#include "forms/common_properties.h"
#include "forms/components/block_object.h"
#include "forms/components/picture_placement.h"
#include "forms/property_indexes.h"

namespace forms {

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
inline constexpr u32 kLabelGrey = 0x808080;
inline constexpr u32 kLabelWhite = 0xFFFFFF;

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
     .word = stored_word<kLabelEffect>, .keep = Keep::Choice, .limit = kEffectShadow,
     .effect = kLabelRepaints},
    {.property = kLabelBorderWidth,
     .describe = described("渐变边框宽度", "gradientBorderWidth", kCodeInteger2),
     .word = stored_word<kLabelBorderWidth>, .keep = Keep::AtLeast, .limit = kLabelMinBorderWidth, .initial = 8,
     .effect = kLabelRepaints},
    {.property = kLabelBorder,
     .describe = described("边框", "border", kCodeChoice),
     .word = stored_word<kLabelBorder>, .keep = Keep::Choice, .limit = kLabelBorderGradient,
     .effect = kLabelSetsBorder},
    {.property = kLabelBorderColour1,
     .describe = described("渐变边框颜色1", "gradientBorderColor1", kCodeColour),
     .word = stored_word<kLabelBorderColour1>, .initial = kLabelGrey, .effect = kLabelRepaints},
    {.property = kLabelBorderColour2,
     .describe = described("渐变边框颜色2", "gradientBorderColor2", kCodeColour),
     .word = stored_word<kLabelBorderColour2>, .initial = kLabelWhite, .effect = kLabelRepaints},
    {.property = kLabelBorderColour3,
     .describe = described("渐变边框颜色3", "gradientBorderColor3", kCodeColour),
     .word = stored_word<kLabelBorderColour3>, .initial = kLabelGrey, .effect = kLabelRepaints},
    {.property = kLabelTextColour,
     .describe = described("文本颜色", "textColor", kCodeTextColour),
     .word = stored_word<kLabelTextColour>, .effect = kLabelRepaints},
    {.property = kLabelBackColour,
     .describe = described("背景颜色", "backColor", kCodeBackColour),
     .word = stored_word<kLabelBackColour>, .initial = kDefaultColour, .effect = kLabelRepaints},
    {.property = kLabelPicturePlacement,
     .describe = described("底图方式", "pictureMode", kCodeChoice),
     .word = stored_word<kLabelPicturePlacement>, .keep = Keep::Choice, .limit = kPlaceCentredShrunk,
     .initial = kPlaceTiled,
     .effect = kLabelRepaints},
    {.property = kLabelGradientMode,
     .describe = described("渐变背景方式", "gradientMode", kCodeChoice),
     .word = stored_word<kLabelGradientMode>, .keep = Keep::Choice, .limit = kLabelGradientModes,
     .effect = kLabelRepaints},
    {.property = kLabelGradientColour1,
     .describe = described("渐变背景颜色1", "gradientColor1", kCodeColour),
     .word = stored_word<kLabelGradientColour1>, .initial = kLabelGrey, .effect = kLabelRepaints},
    {.property = kLabelGradientColour2,
     .describe = described("渐变背景颜色2", "gradientColor2", kCodeColour),
     .word = stored_word<kLabelGradientColour2>, .initial = kLabelWhite, .effect = kLabelRepaints},
    {.property = kLabelGradientColour3,
     .describe = described("渐变背景颜色3", "gradientColor3", kCodeColour),
     .word = stored_word<kLabelGradientColour3>, .initial = kLabelGrey, .effect = kLabelRepaints},
    {.property = kLabelAlignment,
     .describe = described("横向对齐方式", "alignment", kCodeChoice),
     .word = stored_word<kLabelAlignment>, .keep = Keep::Choice, .limit = 2, .effect = kLabelRepaints},
    {.property = kLabelVerticalAlignment,
     .describe = described("纵向对齐方式", "verticalAlignment", kCodeChoice),
     .word = stored_word<kLabelVerticalAlignment>, .keep = Keep::Choice, .limit = 2, .initial = 1,
     .effect = kLabelRepaints},
    {.property = kLabelWordWrap,
     .describe = described("是否自动折行", "wordWrap", kCodeLogical),
     .word = stored_word<kLabelWordWrap>, .effect = kLabelRepaints},
    {.property = kLabelFont,
     .describe = described("字体", "font", kCodeFont),
     .block = stored_block<kLabelFont>, .effect = kLabelSetsFont},
    {.property = kLabelPicture,
     .describe = described("底图", "picture", kCodePicture),
     .block = stored_block<kLabelPicture>, .effect = kLabelSetsPicture},
    {.property = kLabelCaption,
     .describe = described("标题", "caption", kCodeText),
     .text = member<&StoredBlock::caption>, .effect = kLabelSetsCaption},
    {.property = kLabelDataSource,
     .describe = described("数据源", "dataSource", kCodeDataSource),
     .text = member<&StoredBlock::data_source>, .since = 2, .effect = kLabelRepaints},
    {.property = kLabelDataColumn,
     .describe = described("数据列", "dataColumn", kCodeDataColumn),
     .text = member<&StoredBlock::data_column>, .since = 2, .effect = kLabelRepaints},
};
static_assert(std::size(kLabelFields) == kLabelPropertyCount - kCommonPropertyCount);

inline StoredBlock label_defaults() { return stored_defaults(kLabelFields, "标签"); }

inline constexpr auto kLabelDescriptors =
    property_descriptors<kLabelPropertyCount - kCommonPropertyCount>(kLabelFields);
static_assert(every_property_described(kLabelDescriptors));

inline constexpr BlockLayout kLabelLayout = {2, kLabelFields, label_defaults,
                                             stored_block_texts<kLabelFont, true>};

}  // namespace forms
