// The dispatcher of the running application: work posted from the back office's worker thread and
// the message service's time-outs run on Qt's GUI thread, inside its event loop.
#pragma once

#include "library/UiDispatcher.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

namespace tavrik {

class QtDispatcher : public UiDispatcher {
public:
    // Made on the GUI thread: posted work runs on the thread that made the dispatcher.
    QtDispatcher();
    // Work still queued and timers still pending are dropped, never run.
    ~QtDispatcher() override = default;
    QtDispatcher(const QtDispatcher&) = delete;
    QtDispatcher& operator=(const QtDispatcher&) = delete;

    void Post(std::function<void()> task) override;
    // PostAfter and Cancel are called on the GUI thread.
    TimerId PostAfter(std::chrono::milliseconds delay, std::function<void()> task) override;
    void Cancel(TimerId id) override;

    // Timers set and neither run nor cancelled.
    std::size_t PendingTimers() const { return timers_.size(); }

private:
    void Fire(TimerId id, const std::function<void()>& task);

    // Queued calls are delivered to this object; deleting it discards those not yet run.
    std::unique_ptr<QObject> context_;
    std::map<TimerId, std::unique_ptr<QTimer>> timers_;
    TimerId nextTimerId_ = 1;
};

} // namespace tavrik
