// A picture's pixels are template pixels: shown at another DPI it is made that much
// larger (or smaller) first.
#pragma once
#include "forms/components/picture.h"

namespace forms {

// The picture at `dpi`, by nearest pixel so that transparent colours and alpha edges
// stay exactly as they were; at 96 DPI (or when the platform refuses a bitmap) the
// picture itself. An icon file's icon is made again at the new size.
Picture picture_at(Picture source, int dpi);

}  // namespace forms
