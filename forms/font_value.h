// Font values. A component keeps its font as a 60-byte logical font (the layout of the
// platform's narrow record, its face name a GBK text); the program
// reads and writes it whole, as a seven-word font record, or one sub-property at a
// time.
#pragma once
#include <windows.h>

#include "forms/template_model.h"

namespace forms {

struct FontRecord {
    i32 angle;  // tenths of a degree
    u32 bold;
    u32 italic;
    u32 strike_out;
    u32 underline;
    i32 size;          // points
    const char* face;  // text
};
static_assert(sizeof(FontRecord) == 28);
static_assert(sizeof(LOGFONTA) == 60);

enum FontSub : i32 {
    kFontWhole = -1,
    kFontAngle = 0,
    kFontBold = 1,
    kFontItalic = 2,
    kFontStrikeOut = 3,
    kFontUnderline = 4,
    kFontSize = 5,
    kFontFace = 6,
};

// The face that replaces an empty or over-long name.
extern const char kFallbackFace[];

// The platform's default GUI font in the stored form: the starting point when a
// component has none.
LOGFONTA default_gui_font();

// A stored font as the platform makes it: the face name, GBK in the record, in UTF-16.
LOGFONTW platform_font(const LOGFONTA& stored);
int pixels_per_inch();

// Writes the program's value into `font`: whole (`value` points at a FontRecord) or
// one sub-property (`value` is the number, or the face as a text pointer).
void write_font_value(LOGFONTA* font, i32 sub, u32 value);

// Reads a font the way the program receives it: whole as a new FontRecord block
// holding a new face text, or one sub-property (the face as a new text).
u32 read_font_value(const LOGFONTA& font, i32 sub);

// Frees a whole-font value read by read_font_value.
void free_font_record(FontRecord* record);

}  // namespace forms
