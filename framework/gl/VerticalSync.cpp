#include "framework/gl/VerticalSync.h"

#include "framework/gl/Context.h"

namespace lume::gl {

void enableVerticalSync(bool enable)
{
    if (Context *context = getCurrentContext())
        context->setSwapInterval(enable ? 1 : 0);
}

bool isVerticalSyncEnabled()
{
    const Context *context = getCurrentContext();
    return context && context->getSwapInterval() > 0;
}

} // namespace lume::gl
