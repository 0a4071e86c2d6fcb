// The group box's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/button_block_object.h"

namespace forms {

enum GroupBoxProperty : i32 {
    kGroupCaption = 8,
    kGroupAlignment = 9,
    kGroupCaptionColour = 10,
    kGroupBackColour = 11,
    kGroupFont = 12,
    kGroupPropertyCount = 13,
};

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
