// The translation of SDL's layout keycodes and modifier bits into virtual keys and shift states.
#pragma once

#include <SDL_keycode.h>

#include "Messages.h"

// The code a key outside the table gets: it still arrives as a key-down (some screens react to
// any key), but matches no named key.
constexpr int VK_UNMAPPED = 0xFF;

// Keys are mapped by what the layout prints on them, so A is 65 on every layout.
int VirtualKeyFromSdl(SDL_Keycode keycode);
TShiftState ShiftFromSdl(unsigned modifiers);
