#pragma once

#include <cstdint>

namespace lume::app::msw {

// The side-specific code of a key message (160 to 165 for Shift, Control and Alt); other
// keys keep their code. `vkCode` is the message's first parameter, `keyData` its second: the
// scan code (bits 16 to 23) tells the Shift keys apart, the extended-key bit (24) the right
// Control and Alt from the left. This is what the key state records.
uint32_t sidedVirtualKeyFor(uint32_t vkCode, uint32_t keyData);

// The other side's code of a sided modifier (left Shift for right Shift, ...); other codes are
// returned unchanged.
uint32_t otherSideOf(uint32_t sidedVk);

// The character a key types, as the system's keyboard translation gives it for the current
// arrangement with Control ignored (so Ctrl+A types 'a', not 1): UTF-32, 0 for keys that type
// nothing. `keyboardState` is the 256-byte state GetKeyboardState reads. A dead key gives 0
// and leaves the system's dead-key state as it was.
uint32_t characterFor(uint32_t vkCode, uint32_t keyData, const uint8_t *keyboardState);

} // namespace lume::app::msw
