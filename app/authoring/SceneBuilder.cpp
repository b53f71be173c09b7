#include "app/authoring/SceneBuilder.h"

#include "app/Playlist.h"
#include "app/SceneAssembly.h"
#include "app/authoring/CompileLog.h"
#include "framework/app/Resources.h"
#include "framework/gl/GlslProg.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace fraglume {

using namespace lume;
using namespace std::chrono_literals;

namespace {

// The whole file, or nothing with the reason in `why`.
std::optional<std::string> readFile(const std::filesystem::path &file, std::string &why)
{
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        why = "it is a folder";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = std::strerror(errno);
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        why = "read error";
        return std::nullopt;
    }
    return text.str();
}

// The lines the uniform header puts before the scene's first line in the compiled text (0
// when the header itself is missing: the compiler then never saw the scene).
int headerLines()
{
    try {
        return countLines(loadString(app::loadResource(kHeaderShaderId, "FRAG")));
    } catch (const std::exception &) {
        return 0;
    }
}

} // namespace

SceneBuilder::SceneBuilder(app::Console &console, const ImageSlots *images, int layout)
    : mConsole(console), mImages(images), mLayout(layout)
{
}

void SceneBuilder::watchFile(const std::filesystem::path &file)
{
    std::lock_guard lock(mMutex);
    mRequest = Request{file, 0};
}

void SceneBuilder::buildEmbedded(int sceneId)
{
    std::lock_guard lock(mMutex);
    mRequest = Request{{}, sceneId};
}

std::optional<SceneBuilder::Outcome> SceneBuilder::take()
{
    std::lock_guard lock(mMutex);
    std::optional<Outcome> outcome = std::move(mOutcome);
    mOutcome.reset();
    return outcome;
}

void SceneBuilder::post(Outcome outcome)
{
    std::lock_guard lock(mMutex);
    // A good program not yet taken is still the newest good one unless this one brings its
    // own: the status is the newer one's either way.
    if (!outcome.program && mOutcome && mOutcome->program)
        outcome.program = std::move(mOutcome->program);
    mOutcome = std::move(outcome);
}

void SceneBuilder::run(const std::atomic<bool> &stop)
{
    if (mImages)
        mStandIns = makeWarmUpStandIns(*mImages);
    while (!stop.load()) {
        bool rebuild = false;
        {
            std::lock_guard lock(mMutex);
            if (mRequest) {
                mCurrent = *mRequest;
                mRequest.reset();
                rebuild = true;
            }
        }
        if (rebuild) {
            mLastSource.reset();
            mUnreadable = false;
            mWatch = mCurrent.file.empty() ? nullptr : app::makeFileWatch(mCurrent.file);
        } else if (mWatch && mWatch->changed()) {
            rebuild = true;
        }
        if (!rebuild) {
            std::this_thread::sleep_for(10ms);
            continue;
        }
        if (!mCurrent.file.empty())
            rebuildFile(stop);
        else
            rebuildEmbedded();
    }
    mStandIns = {}; // made in this context: released while it is still current
}

void SceneBuilder::rebuildFile(const std::atomic<bool> &stop)
{
    const std::string name = mCurrent.file.string();
    std::string why;
    std::optional<std::string> source = readFile(mCurrent.file, why);
    // Some editors save by removing the file and writing it anew: give it a moment to come
    // back before calling it gone.
    for (int i = 0; i < 25 && !source && !mUnreadable && !stop.load(); ++i) {
        std::this_thread::sleep_for(10ms);
        source = readFile(mCurrent.file, why);
    }
    if (!source) {
        if (!mUnreadable)
            mConsole.line() << name << ": cannot be read (" << why << "); the last picture stays" << std::endl;
        mUnreadable = true;
        post({Status::Unreadable, nullptr});
        return;
    }
    mUnreadable = false;
    // Saved again unchanged, or back after it could not be read: the last build of this very
    // text stands, good or bad.
    if (source == mLastSource) {
        post({mLastStatus, nullptr});
        return;
    }
    build(*source, name);
}

void SceneBuilder::rebuildEmbedded()
{
    try {
        build(loadString(app::loadResource(mCurrent.sceneId, "FRAG")), std::to_string(mCurrent.sceneId));
    } catch (const std::exception &exc) {
        mConsole.line() << exc.what() << std::endl;
        post({Status::Failed, nullptr});
    }
}

void SceneBuilder::build(const std::string &source, const std::string &name)
{
    mLastSource = source;
    const auto start = std::chrono::steady_clock::now();
    try {
        auto program = assembleSceneProgram(source);
        warmUpSceneProgram(program, mImages ? &mStandIns : nullptr, std::vector<int>{mLayout});
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        mConsole.line() << name << ": built in " << ms.count() << " ms" << std::endl;
        mLastStatus = Status::Built;
        post({Status::Built, std::move(program)});
    } catch (const std::exception &exc) {
        mConsole.line() << name << ": build failed\n" << authorMessages(exc.what(), name, headerLines()) << std::flush;
        mLastStatus = Status::Failed;
        post({Status::Failed, nullptr});
    }
}

} // namespace fraglume
