// The SDL backend's key translation: SDL's keys become the Windows virtual-key codes and
// characters the portable key table expects.
#include "framework/app/sdl/KeyTranslationSdl.h"
#include "framework/app/KeyCodes.h"

#include <gtest/gtest.h>

using namespace lume::app;

TEST(KeyTranslationSdl, SdlKeysBecomeTheSameCodesAsOnWindows)
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
