// Icons and cursors made from the bytes of an icon (.ico) or cursor (.cur) file, as
// picture, icon and cursor properties carry them.
#pragma once
#include <windows.h>

#include "forms/template_model.h"

namespace forms {

enum class ImageKind { Icon, Cursor };

// Picks the image whose size is nearest the wanted one (the platform's default size
// for 0) and makes an icon or cursor the caller owns; null for anything else than a
// well-formed file of that kind.
HICON icon_from_file_image(const std::uint8_t* data, u32 length, ImageKind kind, int want_width = 0,
                           int want_height = 0);

}  // namespace forms
