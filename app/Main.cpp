// The program: one player with an OpenGL renderer (no antialiasing), run by the launcher.
#include "app/FraglumeApp.h"
#include "framework/app/RendererGl.h"

int main()
{
    auto *app = new fraglume::FraglumeApp;
    auto renderer = std::make_shared<lume::app::RendererGl>(0);
    return lume::app::launchApplication(app, renderer, "FraglumeApp");
}
