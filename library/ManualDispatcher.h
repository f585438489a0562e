// A dispatcher for tests and benchmarks: the test pumps the queue and moves a virtual clock, so
// replies and time-outs happen exactly when the test says.
#pragma once

#include "library/UiDispatcher.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <utility>

namespace tavrik {

class ManualDispatcher : public UiDispatcher {
public:
    void Post(std::function<void()> task) override;
    TimerId PostAfter(std::chrono::milliseconds delay, std::function<void()> task) override;
    void Cancel(TimerId id) override;

    // Runs posted tasks until none is left (tasks they post included); answers how many ran.
    std::size_t RunPending();
    // Moves the virtual clock forward by delay, running pending tasks first and then each timer that
    // falls due, in the order of its due time (ties in the order they were set), each followed by
    // the tasks it posted.
    void AdvanceTime(std::chrono::milliseconds delay);
    // Blocks until a task is waiting in the queue (posted from another thread, say) or timeout has
    // passed in real time; answers whether one is waiting. Runs nothing.
    bool WaitForPosted(std::chrono::milliseconds timeout);

    // Virtual time since the dispatcher was made.
    std::chrono::milliseconds Now() const;
    // Timers set and neither run nor cancelled.
    std::size_t PendingTimers() const;

private:
    // Timers ordered by due time, then by id (the order they were set).
    using TimerKey = std::pair<std::chrono::milliseconds, TimerId>;

    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
    std::map<TimerKey, std::function<void()>> timers_;
    std::chrono::milliseconds now_{0};
    TimerId nextTimerId_ = 1;
};

} // namespace tavrik
