// workcrew: a small task pool. A task is an object derived from TaskItem
// whose RunTask returns nonzero when its work is done. Worker threads take
// tasks from the front of a queue: a one-shot task that succeeds is released,
// one that fails is parked on the failed list; a loop task that fails is
// retried, one per loop period, until it succeeds, and then its done event is
// set.
//
// Ownership: a one-shot task handed to a pool belongs to the pool from then
// on, and the pool releases it. Every task handed to a pool must therefore be
// made with NewTask and, when it is the submitter's to free (a refused task, a
// loop task after it is done), freed with ReleaseTask: they are the one
// allocation pair the pool releases with. ClearTask and the destructor release
// every task still queued, loop tasks included.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

// The empty base of the objects the suite's library factories make.
class VqPtrObject {
};

// A manual-reset event: once set, it stays set until reset, and every waiter
// sees it.
class ManualResetEvent {
public:
    void Set();
    void Reset();
    bool IsSet() const;
    // True when the event is set within the time-out.
    bool Wait(std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool set_ = false;
};

class TaskItem {
public:
    TaskItem();
    // A copy shares the original's done event.
    TaskItem(const TaskItem& other);
    TaskItem& operator=(const TaskItem& other);
    // Virtual, so that the pool releasing a task through its base destroys
    // the whole task.
    virtual ~TaskItem();

    // Nonzero: done. Zero: not done (a one-shot task is parked, a loop task
    // retried).
    virtual int RunTask() = 0;

    // A short name a task may give itself; the pool never reads it.
    char tag[4] = {0, 0, 0, 0};
    // Free for the task's own use; the pool never reads or writes it.
    unsigned char flag = 0;
    // Set by the pool once a loop task has succeeded.
    std::shared_ptr<ManualResetEvent> doneEvent;
    // A loop task taken with skip set is dropped without running. Atomic: a
    // submitter may set it while the task waits in the pool.
    std::atomic<unsigned char> skip{0};
    // Nonzero makes the task a loop task.
    std::atomic<unsigned char> loop{0};
};

// The allocation pair for tasks handed to a pool (see the top of this file).
// NewTask gives nullptr when memory is short.
template <typename T, typename... Args>
T* NewTask(Args&&... args)
{
    try {
        return std::make_unique<T>(std::forward<Args>(args)...).release();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void ReleaseTask(TaskItem* task);

class Workcrew : public VqPtrObject {
public:
    Workcrew();
    // Releases the queued and failed tasks, stops every thread of the pool
    // and waits for each to end, so no thread outlives the pool. A pool must
    // not be destroyed from one of its own tasks.
    ~Workcrew();
    // A pool owns running threads and the tasks in its lists; a copy would
    // release them twice.
    Workcrew(const Workcrew&) = delete;
    Workcrew& operator=(const Workcrew&) = delete;

    // Worker threads the next StartPool creates.
    void SetTaskCount(int count);
    // Time between two wake-ups of the loop thread, in milliseconds.
    void SetLoopTaskSecond(int period);
    // Starts the workers and the loop thread; always 1. A pool starts once:
    // a second call, or a call after StopPoll, starts nothing.
    int StartPool();
    // 1 accepted (the task is the pool's), 0 refused (it stays the caller's).
    int AddTask(TaskItem* task);     // at the back
    int AddUpTask(TaskItem* task);   // at the front: runs before every queued task
    // Refuses new tasks until ClearTask.
    void StopAddTask();
    // Releases every failed and queued task and accepts tasks again.
    void ClearTask();
    // Tasks added and not yet finished.
    int GetWorkCount();
    // Ends every thread of the pool without waiting for running tasks;
    // queued tasks stay. The pool cannot be started again.
    void StopPoll();

    static unsigned long DealTaskTread(void* pool);
    static unsigned long LoopTaskTread(void* pool);

    static constexpr unsigned long kWorkerExitCode = 1001;
    static constexpr unsigned long kLoopExitCode = 1002;
    static constexpr int kDefaultLoopPeriodMs = 8000;

private:
    int add(TaskItem* task, bool atFront);
    void runTaken(TaskItem* task);
    void joinAll();

    std::mutex lock_;
    std::condition_variable workerWake_;
    std::condition_variable loopWake_;
    bool stop_ = false;
    long pendingWakes_ = 0; // the task semaphore's count
    std::atomic<int> workCount_{0};
    std::atomic<int> threadCount_{0};
    std::vector<std::thread> workers_;
    std::thread loopThread_;
    std::vector<std::thread> letGo_; // threads StopPoll ended, joined at destruction
    std::list<TaskItem*> tasks_;
    std::list<TaskItem*> loopTasks_;
    std::list<TaskItem*> failed_;
    bool started_ = false;
    bool stopAdding_ = false;
    int loopPeriodMs_ = kDefaultLoopPeriodMs;
};

// A factory that makes and keeps one object of the libraries; the object is
// the factory's until released.
template <typename T>
class VqPtrKeeper {
public:
    VqPtrKeeper() = default;
    ~VqPtrKeeper() { ReleaseVqPtrObject(); }
    // Copying would leave two owners of the one object.
    VqPtrKeeper(const VqPtrKeeper&) = delete;
    VqPtrKeeper& operator=(const VqPtrKeeper&) = delete;

    // The kept object, made on the first call (a second call returns the same
    // one rather than forget it); nullptr when memory is short.
    VqPtrObject* CreateVqPtrObject()
    {
        if (!object_) {
            try {
                object_ = std::make_unique<T>();
            } catch (const std::bad_alloc&) {
                return nullptr;
            }
        }
        return object_.get();
    }

    // Destroys the kept object: 1, or 0 when there is none.
    int ReleaseVqPtrObject()
    {
        if (!object_) return 0;
        object_.reset();
        return 1;
    }

private:
    std::unique_ptr<T> object_;
};

// Makes and keeps one pool.
class VqPtrFactory : public VqPtrKeeper<Workcrew> {
};
