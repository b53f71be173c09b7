#include "framework/app/msw/KeyTranslationMsw.h"

#include "framework/app/KeyCodes.h"

#include <windows.h>

#include <cstring>

namespace lume::app::msw {

namespace {

constexpr uint32_t kRightShiftScanCode = 0x36;

uint32_t scanCodeOf(uint32_t keyData)
{
    return (keyData >> 16) & 0xFF;
}

bool isExtended(uint32_t keyData)
{
    return keyData & (1u << 24);
}

} // namespace

uint32_t sidedVirtualKeyFor(uint32_t vkCode, uint32_t keyData)
{
    switch (vkCode) {
    case VK_SHIFT: return scanCodeOf(keyData) == kRightShiftScanCode ? vk::RShift : vk::LShift;
    case VK_CONTROL: return isExtended(keyData) ? vk::RControl : vk::LControl;
    case VK_MENU: return isExtended(keyData) ? vk::RMenu : vk::LMenu;
    default: return vkCode;
    }
}

uint32_t otherSideOf(uint32_t sidedVk)
{
    switch (sidedVk) {
    case vk::LShift: return vk::RShift;
    case vk::RShift: return vk::LShift;
    case vk::LControl: return vk::RControl;
    case vk::RControl: return vk::LControl;
    case vk::LMenu: return vk::RMenu;
    case vk::RMenu: return vk::LMenu;
    default: return sidedVk;
    }
}

uint32_t characterFor(uint32_t vkCode, uint32_t keyData, const uint8_t *keyboardState)
{
    BYTE state[256];
    std::memcpy(state, keyboardState, sizeof state);
    state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_RCONTROL] = 0;
    // Flag 4 (Windows 10 1607 and later): the translation leaves the keyboard's dead-key
    // state alone, so TranslateMessage still composes the next character as usual.
    wchar_t units[4] = {};
    const int n = ToUnicode(vkCode, scanCodeOf(keyData), state, units, 4, 4);
    if (n <= 0)
        return 0;
    const uint32_t first = units[0];
    if (n >= 2 && first >= 0xD800 && first <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF)
        return 0x10000 + ((first - 0xD800) << 10) + (units[1] - 0xDC00);
    return first;
}

} // namespace lume::app::msw
