#include "forms/components/button_picture.h"

#include "forms/components/picture_scale.h"

namespace forms {

void ButtonPicture::load(const ByteBlock& data, COLORREF background, int dpi) {
    source_ = data.empty() ? Picture() : picture_at(decode_picture(data.data(), static_cast<u32>(data.size())), dpi);
    shown_ = source_ && !source_.is_icon() ? source_.over(background) : Picture();
    if (source_ && !source_.is_icon() && !shown_) source_ = Picture();  // no bitmap to show after all
}

DWORD ButtonPicture::style() const {
    if (!source_) return 0;
    return source_.is_icon() ? BS_ICON : BS_BITMAP;
}

void ButtonPicture::show_on(HWND window) const {
    if (!source_) return;
    if (source_.is_icon())
        SendMessageW(window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(source_.icon()));
    else
        SendMessageW(window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown_.bitmap()));
}

void ButtonPicture::recolour(HWND window, COLORREF background) {
    if (!source_ || source_.is_icon()) return;
    Picture composed = source_.over(background);
    if (!composed) return;
    // The control lets go of the old bitmap before it is deleted.
    SendMessageW(window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(composed.bitmap()));
    shown_ = std::move(composed);
}

}  // namespace forms
