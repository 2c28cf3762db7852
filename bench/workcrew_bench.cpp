// The task pool's throughput of one-shot tasks and the time a task waits
// between AddTask and the start of its RunTask on an idle pool.
#include "workcrew.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

struct Count : TaskItem {
    std::atomic<int>* done;
    int RunTask() override
    {
        done->fetch_add(1, std::memory_order_relaxed);
        return 1;
    }
};

void BM_OneShotTasksThroughTwoWorkers(benchmark::State& state)
{
    const int tasks = static_cast<int>(state.range(0));
    Workcrew pool;
    pool.SetTaskCount(2);
    pool.StartPool();
    for (auto _ : state) {
        std::atomic<int> done{0};
        for (int i = 0; i < tasks; ++i) {
            Count* t = NewTask<Count>();
            t->done = &done;
            pool.AddTask(t);
        }
        while (pool.GetWorkCount() != 0) std::this_thread::yield();
        benchmark::DoNotOptimize(done.load());
    }
    state.SetItemsProcessed(state.iterations() * tasks);
}
BENCHMARK(BM_OneShotTasksThroughTwoWorkers)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Stamp : TaskItem {
    std::atomic<Clock::rep>* started;
    int RunTask() override
    {
        started->store(Clock::now().time_since_epoch().count(), std::memory_order_release);
        return 1;
    }
};

// One task at a time into an idle pool of two workers: the wake-up of a
// sleeping worker is what a serial send waits for.
void BM_AddTaskToRunTaskLatency(benchmark::State& state)
{
    Workcrew pool;
    pool.SetTaskCount(2);
    pool.StartPool();
    std::vector<double> micros;
    for (auto _ : state) {
        std::atomic<Clock::rep> started{0};
        Stamp* t = NewTask<Stamp>();
        t->started = &started;
        const auto added = Clock::now();
        pool.AddTask(t);
        while (started.load(std::memory_order_acquire) == 0) std::this_thread::yield();
        const auto ran = Clock::time_point(Clock::duration(started.load()));
        micros.push_back(std::chrono::duration<double, std::micro>(ran - added).count());
        while (pool.GetWorkCount() != 0) std::this_thread::yield();
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_AddTaskToRunTaskLatency)->Iterations(5000)->UseRealTime();

} // namespace
