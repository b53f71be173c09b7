#pragma once

#include "app/ShowEngine.h"
#include "app/authoring/AuthoringOptions.h"
#include "app/authoring/FrameRateReadout.h"
#include "app/authoring/SceneBuilder.h"
#include "app/authoring/SceneClock.h"
#include "framework/Vector.h"
#include "framework/app/AppBasic.h"

#include <memory>
#include <optional>
#include <string>

namespace fraglume {

// `fraglume --scene`: one scene in a normal window, rebuilt on the loader thread whenever its
// file is saved and swapped in at the next frame, with the show's header, uniforms and the
// images of one channel layout. The desktop's mode and cursor are left alone. The show engine
// holds the images, the scene buffer, the playing program and the loader thread; this mode
// adds the file watch (its builder), the scene clock and the keys.
class AuthoringApp : public lume::app::AppBasic {
  public:
    explicit AuthoringApp(AuthoringOptions options);

    void prepareSettings(Settings *settings) override;
    void setup() override;
    void shutdown() override;
    void update() override;
    void draw() override;
    void resize() override;
    void keyDown(lume::app::KeyEvent event) override;
    void mouseDown(lume::app::MouseEvent event) override;
    void mouseDrag(lume::app::MouseEvent event) override;
    void fileDrop(lume::app::FileDropEvent event) override;

  private:
    void updateTitle();
    std::string sceneName() const;

    AuthoringOptions mOptions;
    ShowEngine mEngine{getConsole()};
    // The frame's one reading of the application clock, taken in update().
    double mFrameTime = 0.0;
    std::optional<SceneClock> mClock;
    FrameRateReadout mReadout;
    std::optional<FrameRate> mRate;
    SceneBuilder::Status mStatus = SceneBuilder::Status::Built;
    bool mFullScreen = false;
    lume::Vec4f mMouse;
    bool mMousePressed = false;

    std::unique_ptr<SceneBuilder> mBuilder;
};

// Runs the authoring mode; returns the process exit status.
int runAuthoring(const AuthoringOptions &options);

} // namespace fraglume
