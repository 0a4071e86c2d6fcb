#include "forms/components/check_box_properties.h"

#include <iterator>

namespace forms {
namespace {

constexpr PropertyRow kRows[] = {
    {kCheckPicture, Slot::Block, kCheckBlockPicture, Keep::AsIs, 0, kCheckRebuilds},
    {kCheckPushLike, Slot::Word, kCheckWordPushLike, Keep::AsIs, 0, kCheckSetsStyle},
    {kCheckFlat, Slot::Word, kCheckWordFlat, Keep::AsIs, 0, kCheckSetsStyle},
    {kCheckCaption, Slot::Caption, 0, Keep::AsIs, 0, kCheckSetsCaption},
    {kCheckTextOnLeft, Slot::Word, kCheckWordTextOnLeft, Keep::AsIs, 0, kCheckSetsStyle},
    {kCheckAlignment, Slot::Word, kCheckWordAlignment, Keep::Choice, 2, kCheckSetsStyle},
    {kCheckVerticalAlignment, Slot::Word, kCheckWordVerticalAlignment, Keep::Choice, 2, kCheckSetsStyle},
    {kCheckTextColour, Slot::Word, kCheckWordTextColour, Keep::AsIs, 0, kCheckRepaints},
    {kCheckBackColour, Slot::Word, kCheckWordBackColour, Keep::AsIs, 0, kCheckSetsBackground},
    {kCheckFont, Slot::Block, kCheckBlockFont, Keep::AsIs, 0, kCheckSetsFont},
    {kCheckTicked, Slot::Word, kCheckWordTicked, Keep::AsIs, 0, kCheckSetsTick},
    // Check box only: the radio button's table ends above.
    {kCheckDataSource, Slot::DataSource, 0, Keep::AsIs, 0, kCheckRebinds},
    {kCheckDataColumn, Slot::DataColumn, 0, Keep::AsIs, 0, kCheckRebinds},
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

const StoredBlock& check_box_defaults() {
    static const StoredBlock defaults = check_defaults("选择框");
    return defaults;
}

const StoredBlock& radio_defaults() {
    static const StoredBlock defaults = check_defaults("单选框");
    return defaults;
}

}  // namespace

const BlockLayout kCheckBoxLayout = {{kCheckWordCount, 2, 2, true}, kRows, kCheckBlockFont, check_box_defaults};
const BlockLayout kRadioLayout = {{kCheckWordCount, 2, 1, false}, kRadioRows, kCheckBlockFont, radio_defaults};

}  // namespace forms
