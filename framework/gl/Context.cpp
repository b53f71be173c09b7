#include "framework/gl/Context.h"

namespace lume::gl {

namespace {

thread_local Context *tCurrent = nullptr;

} // namespace

void makeContextCurrent(Context *context)
{
    tCurrent = context;
}

Context *getCurrentContext()
{
    return tCurrent;
}

} // namespace lume::gl
