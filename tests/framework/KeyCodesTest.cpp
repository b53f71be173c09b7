// The virtual-key table, left/right resolution, modifier bits, and the SDL backend's
// translation into the same codes.
#include "framework/app/Event.h"
#include "framework/app/KeyCodes.h"
#include "framework/app/sdl/KeyTranslationSdl.h"

#include <gtest/gtest.h>

using namespace lume::app;

TEST(KeyCodes, TableMapsVirtualKeysToKeyCodes)
{
    struct Case {
        uint32_t vk;
        int32_t code;
    };
    const Case cases[] = {
        {8, 8},     {9, 9},     {12, 12},   {13, 13},   {19, 19},   {27, 27},   {32, 32},   {48, 48},
        {57, 57},   {65, 97},   {90, 122},  {46, 127},  {96, 256},  {105, 265}, {110, 266}, {111, 267},
        {106, 268}, {109, 269}, {107, 270}, {38, 273},  {40, 274},  {39, 275},  {37, 276},  {45, 277},
        {36, 278},  {35, 279},  {33, 280},  {34, 281},  {112, 282}, {126, 296}, {144, 300}, {20, 301},
        {145, 302}, {161, 303}, {160, 304}, {163, 305}, {162, 306}, {165, 307}, {164, 308}, {91, 311},
        {92, 312},  {47, 315},  {42, 316},  {44, 316},  {3, 318},   {93, 319},  {186, 59},  {187, 61},
        {188, 44},  {189, 45},  {190, 46},  {191, 47},  {192, 96},  {219, 91},  {220, 92},  {221, 93},
        {222, 39},  {223, 96},  {226, 60},
        // Unlisted and out of range: 0. The side-less modifiers have no entry of their own.
        {0, 0},     {16, 0},    {17, 0},    {18, 0},    {127, 0},   {255, 0},   {256, 0},   {100000, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(keyCodeForVirtualKey(c.vk), c.code) << "virtual key " << c.vk;
}

TEST(KeyCodes, ShiftControlAndAltResolveToTheHeldSide)
{
    KeyState keys;
    EXPECT_EQ(resolveLeftRight(vk::Shift, keys), vk::LShift);
    EXPECT_EQ(resolveLeftRight(vk::Control, keys), vk::LControl);
    EXPECT_EQ(resolveLeftRight(vk::Menu, keys), vk::LMenu);
    keys.setDown(vk::RShift, true);
    keys.setDown(vk::RControl, true);
    keys.setDown(vk::RMenu, true);
    EXPECT_EQ(resolveLeftRight(vk::Shift, keys), vk::RShift);
    EXPECT_EQ(resolveLeftRight(vk::Control, keys), vk::RControl);
    EXPECT_EQ(resolveLeftRight(vk::Menu, keys), vk::RMenu);
    EXPECT_EQ(resolveLeftRight(vk::Escape, keys), vk::Escape);
    // The side-less entries follow their two sides.
    EXPECT_TRUE(keys.isDown(vk::Shift));
    keys.setDown(vk::LShift, true);
    keys.setDown(vk::RShift, false);
    EXPECT_TRUE(keys.isDown(vk::Shift));
    keys.setDown(vk::LShift, false);
    EXPECT_FALSE(keys.isDown(vk::Shift));
}

TEST(KeyCodes, ModifierBitsOfKeyAndMouseEvents)
{
    KeyState keys;
    EXPECT_EQ(keyModifiers(keys), 0u);
    keys.setDown(vk::RShift, true);
    EXPECT_EQ(keyModifiers(keys), kModShift);
    keys.setDown(vk::LControl, true);
    keys.setDown(vk::RMenu, true);
    keys.setDown(vk::RWin, true);
    EXPECT_EQ(keyModifiers(keys), kModShift | kModControl | kModAlt | kModMeta);

    // Mouse events take buttons, Shift and Control from the message, Alt and the Windows key
    // from the held keys.
    KeyState altOnly;
    altOnly.setDown(vk::LMenu, true);
    EXPECT_EQ(mouseModifiers(mk::LButton | mk::Shift, altOnly), kModLeftDown | kModShift | kModAlt);
    EXPECT_EQ(mouseModifiers(mk::RButton | mk::MButton | mk::Control, KeyState()),
              kModRightDown | kModMiddleDown | kModControl);
    EXPECT_EQ(mouseModifiers(0, keys), kModAlt | kModMeta); // Shift and Control only from the message
}

TEST(KeyCodes, SdlKeysBecomeTheSameCodesAsOnWindows)
{
    struct Case {
        SDL_Scancode scancode;
        SDL_Keycode key;
        bool shift, numLock;
        uint32_t native;
        int32_t code;
        uint32_t character;
    };
    const Case cases[] = {
        // Right Shift: Windows sends the side-less 16; the code names the right side.
        {SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, true, false, 16, 303, 0},
        {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, true, false, 16, 304, 0},
        {SDL_SCANCODE_RCTRL, SDLK_RCTRL, false, false, 17, 305, 0},
        {SDL_SCANCODE_LALT, SDLK_LALT, false, false, 18, 308, 0},
        {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, false, false, 27, 27, 27},
        {SDL_SCANCODE_RETURN, SDLK_RETURN, false, false, 13, 13, 13},
        {SDL_SCANCODE_A, SDLK_a, false, false, 65, 97, 'a'},
        {SDL_SCANCODE_A, SDLK_a, true, false, 65, 97, 'A'},
        // A layout that puts 'z' where US has 'y': the symbol decides.
        {SDL_SCANCODE_Y, SDLK_z, false, false, 90, 122, 'z'},
        {SDL_SCANCODE_1, SDLK_1, true, false, 49, 49, '!'},
        {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, false, false, 186, 59, ';'},
        {SDL_SCANCODE_F1, SDLK_F1, false, false, 112, 282, 0},
        {SDL_SCANCODE_DELETE, SDLK_DELETE, false, false, 46, 127, 0},
        {SDL_SCANCODE_KP_7, SDLK_KP_7, false, true, 103, 263, '7'},
        {SDL_SCANCODE_KP_7, SDLK_KP_7, false, false, 36, 278, 0}, // Num Lock off: Home
        {SDL_SCANCODE_UP, SDLK_UP, false, false, 38, 273, 0},
        {SDL_SCANCODE_RGUI, SDLK_RGUI, false, false, 92, 312, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(SDL_GetScancodeName(c.scancode));
        const uint32_t native = sdl::virtualKeyFor(c.scancode, c.key, c.numLock);
        const uint32_t sided = sdl::sidedVirtualKeyFor(c.scancode, c.key, c.numLock);
        EXPECT_EQ(native, c.native);
        EXPECT_EQ(keyCodeForVirtualKey(sided), c.code);
        EXPECT_EQ(sdl::characterFor(c.scancode, c.key, c.shift, false, c.numLock), c.character);
    }
    // Caps Lock turns letters to upper case, and Shift back; digits ignore it.
    EXPECT_EQ(sdl::characterFor(SDL_SCANCODE_B, SDLK_b, false, true, false), 'B');
    EXPECT_EQ(sdl::characterFor(SDL_SCANCODE_B, SDLK_b, true, true, false), 'b');
    EXPECT_EQ(sdl::characterFor(SDL_SCANCODE_2, SDLK_2, false, true, false), '2');
}
