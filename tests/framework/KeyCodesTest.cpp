// The virtual-key table, left/right resolution and modifier bits.
#include "framework/app/KeyCodes.h"
#include "framework/app/Event.h"

#include <gtest/gtest.h>

using namespace lume::app;

TEST(KeyCodes, TableMapsVirtualKeysToKeyCodes)
{
    struct Case {
        uint32_t vk;
        int32_t code;
    };
    // clang-format off
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
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(keyCodeForVirtualKey(c.vk), c.code) << "virtual key " << c.vk;
}

TEST(KeyCodes, TheSideLessModifierIsHeldWhileEitherSideIs)
{
    KeyState keys;
    keys.setDown(vk::RShift, true);
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
