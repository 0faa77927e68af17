// Keycode and modifier translation from SDL to the classic virtual-key numbers.
#include "sdl/SdlKeyMap.h"

int VirtualKeyFromSdl(SDL_Keycode keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z)
        return 'A' + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9)
        return '0' + (keycode - SDLK_0);
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12)
        return VK_F1 + (keycode - SDLK_F1);
    if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9)
        return 97 + (keycode - SDLK_KP_1);
    switch (keycode) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_RETURN2:
            return VK_RETURN;
        case SDLK_SPACE:
            return VK_SPACE;
        case SDLK_BACKSPACE:
            return VK_BACK;
        case SDLK_TAB:
            return VK_TAB;
        case SDLK_ESCAPE:
            return VK_ESCAPE;
        case SDLK_DELETE:
            return VK_DELETE;
        case SDLK_INSERT:
            return VK_INSERT;
        case SDLK_LEFT:
            return VK_LEFT;
        case SDLK_UP:
            return VK_UP;
        case SDLK_RIGHT:
            return VK_RIGHT;
        case SDLK_DOWN:
            return VK_DOWN;
        case SDLK_HOME:
            return VK_HOME;
        case SDLK_END:
            return VK_END;
        case SDLK_PAGEUP:
            return VK_PRIOR;
        case SDLK_PAGEDOWN:
            return VK_NEXT;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT:
            return VK_MENU;
        case SDLK_APPLICATION:
        case SDLK_MENU:
            return VK_APPS;
        case SDLK_KP_0:
            return 96;
        case SDLK_CAPSLOCK:
            return 20;
        case SDLK_PAUSE:
            return 19;
        case SDLK_PRINTSCREEN:
            return 44;
        case SDLK_LGUI:
            return 91;
        case SDLK_RGUI:
            return 92;
        case SDLK_NUMLOCKCLEAR:
            return 144;
        case SDLK_SCROLLLOCK:
            return 145;
        case SDLK_SEMICOLON:
            return 186;
        case SDLK_EQUALS:
            return 187;
        case SDLK_COMMA:
            return 188;
        case SDLK_MINUS:
            return 189;
        case SDLK_PERIOD:
            return 190;
        case SDLK_SLASH:
            return 191;
        case SDLK_BACKQUOTE:
            return 192;
        case SDLK_LEFTBRACKET:
            return 219;
        case SDLK_BACKSLASH:
            return 220;
        case SDLK_RIGHTBRACKET:
            return 221;
        case SDLK_QUOTE:
            return 222;
        default:
            return VK_UNMAPPED;
    }
}

TShiftState ShiftFromSdl(unsigned modifiers) {
    TShiftState shift = TShiftState::None;
    if (modifiers & KMOD_SHIFT)
        shift = shift | TShiftState::Shift;
    if (modifiers & KMOD_CTRL)
        shift = shift | TShiftState::Ctrl;
    if (modifiers & KMOD_ALT)
        shift = shift | TShiftState::Alt;
    return shift;
}
