// The group box's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

enum GroupBoxWord : int { kGroupWordAlignment = 1, kGroupWordCaptionColour = 2, kGroupWordBackColour = 3 };
enum GroupBoxBlock : int { kGroupBlockFont = 1 };

enum GroupSetEffect : int {
    kGroupSetsCaption,
    kGroupSetsAlignment,
    kGroupRepaints,
    kGroupSetsBackground,
    kGroupSetsFont,
};

extern const BlockLayout kGroupBoxLayout;

}  // namespace forms
