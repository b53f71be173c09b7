// The program: one player with an OpenGL renderer (no antialiasing), run by the launcher.
// Options are read before anything starts, so a bad command line changes no display mode.
#include "app/CommandLine.h"
#include "app/FraglumeApp.h"
#if FRAGLUME_WITH_RENDER
#include "app/render/Render.h"
#endif
#include "framework/app/CommandLineOutput.h"
#include "framework/app/RendererGl.h"
#ifdef LUME_HAS_AUTHORING
#include "app/authoring/AuthoringApp.h"
#endif

int main(int argc, char **argv)
{
    using fraglume::CommandLine;
    // Before anything is written: a windowed program's lines go to the console it was started from.
    lume::app::attachStartingConsole();
    CommandLine options;
    try {
        options = fraglume::parseCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc});
    } catch (const fraglume::CommandLineError &error) {
        lume::app::showCommandLineRefusal("fraglume: " + error.message);
        return fraglume::kBadCommandLineStatus;
    }
    switch (options.mode) {
    case CommandLine::Mode::Help: lume::app::printCommandLineAnswer(fraglume::usageText()); return 0;
    case CommandLine::Mode::Version: lume::app::printCommandLineAnswer(fraglume::versionText()); return 0;
    case CommandLine::Mode::Scene:
#ifdef LUME_HAS_AUTHORING
        return fraglume::runAuthoring(options.scene);
#else
        lume::app::showCommandLineRefusal("fraglume: --scene is not part of this build (Linux only)");
        return fraglume::kBadCommandLineStatus;
#endif
    case CommandLine::Mode::Render:
#if FRAGLUME_WITH_RENDER
        return fraglume::runRender(options.render);
#else
        return 1; // not parsed in a build without the renderer
#endif
    case CommandLine::Mode::Show: break;
    }
    auto *app = new fraglume::FraglumeApp;
    auto renderer = std::make_shared<lume::app::RendererGl>(0);
    return lume::app::launchApplication(app, renderer, "FraglumeApp");
}
