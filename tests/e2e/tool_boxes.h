// The tool's message boxes seen from outside: a press that answers them, and what
// every box of the tool looks like.
#pragma once
#include <string>
#include <vector>

#include "tests/e2e/trivane_driver.h"
#include "tests/support/box_look.h"

namespace e2e {

// Presses a control and returns the message boxes it raised, each answered with OK.
std::vector<testing_support::LookedAtBox> press(const Trivane& tool, int button);

// Exactly one box of style 16 (the error icon and an OK button alone) that says `text`
// under `title`, given in GBK as the tool holds them; the box's own UTF-16 texts are
// compared, so a text that reached the platform in another code page shows.
void expect_box(const std::vector<testing_support::LookedAtBox>& boxes, const std::string& text,
                const std::string& title);
void expect_box(const testing_support::LookedAtBox& box, const std::string& text, const std::string& title);

}  // namespace e2e
