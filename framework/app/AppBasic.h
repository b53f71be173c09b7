#pragma once

#include "framework/app/App.h"

#include <boost/signals2/signal.hpp>

#include <memory>
#include <string>
#include <vector>

namespace lume::app {

class AppImplBasic;

// Combines boolean slot results with a logical AND (true when there are no slots).
struct BooleanAndEventCombiner {
    using result_type = bool;
    template <typename Iterator>
    bool operator()(Iterator first, Iterator last) const
    {
        bool result = true;
        for (; first != last; ++first)
            result = *first && result;
        return result;
    }
};

// The single-window application the player derives from.
class AppBasic : public App {
  public:
    class Settings : public App::Settings {
      public:
        // Closing the last window requests quit.
        bool quitOnLastWindowClose = true;
        // Open a console window at launch (where the platform has such a thing).
        bool consoleWindowEnabled = false;
    };

    AppBasic();
    ~AppBasic() override;

    // Fills the start-up settings; called once, before any window exists.
    virtual void prepareSettings(Settings *settings);

    void quit() override;
    const Settings &getSettings() const override { return mSettings; }
    WindowRef getWindow() const override;
    size_t getNumWindows() const override;
    WindowRef getWindowIndex(size_t index) const override;
    float getFrameRate() const override;
    void setFrameRate(float frameRate) override;
    std::filesystem::path getAppPath() const override;
    virtual void disableFrameRate();
    virtual bool isFrameRateEnabled() const;
    virtual WindowRef getForegroundWindow() const;

    // Runs the application's whole life: command line, settings, windows, setup, the main
    // loop and shutdown. Returns when the loop has ended; an error raised by the
    // application leaves it after shutdown has run.
    virtual void launch(const char *title, const std::vector<std::string> &args);

    const std::vector<std::string> &getCommandLineArgs() const { return mCommandLineArgs; }
    boost::signals2::signal<bool(), BooleanAndEventCombiner> &getSignalShouldQuit() { return mSignalShouldQuit; }
    AppImplBasic *getImpl() const { return mImpl.get(); }

  protected:
    explicit AppBasic(const Clock &clock);

  private:
    boost::signals2::signal<bool(), BooleanAndEventCombiner> mSignalShouldQuit;
    std::unique_ptr<AppImplBasic> mImpl;
    std::vector<std::string> mCommandLineArgs;
    Settings mSettings;
};

// Runs `app` with `defaultRenderer` (each window gets a clone) under the name `name`, which
// is also the window title, and deletes it at the end. Returns the process exit status: 0,
// or 1 when an error escaped the application (after shutdown has run and the error's text
// has been written to the console).
int launchApplication(AppBasic *app, RendererRef defaultRenderer, const char *name);

} // namespace lume::app
