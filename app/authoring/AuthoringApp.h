#pragma once

#include "app/ScenePass.h"
#include "app/authoring/AuthoringOptions.h"
#include "app/authoring/FrameRateReadout.h"
#include "app/authoring/SceneBuilder.h"
#include "app/authoring/SceneClock.h"
#include "framework/Vector.h"
#include "framework/app/AppBasic.h"
#include "framework/gl/Fbo.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace lume::gl {
class GlslProg;
}

namespace fraglume {

// `fraglume --scene`: one scene in a normal window, rebuilt on the loader thread whenever its
// file is saved and swapped in at the next frame, with the show's header, uniforms and the
// images of one channel layout. The desktop's mode and cursor are left alone.
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
    ImageSlots mImages;
    lume::gl::Fbo mSceneFbo;
    std::shared_ptr<lume::gl::GlslProg> mProgram;
    std::optional<SceneClock> mClock;
    FrameRateReadout mReadout;
    std::optional<FrameRate> mRate;
    SceneBuilder::Status mStatus = SceneBuilder::Status::Built;
    bool mFullScreen = false;
    lume::Vec4f mMouse;
    bool mMousePressed = false;

    std::unique_ptr<SceneBuilder> mBuilder;
    std::thread mLoaderThread;
    std::atomic<bool> mLoaderStop{false};
};

// Runs the authoring mode; returns the process exit status.
int runAuthoring(const AuthoringOptions &options);

} // namespace fraglume
