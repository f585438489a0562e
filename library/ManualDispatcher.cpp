#include "library/ManualDispatcher.h"

namespace tavrik {

void ManualDispatcher::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(task));
    }
    posted_.notify_all();
}

UiDispatcher::TimerId ManualDispatcher::PostAfter(std::chrono::milliseconds delay,
                                                  std::function<void()> task) {
    std::lock_guard lock(mutex_);
    const TimerId id = nextTimerId_++;
    timers_.emplace(TimerKey{now_ + delay, id}, std::move(task));
    return id;
}

void ManualDispatcher::Cancel(TimerId id) {
    std::lock_guard lock(mutex_);
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->first.second == id) {
            timers_.erase(it);
            return;
        }
    }
}

std::size_t ManualDispatcher::RunPending() {
    std::size_t ran = 0;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty())
                return ran;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        // Run outside the lock: the task may post, set timers or cancel them.
        task();
        ++ran;
    }
}

void ManualDispatcher::AdvanceTime(std::chrono::milliseconds delay) {
    RunPending();
    std::chrono::milliseconds target;
    {
        std::lock_guard lock(mutex_);
        target = now_ + delay;
    }
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (timers_.empty() || timers_.begin()->first.first > target)
                break;
            auto due = timers_.begin();
            now_ = due->first.first;
            task = std::move(due->second);
            timers_.erase(due);
        }
        task();
        RunPending();
    }
    std::lock_guard lock(mutex_);
    now_ = target;
}

bool ManualDispatcher::WaitForPosted(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

std::chrono::milliseconds ManualDispatcher::Now() const {
    std::lock_guard lock(mutex_);
    return now_;
}

std::size_t ManualDispatcher::PendingTimers() const {
    std::lock_guard lock(mutex_);
    return timers_.size();
}

} // namespace tavrik
