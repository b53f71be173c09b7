// The authoring builder on a real GL context, its loader thread running as in the player
// while the test stands in for the render thread: what it hands over, and what it says.
#include "app/authoring/SceneBuilder.h"
#include "framework/gl/GlslProg.h"
#include "tests/support/GlContext.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <thread>

using namespace fraglume;
using namespace std::chrono_literals;
using Status = SceneBuilder::Status;

namespace {

// A console stream the test can read while the loader writes to it.
class SharedText : public std::stringbuf {
  public:
    std::string text()
    {
        std::lock_guard lock(mMutex);
        return str();
    }

  protected:
    std::streamsize xsputn(const char *s, std::streamsize n) override
    {
        std::lock_guard lock(mMutex);
        return std::stringbuf::xsputn(s, n);
    }
    int_type overflow(int_type c) override
    {
        std::lock_guard lock(mMutex);
        return std::stringbuf::overflow(c);
    }

  private:
    std::recursive_mutex mMutex; // the base's xsputn calls overflow
};

class SceneBuilderTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        dir =
            std::filesystem::temp_directory_path() / ("authoring-builder-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = dir / "scene.frag";
        glFinish();
        shared = context.createSharedContext();
    }
    void TearDown() override
    {
        stop = true;
        if (loader.joinable())
            loader.join();
        builder.reset();
        shared.reset();
        std::filesystem::remove_all(dir);
    }
    void start()
    {
        loader = std::thread([this] {
            shared->makeCurrent();
            builder->run(stop);
            shared->release();
        });
    }
    static void write(const std::filesystem::path &path, const std::string &text) { std::ofstream(path) << text; }
    int count(const std::string &needle)
    {
        const std::string text = buffer.text();
        int n = 0;
        for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
            ++n;
        return n;
    }
    bool waitFor(const std::function<bool()> &done)
    {
        for (int i = 0; i < 3000; ++i) {
            if (done())
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    std::optional<SceneBuilder::Outcome> waitForOutcome()
    {
        std::optional<SceneBuilder::Outcome> outcome;
        waitFor([&] { return bool(outcome = builder->take()); });
        return outcome;
    }

    lume::test::GlContext context{16, 16};
    std::unique_ptr<lume::test::SharedGlContext> shared;
    SharedText buffer;
    std::shared_ptr<std::ostream> stream{std::make_shared<std::ostream>(&buffer)};
    lume::app::Console console{stream};
    std::unique_ptr<SceneBuilder> builder{std::make_unique<SceneBuilder>(console, nullptr, 0)};
    std::atomic<bool> stop{false};
    std::thread loader;
    std::filesystem::path dir, file;
};

const char *kGood = "void main() { gl_FragColor = vec4(1.0); }\n";
const char *kBroken = "void main() {\n    gl_FragColor = vec4(nothing);\n}\n";

} // namespace

TEST_F(SceneBuilderTest, AGoodProgramNotYetTakenSurvivesANewerFailedBuild)
{
    write(file, kGood);
    builder->watchFile(file);
    start();
    ASSERT_TRUE(waitFor([&] { return count(": built in ") == 1; })) << buffer.text();
    write(file, kBroken);
    ASSERT_TRUE(waitFor([&] { return count(": build failed") == 1; })) << buffer.text();
    // The render thread looks only now: the failure is the news, and the good program with it.
    std::optional<SceneBuilder::Outcome> outcome = builder->take();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->status, Status::Failed);
    EXPECT_TRUE(outcome->program);
    EXPECT_FALSE(builder->take());
    EXPECT_NE(buffer.text().find(file.string() + ":2: error: "), std::string::npos) << buffer.text();
}

TEST_F(SceneBuilderTest, AFileThatCannotBeReadIsReportedOnceAndItsTextIsNotBuiltTwice)
{
    write(file, kGood);
    builder->watchFile(file);
    start();
    std::optional<SceneBuilder::Outcome> outcome = waitForOutcome();
    ASSERT_TRUE(outcome && outcome->program) << buffer.text();

    struct Step {
        const char *what;
        std::function<void()> act;
        Status status;
        bool program;
    };
    // Each step is one change the watch reports, so its outcome is the step's own: a step of
    // two changes (the folder removed and the file written at once) could be looked at by
    // the loader in between, and rightly say "unreadable" for that moment.
    const Step steps[] = {
        {"removed", [&] { std::filesystem::remove(file); }, Status::Unreadable, false},
        // A folder of its name, then its permissions changed: more news of the name, still
        // nothing to read, and nothing more said.
        {"a folder instead", [&] { std::filesystem::create_directory(file), ::chmod(file.c_str(), 0700); },
         Status::Unreadable, false},
        {"the folder removed", [&] { std::filesystem::remove(file); }, Status::Unreadable, false},
        {"back with the same text", [&] { write(file, kGood); }, Status::Built, false},
        {"a new text", [&] { write(file, kBroken); }, Status::Failed, false},
        {"the broken text again", [&] { write(file, kBroken); }, Status::Failed, false},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        outcome = waitForOutcome();
        ASSERT_TRUE(outcome) << buffer.text();
        EXPECT_EQ(outcome->status, step.status);
        EXPECT_EQ(bool(outcome->program), step.program);
    }
    EXPECT_EQ(count("cannot be read"), 1) << buffer.text();
    EXPECT_EQ(count(": built in "), 1) << buffer.text();
    EXPECT_EQ(count(": build failed"), 1) << buffer.text();
}

TEST_F(SceneBuilderTest, AnEmbeddedSceneIsBuiltFromTheResourcesAndAMissingOneFails)
{
    builder->buildEmbedded(92);
    start();
    std::optional<SceneBuilder::Outcome> outcome = waitForOutcome();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->status, Status::Built);
    EXPECT_TRUE(outcome->program);
    builder->buildEmbedded(93);
    outcome = waitForOutcome();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->status, Status::Failed);
    EXPECT_NE(buffer.text().find("Failed to load resource: #93 type: FRAG"), std::string::npos) << buffer.text();
}
