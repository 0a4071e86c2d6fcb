// Laying a decoded picture into a rectangle: what a label and a window do with their
// background pictures. The placement choice is the property value:
//
//   0  at the top left, actual size, clipped
//   1  tiled from the top left
//   2  centred; shrunk to fit (keeping its proportions) when larger, never enlarged
//
// Other values place it as 2. The picture's alpha blends over what is already drawn.
// A picture's pixels are template pixels: at `dpi` it is drawn that much larger.
#pragma once
#include <windows.h>

#include "forms/components/picture.h"

namespace forms {

enum PicturePlacement : u32 { kPlaceTopLeft = 0, kPlaceTiled = 1, kPlaceCentredShrunk = 2 };

void place_picture(HDC dc, const RECT& area, const Picture& picture, u32 placement, int dpi);

}  // namespace forms
