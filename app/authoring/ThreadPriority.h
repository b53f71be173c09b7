#pragma once

namespace fraglume {

// Gives the calling thread the lowest scheduling priority the platform grants without
// privileges, so that on a busy machine it yields to every other thread of the process.
void lowerThreadPriority();

} // namespace fraglume
