// The portable faces of platform services the application calls directly.
#include "framework/app/DisplayMode.h"
#include "framework/app/MessageBox.h"
#include "framework/app/Platform.h"
#include "framework/app/Utf.h"
#include "framework/app/Window.h"

namespace lume::app {

DisplayChange switchPrimaryDisplayMode(int32_t width, int32_t height)
{
    return platform().changeDisplayMode(width, height);
}

Vec2i getDesktopSize()
{
    return platform().getDesktopSize();
}

void showMessageBox(const WindowRef &owner, const std::u16string &text, const std::u16string &caption,
                    MessageBoxIcon icon)
{
    void *native = owner && owner->isValid() ? owner->getNative() : nullptr;
    platform().showMessageBox(native, toUtf8(caption), toUtf8(text), icon);
}

} // namespace lume::app
