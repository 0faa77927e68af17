// Installs the game's embedded resources (maps, tiles, pictures, backgrounds, font setup).
#pragma once

// Makes the resources compiled into this executable visible to FindResource. Call once at
// start-up (and in tests that need the real assets) before any resource is looked up.
void InstallTevraResources();
