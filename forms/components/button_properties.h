// The push button's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include <iterator>
#include <span>

#include "forms/common_properties.h"
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

enum ButtonKind : u32 { kButtonNormal = 0, kButtonDefault = 1 };

enum ButtonSetEffect : int {
    kButtonRebuilds,      // a picture changes the kind of platform button
    kButtonSetsKind,
    kButtonSetsAlignment,
    kButtonSetsCaption,
    kButtonSetsFont,
};

// In stored order: three words, the picture and font blocks, the caption.
inline constexpr PropertyRow kButtonFields[] = {
    {.property = kButtonKind,
     .describe = described("类型", "kind", kCodeChoice),
     .word = stored_word<kButtonKind>, .keep = Keep::Choice, .limit = kButtonDefault,
     .effect = kButtonSetsKind},
    {.property = kButtonAlignment,
     .describe = described("横向对齐方式", "alignment", kCodeChoice),
     .word = stored_word<kButtonAlignment>, .keep = Keep::Choice, .limit = 2, .initial = 1,
     .effect = kButtonSetsAlignment},
    {.property = kButtonVerticalAlignment,
     .describe = described("纵向对齐方式", "verticalAlignment", kCodeChoice),
     .word = stored_word<kButtonVerticalAlignment>, .keep = Keep::Choice,
     .limit = 2, .initial = 1, .effect = kButtonSetsAlignment},
    {.property = kButtonPicture,
     .describe = described("图片", "picture", kCodePicture),
     .block = stored_block<kButtonPicture>, .effect = kButtonRebuilds},
    {.property = kButtonFont,
     .describe = described("字体", "font", kCodeFont),
     .block = stored_block<kButtonFont>, .effect = kButtonSetsFont},
    {.property = kButtonCaption,
     .describe = described("标题", "caption", kCodeText),
     .text = member<&StoredBlock::caption>, .effect = kButtonSetsCaption},
};
static_assert(std::size(kButtonFields) == kButtonPropertyCount - kCommonPropertyCount);

inline StoredBlock button_defaults() { return stored_defaults(kButtonFields, "按钮"); }

inline constexpr auto kButtonDescriptors =
    property_descriptors<kButtonPropertyCount - kCommonPropertyCount>(kButtonFields);
static_assert(every_property_described(kButtonDescriptors));

inline constexpr BlockLayout kButtonLayout = {1, kButtonFields, button_defaults,
                                          stored_block_texts<kButtonFont, false>};

}  // namespace forms
