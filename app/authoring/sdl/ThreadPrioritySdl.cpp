#include "app/authoring/ThreadPriority.h"

#include <SDL.h>

namespace fraglume {

void lowerThreadPriority()
{
    // On Linux: the thread's nice value 19. Failing leaves the priority as it was.
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_LOW);
}

} // namespace fraglume
