// The stage rule: every screen's 800 x 600 picture is centred on the display.
#pragma once

struct TStageOrigin {
    int Left = 0;
    int Top = 0;
};

constexpr int StageWidth = 800;
constexpr int StageHeight = 600;

// The division truncates towards zero, so a display smaller than the stage gives a negative
// origin and the stage overhangs the display on every side.
constexpr TStageOrigin StageOriginFor(int screenWidth, int screenHeight) {
    return TStageOrigin{(screenWidth - StageWidth) / 2, (screenHeight - StageHeight) / 2};
}
