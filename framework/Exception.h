#pragma once

#include <exception>

namespace lume {

// Root of the framework's own failures. Subclasses carry fixed texts; the base adds nothing,
// so callers can catch std::exception and still report what().
class Exception : public std::exception {};

} // namespace lume
