// The one thread that serves a simulated line: what a start checks and
// clears, a stop that always ends the thread, and a start after a stop that
// the old stop does not end at once.

#include "instrument-sim/serving_thread.h"
#include "instrument-sim/wake_event.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <poll.h>
#include <string>

namespace harwick::sim {
namespace {

using harwick::testing::waitUntil;
using std::chrono::milliseconds;

// Waits as the lines do, with the stop event beside it; true when it fired.
bool stopAsked(const ServingThread& serving, milliseconds limit)
{
    pollfd p{serving.StopFd(), POLLIN, 0};
    return ::poll(&p, 1, static_cast<int>(limit.count())) > 0;
}

TEST(ServingThread, StopEndsTheThreadAndTheNextStartBeginsWithoutIt)
{
    ServingThread serving;
    serving.Stop();  // nothing runs yet
    std::string error;
    ASSERT_TRUE(serving.Prepare("busy", {}, error)) << error;
    std::atomic<bool> stopped{false};
    serving.Run([&] { stopped = stopAsked(serving, milliseconds(20000)); });
    serving.Stop();
    EXPECT_TRUE(stopped) << "ended by the stop, not by its own limit";

    ASSERT_TRUE(serving.Prepare("busy", {}, error)) << error;
    std::atomic<bool> stoppedAtOnce{true};
    std::atomic<bool> done{false};
    serving.Run([&] {
        stoppedAtOnce = stopAsked(serving, milliseconds(100));
        done = true;
    });
    // Stop only once the thread is past its wait, or it would see this stop.
    EXPECT_TRUE(waitUntil([&] { return done.load(); }));
    serving.Stop();
    EXPECT_FALSE(stoppedAtOnce) << "the stop of the run before was cleared";
    serving.Stop();
}

TEST(ServingThread, SecondStartIsRefusedInTheOwnersWordsWhileServing)
{
    ServingThread serving;
    std::string error;
    ASSERT_TRUE(serving.Prepare("the line is served already", {}, error)) << error;
    serving.Run([&] { stopAsked(serving, milliseconds(20000)); });
    EXPECT_FALSE(serving.Prepare("the line is served already", {}, error));
    EXPECT_EQ(error, "the line is served already");
    // The destructor stops the thread; a thread left running would end the test program.
}

TEST(ServingThread, OwnersEventsMustBeOpenAndStartCleared)
{
    ServingThread serving;
    WakeEvent enter;
    std::string error;
    EXPECT_FALSE(serving.Prepare("busy", {&enter}, error));
    EXPECT_EQ(error, "cannot make the serving thread's events");

    ASSERT_TRUE(enter.Open());
    enter.Raise();
    enter.Raise();
    ASSERT_TRUE(serving.Prepare("busy", {&enter}, error)) << error;
    EXPECT_EQ(enter.Take(), 0u) << "a press before the start does not count";
    enter.Raise();
    EXPECT_EQ(enter.Take(), 1u);
}

} // namespace
} // namespace harwick::sim
