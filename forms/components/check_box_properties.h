// The properties the check box and the radio button share (the radio button lacks the
// two data-binding names): their indexes, where the block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/button_block_object.h"

namespace forms {

enum CheckProperty : i32 {
    kCheckPicture = 8,
    kCheckPushLike = 9,
    kCheckFlat = 10,
    kCheckCaption = 11,
    kCheckTextOnLeft = 12,
    kCheckAlignment = 13,
    kCheckVerticalAlignment = 14,
    kCheckTextColour = 15,
    kCheckBackColour = 16,
    kCheckFont = 17,
    kCheckTicked = 18,
    kCheckDataSource = 19,  // check box only
    kCheckDataColumn = 20,  // check box only
    kCheckBoxPropertyCount = 21,
    kRadioPropertyCount = 19,
};

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
