#include "app/JobQueue.h"
#include "app/SceneLoader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <thread>

using namespace fraglume;
using namespace std::chrono_literals;

namespace {

// A job whose "program" is owned by a sentinel, so a test can see when the last copy goes
// without a GL context.
LoadJob jobWithProgram(int id, std::weak_ptr<int> &watch)
{
    auto owner = std::make_shared<int>(id);
    watch = owner;
    LoadJob job;
    job.sceneId = id;
    job.program = std::shared_ptr<lume::gl::GlslProg>(owner, nullptr);
    return job;
}

} // namespace

TEST(JobQueue, JobsComeOutInPushOrderAcrossTheRingEnd)
{
    JobQueue queue;
    LoadJob out;
    int next = 0;
    // 250 jobs in bursts wrap the 100-slot ring twice.
    for (int burst = 0; burst < 5; ++burst) {
        for (int i = 0; i < 50; ++i)
            queue.push({burst * 50 + i, L"job", nullptr, i});
        for (int i = 0; i < 50; ++i) {
            ASSERT_TRUE(queue.hasJobs());
            queue.pop(out);
            EXPECT_EQ(out.sceneId, next++);
        }
    }
    EXPECT_FALSE(queue.hasJobs());
    EXPECT_TRUE(queue.hasRoom());
}

TEST(JobQueue, PushWaitsWhileTheRingIsFull)
{
    JobQueue queue;
    for (int i = 0; i < JobQueue::kCapacity; ++i)
        queue.push({i, L"", nullptr, 0});
    EXPECT_FALSE(queue.hasRoom());
    EXPECT_FALSE(queue.pushFor({999, L"", nullptr, 0}, 20ms)) << "a timed push gives up on a full ring";

    std::atomic<bool> pushed{false};
    std::thread pusher([&] {
        queue.push({100, L"", nullptr, 0});
        pushed = true;
    });
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(pushed) << "the 101st push must wait";
    LoadJob out;
    queue.pop(out);
    pusher.join();
    EXPECT_TRUE(pushed);
    EXPECT_EQ(out.sceneId, 0);
    for (int i = 1; i <= JobQueue::kCapacity; ++i) {
        queue.pop(out);
        EXPECT_EQ(out.sceneId, i) << "the refused timed push stored nothing";
    }
}

// The player queues its whole playlist at start-up and lets dropped files fill the rest.
TEST(JobQueue, TheRingHoldsAHundredJobs)
{
    JobQueue queue;
    int stored = 0;
    while (queue.hasRoom() && stored <= 100)
        queue.push({stored++, L"", nullptr, 0});
    EXPECT_EQ(stored, 100);
    EXPECT_EQ(JobQueue::kCapacity, 100);
}

TEST(JobQueue, PopWaitsForAPush)
{
    JobQueue queue;
    LoadJob out;
    std::thread taker([&] { queue.pop(out); });
    std::this_thread::sleep_for(20ms);
    queue.push({7, L"late", nullptr, 3});
    taker.join();
    EXPECT_EQ(out.sceneId, 7);
    EXPECT_EQ(out.name, L"late");
    EXPECT_EQ(out.position, 3);
}

TEST(JobQueue, ATakenProgramIsReleasedAsSoonAsTheTakerDropsIt)
{
    // A scene's program is never used after its scene: nothing in the ring may keep it (and
    // the driver's state for it) alive until shutdown.
    JobQueue queue;
    std::weak_ptr<int> first, second;
    queue.push(jobWithProgram(1, first));
    queue.push(jobWithProgram(2, second));
    LoadJob out;
    queue.pop(out);
    EXPECT_EQ(out.program.use_count(), 1) << "the taker holds the only reference";
    out = {};
    EXPECT_TRUE(first.expired());
    EXPECT_FALSE(second.expired()) << "a job not yet taken keeps its program";

    queue.pop(out);
    out = {};
    EXPECT_TRUE(second.expired());
}

TEST(JobQueue, DestructionReleasesUntakenPrograms)
{
    std::weak_ptr<int> waiting;
    {
        JobQueue queue;
        queue.push(jobWithProgram(1, waiting));
    }
    EXPECT_TRUE(waiting.expired());
}

TEST(SceneLoader, DroppedFilesNeverWaitForRoom)
{
    JobQueue loadQueue, readyQueue;
    auto output = std::make_shared<std::ostringstream>();
    lume::app::Console console(output);
    SceneLoader loader(loadQueue, readyQueue, console);
    for (int i = 0; i < JobQueue::kCapacity - 1; ++i)
        loader.submit({64, L"", nullptr, 1});
    // The way a drop of three files meets a queue with room for one: the first goes in, the
    // rest are refused at once.
    EXPECT_TRUE(loader.trySubmit({kNoSceneId, L"a.frag", nullptr, 0}));
    EXPECT_FALSE(loader.trySubmit({kNoSceneId, L"b.frag", nullptr, 0}));
    EXPECT_EQ(loader.pending(), JobQueue::kCapacity) << "a refused job is not counted";
    EXPECT_TRUE(output->str().empty());
}
