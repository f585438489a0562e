#include "desktop/QtDispatcher.h"

#include <QMetaObject>

namespace tavrik {

QtDispatcher::QtDispatcher() : context_(std::make_unique<QObject>()) {}

void QtDispatcher::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(context_.get(), std::move(task), Qt::QueuedConnection);
}

UiDispatcher::TimerId QtDispatcher::PostAfter(std::chrono::milliseconds delay, std::function<void()> task) {
    const TimerId id = nextTimerId_++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setInterval(delay);
    QObject::connect(timer.get(), &QTimer::timeout, context_.get(),
                     [this, id, task = std::move(task)] { Fire(id, task); });
    timer->start();
    timers_.emplace(id, std::move(timer));
    return id;
}

void QtDispatcher::Cancel(TimerId id) {
    timers_.erase(id);
}

void QtDispatcher::Fire(TimerId id, const std::function<void()>& task) {
    auto found = timers_.find(id);
    if (found == timers_.end())
        return;
    // The timer is forgotten before the task runs, so the task may set or cancel timers freely; it
    // is deleted once control is back in the event loop, as it is the sender of this very call.
    QTimer* timer = found->second.release();
    timers_.erase(found);
    const std::function<void()> run = task;
    timer->deleteLater();
    run();
}

} // namespace tavrik
