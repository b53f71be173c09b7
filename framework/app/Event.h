#pragma once

#include "framework/Vector.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace lume::app {

class Window;
using WindowRef = std::shared_ptr<Window>;

// Modifier bits of MouseEvent and KeyEvent (the button bits only on mouse events).
enum : uint32_t {
    kModLeftDown = 0x01,
    kModRightDown = 0x02,
    kModMiddleDown = 0x04,
    kModShift = 0x08,
    kModAlt = 0x10,
    kModControl = 0x20,
    kModMeta = 0x40,
};

// Base of every input record. A signal slot that sets `handled` keeps the event from the
// slots after it and from the application's handler.
class Event {
  public:
    virtual ~Event() = default;

    bool isHandled() const { return mHandled; }
    void setHandled(bool handled = true) { mHandled = handled; }
    WindowRef getWindow() const { return mWindow; }

  protected:
    explicit Event(WindowRef window) : mWindow(std::move(window)) {}

    bool mHandled = false;
    WindowRef mWindow;
};

class MouseEvent : public Event {
  public:
    enum Initiator : int32_t { kNone = 0, kLeft = 1, kRight = 2, kMiddle = 4 };

    MouseEvent(WindowRef window, int32_t initiator, int32_t x, int32_t y, uint32_t modifiers, float wheelIncrement,
               uint32_t nativeModifiers)
        : Event(std::move(window)), mInitiator(initiator), mX(x), mY(y), mModifiers(modifiers),
          mWheelIncrement(wheelIncrement), mNativeModifiers(nativeModifiers)
    {
    }

    int32_t getX() const { return mX; }
    int32_t getY() const { return mY; }
    Vec2i getPos() const { return {mX, mY}; }
    int32_t getInitiator() const { return mInitiator; }
    bool isLeft() const { return mInitiator == kLeft; }
    bool isRight() const { return mInitiator == kRight; }
    bool isMiddle() const { return mInitiator == kMiddle; }
    bool isLeftDown() const { return mModifiers & kModLeftDown; }
    bool isRightDown() const { return mModifiers & kModRightDown; }
    bool isMiddleDown() const { return mModifiers & kModMiddleDown; }
    bool isShiftDown() const { return mModifiers & kModShift; }
    bool isAltDown() const { return mModifiers & kModAlt; }
    bool isControlDown() const { return mModifiers & kModControl; }
    bool isMetaDown() const { return mModifiers & kModMeta; }
    uint32_t getModifiers() const { return mModifiers; }
    // Wheel detents, positive away from the user.
    float getWheelIncrement() const { return mWheelIncrement; }
    // The platform's button and key flags as received (Windows MK_* bits).
    uint32_t getNativeModifiers() const { return mNativeModifiers; }

  protected:
    int32_t mInitiator;
    int32_t mX, mY;
    uint32_t mModifiers;
    float mWheelIncrement;
    uint32_t mNativeModifiers;
};

class KeyEvent : public Event {
  public:
    // Key codes (mCode). The full mapping from virtual-key codes is in KeyCodes.cpp.
    enum Code : int32_t {
        KEY_UNKNOWN = 0,
        KEY_BACKSPACE = 8,
        KEY_TAB = 9,
        KEY_CLEAR = 12,
        KEY_RETURN = 13,
        KEY_PAUSE = 19,
        KEY_ESCAPE = 27,
        KEY_SPACE = 32,
        KEY_DELETE = 127,
        KEY_KP0 = 256,
        KEY_UP = 273,
        KEY_DOWN = 274,
        KEY_RIGHT = 275,
        KEY_LEFT = 276,
        KEY_F1 = 282,
        KEY_RSHIFT = 303,
        KEY_LSHIFT = 304,
        KEY_RCTRL = 305,
        KEY_LCTRL = 306,
        KEY_RALT = 307,
        KEY_LALT = 308,
        KEY_LSUPER = 311,
        KEY_RSUPER = 312,
        KEY_HELP = 315,
        KEY_PRINT = 316,
        KEY_BREAK = 318,
        KEY_MENU = 319,
    };

    KeyEvent(WindowRef window, int32_t code, uint32_t char32, char c, uint32_t modifiers, uint32_t nativeKeyCode)
        : Event(std::move(window)), mCode(code), mChar32(char32), mChar(c), mModifiers(modifiers),
          mNativeKeyCode(nativeKeyCode)
    {
    }

    int32_t getCode() const { return mCode; }
    uint32_t getCharUtf32() const { return mChar32; }
    char getChar() const { return mChar; }
    uint32_t getModifiers() const { return mModifiers; }
    bool isShiftDown() const { return mModifiers & kModShift; }
    bool isAltDown() const { return mModifiers & kModAlt; }
    bool isControlDown() const { return mModifiers & kModControl; }
    bool isMetaDown() const { return mModifiers & kModMeta; }
    // The Windows virtual-key code as received, before left/right resolution (Shift is 16
    // for either Shift key), on every platform.
    uint32_t getNativeKeyCode() const { return mNativeKeyCode; }

  protected:
    int32_t mCode;
    uint32_t mChar32;
    char mChar;
    uint32_t mModifiers;
    uint32_t mNativeKeyCode;
};

class FileDropEvent : public Event {
  public:
    FileDropEvent(WindowRef window, int32_t x, int32_t y, std::vector<std::filesystem::path> files)
        : Event(std::move(window)), mX(x), mY(y), mFiles(std::move(files))
    {
    }

    int32_t getX() const { return mX; }
    int32_t getY() const { return mY; }
    Vec2i getPos() const { return {mX, mY}; }
    const std::vector<std::filesystem::path> &getFiles() const { return mFiles; }
    size_t getNumFiles() const { return mFiles.size(); }
    const std::filesystem::path &getFile(size_t index) const { return mFiles.at(index); }

  protected:
    int32_t mX, mY;
    std::vector<std::filesystem::path> mFiles;
};

} // namespace lume::app
