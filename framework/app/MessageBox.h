#pragma once

#include "framework/app/Platform.h"

#include <memory>
#include <string>

namespace lume::app {

class Window;
using WindowRef = std::shared_ptr<Window>;

// A modal box with one OK button, owned by `owner` (may be empty); blocks until the user
// closes it. Texts are UTF-16.
void showMessageBox(const WindowRef &owner, const std::u16string &text, const std::u16string &caption,
                    MessageBoxIcon icon);

} // namespace lume::app
