// The group box's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include <iterator>
#include <span>

#include "forms/common_properties.h"
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

enum GroupSetEffect : int {
    kGroupSetsCaption,
    kGroupSetsAlignment,
    kGroupRepaints,
    kGroupSetsBackground,
    kGroupSetsFont,
};

// In stored order: three words, the font block, the caption.
inline constexpr PropertyRow kGroupBoxFields[] = {
    {.property = kGroupAlignment,
     .describe = described("标题对齐方式", "alignment", kCodeChoice),
     .word = stored_word<kGroupAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kGroupSetsAlignment},
    {.property = kGroupCaptionColour,
     .describe = described("标题颜色", "captionColor", kCodeTextColour),
     .word = stored_word<kGroupCaptionColour>, .effect = kGroupRepaints},
    {.property = kGroupBackColour,
     .describe = described("背景颜色", "backColor", kCodeBackColour),
     .word = stored_word<kGroupBackColour>, .initial = kDefaultColour, .effect = kGroupSetsBackground},
    {.property = kGroupFont,
     .describe = described("字体", "font", kCodeFont),
     .block = stored_block<kGroupFont>, .effect = kGroupSetsFont},
    {.property = kGroupCaption,
     .describe = described("标题", "caption", kCodeText),
     .text = member<&StoredBlock::caption>, .effect = kGroupSetsCaption},
};
static_assert(std::size(kGroupBoxFields) == kGroupPropertyCount - kCommonPropertyCount);

inline StoredBlock group_box_defaults() { return stored_defaults(kGroupBoxFields, "分组框"); }

inline constexpr auto kGroupBoxDescriptors =
    property_descriptors<kGroupPropertyCount - kCommonPropertyCount>(kGroupBoxFields);
static_assert(every_property_described(kGroupBoxDescriptors));

inline constexpr BlockLayout kGroupBoxLayout = {1, kGroupBoxFields, group_box_defaults,
                                            stored_block_texts<kGroupFont, false>};

}  // namespace forms
