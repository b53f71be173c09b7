#include "tests/wayland/WestonSupport.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <thread>

namespace lume::test {

WestonServer::WestonServer(int width, int height)
{
    // Xwayland's listening sockets live here; on a machine that has never run an X server the
    // folder is missing and Weston gives up on Xwayland.
    mkdir("/tmp/.X11-unix", 01777);
    chmod("/tmp/.X11-unix", 01777);

    char folder[] = "/tmp/lume-weston-XXXXXX"; // mkdtemp makes it mode 700, as Wayland asks
    if (!mkdtemp(folder))
        throw std::runtime_error("cannot make a runtime folder for Weston");
    mRuntimeDir = folder;
    mSocket = "wayland-lume-" + std::to_string(getpid());

    mWeston = std::make_unique<Process>(
        std::vector<std::string>{"weston", "--backend=headless-backend.so", "--xwayland",
                                 "--width=" + std::to_string(width), "--height=" + std::to_string(height),
                                 "--socket=" + mSocket, "--idle-time=0"},
        std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", mRuntimeDir}}, mRuntimeDir, 600);

    const std::regex listening("xserver listening on display (:[0-9]+)");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        std::smatch match;
        const std::string text = log();
        if (std::regex_search(text, match, listening)) {
            mDisplay = match[1];
            return;
        }
        if (!mWeston->running())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::string text = log();
    mWeston.reset();
    std::filesystem::remove_all(mRuntimeDir);
    throw std::runtime_error("Weston did not start Xwayland:\n" + text);
}

WestonServer::~WestonServer()
{
    if (mWeston) {
        mWeston->signal(SIGTERM);
        mWeston->waitFor(30);
        mWeston.reset();
    }
    std::error_code ignored;
    std::filesystem::remove_all(mRuntimeDir, ignored);
}

std::map<std::string, std::string> WestonServer::environment() const
{
    return {{"DISPLAY", mDisplay}, {"WAYLAND_DISPLAY", mSocket}, {"XDG_RUNTIME_DIR", mRuntimeDir}};
}

std::string WestonServer::log() const
{
    return mWeston ? mWeston->output() + mWeston->errors() : std::string();
}

} // namespace lume::test
