// Display-mode requests each open an X connection of their own. An X server whose last client
// leaves resets itself, and hangs up on connections made meanwhile; a player that is the
// server's only client (a bare X session, the play command's private Xvfb) must not take that
// for the server's answer, or it reports refused modes it never asked about, skips the mode
// it would have got (ending without a window when that was the last one), or loses its mode
// to the reset.
#include "framework/app/sdl/DisplayModeXrandr.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>

extern char **environ;

using namespace lume::app;

namespace {

// An Xvfb that resets whenever its last client leaves, as X servers do by default (the test
// fixtures' servers are started with -noreset).
class ResettingXvfb {
  public:
    ResettingXvfb(int width, int height)
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        const char *argv[] = {"timeout",   "-k",  "5",       "300", "Xvfb",         "-displayfd", "3",
                              "-nolisten", "tcp", "-screen", "0",   screen.c_str(), nullptr};
        const int rc = posix_spawnp(&mPid, "timeout", &actions, nullptr, const_cast<char **>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string number;
        pollfd pfd{fds[0], POLLIN, 0};
        while (rc == 0 && number.find('\n') == std::string::npos && poll(&pfd, 1, 30000) > 0) {
            char buffer[16];
            const ssize_t n = read(fds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, size_t(n));
        }
        close(fds[0]);
        if (number.find('\n') == std::string::npos)
            throw std::runtime_error("Xvfb did not come up");
        mDisplay = ":" + number.substr(0, number.find('\n'));
    }
    ~ResettingXvfb()
    {
        kill(mPid, SIGTERM);
        waitpid(mPid, nullptr, 0);
    }
    const std::string &display() const { return mDisplay; }

  private:
    pid_t mPid = -1;
    std::string mDisplay;
};

} // namespace

TEST(DisplayModeRequests, AsTheServersOnlyClientEveryRequestGetsTheServersAnswer)
{
    XInitThreads();
    ResettingXvfb server(640, 480);
    setenv("DISPLAY", server.display().c_str(), 1);
    std::map<int, int> unlisted, own;
    for (int i = 0; i < 200; ++i) {
        ++unlisted[xrandr::changePrimaryMode(1280, 768)];
        ++own[xrandr::changePrimaryMode(640, 480)];
    }
    EXPECT_EQ(unlisted, (std::map<int, int>{{-2, 200}})) << "no such mode, every time";
    EXPECT_EQ(own, (std::map<int, int>{{0, 200}})) << "the screen's own mode, every time";
}
