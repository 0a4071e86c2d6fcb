// Property data blocks written field by field in the stored order the window template
// uses for each type, independently of the components' own readers, so that a reader
// that takes a field from the wrong place fails here.
#pragma once
#include <string>

#include "forms/template_model.h"

namespace component_test {

using forms::ByteBlock;
using forms::u32;

inline constexpr u32 kDefault = 0xFF000000;
inline constexpr u32 kGrey = 0x808080;
inline constexpr u32 kWhite = 0xFFFFFF;

struct LabelValues {
    u32 version = 2;
    u32 effect = 0, border_width = 8, border = 0;
    u32 border_colours[3] = {kGrey, kWhite, kGrey};
    u32 text_colour = 0, back_colour = kDefault, placement = 1, gradient_mode = 0;
    u32 gradient_colours[3] = {kGrey, kWhite, kGrey};
    u32 alignment = 0, vertical_alignment = 1, word_wrap = 0;
    ByteBlock font, picture;
    std::string caption = "标签";
    std::string data_source, data_column;  // version 2
};
ByteBlock label_block(const LabelValues& v);

struct ButtonValues {
    u32 version = 1;
    u32 kind = 0, alignment = 1, vertical_alignment = 1;
    ByteBlock picture, font;
    std::string caption = "按钮";
};
ByteBlock button_block(const ButtonValues& v);

struct GroupValues {
    u32 version = 1;
    u32 alignment = 0, caption_colour = 0xFF0000, back_colour = kDefault;
    ByteBlock font;
    std::string caption = "分组";
};
ByteBlock group_block(const GroupValues& v);

// Check box and radio button: the radio button stores no binding names (version 1).
struct CheckValues {
    u32 version = 2;
    u32 push_like = 0, flat = 0, text_on_left = 0, alignment = 0, vertical_alignment = 1;
    u32 text_colour = 0, back_colour = kDefault, ticked = 0;
    ByteBlock picture, font;
    std::string caption = "选择";
    std::string data_source, data_column;  // version 2
};
ByteBlock check_block(const CheckValues& v);
ByteBlock radio_block(CheckValues v);  // version 1

// A 60-byte logical font with this face and height.
ByteBlock font_record(const std::string& face, int height = -12);
// A BMP file of one colour (0x00BBGGRR), 24 bits a pixel.
ByteBlock solid_bmp(int width, int height, u32 colour);

// An icon file holding one opaque 32-bit image of one colour.
ByteBlock solid_ico(int size, u32 colour);

}  // namespace component_test
