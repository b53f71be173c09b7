#pragma once

#include "app/ScenePass.h"
#include "framework/app/Console.h"
#include "framework/app/FileWatch.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace lume::gl {
class GlslProg;
}

namespace fraglume {

// The authoring mode's loader work: watches the scene file, and on each change reads it,
// joins it behind the uniform header, builds and warms up the program in the loader's
// context, and leaves the outcome for the render thread to take. The render thread never
// reads a file or compiles. Messages go to the console as the loader meets them: compiler
// messages on the file's own line numbers, and a file that cannot be read once per spell.
class SceneBuilder {
  public:
    enum class Status { Built, Failed, Unreadable };
    // What the render thread takes. `program` is set only for a new good build.
    struct Outcome {
        Status status = Status::Built;
        std::shared_ptr<lume::gl::GlslProg> program;
    };

    // `images` and `layout` are what the scene will sample, for the warm-up draw; the slots
    // must be filled before run() starts.
    SceneBuilder(lume::app::Console &console, const ImageSlots *images, int layout);

    // Render thread: build this file now and again whenever it changes.
    void watchFile(const std::filesystem::path &file);
    // Render thread: build the embedded scene source `sceneId` (not watched).
    void buildEmbedded(int sceneId);
    // Render thread: the newest outcome since the previous call, if any, carrying the newest
    // good program built since then (outcomes not taken in time are merged into newer ones).
    std::optional<Outcome> take();

    // Loader thread, its context current: until `stop` is set, look for a new request or a
    // change every 10 ms and build.
    void run(const std::atomic<bool> &stop);

  private:
    struct Request {
        std::filesystem::path file;
        int sceneId = 0;
    };
    // Reads the watched file and builds it unless it is the text built last.
    void rebuildFile(const std::atomic<bool> &stop);
    void rebuildEmbedded();
    void build(const std::string &source, const std::string &name);
    void post(Outcome outcome);

    lume::app::Console &mConsole;
    const ImageSlots *mImages;
    int mLayout;

    std::mutex mMutex; // guards mRequest and mOutcome
    std::optional<Request> mRequest;
    std::optional<Outcome> mOutcome;

    // Loader thread only.
    Request mCurrent;
    std::unique_ptr<lume::app::FileWatch> mWatch;
    std::optional<std::string> mLastSource; // the text of the last build attempt
    Status mLastStatus = Status::Built;     // and how it ended
    bool mUnreadable = false;               // said so already
    ImageSlots mStandIns;
};

} // namespace fraglume
