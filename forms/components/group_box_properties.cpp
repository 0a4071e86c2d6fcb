#include "forms/components/group_box_properties.h"

#include <iterator>

namespace forms {
namespace {

constexpr PropertyRow kRows[] = {
    {kGroupCaption, Slot::Caption, 0, Keep::AsIs, 0, kGroupSetsCaption},
    {kGroupAlignment, Slot::Word, kGroupWordAlignment, Keep::Choice, 2, kGroupSetsAlignment},
    {kGroupCaptionColour, Slot::Word, kGroupWordCaptionColour, Keep::AsIs, 0, kGroupRepaints},
    {kGroupBackColour, Slot::Word, kGroupWordBackColour, Keep::AsIs, 0, kGroupSetsBackground},
    {kGroupFont, Slot::Block, kGroupBlockFont, Keep::AsIs, 0, kGroupSetsFont},
};
static_assert(std::size(kRows) == kGroupPropertyCount - kCommonPropertyCount);

const StoredBlock& group_box_defaults() {
    static const StoredBlock defaults = [] {
        StoredBlock b;
        b.set_word(kGroupWordAlignment, 0);
        b.set_word(kGroupWordCaptionColour, 0x000000);
        b.set_word(kGroupWordBackColour, kDefaultColour);
        b.caption = "分组框";
        return b;
    }();
    return defaults;
}

}  // namespace

const BlockLayout kGroupBoxLayout = {{3, 1, 1, false}, kRows, kGroupBlockFont, group_box_defaults};

}  // namespace forms
