// What the SDL backend does differently per system before and after SDL's video starts
// (SdlPlatformX11.cpp on Linux, SdlPlatformWindows.cpp on Windows).
#pragma once

#include <string>

// Before SDL's video starts: false, with the reason in *error, when there is nothing to open a
// window on.
bool PrepareVideoSystem(std::string* error);
// After SDL's video started.
void VideoSystemStarted();
// The display the game tries to open, for messages ("the display named by DISPLAY=:77").
std::string DisplayForMessages();
