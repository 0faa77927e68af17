// Creates the game's five screens in their fixed order, with the match shell they share.
#pragma once

#include <string>

class TApplication;

// Creates Form1 (menu) to Form5 (final score); each screen's FormCreate runs as it is created.
// Form1 is the main form, shown when the application runs.
void CreateScreens(TApplication& app);
// Reads the game's font aliases from the resources; false, with the reason in *error (when
// given), when it fails. The font engine then falls back to the system's default faces.
bool LoadFontAliases(std::string* error = nullptr);
