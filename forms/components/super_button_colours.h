// The super button's six display colours: from the system, or from its colour
// properties.
#pragma once
#include <windows.h>

namespace forms {

struct SuperButtonProperties;

// The default hover background is the button face lightened by this much.
inline constexpr int kHoverLightening = 32;

// Moves red, green and blue by the same amount: n, limited so that no byte leaves
// 0 ... 255. An n outside -255 ... 255 leaves the colour as it is.
COLORREF lighten(COLORREF colour, int n);

struct ButtonColours {
    COLORREF normal_text, normal_back;
    COLORREF hover_text, hover_back;  // hovered or pressed
    COLORREF focus_text, focus_back;
};

// Text from the button-text colour, backgrounds from the button face, the hover
// background lighter.
ButtonColours system_button_colours();

// The stored colours, a background of the default colour being the button face.
ButtonColours stored_button_colours(const SuperButtonProperties& properties);

}  // namespace forms
