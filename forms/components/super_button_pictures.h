// One picture of the super button: the decoded image with its transparent pixels
// blacked out, the monochrome mask that marks them, and a copy for the embossed
// disabled look. Owns its bitmaps.
#pragma once
#include <windows.h>

#include "forms/component_type.h"
#include "forms/components/picture.h"
#include "forms/template_model.h"
#include "runtime/handle_owners.h"

namespace forms {

class PictureSlot {
public:
    // Pixels of the transparent colour (kDefaultColour: the colour of the top-left
    // pixel) and fully transparent pixels show what is behind. Data that cannot be
    // decoded makes an empty slot. The picture is sized for `dpi`.
    static PictureSlot make(const ByteBlock& data, u32 transparent, int dpi);

    bool empty() const { return !mask_; }
    SIZE size() const { return {picture_.width(), picture_.height()}; }

    // Through the mask: the mask ANDed, then the picture ORed.
    void draw(HDC dc, int x, int y) const;
    // Embossed in the platform's disabled look.
    void draw_disabled(HDC dc, int x, int y) const;

private:
    Picture picture_;    // transparent pixels black
    Picture on_white_;   // transparent pixels white: the disabled look ignores white
    rt::GdiObject<HBITMAP> mask_;  // 1 where transparent
};

}  // namespace forms
