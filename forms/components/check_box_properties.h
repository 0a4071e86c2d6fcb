// The properties the check box and the radio button share (the radio button lacks the
// two data-binding names): their indexes, where the block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

enum CheckWord : int {
    kCheckWordPushLike = 1,
    kCheckWordFlat = 2,
    kCheckWordTextOnLeft = 3,
    kCheckWordAlignment = 4,
    kCheckWordVerticalAlignment = 5,
    kCheckWordTextColour = 6,
    kCheckWordBackColour = 7,
    kCheckWordTicked = 8,
    kCheckWordCount = 8,
};
enum CheckBlock : int { kCheckBlockPicture = 1, kCheckBlockFont = 2 };

enum CheckSetEffect : int {
    kCheckRebuilds,       // a picture changes the kind of platform button
    kCheckSetsStyle,      // a style switched on or off
    kCheckSetsCaption,
    kCheckRepaints,
    kCheckSetsBackground,
    kCheckSetsFont,
    kCheckSetsTick,
    kCheckRebinds,        // data-binding names: no data source exists to bind to
};

extern const BlockLayout kCheckBoxLayout;
extern const BlockLayout kRadioLayout;

}  // namespace forms
