#include "framework/app/KeyCodes.h"

#include "framework/app/Event.h"

#include <array>

namespace lume::app {

namespace {

std::array<int32_t, 256> makeTable()
{
    std::array<int32_t, 256> t{};
    for (uint32_t code : {vk::Back, vk::Tab, vk::Clear, vk::Return, vk::Pause, vk::Escape, vk::Space})
        t[code] = static_cast<int32_t>(code);
    for (int i = 0; i <= 9; ++i)
        t[48 + i] = 48 + i;
    for (int i = 0; i < 26; ++i)
        t[65 + i] = 97 + i; // letters report lower case
    t[vk::Delete] = 127;
    for (int i = 0; i <= 9; ++i)
        t[vk::Numpad0 + i] = 256 + i;
    t[vk::Decimal] = 266;
    t[vk::Divide] = 267;
    t[vk::Multiply] = 268;
    t[vk::Subtract] = 269;
    t[vk::Add] = 270;
    t[vk::Up] = 273;
    t[vk::Down] = 274;
    t[vk::Right] = 275;
    t[vk::Left] = 276;
    t[vk::Insert] = 277;
    t[vk::Home] = 278;
    t[vk::End] = 279;
    t[vk::Prior] = 280;
    t[vk::Next] = 281;
    for (int i = 0; i < 15; ++i)
        t[vk::F1 + i] = 282 + i;
    t[vk::NumLock] = 300;
    t[vk::Capital] = 301;
    t[vk::Scroll] = 302;
    t[vk::RShift] = 303;
    t[vk::LShift] = 304;
    t[vk::RControl] = 305;
    t[vk::LControl] = 306;
    t[vk::RMenu] = 307;
    t[vk::LMenu] = 308;
    t[vk::LWin] = 311;
    t[vk::RWin] = 312;
    t[vk::Help] = 315;
    t[vk::Print] = 316;
    t[vk::Snapshot] = 316;
    t[vk::Cancel] = 318;
    t[vk::Apps] = 319;
    t[vk::Oem1] = 59;
    t[vk::OemPlus] = 61;
    t[vk::OemComma] = 44;
    t[vk::OemMinus] = 45;
    t[vk::OemPeriod] = 46;
    t[vk::Oem2] = 47;
    t[vk::Oem3] = 96;
    t[vk::Oem4] = 91;
    t[vk::Oem5] = 92;
    t[vk::Oem6] = 93;
    t[vk::Oem7] = 39;
    t[vk::Oem8] = 96;
    t[vk::Oem102] = 60;
    return t;
}

} // namespace

void KeyState::setDown(uint32_t vkCode, bool down)
{
    if (vkCode >= 256)
        return;
    mDown.set(vkCode, down);
    // The side-less entries mean "either side is held".
    const auto pair = [this](uint32_t both, uint32_t left, uint32_t right) {
        mDown.set(both, mDown.test(left) || mDown.test(right));
    };
    switch (vkCode) {
    case vk::LShift:
    case vk::RShift: pair(vk::Shift, vk::LShift, vk::RShift); break;
    case vk::LControl:
    case vk::RControl: pair(vk::Control, vk::LControl, vk::RControl); break;
    case vk::LMenu:
    case vk::RMenu: pair(vk::Menu, vk::LMenu, vk::RMenu); break;
    default: break;
    }
}

int32_t keyCodeForVirtualKey(uint32_t vkCode)
{
    static const std::array<int32_t, 256> sTable = makeTable();
    return vkCode < 256 ? sTable[vkCode] : 0;
}

uint32_t keyModifiers(const KeyState &keys)
{
    uint32_t m = 0;
    if (keys.isDown(vk::Shift))
        m |= kModShift;
    if (keys.isDown(vk::LMenu) || keys.isDown(vk::RMenu))
        m |= kModAlt;
    if (keys.isDown(vk::Control))
        m |= kModControl;
    if (keys.isDown(vk::LWin) || keys.isDown(vk::RWin))
        m |= kModMeta;
    return m;
}

uint32_t mouseModifiers(uint32_t mkFlags, const KeyState &keys)
{
    uint32_t m = 0;
    if (mkFlags & mk::LButton)
        m |= kModLeftDown;
    if (mkFlags & mk::RButton)
        m |= kModRightDown;
    if (mkFlags & mk::MButton)
        m |= kModMiddleDown;
    if (mkFlags & mk::Shift)
        m |= kModShift;
    if (keys.isDown(vk::Menu))
        m |= kModAlt;
    if (mkFlags & mk::Control)
        m |= kModControl;
    if (keys.isDown(vk::LWin) || keys.isDown(vk::RWin))
        m |= kModMeta;
    return m;
}

} // namespace lume::app
