// The push button's properties: their indexes, where its block keeps them, and what
// setting each one does.
#pragma once
#include "forms/components/block_object.h"
#include "forms/property_indexes.h"

namespace forms {

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
