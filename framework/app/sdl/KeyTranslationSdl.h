#pragma once

#include <SDL.h>

#include <cstdint>

namespace lume::app::sdl {

// The Windows virtual-key code a key reports (Shift, Control and Alt as the side-less 16,
// 17 and 18, as Windows sends them); 0 for keys Windows has no code for. Letters, digits and
// punctuation follow the layout's key symbol; other keys follow their position. The keypad
// gives digit codes with Num Lock on and navigation codes with it off.
uint32_t virtualKeyFor(SDL_Scancode scancode, SDL_Keycode key, bool numLock);

// The side-specific code of a modifier key (160 to 165, 91, 92); otherwise the same as
// virtualKeyFor. This is what the key state records.
uint32_t sidedVirtualKeyFor(SDL_Scancode scancode, SDL_Keycode key, bool numLock);

// The character the key types, as the Windows keyboard translation gives it with Control
// ignored: letters follow Shift and Caps Lock, other symbols follow Shift (on the US
// arrangement of the symbol keys), Return 13, Escape 27, Backspace 8, Tab 9; 0 for keys that
// type nothing.
uint32_t characterFor(SDL_Scancode scancode, SDL_Keycode key, bool shift, bool capsLock, bool numLock);

} // namespace lume::app::sdl
