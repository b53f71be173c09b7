#include "framework/app/msw/WindowImplMsw.h"

#include "framework/app/AppBasic.h"
#include "framework/app/Utf.h"
#include "framework/app/Window.h"
#include "framework/app/msw/AppImplMsw.h"
#include "framework/app/msw/DisplayModeMsw.h"
#include "framework/app/msw/KeyTranslationMsw.h"
#include "framework/app/msw/PlatformMsw.h"

#include <shellapi.h>
#include <windowsx.h>

#include <exception>
#include <vector>

namespace lume::app {

namespace {

void registerWindowClass(WNDPROC proc)
{
    static bool sRegistered = false;
    if (sRegistered)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // An own device context: the render context keeps it for the window's life.
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WINLOGO));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = WindowImplMsw::kClassName;
    sRegistered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::wstring toSystemText(const std::string &utf8)
{
    const std::u16string wide = toUtf16(utf8);
    return std::wstring(wide.begin(), wide.end());
}

// An error raised by a handler inside the window procedure: C++ exceptions cannot unwind
// through the system's frames between the procedure and the loop, so it waits here until the
// system call that dispatched the message has returned (main thread only).
std::exception_ptr sPendingError;

Vec2i pointOf(LPARAM lParam)
{
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

WindowImplMsw::WindowImplMsw(const WindowFormat &format, const RendererRef &sharedRenderer, AppImplMsw *appImpl)
    : WindowImpl(format, appImpl), mAppImplMsw(appImpl)
{
    registerWindowClass(windowProc);
    if (isFullScreen() || isBorderless()) {
        mExStyle = WS_EX_APPWINDOW;
        mStyle = WS_POPUP;
    } else {
        mExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
        mStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        if (isResizable())
            mStyle |= WS_THICKFRAME;
    }
    if (isAlwaysOnTop())
        mExStyle |= WS_EX_TOPMOST;

    const Vec2i pos = getPos(), size = getSize();
    RECT rect{pos.x, pos.y, pos.x + size.x, pos.y + size.y};
    AdjustWindowRectEx(&rect, mStyle, FALSE, mExStyle);
    std::wstring title;
    try {
        title = toSystemText(format.title);
    } catch (const std::runtime_error &) {
        // A title that is not UTF-8 leaves the window untitled rather than without a window.
    }
    // Hidden (no WS_VISIBLE) until the context is made.
    mWnd = CreateWindowExW(mExStyle, kClassName, title.c_str(), mStyle, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    mDC = mWnd ? GetDC(mWnd) : nullptr;
    if (!mWnd || !mDC) {
        // The window still exists for the application, without a native window or context.
        appImpl->getApp()->console() << "Failed to create the window: error " << GetLastError() << '\n';
        if (mWnd) {
            SetWindowLongPtrW(mWnd, GWLP_USERDATA, 0);
            DestroyWindow(mWnd);
            mWnd = nullptr;
        }
        finishCreation();
        mCreated = true;
        return;
    }
    finishCreation(displayOfWindow());
    mCreated = true;
    const RendererRef renderer = getRenderer();
    if (renderer)
        renderer->attachWindow(appImpl->getApp(), this, sharedRenderer);

    DragAcceptFiles(mWnd, TRUE);
    ShowWindow(mWnd, SW_SHOW);
    SetForegroundWindow(mWnd);
    SetFocus(mWnd);
    if (renderer)
        renderer->makeCurrentContext();
    rethrowPendingError();
}

WindowImplMsw::~WindowImplMsw()
{
    destroyNative();
}

void WindowImplMsw::destroyNative()
{
    if (RendererRef renderer = getRenderer())
        renderer->kill();
    if (mWnd) {
        if (isDragging())
            ReleaseCapture();
        // No more reports: the messages of the window's end come while this object goes.
        SetWindowLongPtrW(mWnd, GWLP_USERDATA, 0);
        ReleaseDC(mWnd, mDC);
        DestroyWindow(mWnd);
        mWnd = nullptr;
        mDC = nullptr;
    }
}

DisplayRef WindowImplMsw::displayOfWindow() const
{
    HMONITOR monitor = MonitorFromWindow(mWnd, MONITOR_DEFAULTTONEAREST);
    return Display::findFromNative(reinterpret_cast<std::intptr_t>(monitor));
}

void WindowImplMsw::setPos(const Vec2i &pos)
{
    if (mWnd) {
        RECT rect{pos.x, pos.y, pos.x + 1, pos.y + 1};
        AdjustWindowRectEx(&rect, mStyle, FALSE, mExStyle);
        SetWindowPos(mWnd, nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    recordPos(pos);
}

void WindowImplMsw::setSize(const Vec2i &size)
{
    if (!mWnd)
        return;
    RECT rect{0, 0, size.x, size.y};
    AdjustWindowRectEx(&rect, mStyle, FALSE, mExStyle);
    SetWindowPos(mWnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowImplMsw::getTitle() const
{
    if (!mWnd)
        return "";
    std::wstring title(static_cast<size_t>(GetWindowTextLengthW(mWnd)) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(mWnd, title.data(), static_cast<int>(title.size()))));
    return toUtf8(std::u16string(title.begin(), title.end()));
}

void WindowImplMsw::setTitle(const std::string &title)
{
    if (mWnd)
        SetWindowTextW(mWnd, toSystemText(title).c_str());
}

void WindowImplMsw::hide()
{
    if (mWnd)
        ShowWindow(mWnd, SW_HIDE);
    recordHidden(true);
}

void WindowImplMsw::show()
{
    if (mWnd)
        ShowWindow(mWnd, SW_SHOW);
    recordHidden(false);
}

void WindowImplMsw::redraw()
{
    if (mWnd) {
        RedrawWindow(mWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        rethrowPendingError();
    } else {
        paint(); // no native window: the application still runs its draw
    }
}

void WindowImplMsw::captureMouse(bool captured)
{
    if (!mWnd)
        return;
    if (captured)
        SetCapture(mWnd);
    else if (GetCapture() == mWnd)
        ReleaseCapture();
}

LRESULT CALLBACK WindowImplMsw::windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *window = reinterpret_cast<WindowImplMsw *>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    // Before the window object exists (messages sent while the native window is made) there
    // is no one to report to.
    if (!window || !window->mCreated)
        return DefWindowProcW(wnd, message, wParam, lParam);
    try {
        return window->handleMessage(message, wParam, lParam); // may delete the window
    } catch (...) {
        if (!sPendingError)
            sPendingError = std::current_exception();
        return 0;
    }
}

void WindowImplMsw::rethrowPendingError()
{
    if (!sPendingError)
        return;
    std::exception_ptr error = std::move(sPendingError);
    sPendingError = nullptr;
    std::rethrow_exception(error);
}

LRESULT WindowImplMsw::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    activate();
    switch (message) {
    case WM_MOVE: inputMove(pointOf(lParam), displayOfWindow()); return 0;
    case WM_SIZE: inputResize({LOWORD(lParam), HIWORD(lParam)}); return 0;
    case WM_SETFOCUS:
        mAppImplMsw->syncKeyState();
        inputFocus(true);
        break;
    case WM_KILLFOCUS: inputFocus(false); break;
    case WM_PAINT: paint(); break; // the default validates the window
    case WM_CLOSE:
        close(); // deletes this
        return 0;
    case WM_ENDSESSION:
        // The session ends: the process is ended soon after this returns, with no further
        // pass of the loop, so the desktop mode goes back now.
        if (wParam) {
            PlatformMsw::requestOutsideQuit();
            msw::restoreOriginalMode();
        }
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        handleKey(wParam, lParam, true);
        // Alt+F4 still closes the window (the default turns it into a close command).
        if (message == WM_SYSKEYDOWN && wParam == VK_F4)
            break;
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP: handleKey(wParam, lParam, false); return 0;
    case WM_SYSCOMMAND: {
        const WPARAM command = wParam & 0xFFF0;
        if ((command == SC_SCREENSAVE || command == SC_MONITORPOWER) &&
            !mAppImplMsw->getPlatform()->isPowerManagementEnabled())
            return 0;
        break;
    }
    case WM_MOUSEMOVE: inputMouseMove(pointOf(lParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: inputMouseButton(MouseEvent::kLeft, message == WM_LBUTTONDOWN, pointOf(lParam)); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: inputMouseButton(MouseEvent::kRight, message == WM_RBUTTONDOWN, pointOf(lParam)); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: inputMouseButton(MouseEvent::kMiddle, message == WM_MBUTTONDOWN, pointOf(lParam)); return 0;
    case WM_MOUSEWHEEL:
        // The wheel message carries the pointer in screen pixels.
        inputMouseWheel(pointOf(lParam), static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA);
        return 0;
    case WM_DROPFILES: handleDrop(reinterpret_cast<HDROP>(wParam)); return 0;
    default: break;
    }
    return DefWindowProcW(mWnd, message, wParam, lParam);
}

void WindowImplMsw::handleKey(WPARAM wParam, LPARAM lParam, bool down)
{
    const auto vkCode = static_cast<uint32_t>(wParam);
    const auto keyData = static_cast<uint32_t>(lParam);
    uint32_t character = 0;
    BYTE state[256];
    if (down && GetKeyboardState(state))
        character = msw::characterFor(vkCode, keyData, state);
    const uint32_t sided = msw::sidedVirtualKeyFor(vkCode, keyData);
    inputKey(sided, vkCode, character, down);
    if (down || sided == vkCode)
        return;
    // A modifier came up. Released together, the two Shift keys give a single key-up between
    // them, so the other side may be recorded as held when it is not: the system's state at
    // this message says. A side released that way comes up now, as if it had sent its own.
    const uint32_t other = msw::otherSideOf(sided);
    if (mAppImplMsw->keys().isDown(other) && !(GetKeyState(static_cast<int>(other)) & 0x8000))
        inputKey(other, vkCode, 0, false);
}

void WindowImplMsw::handleDrop(HDROP drop)
{
    // Wide names: a file's name need not fit the ANSI code page.
    std::vector<std::filesystem::path> files;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(static_cast<size_t>(length) + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
        files.emplace_back(name);
    }
    POINT point{};
    DragQueryPoint(drop, &point);
    DragFinish(drop);
    inputDrop({point.x, point.y}, std::move(files));
}

} // namespace lume::app
