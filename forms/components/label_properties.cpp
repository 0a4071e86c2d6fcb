#include "forms/components/label_properties.h"

#include <iterator>

namespace forms {
namespace {

constexpr PropertyRow kRows[] = {
    {kLabelCaption, Slot::Caption, 0, Keep::AsIs, 0, kLabelSetsCaption},
    {kLabelEffect, Slot::Word, kLabelWordEffect, Keep::Choice, kEffectShadow, kLabelRepaints},
    {kLabelBorder, Slot::Word, kLabelWordBorder, Keep::Choice, kLabelBorderGradient, kLabelSetsBorder},
    {kLabelBorderWidth, Slot::Word, kLabelWordBorderWidth, Keep::AtLeast, kLabelMinBorderWidth, kLabelRepaints},
    {kLabelBorderColour1, Slot::Word, kLabelWordBorderColour1, Keep::AsIs, 0, kLabelRepaints},
    {kLabelBorderColour2, Slot::Word, kLabelWordBorderColour1 + 1, Keep::AsIs, 0, kLabelRepaints},
    {kLabelBorderColour3, Slot::Word, kLabelWordBorderColour1 + 2, Keep::AsIs, 0, kLabelRepaints},
    {kLabelFont, Slot::Block, kLabelBlockFont, Keep::AsIs, 0, kLabelSetsFont},
    {kLabelTextColour, Slot::Word, kLabelWordTextColour, Keep::AsIs, 0, kLabelRepaints},
    {kLabelBackColour, Slot::Word, kLabelWordBackColour, Keep::AsIs, 0, kLabelRepaints},
    {kLabelPicture, Slot::Block, kLabelBlockPicture, Keep::AsIs, 0, kLabelSetsPicture},
    {kLabelPicturePlacement, Slot::Word, kLabelWordPlacement, Keep::Choice, kPlaceCentredShrunk, kLabelRepaints},
    {kLabelGradientMode, Slot::Word, kLabelWordGradientMode, Keep::Choice, kLabelGradientModes, kLabelRepaints},
    {kLabelGradientColour1, Slot::Word, kLabelWordGradientColour1, Keep::AsIs, 0, kLabelRepaints},
    {kLabelGradientColour2, Slot::Word, kLabelWordGradientColour1 + 1, Keep::AsIs, 0, kLabelRepaints},
    {kLabelGradientColour3, Slot::Word, kLabelWordGradientColour1 + 2, Keep::AsIs, 0, kLabelRepaints},
    {kLabelAlignment, Slot::Word, kLabelWordAlignment, Keep::Choice, 2, kLabelRepaints},
    {kLabelWordWrap, Slot::Word, kLabelWordWordWrap, Keep::AsIs, 0, kLabelRepaints},
    {kLabelVerticalAlignment, Slot::Word, kLabelWordVerticalAlignment, Keep::Choice, 2, kLabelRepaints},
    {kLabelDataSource, Slot::DataSource, 0, Keep::AsIs, 0, kLabelRepaints},
    {kLabelDataColumn, Slot::DataColumn, 0, Keep::AsIs, 0, kLabelRepaints},
};
static_assert(std::size(kRows) == kLabelPropertyCount - kCommonPropertyCount);

constexpr u32 kGrey = 0x808080;
constexpr u32 kWhite = 0xFFFFFF;

const StoredBlock& label_defaults() {
    static const StoredBlock defaults = [] {
        StoredBlock b;
        b.words = {
            kEffectNone, 8, kLabelBorderNone,  // effect, gradient border width, border
            kGrey, kWhite, kGrey,              // gradient border colours
            0x000000, kDefaultColour,          // text colour (black), background colour
            kPlaceTiled, 0,                    // picture placement, gradient mode (none)
            kGrey, kWhite, kGrey,              // gradient background colours
            0, 1, 0,                           // left, vertically centred, no wrap
        };
        b.caption = "标签";
        return b;
    }();
    return defaults;
}

}  // namespace

const BlockLayout kLabelLayout = {{kLabelWordCount, 2, 2, true}, kRows, kLabelBlockFont, label_defaults};

}  // namespace forms
