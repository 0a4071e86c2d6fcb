// The label's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/block_object.h"
#include "forms/components/picture_placement.h"
#include "forms/property_indexes.h"

namespace forms {

// The integer words of the label's block, numbered in stored order from 1.
enum LabelWord : int {
    kLabelWordEffect = 1,
    kLabelWordBorderWidth = 2,
    kLabelWordBorder = 3,
    kLabelWordBorderColour1 = 4,
    kLabelWordBorderColour2 = 5,
    kLabelWordBorderColour3 = 6,
    kLabelWordTextColour = 7,
    kLabelWordBackColour = 8,
    kLabelWordPlacement = 9,
    kLabelWordGradientMode = 10,
    kLabelWordGradientColour1 = 11,
    kLabelWordGradientColour2 = 12,
    kLabelWordGradientColour3 = 13,
    kLabelWordAlignment = 14,
    kLabelWordVerticalAlignment = 15,
    kLabelWordWordWrap = 16,
    kLabelWordCount = 16,
};
enum LabelBlock : int { kLabelBlockFont = 1, kLabelBlockPicture = 2 };

enum LabelEffect : u32 { kEffectNone = 0, kEffectRaised = 1, kEffectEngraved = 2, kEffectShadow = 3 };
enum LabelBorder : u32 {
    kLabelBorderNone = 0,
    kLabelBorderSunken = 1,
    kLabelBorderRaisedFrame = 2,
    kLabelBorderThinSunken = 3,
    kLabelBorderSunkenRaised = 4,
    kLabelBorderSingle = 5,
    kLabelBorderGradient = 6,
};

inline constexpr u32 kLabelMinBorderWidth = 5;  // a gradient border set at run time is at least this wide
inline constexpr u32 kLabelGradientModes = 8;

// What setting a label property does after the value is stored.
enum LabelSetEffect : int {
    kLabelRepaints = 0,  // every change repaints
    kLabelSetsCaption,   // also the platform window text
    kLabelSetsBorder,    // also the platform frame
    kLabelSetsFont,      // a new font
    kLabelSetsPicture,   // the decoded picture is dropped
};

extern const BlockLayout kLabelLayout;

}  // namespace forms
