// The properties the check box and the radio button share (the radio button lacks the
// two data-binding names): their indexes, where the block keeps them, and what
// setting each one does.
#pragma once
#include <iterator>
#include <span>

#include "forms/common_properties.h"
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

enum CheckSetEffect : int {
    kCheckRebuilds,       // a picture changes the kind of platform button
    kCheckSetsStyle,      // a style switched on or off
    kCheckSetsCaption,
    kCheckRepaints,
    kCheckSetsBackground,
    kCheckSetsFont,
    kCheckSetsTick,
    kCheckRebinds,        // data-binding names: no data source exists to bind to
};

// In stored order: eight words, the picture and font blocks, the caption, then the
// check box's binding names that version 2 added. The radio button's table ends
// before them.
inline constexpr PropertyRow kCheckBoxFields[] = {
    {.property = kCheckPushLike,
     .describe = described("按钮形式", "pushLike", kCodeLogical),
     .word = stored_word<kCheckPushLike>, .effect = kCheckSetsStyle},
    {.property = kCheckFlat,
     .describe = described("平面", "flat", kCodeLogical),
     .word = stored_word<kCheckFlat>, .effect = kCheckSetsStyle},
    {.property = kCheckTextOnLeft,
     .describe = described("标题居左", "textOnLeft", kCodeLogical),
     .word = stored_word<kCheckTextOnLeft>, .effect = kCheckSetsStyle},
    {.property = kCheckAlignment,
     .describe = described("横向对齐方式", "alignment", kCodeChoice),
     .word = stored_word<kCheckAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kCheckSetsStyle},
    {.property = kCheckVerticalAlignment,
     .describe = described("纵向对齐方式", "verticalAlignment", kCodeChoice),
     .word = stored_word<kCheckVerticalAlignment>, .keep = Keep::Choice,
     .limit = 2, .initial = 1, .effect = kCheckSetsStyle},
    {.property = kCheckTextColour,
     .describe = described("文本颜色", "textColor", kCodeTextColour),
     .word = stored_word<kCheckTextColour>, .effect = kCheckRepaints},
    {.property = kCheckBackColour,
     .describe = described("背景颜色", "backColor", kCodeBackColour),
     .word = stored_word<kCheckBackColour>, .initial = kDefaultColour, .effect = kCheckSetsBackground},
    {.property = kCheckTicked,
     .describe = described("选中", "checked", kCodeLogical),
     .word = stored_word<kCheckTicked>, .effect = kCheckSetsTick},
    {.property = kCheckPicture,
     .describe = described("图片", "picture", kCodePicture),
     .block = stored_block<kCheckPicture>, .effect = kCheckRebuilds},
    {.property = kCheckFont,
     .describe = described("字体", "font", kCodeFont),
     .block = stored_block<kCheckFont>, .effect = kCheckSetsFont},
    {.property = kCheckCaption,
     .describe = described("标题", "caption", kCodeText),
     .text = member<&StoredBlock::caption>, .effect = kCheckSetsCaption},
    // Check box only.
    {.property = kCheckDataSource,
     .describe = described("数据源", "dataSource", kCodeDataSource),
     .text = member<&StoredBlock::data_source>, .since = 2, .effect = kCheckRebinds},
    {.property = kCheckDataColumn,
     .describe = described("数据列", "dataColumn", kCodeDataColumn),
     .text = member<&StoredBlock::data_column>, .since = 2, .effect = kCheckRebinds},
};
static_assert(std::size(kCheckBoxFields) == kCheckBoxPropertyCount - kCommonPropertyCount);
inline constexpr std::span<const PropertyRow> kRadioFields(kCheckBoxFields,
                                                            kRadioPropertyCount - kCommonPropertyCount);

inline StoredBlock check_box_defaults() { return stored_defaults(kCheckBoxFields, "选择框"); }

inline StoredBlock radio_defaults() { return stored_defaults(kRadioFields, "单选框"); }

inline constexpr auto kCheckBoxDescriptors =
    property_descriptors<kCheckBoxPropertyCount - kCommonPropertyCount>(kCheckBoxFields);
static_assert(every_property_described(kCheckBoxDescriptors));

inline constexpr BlockLayout kCheckBoxLayout = {2, kCheckBoxFields, check_box_defaults,
                                            stored_block_texts<kCheckFont, true>};
inline constexpr BlockLayout kRadioLayout = {1, kRadioFields, radio_defaults,
                                             stored_block_texts<kCheckFont, false>};

}  // namespace forms
