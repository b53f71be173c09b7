// The Windows backend's key translation: a key message's codes become the side-specific
// virtual-key code the key table wants, and the character the system's translation gives
// with Control ignored (US arrangement, as Wine and a default Windows have it). Caps Lock and
// Num Lock are the system's own business and are not checked here: Wine applies them only
// from the X server's state.
#include "framework/app/msw/KeyTranslationMsw.h"
#include "framework/app/KeyCodes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>

using namespace lume::app;

namespace {

// A key message's second parameter: repeat count 1, the scan code, the extended-key bit.
uint32_t keyData(uint32_t scanCode, bool extended = false)
{
    return 1u | (scanCode << 16) | (extended ? 1u << 24 : 0u);
}

struct KeyboardState {
    BYTE keys[256] = {};
    KeyboardState(std::initializer_list<int> down, std::initializer_list<int> toggled = {})
    {
        for (int k : down)
            keys[k] = 0x80;
        for (int k : toggled)
            keys[k] |= 0x01;
    }
};

} // namespace

TEST(KeyTranslationMsw, ModifierKeysGetTheirSideFromTheScanCodeOrTheExtendedBit)
{
    struct Case {
        uint32_t vkCode, data;
        uint32_t sided;
        int32_t code;
    };
    // clang-format off
    const Case cases[] = {
        {VK_SHIFT,   keyData(0x2A),       vk::LShift,   304},
        {VK_SHIFT,   keyData(0x36),       vk::RShift,   303},
        {VK_CONTROL, keyData(0x1D),       vk::LControl, 306},
        {VK_CONTROL, keyData(0x1D, true), vk::RControl, 305},
        {VK_MENU,    keyData(0x38),       vk::LMenu,    308},
        {VK_MENU,    keyData(0x38, true), vk::RMenu,    307},
        // Other keys keep their code, extended or not.
        {VK_ESCAPE,  keyData(0x01),       27,           27},
        {VK_UP,      keyData(0x48, true), vk::Up,       273},
        {VK_RETURN,  keyData(0x1C, true), vk::Return,   13}, // the keypad's Enter
        {'A',        keyData(0x1E),       'A',          97},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.vkCode);
        const uint32_t sided = msw::sidedVirtualKeyFor(c.vkCode, c.data);
        EXPECT_EQ(sided, c.sided);
        EXPECT_EQ(keyCodeForVirtualKey(sided), c.code);
    }
}

TEST(KeyTranslationMsw, CharactersFollowShiftButNotControl)
{
    struct Case {
        const char *what;
        uint32_t vkCode, scanCode;
        KeyboardState state;
        uint32_t character;
    };
    const Case cases[] = {
        {"a", 'A', 0x1E, {}, 'a'},
        {"Shift+a", 'A', 0x1E, {VK_SHIFT, VK_LSHIFT}, 'A'},
        {"Ctrl+a types a, not 1", 'A', 0x1E, {VK_CONTROL, VK_LCONTROL}, 'a'},
        {"Shift+1", '1', 0x02, {VK_SHIFT, VK_LSHIFT}, '!'},
        {";", VK_OEM_1, 0x27, {}, ';'},
        {"Escape", VK_ESCAPE, 0x01, {}, 27},
        {"Return", VK_RETURN, 0x1C, {}, 13},
        {"Backspace", VK_BACK, 0x0E, {}, 8},
        {"Tab", VK_TAB, 0x0F, {}, 9},
        {"F1 types nothing", VK_F1, 0x3B, {}, 0},
        {"Shift types nothing", VK_SHIFT, 0x2A, {VK_SHIFT, VK_LSHIFT}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(msw::characterFor(c.vkCode, keyData(c.scanCode), c.state.keys), c.character);
    }
}
