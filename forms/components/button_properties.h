// The push button's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/button_block_object.h"

namespace forms {

enum ButtonProperty : i32 {
    kButtonPicture = 8,
    kButtonKind = 9,
    kButtonCaption = 10,
    kButtonAlignment = 11,
    kButtonVerticalAlignment = 12,
    kButtonFont = 13,
    kButtonPropertyCount = 14,
};

enum ButtonWord : int { kButtonWordKind = 1, kButtonWordAlignment = 2, kButtonWordVerticalAlignment = 3 };
enum ButtonBlock : int { kButtonBlockPicture = 1, kButtonBlockFont = 2 };
enum ButtonKind : u32 { kButtonNormal = 0, kButtonDefault = 1 };

enum ButtonSetEffect : int {
    kButtonRebuilds,      // a picture changes the kind of platform button
    kButtonSetsKind,
    kButtonSetsAlignment,
    kButtonSetsCaption,
    kButtonSetsFont,
};

extern const BlockLayout kButtonLayout;

}  // namespace forms
