// Creates the game's five screens in their fixed order.
#pragma once

class TApplication;

// Creates Form1 (menu) to Form5 (final score); each screen's FormCreate runs as it is created.
// Form1 is the main form, shown when the application runs.
void CreateScreens(TApplication& app);
// Reads the game's font aliases from the resources; false (and a line on stderr) when it fails.
bool LoadFontAliases();
