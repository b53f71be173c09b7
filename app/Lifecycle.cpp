// Start-up settings, display modes, shutdown and the fatal-error box.
#include "app/FraglumeApp.h"

#include "framework/app/DisplayMode.h"
#include "framework/app/MessageBox.h"
#include "framework/app/Utf.h"
#include "framework/gl/VerticalSync.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace fraglume {

using namespace lume;
using namespace lume::app;

namespace {

// Stops re-entry from the message loop that runs while the box is open.
bool sFatalErrorGuard = false;

constexpr size_t kFatalErrorLimit = 4096; // bytes, with the terminating zero

std::string formatText(const char *format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(length));
    return text;
}

// The text with every byte that does not start a valid character shown as U+FFFD.
std::string replaceMalformed(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        bool valid = length > 0 && i + length <= text.size();
        if (valid) {
            try {
                toUtf16(std::string_view(text).substr(i, length));
            } catch (const std::exception &) {
                valid = false;
            }
        }
        if (valid) {
            out.append(text, i, length);
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

} // namespace

const char *FraglumeApp::displayChangeMessage(DisplayChange code)
{
    switch (code) {
    case kDisplayChangeBadDualView:
        return "The settings change was unsuccessful because the system is DualView capable.";
    case kDisplayChangeNotUpdated: return "Unable to write settings to the registry.";
    case kDisplayChangeBadMode: return "The graphics mode is not supported.";
    case kDisplayChangeFailed: return "The display driver failed the specified graphics mode.";
    default: return "Unable to change screen resolution due to unknown error.";
    }
}

void FraglumeApp::prepareSettings(Settings *settings)
{
    const Vec2i desktop = getDesktopSize();
    mDesktopWidth = desktop.x;
    mDesktopHeight = desktop.y;

    WindowFormat &format = settings->defaultWindowFormat;
    if (changeDisplayMode(1920, 1080) == kDisplayChangeSuccessful) {
        settings->setFrameRate(500.0f);
        format.size = {1920, 1080};
    } else if (changeDisplayMode(1280, 768) == kDisplayChangeSuccessful) {
        settings->setFrameRate(60.0f);
        format.size = {1280, 768};
    } else if (changeDisplayMode(640, 480) == kDisplayChangeSuccessful) {
        settings->setFrameRate(60.0f);
        format.size = {640, 480};
    } else {
        // No usable mode: nothing to show. The console lines of the three attempts are
        // written out as the process ends.
        std::exit(0);
    }
    format.pos = {0, 0};
    format.posSpecified = true;
    format.resizable = false;
    format.borderless = true;
    hideCursor();
    // No context exists yet, so this asks for nothing: the swap interval stays the driver's.
    gl::enableVerticalSync(true);
}

DisplayChange FraglumeApp::changeDisplayMode(int32_t width, int32_t height)
{
    const DisplayChange code = switchPrimaryDisplayMode(width, height);
    if (code != kDisplayChangeSuccessful)
        console() << "Error " << code << " occurred. " << displayChangeMessage(code) << "\n";
    return code;
}

void FraglumeApp::shutdown()
{
    shutdownMusic();
    showCursor();
    changeDisplayMode(mDesktopWidth, mDesktopHeight);
    mEngine.stopLoader();
}

void FraglumeApp::fatalError(const char *format, ...)
{
    if (sFatalErrorGuard)
        return;
    sFatalErrorGuard = true;

    va_list args;
    va_start(args, format);
    std::string text = formatText(format, args);
    va_end(args);
    // Cut at the limit, but before a character that would not fit whole.
    text.resize(utf8PrefixLength(text, kFatalErrorLimit - 1));

    std::u16string wide;
    try {
        wide = toUtf16(text);
    } catch (const std::exception &) {
        // Not valid UTF-8 (a driver message in another encoding, say): the box shows what it
        // can, and the console keeps the bytes as they were.
        console() << "Fatal Error: " << text << std::endl;
        wide = toUtf16(replaceMalformed(text));
    }
    showMessageBox(getWindow(), wide, u"Fatal Error", MessageBoxIcon::Error);
    quit();
    sFatalErrorGuard = false;
}

} // namespace fraglume
