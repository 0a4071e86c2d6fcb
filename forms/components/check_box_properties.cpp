#include "forms/components/check_box_properties.h"

#include <iterator>

namespace forms {
namespace {

// In stored order: eight words, the picture and font blocks, the caption, then the
// check box's binding names that version 2 added. The radio button's table ends
// before them.
constexpr PropertyRow kRows[] = {
    {.property = kCheckPushLike, .word = &stored_word<kCheckWordPushLike>, .effect = kCheckSetsStyle},
    {.property = kCheckFlat, .word = &stored_word<kCheckWordFlat>, .effect = kCheckSetsStyle},
    {.property = kCheckTextOnLeft, .word = &stored_word<kCheckWordTextOnLeft>, .effect = kCheckSetsStyle},
    {.property = kCheckAlignment, .word = &stored_word<kCheckWordAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kCheckSetsStyle},
    {.property = kCheckVerticalAlignment, .word = &stored_word<kCheckWordVerticalAlignment>, .keep = Keep::Choice,
     .limit = 2, .effect = kCheckSetsStyle},
    {.property = kCheckTextColour, .word = &stored_word<kCheckWordTextColour>, .effect = kCheckRepaints},
    {.property = kCheckBackColour, .word = &stored_word<kCheckWordBackColour>, .effect = kCheckSetsBackground},
    {.property = kCheckTicked, .word = &stored_word<kCheckWordTicked>, .effect = kCheckSetsTick},
    {.property = kCheckPicture, .block = &stored_block<kCheckBlockPicture>, .effect = kCheckRebuilds},
    {.property = kCheckFont, .block = &stored_block<kCheckBlockFont>, .effect = kCheckSetsFont},
    {.property = kCheckCaption, .text = &member<&StoredBlock::caption>, .effect = kCheckSetsCaption},
    // Check box only.
    {.property = kCheckDataSource, .text = &member<&StoredBlock::data_source>, .since = 2, .effect = kCheckRebinds},
    {.property = kCheckDataColumn, .text = &member<&StoredBlock::data_column>, .since = 2, .effect = kCheckRebinds},
};
static_assert(std::size(kRows) == kCheckBoxPropertyCount - kCommonPropertyCount);
constexpr std::span<const PropertyRow> kRadioRows(kRows, kRadioPropertyCount - kCommonPropertyCount);

StoredBlock check_defaults(const char* caption) {
    StoredBlock b;
    b.set_word(kCheckWordAlignment, 0);
    b.set_word(kCheckWordVerticalAlignment, 1);
    b.set_word(kCheckWordTextColour, 0x000000);
    b.set_word(kCheckWordBackColour, kDefaultColour);
    b.caption = caption;
    return b;
}

StoredBlock check_box_defaults() { return check_defaults("选择框"); }

StoredBlock radio_defaults() { return check_defaults("单选框"); }

}  // namespace

const BlockLayout kCheckBoxLayout = {2, kRows, check_box_defaults, stored_block_texts<kCheckBlockFont, true>};
const BlockLayout kRadioLayout = {1, kRadioRows, radio_defaults, stored_block_texts<kCheckBlockFont, false>};

}  // namespace forms
