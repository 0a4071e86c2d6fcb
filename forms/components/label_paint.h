// Painting a label, entirely our own: the gradient border, the background (picture,
// gradient or colour) and the caption with its alignment, wrap and effect.
#pragma once
#include <windows.h>

#include "forms/components/picture.h"
#include "forms/components/stored_block.h"

namespace forms {

struct LabelLook {
    const StoredBlock& stored;
    HFONT font;
    const Picture* picture;  // the decoded background picture, null without one
    int dpi;                 // the picture and the border width are in template pixels
};

void paint_label(HDC dc, const RECT& client, const LabelLook& look);

// The rectangle left inside the gradient border (the whole client rectangle when
// the label draws no border of its own).
RECT label_content_rect(const RECT& client, const StoredBlock& stored, int dpi);

}  // namespace forms
