// What the process sets up about itself before anything else runs.
#pragma once

// Call first thing in main. Standard streams that were closed when the game was started are
// opened on the null device, so that no later file (the display connection above all) takes
// their numbers and gets a diagnostic line written into it; and a write to a pipe whose reader
// is gone fails instead of ending the game.
void PrepareProcess();
