#include "workcrew.h"

#include <algorithm>
#include <cstring>
#include <system_error>

// ---- ManualResetEvent -------------------------------------------------------

void ManualResetEvent::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool ManualResetEvent::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

bool ManualResetEvent::Wait(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return set_; });
}

// ---- TaskItem ---------------------------------------------------------------

TaskItem::TaskItem() : doneEvent(std::make_shared<ManualResetEvent>()) {}

TaskItem::TaskItem(const TaskItem& other)
    : flag(other.flag), doneEvent(other.doneEvent), skip(other.skip.load()), loop(other.loop.load())
{
    std::memcpy(tag, other.tag, sizeof tag);
}

TaskItem& TaskItem::operator=(const TaskItem& other)
{
    std::memcpy(tag, other.tag, sizeof tag);
    flag = other.flag;
    doneEvent = other.doneEvent;
    skip = other.skip.load();
    loop = other.loop.load();
    return *this;
}

TaskItem::~TaskItem() = default;

void ReleaseTask(TaskItem* task)
{
    std::unique_ptr<TaskItem> owned(task);
}

// ---- Workcrew ---------------------------------------------------------------

Workcrew::Workcrew() = default;

Workcrew::~Workcrew()
{
    ClearTask();
    {
        std::lock_guard lock(lock_);
        stop_ = true;
    }
    workerWake_.notify_all();
    loopWake_.notify_all();
    joinAll();
    // Tasks a running task added, or that failed, while the threads ended.
    for (TaskItem* t : failed_) ReleaseTask(t);
    for (TaskItem* t : tasks_) ReleaseTask(t);
    // Waiting loop tasks belong to their submitters.
    loopTasks_.clear();
}

void Workcrew::joinAll()
{
    const std::thread::id self = std::this_thread::get_id();
    auto join = [self](std::thread& t) {
        if (!t.joinable()) return;
        if (t.get_id() == self) t.detach(); // misuse (see the header), but not a crash here
        else t.join();
    };
    for (std::thread& t : workers_) join(t);
    for (std::thread& t : letGo_) join(t);
    join(loopThread_);
}

void Workcrew::SetTaskCount(int count) { threadCount_ = count; }

void Workcrew::SetLoopTaskSecond(int period)
{
    std::lock_guard lock(lock_);
    loopPeriodMs_ = period;
}

int Workcrew::StartPool()
{
    {
        std::lock_guard lock(lock_);
        if (started_ || stop_) return 1;
        started_ = true;
    }
    const int count = std::max(0, threadCount_.load());
    workers_.reserve(static_cast<std::size_t>(count));
    try {
        for (int i = 0; i < count; ++i) workers_.emplace_back(DealTaskTread, this);
        loopThread_ = std::thread(LoopTaskTread, this);
    } catch (const std::system_error&) {
        // The threads that did start serve the pool; StartPool reports 1 regardless.
    }
    return 1;
}

int Workcrew::add(TaskItem* task, bool atFront)
{
    {
        std::lock_guard lock(lock_);
        if (stopAdding_) return 0;
        if (atFront) tasks_.push_front(task);
        else tasks_.push_back(task);
        ++workCount_;
        ++pendingWakes_;
    }
    workerWake_.notify_one();
    return 1;
}

int Workcrew::AddTask(TaskItem* task) { return add(task, false); }

int Workcrew::AddUpTask(TaskItem* task) { return add(task, true); }

void Workcrew::StopAddTask()
{
    std::lock_guard lock(lock_);
    stopAdding_ = true;
}

void Workcrew::ClearTask()
{
    std::list<TaskItem*> released;
    {
        std::lock_guard lock(lock_);
        released.splice(released.end(), failed_);
        released.splice(released.end(), tasks_);
        stopAdding_ = false;
    }
    // Outside the lock: a task's destructor is the submitter's code.
    for (TaskItem* t : released) {
        if (t) ReleaseTask(t);
    }
}

int Workcrew::GetWorkCount()
{
    std::lock_guard lock(lock_);
    return workCount_;
}

void Workcrew::StopPoll()
{
    {
        std::lock_guard lock(lock_);
        stop_ = true;
        started_ = false;
    }
    workerWake_.notify_all();
    loopWake_.notify_all();
    // The threads end on their own; the destructor waits for them.
    for (std::thread& t : workers_) letGo_.push_back(std::move(t));
    workers_.clear();
    if (loopThread_.joinable()) letGo_.push_back(std::move(loopThread_));
    threadCount_ = 0;
}

void Workcrew::runTaken(TaskItem* task)
{
    if (task->loop == 0) {
        if (task->RunTask() != 0) {
            ReleaseTask(task);
        } else {
            std::lock_guard lock(lock_);
            failed_.push_back(task);
        }
        return;
    }
    if (task->skip != 0) return; // dropped: neither run nor released
    if (task->RunTask() != 0) {
        task->doneEvent->Set();
    } else {
        std::lock_guard lock(lock_);
        loopTasks_.push_back(task);
    }
}

unsigned long Workcrew::DealTaskTread(void* pool)
{
    Workcrew& self = *static_cast<Workcrew*>(pool);
    for (;;) {
        TaskItem* task = nullptr;
        {
            std::unique_lock lock(self.lock_);
            self.workerWake_.wait(lock, [&] { return self.stop_ || self.pendingWakes_ > 0; });
            if (self.stop_) return kWorkerExitCode;
            --self.pendingWakes_;
            if (!self.tasks_.empty()) {
                task = self.tasks_.front();
                self.tasks_.pop_front();
            }
            if (task == nullptr) {
                // Its task was cleared away before a worker came for it.
                --self.workCount_;
                continue;
            }
        }
        self.runTaken(task);
        std::lock_guard lock(self.lock_);
        --self.workCount_;
    }
}

unsigned long Workcrew::LoopTaskTread(void* pool)
{
    Workcrew& self = *static_cast<Workcrew*>(pool);
    std::unique_lock lock(self.lock_);
    for (;;) {
        const auto period = std::chrono::milliseconds(self.loopPeriodMs_);
        if (self.loopWake_.wait_for(lock, period, [&] { return self.stop_; })) return kLoopExitCode;
        if (self.loopTasks_.empty()) continue;
        TaskItem* task = self.loopTasks_.front();
        self.loopTasks_.pop_front();
        lock.unlock();
        // Refused while adding is stopped: the task is left to its owner.
        self.AddTask(task);
        lock.lock();
    }
}
