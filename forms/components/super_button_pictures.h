// One picture of the super button: the decoded image with its transparent pixels
// blacked out, the monochrome mask that marks them, and a copy for the embossed
// disabled look. Owns its bitmaps.
#pragma once
#include <windows.h>

#include "forms/component_type.h"
#include "forms/components/picture.h"
#include "forms/template_model.h"

namespace forms {

class PictureSlot {
public:
    PictureSlot() = default;
    ~PictureSlot();
    PictureSlot(PictureSlot&& other) noexcept;
    PictureSlot& operator=(PictureSlot&& other) noexcept;
    PictureSlot(const PictureSlot&) = delete;
    PictureSlot& operator=(const PictureSlot&) = delete;

    // Pixels of the transparent colour (kDefaultColour: the colour of the top-left
    // pixel) and fully transparent pixels show what is behind. Data that cannot be
    // decoded makes an empty slot.
    static PictureSlot make(const ByteBlock& data, u32 transparent);

    bool empty() const { return mask_ == nullptr; }
    SIZE size() const { return {picture_.width(), picture_.height()}; }

    // Through the mask: the mask ANDed, then the picture ORed.
    void draw(HDC dc, int x, int y) const;
    // Embossed in the platform's disabled look.
    void draw_disabled(HDC dc, int x, int y) const;

private:
    void reset();

    Picture picture_;    // transparent pixels black
    Picture on_white_;   // transparent pixels white: the disabled look ignores white
    HBITMAP mask_ = nullptr;  // 1 where transparent
};

}  // namespace forms
