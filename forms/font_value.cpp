#include "forms/font_value.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <string>

#include "runtime/handle_owners.h"
#include "runtime/memory.h"
#include "runtime/platform_text.h"
#include "runtime/texts.h"

namespace forms {
namespace {

constexpr LONG kBoldWeight = 700;
constexpr size_t kFaceCapacity = LF_FACESIZE;  // 32 including the NUL

// Angles are kept as 0 ... 3599 tenths of a degree.
LONG normal_angle(i32 tenths) {
    const i32 a = tenths % 3600;
    return a < 0 ? a + 3600 : a;
}

LONG height_of(i32 points) { return -MulDiv(points < 0 ? 0 : points, pixels_per_inch(), 72); }
i32 points_of(LONG height) { return MulDiv(height < 0 ? -height : height, 72, pixels_per_inch()); }

void set_face(LOGFONTA* font, const char* face, size_t longest_kept) {
    const size_t n = face ? std::strlen(face) : 0;
    const char* chosen = n > longest_kept ? kFallbackFace : (face ? face : "");
    std::memset(font->lfFaceName, 0, sizeof font->lfFaceName);
    std::strncpy(font->lfFaceName, chosen, kFaceCapacity - 1);
}

}  // namespace

const char kFallbackFace[] = "宋体";

LOGFONTA default_gui_font() {
    LOGFONTW platform = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof platform, &platform);
    LOGFONTA font;
    static_assert(offsetof(LOGFONTA, lfFaceName) == offsetof(LOGFONTW, lfFaceName));
    std::memcpy(&font, &platform, offsetof(LOGFONTA, lfFaceName));
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    // The face is cut after the last whole character that fits.
    const std::string face = rt::from_platform(platform.lfFaceName);
    size_t kept = 0;
    for (size_t i = 0; i < face.size();) {
        const size_t n = IsDBCSLeadByteEx(rt::kProgramCodePage, static_cast<BYTE>(face[i])) ? 2 : 1;
        if (i + n > kFaceCapacity - 1) break;
        i += n;
        kept = i;
    }
    std::memcpy(font.lfFaceName, face.data(), kept);
    return font;
}

LOGFONTW platform_font(const LOGFONTA& stored) {
    LOGFONTW font;
    std::memcpy(&font, &stored, offsetof(LOGFONTA, lfFaceName));
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    // A stored face need not end inside its field.
    const std::wstring face = rt::to_platform(stored.lfFaceName, strnlen(stored.lfFaceName, LF_FACESIZE));
    std::wmemcpy(font.lfFaceName, face.c_str(), std::min<size_t>(face.size(), LF_FACESIZE - 1));
    return font;
}

int pixels_per_inch() {
    const rt::WindowDc screen(nullptr);
    const int ppi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return ppi > 0 ? ppi : 96;
}

void write_font_value(LOGFONTA* font, i32 sub, u32 value) {
    const i32 number = static_cast<i32>(value);
    switch (sub) {
    case kFontWhole: {
        const auto* r = reinterpret_cast<const FontRecord*>(value);
        if (!r) return;
        font->lfEscapement = font->lfOrientation = normal_angle(r->angle);
        font->lfWeight = r->bold ? kBoldWeight : 0;
        font->lfItalic = r->italic ? 1 : 0;
        font->lfStrikeOut = r->strike_out ? 1 : 0;
        font->lfUnderline = r->underline ? 1 : 0;
        font->lfHeight = height_of(r->size);
        set_face(font, r->face, 30);  // a whole record keeps names of up to 30 characters
        return;
    }
    case kFontAngle: font->lfEscapement = font->lfOrientation = normal_angle(number); return;
    case kFontBold: font->lfWeight = value ? kBoldWeight : 0; return;
    case kFontItalic: font->lfItalic = value ? 1 : 0; return;
    case kFontStrikeOut: font->lfStrikeOut = value ? 1 : 0; return;
    case kFontUnderline: font->lfUnderline = value ? 1 : 0; return;
    case kFontSize: font->lfHeight = height_of(number); return;
    case kFontFace: {
        const char* face = reinterpret_cast<const char*>(value);
        if (!face || !*face) face = kFallbackFace;  // an empty name is no face at all
        set_face(font, face, kFaceCapacity - 1);
        return;
    }
    default: return;
    }
}

u32 read_font_value(const LOGFONTA& font, i32 sub) {
    char face[kFaceCapacity] = {};
    std::memcpy(face, font.lfFaceName, kFaceCapacity - 1);
    switch (sub) {
    case kFontWhole: {
        auto* r = static_cast<FontRecord*>(rt::allocate(sizeof(FontRecord)));
        r->angle = font.lfEscapement;
        r->bold = font.lfWeight >= kBoldWeight ? 1 : 0;
        r->italic = font.lfItalic ? 1 : 0;
        r->strike_out = font.lfStrikeOut ? 1 : 0;
        r->underline = font.lfUnderline ? 1 : 0;
        r->size = points_of(font.lfHeight);
        r->face = rt::copy_text(face);
        return reinterpret_cast<u32>(r);
    }
    case kFontAngle: return static_cast<u32>(font.lfEscapement);
    case kFontBold: return font.lfWeight >= kBoldWeight ? 1 : 0;
    case kFontItalic: return font.lfItalic ? 1 : 0;
    case kFontStrikeOut: return font.lfStrikeOut ? 1 : 0;
    case kFontUnderline: return font.lfUnderline ? 1 : 0;
    case kFontSize: return static_cast<u32>(points_of(font.lfHeight));
    case kFontFace: return reinterpret_cast<u32>(rt::copy_text(face));
    default: return 0;
    }
}

void free_font_record(FontRecord* record) {
    if (!record) return;
    rt::release(const_cast<char*>(record->face));
    rt::release(record);
}

}  // namespace forms
