#pragma once

#include "framework/Exception.h"

namespace lume::gl {

// Root of the graphics toolkit's failures that go through the framework's exception base.
class Exception : public lume::Exception {};

// A texture target the drawing helpers do not know how to save and restore.
class ExceptionUnknownTarget : public Exception {
  public:
    const char *what() const noexcept override { return "Unknown exception"; }
};

} // namespace lume::gl
