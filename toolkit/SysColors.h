// The table of the 25 system colours and the resolution of system colour references.
#pragma once

#include "TTypes.h"

constexpr int SysColorCount = 25;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;

// A reference to system colour i: high byte 0xFF, the index below it.
constexpr TColor SysColorRef(int index) {
    return 0xFF000000u | static_cast<TColor>(index);
}

// The colour of system colour index 0..24 (clBlack for other indices).
TColor GetSysColor(int index);
// A reference to an index 0..24 gives that system colour; every other value is returned unchanged.
TColor ResolveColor(TColor value);
