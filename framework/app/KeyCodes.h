#pragma once

#include <bitset>
#include <cstdint>

namespace lume::app {

// Windows virtual-key codes: the native key numbering of the framework on every platform,
// so that key codes and native key codes mean the same everywhere.
namespace vk {
enum : uint32_t {
    Cancel = 3,
    Back = 8,
    Tab = 9,
    Clear = 12,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Pause = 19,
    Capital = 20,
    Escape = 27,
    Space = 32,
    Prior = 33,
    Next = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Print = 42,
    Snapshot = 44,
    Insert = 45,
    Delete = 46,
    Help = 47,
    LWin = 91,
    RWin = 92,
    Apps = 93,
    Numpad0 = 96,
    Multiply = 106,
    Add = 107,
    Subtract = 109,
    Decimal = 110,
    Divide = 111,
    F1 = 112,
    NumLock = 144,
    Scroll = 145,
    LShift = 160,
    RShift = 161,
    LControl = 162,
    RControl = 163,
    LMenu = 164,
    RMenu = 165,
    Oem1 = 186,      // ;:
    OemPlus = 187,   // =+
    OemComma = 188,  // ,<
    OemMinus = 189,  // -_
    OemPeriod = 190, // .>
    Oem2 = 191,      // /?
    Oem3 = 192,      // `~
    Oem4 = 219,      // [{
    Oem5 = 220,      // \|
    Oem6 = 221,      // ]}
    Oem7 = 222,      // '"
    Oem8 = 223,
    Oem102 = 226, // the extra key beside left Shift on ISO keyboards
};
} // namespace vk

// Mouse-message button and key flags (Windows MK_*), the native modifiers of mouse events.
namespace mk {
enum : uint32_t { LButton = 0x01, RButton = 0x02, Shift = 0x04, Control = 0x08, MButton = 0x10 };
}

// Which keys are held, by virtual-key code. The backend keeps one up to date from its key
// events; the side-less Shift, Control and Menu entries follow their two sides.
class KeyState {
  public:
    void setDown(uint32_t vkCode, bool down);
    bool isDown(uint32_t vkCode) const { return vkCode < 256 && mDown.test(vkCode); }
    void clear() { mDown.reset(); }

  private:
    std::bitset<256> mDown;
};

// The key code for a virtual-key code (0 for unlisted codes and for codes of 256 or more).
int32_t keyCodeForVirtualKey(uint32_t vkCode);
// Modifier bits of a key event: Shift, Alt, Control and Meta from the held keys.
uint32_t keyModifiers(const KeyState &keys);
// Modifier bits of a mouse event from the message's MK_* flags and the held keys.
uint32_t mouseModifiers(uint32_t mkFlags, const KeyState &keys);

} // namespace lume::app
