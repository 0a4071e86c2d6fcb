// The program's version: the file's version resource carries it, and the package
// script names the release archive after TRIVANE_VERSION_TEXT.
#pragma once

#define TRIVANE_VERSION_NUMBERS 1, 5, 1, 0
#define TRIVANE_VERSION_TEXT "1.5.1"
