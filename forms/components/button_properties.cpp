#include "forms/components/button_properties.h"

#include <iterator>

namespace forms {
namespace {

// In stored order: three words, the picture and font blocks, the caption.
constexpr PropertyRow kRows[] = {
    {.property = kButtonKind, .word = &stored_word<kButtonWordKind>, .keep = Keep::Choice, .limit = kButtonDefault,
     .effect = kButtonSetsKind},
    {.property = kButtonAlignment, .word = &stored_word<kButtonWordAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kButtonSetsAlignment},
    {.property = kButtonVerticalAlignment, .word = &stored_word<kButtonWordVerticalAlignment>, .keep = Keep::Choice,
     .limit = 2, .effect = kButtonSetsAlignment},
    {.property = kButtonPicture, .block = &stored_block<kButtonBlockPicture>, .effect = kButtonRebuilds},
    {.property = kButtonFont, .block = &stored_block<kButtonBlockFont>, .effect = kButtonSetsFont},
    {.property = kButtonCaption, .text = &member<&StoredBlock::caption>, .effect = kButtonSetsCaption},
};
static_assert(std::size(kRows) == kButtonPropertyCount - kCommonPropertyCount);

StoredBlock button_defaults() {
    StoredBlock b;
    b.set_word(kButtonWordKind, kButtonNormal);
    b.set_word(kButtonWordAlignment, 1);
    b.set_word(kButtonWordVerticalAlignment, 1);
    b.caption = "按钮";
    return b;
}

}  // namespace

const BlockLayout kButtonLayout = {1, kRows, button_defaults, stored_block_texts<kButtonBlockFont, false>};

}  // namespace forms
