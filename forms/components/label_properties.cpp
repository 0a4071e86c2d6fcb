#include "forms/components/label_properties.h"

#include <iterator>

#include "forms/components/picture_placement.h"

namespace forms {
namespace {

// In stored order: the sixteen words, the two blocks, the caption, then the binding
// names that version 2 added.
constexpr PropertyRow kRows[] = {
    {.property = kLabelEffect, .word = &stored_word<kLabelWordEffect>, .keep = Keep::Choice, .limit = kEffectShadow,
     .effect = kLabelRepaints},
    {.property = kLabelBorderWidth, .word = &stored_word<kLabelWordBorderWidth>, .keep = Keep::AtLeast, .limit = kLabelMinBorderWidth,
     .effect = kLabelRepaints},
    {.property = kLabelBorder, .word = &stored_word<kLabelWordBorder>, .keep = Keep::Choice, .limit = kLabelBorderGradient,
     .effect = kLabelSetsBorder},
    {.property = kLabelBorderColour1, .word = &stored_word<kLabelWordBorderColour1>, .effect = kLabelRepaints},
    {.property = kLabelBorderColour2, .word = &stored_word<kLabelWordBorderColour2>, .effect = kLabelRepaints},
    {.property = kLabelBorderColour3, .word = &stored_word<kLabelWordBorderColour3>, .effect = kLabelRepaints},
    {.property = kLabelTextColour, .word = &stored_word<kLabelWordTextColour>, .effect = kLabelRepaints},
    {.property = kLabelBackColour, .word = &stored_word<kLabelWordBackColour>, .effect = kLabelRepaints},
    {.property = kLabelPicturePlacement, .word = &stored_word<kLabelWordPlacement>, .keep = Keep::Choice, .limit = kPlaceCentredShrunk,
     .effect = kLabelRepaints},
    {.property = kLabelGradientMode, .word = &stored_word<kLabelWordGradientMode>, .keep = Keep::Choice, .limit = kLabelGradientModes,
     .effect = kLabelRepaints},
    {.property = kLabelGradientColour1, .word = &stored_word<kLabelWordGradientColour1>, .effect = kLabelRepaints},
    {.property = kLabelGradientColour2, .word = &stored_word<kLabelWordGradientColour2>, .effect = kLabelRepaints},
    {.property = kLabelGradientColour3, .word = &stored_word<kLabelWordGradientColour3>, .effect = kLabelRepaints},
    {.property = kLabelAlignment, .word = &stored_word<kLabelWordAlignment>, .keep = Keep::Choice, .limit = 2, .effect = kLabelRepaints},
    {.property = kLabelVerticalAlignment, .word = &stored_word<kLabelWordVerticalAlignment>, .keep = Keep::Choice, .limit = 2,
     .effect = kLabelRepaints},
    {.property = kLabelWordWrap, .word = &stored_word<kLabelWordWordWrap>, .effect = kLabelRepaints},
    {.property = kLabelFont, .block = &stored_block<kLabelBlockFont>, .effect = kLabelSetsFont},
    {.property = kLabelPicture, .block = &stored_block<kLabelBlockPicture>, .effect = kLabelSetsPicture},
    {.property = kLabelCaption, .text = &member<&StoredBlock::caption>, .effect = kLabelSetsCaption},
    {.property = kLabelDataSource, .text = &member<&StoredBlock::data_source>, .since = 2, .effect = kLabelRepaints},
    {.property = kLabelDataColumn, .text = &member<&StoredBlock::data_column>, .since = 2, .effect = kLabelRepaints},
};
static_assert(std::size(kRows) == kLabelPropertyCount - kCommonPropertyCount);

constexpr u32 kGrey = 0x808080;
constexpr u32 kWhite = 0xFFFFFF;

StoredBlock label_defaults() {
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
}

}  // namespace

const BlockLayout kLabelLayout = {2, kRows, label_defaults, stored_block_texts<kLabelBlockFont, true>};

}  // namespace forms
