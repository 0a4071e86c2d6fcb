// Carries out a planned look on a device context: frame, background, border,
// picture, caption, focus rectangle.
#pragma once
#include <windows.h>

#include <string>

#include "forms/components/super_button_look.h"
#include "forms/components/super_button_pictures.h"

namespace forms {

void paint_super_button(HDC dc, const Look& look, const std::string& caption, HFONT font,
                        const PictureSlot (&slots)[kSlotCount]);

}  // namespace forms
