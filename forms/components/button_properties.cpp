#include "forms/components/button_properties.h"

#include <iterator>

namespace forms {
namespace {

constexpr PropertyRow kRows[] = {
    {kButtonPicture, Slot::Block, kButtonBlockPicture, Keep::AsIs, 0, kButtonRebuilds},
    {kButtonKind, Slot::Word, kButtonWordKind, Keep::Choice, kButtonDefault, kButtonSetsKind},
    {kButtonCaption, Slot::Caption, 0, Keep::AsIs, 0, kButtonSetsCaption},
    {kButtonAlignment, Slot::Word, kButtonWordAlignment, Keep::Choice, 2, kButtonSetsAlignment},
    {kButtonVerticalAlignment, Slot::Word, kButtonWordVerticalAlignment, Keep::Choice, 2, kButtonSetsAlignment},
    {kButtonFont, Slot::Block, kButtonBlockFont, Keep::AsIs, 0, kButtonSetsFont},
};
static_assert(std::size(kRows) == kButtonPropertyCount - kCommonPropertyCount);

const StoredBlock& button_defaults() {
    static const StoredBlock defaults = [] {
        StoredBlock b;
        b.set_word(kButtonWordKind, kButtonNormal);
        b.set_word(kButtonWordAlignment, 1);
        b.set_word(kButtonWordVerticalAlignment, 1);
        b.caption = "按钮";
        return b;
    }();
    return defaults;
}

}  // namespace

const BlockLayout kButtonLayout = {{3, 2, 1, false}, kRows, kButtonBlockFont, button_defaults};

}  // namespace forms
