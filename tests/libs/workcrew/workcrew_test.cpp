// The task pool under the conditions its users meet: busy workers, failing
// tasks, loop tasks, a closed door, and a pool torn down while it works.
#include "workcrew.h"

#include "wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

using harwick::testing::waitUntil;

// What the tests learn of their tasks: the order they ran in, when, and
// which were released.
struct Journal {
    std::mutex mutex;
    std::vector<int> ran;
    std::vector<Clock::time_point> when;
    std::atomic<int> released{0};

    void record(int id)
    {
        std::lock_guard lock(mutex);
        ran.push_back(id);
        when.push_back(Clock::now());
    }
    std::vector<int> order()
    {
        std::lock_guard lock(mutex);
        return ran;
    }
};

// Opens once; a task waiting on it keeps its worker busy.
struct Gate {
    ManualResetEvent entered; // a worker is inside the gated task
    ManualResetEvent open;
    void release() { open.Set(); }
};

class Task : public TaskItem {
public:
    Task(Journal& j, int id, int failuresBeforeSuccess = 0, Gate* gate = nullptr)
        : journal_(j), id_(id), failures_(failuresBeforeSuccess), gate_(gate)
    {
    }
    ~Task() override { ++journal_.released; }
    int RunTask() override
    {
        if (gate_) {
            gate_->entered.Set();
            gate_->open.Wait(10000ms);
        }
        journal_.record(id_);
        return failures_-- > 0 ? 0 : 1;
    }

private:
    Journal& journal_;
    int id_;
    int failures_;
    Gate* gate_;
};

Task* oneShot(Journal& j, int id, int failures = 0, Gate* gate = nullptr) { return NewTask<Task>(j, id, failures, gate); }

Task* loopTask(Journal& j, int id, int failures)
{
    Task* t = NewTask<Task>(j, id, failures);
    t->loop = 1;
    return t;
}

TEST(Workcrew, FrontAndBackOrderWhileTheWorkerIsBusy)
{
    Journal j;
    Gate gate;
    Workcrew pool;
    pool.SetTaskCount(1);
    pool.StartPool();
    ASSERT_EQ(pool.AddTask(oneShot(j, 0, 0, &gate)), 1);
    ASSERT_TRUE(gate.entered.Wait(5000ms));
    ASSERT_EQ(pool.AddTask(oneShot(j, 1)), 1);
    ASSERT_EQ(pool.AddTask(oneShot(j, 2)), 1);
    ASSERT_EQ(pool.AddUpTask(oneShot(j, 3)), 1);
    ASSERT_EQ(pool.AddUpTask(oneShot(j, 4)), 1);
    EXPECT_EQ(pool.GetWorkCount(), 5);
    gate.release();
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    // The newest AddUpTask first, then the older one, then AddTask in order.
    EXPECT_EQ(j.order(), (std::vector<int>{0, 4, 3, 1, 2}));
    EXPECT_TRUE(waitUntil([&] { return j.released == 5; }));
}

TEST(Workcrew, FailedTaskIsParkedUntilCleared)
{
    Journal j;
    Workcrew pool;
    pool.SetTaskCount(2);
    pool.StartPool();
    ASSERT_EQ(pool.AddTask(oneShot(j, 1, 1)), 1);
    ASSERT_EQ(pool.AddTask(oneShot(j, 2)), 1);
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    EXPECT_EQ(j.order().size(), 2u);
    EXPECT_EQ(j.released, 1) << "only the task that succeeded is released";
    pool.ClearTask();
    EXPECT_EQ(j.released, 2) << "ClearTask releases the failed one";
    EXPECT_EQ(j.order().size(), 2u) << "a failed one-shot task is never retried";
}

TEST(Workcrew, LoopTaskIsRetriedEachPeriodUntilDone)
{
    Journal j;
    Workcrew pool;
    pool.SetTaskCount(2);
    pool.SetLoopTaskSecond(40);
    pool.StartPool();
    Task* t = loopTask(j, 7, 2);
    std::shared_ptr<ManualResetEvent> done = t->doneEvent;
    ASSERT_EQ(pool.AddTask(t), 1);
    ASSERT_TRUE(done->Wait(5000ms));
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    std::this_thread::sleep_for(150ms); // several more periods: nothing more may run
    std::vector<int> order = j.order();
    EXPECT_EQ(order, (std::vector<int>{7, 7, 7}));
    {
        // Each retry waits for its own wake of the loop thread, and two wakes
        // are a period apart: the last run comes at least a period after the first.
        std::lock_guard lock(j.mutex);
        EXPECT_GE(j.when.back() - j.when.front(), 40ms);
    }
    EXPECT_EQ(j.released, 0) << "a loop task stays its submitter's";
    ReleaseTask(t);
}

TEST(Workcrew, LoopThreadQueuesOneWaitingTaskPerPeriod)
{
    Journal j;
    Workcrew pool;
    pool.SetTaskCount(2);
    pool.SetLoopTaskSecond(60);
    pool.StartPool();
    Task* a = loopTask(j, 1, 1);
    Task* b = loopTask(j, 2, 1);
    ASSERT_EQ(pool.AddTask(a), 1);
    ASSERT_EQ(pool.AddTask(b), 1);
    ASSERT_TRUE(a->doneEvent->Wait(5000ms));
    ASSERT_TRUE(b->doneEvent->Wait(5000ms));
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    std::lock_guard lock(j.mutex);
    ASSERT_EQ(j.when.size(), 4u);
    // The two retries went out on two wakes of the loop thread, not together.
    EXPECT_GE(j.when[3] - j.when[0], 60ms);
    ReleaseTask(a);
    ReleaseTask(b);
}

TEST(Workcrew, SkippedLoopTaskIsDroppedUntouched)
{
    Journal j;
    Workcrew pool;
    pool.SetTaskCount(1);
    pool.StartPool();
    Task* t = loopTask(j, 1, 0);
    t->skip = 1;
    ASSERT_EQ(pool.AddTask(t), 1);
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    EXPECT_TRUE(j.order().empty());
    EXPECT_EQ(j.released, 0);
    EXPECT_FALSE(t->doneEvent->IsSet());
    ReleaseTask(t);
}

TEST(Workcrew, StopAddingRefusesUntilClear)
{
    Journal j;
    Gate gate;
    Workcrew pool;
    pool.SetTaskCount(1);
    pool.StartPool();
    ASSERT_EQ(pool.AddTask(oneShot(j, 0, 0, &gate)), 1);
    ASSERT_TRUE(gate.entered.Wait(5000ms));
    ASSERT_EQ(pool.AddTask(oneShot(j, 1)), 1);
    pool.StopAddTask();
    Task* refused = oneShot(j, 2);
    EXPECT_EQ(pool.AddTask(refused), 0);
    EXPECT_EQ(pool.AddUpTask(refused), 0);
    EXPECT_EQ(pool.GetWorkCount(), 2);
    ReleaseTask(refused); // still the caller's
    EXPECT_EQ(j.released, 1);

    pool.ClearTask(); // releases queued task 1, opens the door
    EXPECT_EQ(j.released, 2);
    gate.release();
    // The cleared task's wake is counted off by a worker that finds nothing.
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    EXPECT_EQ(j.order(), (std::vector<int>{0}));
    ASSERT_EQ(pool.AddTask(oneShot(j, 3)), 1);
    ASSERT_TRUE(waitUntil([&] { return pool.GetWorkCount() == 0; }));
    EXPECT_EQ(j.order(), (std::vector<int>{0, 3}));
}

TEST(Workcrew, WithoutWorkersNothingRunsAndDestructionReleasesTheQueue)
{
    Journal j;
    {
        Workcrew pool;
        pool.SetLoopTaskSecond(10);
        EXPECT_EQ(pool.StartPool(), 1);
        ASSERT_EQ(pool.AddTask(oneShot(j, 1)), 1);
        std::this_thread::sleep_for(100ms);
        EXPECT_TRUE(j.order().empty());
        EXPECT_EQ(pool.GetWorkCount(), 1);
    }
    EXPECT_EQ(j.released, 1);
}

TEST(Workcrew, TasksMayAddTasks)
{
    struct Spawner : TaskItem {
        Workcrew* pool;
        Journal* j;
        int RunTask() override
        {
            j->record(1);
            return pool->AddUpTask(oneShot(*j, 2));
        }
    };
    Journal j;
    Workcrew pool;
    pool.SetTaskCount(1);
    pool.StartPool();
    Spawner* s = NewTask<Spawner>();
    s->pool = &pool;
    s->j = &j;
    ASSERT_EQ(pool.AddTask(s), 1);
    ASSERT_TRUE(waitUntil([&] { return j.order().size() == 2 && pool.GetWorkCount() == 0; }));
    EXPECT_EQ(j.order(), (std::vector<int>{1, 2}));
}

TEST(Workcrew, StopPollEndsThreadsAndKeepsTheQueue)
{
    Journal j;
    {
        Workcrew pool;
        pool.SetTaskCount(2);
        pool.StartPool();
        pool.StopPoll();
        EXPECT_EQ(pool.StartPool(), 1);
        ASSERT_EQ(pool.AddTask(oneShot(j, 1)), 1);
        std::this_thread::sleep_for(50ms);
        EXPECT_TRUE(j.order().empty()) << "a stopped pool does not start again";
    }
    EXPECT_EQ(j.released, 1);
}

// Torn down mid-work: every task ends up released exactly once, and no thread
// touches the pool afterwards (the sanitizer builds watch for both).
TEST(Workcrew, DestructionWhileTasksRun)
{
    struct Slow : TaskItem {
        std::atomic<int>* released;
        std::atomic<int>* ran;
        ~Slow() override { ++*released; }
        int RunTask() override
        {
            std::this_thread::sleep_for(2ms);
            ++*ran;
            return ran->load() % 3 != 0; // some fail and are parked
        }
    };
    std::atomic<int> released{0};
    std::atomic<int> ran{0};
    constexpr int kTasks = 200;
    {
        Workcrew pool;
        pool.SetTaskCount(2);
        pool.StartPool();
        for (int i = 0; i < kTasks; ++i) {
            Slow* s = NewTask<Slow>();
            s->released = &released;
            s->ran = &ran;
            ASSERT_EQ(i % 2 ? pool.AddTask(s) : pool.AddUpTask(s), 1);
        }
        ASSERT_TRUE(waitUntil([&] { return ran > 5; }));
        pool.StopPoll(); // threads let go without waiting...
    } // ...and the destructor waits for them
    EXPECT_EQ(released, kTasks);
}

TEST(Workcrew, FactoryKeepsOnePool)
{
    VqPtrFactory factory;
    EXPECT_EQ(factory.ReleaseVqPtrObject(), 0);
    VqPtrObject* a = factory.CreateVqPtrObject();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(factory.CreateVqPtrObject(), a);
    auto* pool = static_cast<Workcrew*>(a);
    pool->SetTaskCount(1);
    pool->StartPool();
    Journal j;
    ASSERT_EQ(pool->AddTask(oneShot(j, 1)), 1);
    ASSERT_TRUE(waitUntil([&] { return j.released == 1; }));
    EXPECT_EQ(factory.ReleaseVqPtrObject(), 1);
    EXPECT_EQ(factory.ReleaseVqPtrObject(), 0);
}

TEST(Workcrew, CopiedTaskSharesItsDoneEvent)
{
    Journal j;
    Task original(j, 1);
    original.tag[0] = 's';
    original.loop = 1;
    Task copy(original);
    EXPECT_EQ(copy.doneEvent, original.doneEvent);
    EXPECT_EQ(copy.tag[0], 's');
    EXPECT_EQ(copy.loop, 1);
    original.doneEvent->Set();
    EXPECT_TRUE(copy.doneEvent->IsSet());
}

} // namespace
