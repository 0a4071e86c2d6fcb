#include "forms/components/group_box_properties.h"

#include <iterator>

namespace forms {
namespace {

// In stored order: three words, the font block, the caption.
constexpr PropertyRow kRows[] = {
    {.property = kGroupAlignment, .word = &stored_word<kGroupWordAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kGroupSetsAlignment},
    {.property = kGroupCaptionColour, .word = &stored_word<kGroupWordCaptionColour>, .effect = kGroupRepaints},
    {.property = kGroupBackColour, .word = &stored_word<kGroupWordBackColour>, .effect = kGroupSetsBackground},
    {.property = kGroupFont, .block = &stored_block<kGroupBlockFont>, .effect = kGroupSetsFont},
    {.property = kGroupCaption, .text = &member<&StoredBlock::caption>, .effect = kGroupSetsCaption},
};
static_assert(std::size(kRows) == kGroupPropertyCount - kCommonPropertyCount);

StoredBlock group_box_defaults() {
    StoredBlock b;
    b.set_word(kGroupWordAlignment, 0);
    b.set_word(kGroupWordCaptionColour, 0x000000);
    b.set_word(kGroupWordBackColour, kDefaultColour);
    b.caption = "分组框";
    return b;
}

}  // namespace

const BlockLayout kGroupBoxLayout = {1, kRows, group_box_defaults, stored_block_texts<kGroupBlockFont, false>};

}  // namespace forms
