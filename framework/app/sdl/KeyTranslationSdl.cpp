#include "framework/app/sdl/KeyTranslationSdl.h"

#include "framework/app/KeyCodes.h"

namespace lume::app::sdl {

namespace {

// Symbol keys by the character they type unshifted (US arrangement).
uint32_t virtualKeyForSymbol(SDL_Keycode key)
{
    switch (key) {
    case ';': return vk::Oem1;
    case '=': return vk::OemPlus;
    case ',': return vk::OemComma;
    case '-': return vk::OemMinus;
    case '.': return vk::OemPeriod;
    case '/': return vk::Oem2;
    case '`': return vk::Oem3;
    case '[': return vk::Oem4;
    case '\\': return vk::Oem5;
    case ']': return vk::Oem6;
    case '\'': return vk::Oem7;
    default: return 0;
    }
}

uint32_t keypadVirtualKey(SDL_Scancode scancode, bool numLock)
{
    // With Num Lock off the keypad is a second set of navigation keys.
    static const uint32_t kOff[10] = {vk::Insert, vk::End,   vk::Down, vk::Next, vk::Left,
                                      vk::Clear,  vk::Right, vk::Home, vk::Up,   vk::Prior};
    int digit = -1;
    if (scancode == SDL_SCANCODE_KP_0)
        digit = 0;
    else if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        digit = 1 + (scancode - SDL_SCANCODE_KP_1);
    if (digit >= 0)
        return numLock ? vk::Numpad0 + digit : kOff[digit];
    if (scancode == SDL_SCANCODE_KP_PERIOD)
        return numLock ? vk::Decimal : vk::Delete;
    return 0;
}

uint32_t virtualKeyForPosition(SDL_Scancode sc)
{
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z)
        return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9)
        return '1' + (sc - SDL_SCANCODE_1);
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12)
        return vk::F1 + (sc - SDL_SCANCODE_F1);
    if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24)
        return vk::F1 + 12 + (sc - SDL_SCANCODE_F13);
    switch (sc) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_RETURN2:
    case SDL_SCANCODE_KP_ENTER: return vk::Return;
    case SDL_SCANCODE_ESCAPE: return vk::Escape;
    case SDL_SCANCODE_BACKSPACE: return vk::Back;
    case SDL_SCANCODE_TAB: return vk::Tab;
    case SDL_SCANCODE_SPACE: return vk::Space;
    case SDL_SCANCODE_MINUS: return vk::OemMinus;
    case SDL_SCANCODE_EQUALS: return vk::OemPlus;
    case SDL_SCANCODE_LEFTBRACKET: return vk::Oem4;
    case SDL_SCANCODE_RIGHTBRACKET: return vk::Oem6;
    case SDL_SCANCODE_BACKSLASH:
    case SDL_SCANCODE_NONUSHASH: return vk::Oem5;
    case SDL_SCANCODE_SEMICOLON: return vk::Oem1;
    case SDL_SCANCODE_APOSTROPHE: return vk::Oem7;
    case SDL_SCANCODE_GRAVE: return vk::Oem3;
    case SDL_SCANCODE_COMMA: return vk::OemComma;
    case SDL_SCANCODE_PERIOD: return vk::OemPeriod;
    case SDL_SCANCODE_SLASH: return vk::Oem2;
    case SDL_SCANCODE_NONUSBACKSLASH: return vk::Oem102;
    case SDL_SCANCODE_CAPSLOCK: return vk::Capital;
    case SDL_SCANCODE_PRINTSCREEN:
    case SDL_SCANCODE_SYSREQ: return vk::Snapshot;
    case SDL_SCANCODE_SCROLLLOCK: return vk::Scroll;
    case SDL_SCANCODE_PAUSE: return vk::Pause;
    case SDL_SCANCODE_CANCEL: return vk::Cancel;
    case SDL_SCANCODE_INSERT: return vk::Insert;
    case SDL_SCANCODE_HOME: return vk::Home;
    case SDL_SCANCODE_PAGEUP:
    case SDL_SCANCODE_PRIOR: return vk::Prior;
    case SDL_SCANCODE_DELETE: return vk::Delete;
    case SDL_SCANCODE_END: return vk::End;
    case SDL_SCANCODE_PAGEDOWN: return vk::Next;
    case SDL_SCANCODE_RIGHT: return vk::Right;
    case SDL_SCANCODE_LEFT: return vk::Left;
    case SDL_SCANCODE_DOWN: return vk::Down;
    case SDL_SCANCODE_UP: return vk::Up;
    case SDL_SCANCODE_NUMLOCKCLEAR: return vk::NumLock;
    case SDL_SCANCODE_KP_DIVIDE: return vk::Divide;
    case SDL_SCANCODE_KP_MULTIPLY: return vk::Multiply;
    case SDL_SCANCODE_KP_MINUS: return vk::Subtract;
    case SDL_SCANCODE_KP_PLUS: return vk::Add;
    case SDL_SCANCODE_APPLICATION:
    case SDL_SCANCODE_MENU: return vk::Apps;
    case SDL_SCANCODE_HELP: return vk::Help;
    case SDL_SCANCODE_CLEAR: return vk::Clear;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return vk::Shift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return vk::Control;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return vk::Menu;
    case SDL_SCANCODE_LGUI: return vk::LWin;
    case SDL_SCANCODE_RGUI: return vk::RWin;
    default: return 0;
    }
}

uint32_t shiftedSymbol(uint32_t c)
{
    static const char kFrom[] = "1234567890-=[]\\;',./`";
    static const char kTo[] = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; kFrom[i]; ++i)
        if (static_cast<uint32_t>(kFrom[i]) == c)
            return static_cast<uint32_t>(kTo[i]);
    return c;
}

} // namespace

uint32_t virtualKeyFor(SDL_Scancode scancode, SDL_Keycode key, bool numLock)
{
    if (uint32_t keypad = keypadVirtualKey(scancode, numLock))
        return keypad;
    if (key >= 'a' && key <= 'z')
        return static_cast<uint32_t>(key - 'a' + 'A');
    if (key >= '0' && key <= '9')
        return static_cast<uint32_t>(key);
    if (uint32_t symbol = virtualKeyForSymbol(key))
        return symbol;
    return virtualKeyForPosition(scancode);
}

uint32_t sidedVirtualKeyFor(SDL_Scancode scancode, SDL_Keycode key, bool numLock)
{
    switch (scancode) {
    case SDL_SCANCODE_LSHIFT: return vk::LShift;
    case SDL_SCANCODE_RSHIFT: return vk::RShift;
    case SDL_SCANCODE_LCTRL: return vk::LControl;
    case SDL_SCANCODE_RCTRL: return vk::RControl;
    case SDL_SCANCODE_LALT: return vk::LMenu;
    case SDL_SCANCODE_RALT: return vk::RMenu;
    default: return virtualKeyFor(scancode, key, numLock);
    }
}

uint32_t characterFor(SDL_Scancode scancode, SDL_Keycode key, bool shift, bool capsLock, bool numLock)
{
    switch (scancode) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_RETURN2:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_KP_DIVIDE: return '/';
    case SDL_SCANCODE_KP_MULTIPLY: return '*';
    case SDL_SCANCODE_KP_MINUS: return '-';
    case SDL_SCANCODE_KP_PLUS: return '+';
    case SDL_SCANCODE_KP_PERIOD: return numLock ? '.' : 0;
    case SDL_SCANCODE_KP_0: return numLock ? '0' : 0;
    default: break;
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        return numLock ? '1' + (scancode - SDL_SCANCODE_KP_1) : 0;
    if (key >= 'a' && key <= 'z')
        return (shift != capsLock) ? static_cast<uint32_t>(key - 'a' + 'A') : static_cast<uint32_t>(key);
    if (key >= ' ' && key <= '~')
        return shift ? shiftedSymbol(static_cast<uint32_t>(key)) : static_cast<uint32_t>(key);
    // Other characters of the layout: SDL gives their code point as the key symbol.
    if (key > 0x7F && !(key & SDLK_SCANCODE_MASK))
        return static_cast<uint32_t>(key);
    return 0;
}

} // namespace lume::app::sdl
