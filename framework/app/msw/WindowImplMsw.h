#pragma once

#include "framework/app/WindowImpl.h"

#include <windows.h>

#include <cstdint>

namespace lume::app {

class AppImplMsw;

// A window of the class "LumeWinClass": created hidden, its renderer attached to its own
// device context, then shown and given the focus. Borderless and full-screen windows are
// pop-ups; others have a caption, and a sizing frame when resizable. The window procedure
// reports the system's messages through WindowImpl's input functions: virtual-key codes with
// the side of Shift, Control and Alt, characters through the keyboard translation
// (KeyTranslationMsw), wheel positions in screen pixels, a drop's files in one report.
class WindowImplMsw : public WindowImpl {
  public:
    static constexpr const wchar_t *kClassName = L"LumeWinClass";

    WindowImplMsw(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplMsw *appImpl);
    ~WindowImplMsw() override;

    void setPos(const Vec2i &pos) override;
    void setSize(const Vec2i &size) override;
    std::string getTitle() const override;
    void setTitle(const std::string &title) override;
    void hide() override;
    void show() override;
    void *getNative() const override { return mWnd; }
    // RedrawWindow with an immediate update: the paint message is handled before it returns.
    void redraw() override;
    void destroyNative() override;

    HDC getDC() const { return mDC; }
    // Raises, on the loop's side, an error a handler raised inside the window procedure.
    // Called after every system call that may dispatch messages to a window.
    static void rethrowPendingError();

  protected:
    void captureMouse(bool captured) override;

  private:
    static LRESULT CALLBACK windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // One message for this window. WM_CLOSE deletes the window: nothing may touch it after.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handleKey(WPARAM wParam, LPARAM lParam, bool down);
    void handleDrop(HDROP drop);
    DisplayRef displayOfWindow() const;

    AppImplMsw *mAppImplMsw;
    HWND mWnd = nullptr;
    HDC mDC = nullptr;
    DWORD mStyle = 0, mExStyle = 0;
    bool mCreated = false; // finishCreation has run: the window object exists
};

} // namespace lume::app
