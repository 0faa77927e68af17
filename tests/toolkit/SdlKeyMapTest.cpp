// The SDL key translation: layout keycodes to virtual keys, modifier bits to shift states.
#include <gtest/gtest.h>

#include "sdl/SdlKeyMap.h"

namespace {

TEST(SdlKeyMap, LayoutKeycodesGiveTheClassicVirtualKeys) {
    struct Case {
        SDL_Keycode keycode;
        int vk;
    };
    const Case cases[] = {
        {SDLK_a, 65},      {SDLK_z, 90},        {SDLK_0, 48},        {SDLK_9, 57},
        {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_SPACE, 32},    {SDLK_BACKSPACE, 8},
        {SDLK_TAB, 9},     {SDLK_ESCAPE, 27},   {SDLK_DELETE, 46},   {SDLK_LEFT, 37},
        {SDLK_UP, 38},     {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},     {SDLK_HOME, 36},
        {SDLK_END, 35},    {SDLK_PAGEUP, 33},   {SDLK_PAGEDOWN, 34}, {SDLK_LSHIFT, 16},
        {SDLK_RSHIFT, 16}, {SDLK_LCTRL, 17},    {SDLK_RALT, 18},     {SDLK_APPLICATION, 93},
        {SDLK_F1, 112},    {SDLK_F12, 123},     {SDLK_PERIOD, 190},  {SDLK_VOLUMEUP, VK_UNMAPPED},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromSdl(c.keycode), c.vk) << "keycode " << c.keycode;
}

TEST(SdlKeyMap, ModifiersOnEitherSideGiveTheShiftState) {
    EXPECT_EQ(ShiftFromSdl(KMOD_NONE), TShiftState::None);
    EXPECT_EQ(ShiftFromSdl(KMOD_RSHIFT), TShiftState::Shift);
    EXPECT_EQ(ShiftFromSdl(KMOD_LCTRL | KMOD_RALT), TShiftState::Ctrl | TShiftState::Alt);
    EXPECT_EQ(ShiftFromSdl(KMOD_NUM | KMOD_CAPS), TShiftState::None);
}

}  // namespace
