// The stage rule: each screen's 800 x 600 picture is centred on the display, as large as fits.
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

// The scale at which the whole picture is drawn, in quarters (4 is 1:1): the largest step of 0.25
// at which the stage still fits the display, so a netbook's 800 x 480 or an old 640 x 480 screen
// plays at 0.75 with every control on it; never below 0.5, where text would no longer be legible
// (a still smaller display overhangs). The stage rule above then works on the display's size in
// logical units (the device size divided by the scale), so every stage position stays as it is
// in stage units.
constexpr int MinimumStageQuarters = 2;
constexpr int StageScaleQuarters(int screenWidth, int screenHeight) {
    const int across = screenWidth * 4 / StageWidth;
    const int down = screenHeight * 4 / StageHeight;
    const int fits = across < down ? across : down;
    return fits > MinimumStageQuarters ? fits : MinimumStageQuarters;
}
