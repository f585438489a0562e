// Runs work on the user-interface thread: replies and time-outs reach the forms only through it,
// so a form never sees another thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace tavrik {

class UiDispatcher {
public:
    using TimerId = std::uint64_t;

    virtual ~UiDispatcher() = default;

    // Runs task later on the UI thread. May be called from any thread.
    virtual void Post(std::function<void()> task) = 0;
    // Runs task on the UI thread once delay has passed, unless it is cancelled first.
    virtual TimerId PostAfter(std::chrono::milliseconds delay, std::function<void()> task) = 0;
    // Forgets a timer that has not run yet; an unknown or finished id is ignored.
    virtual void Cancel(TimerId id) = 0;
};

} // namespace tavrik
