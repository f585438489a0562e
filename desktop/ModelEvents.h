// Connects a control model's event to a Qt object that may die before the model does: the models'
// events cannot be disconnected one by one, so the handler checks that its receiver is still alive.
#pragma once

#include "common/Event.h"

#include <QObject>
#include <QPointer>

#include <utility>

namespace tavrik {

template <class... Args, class Handler>
void ConnectWhileAlive(Event<Args...>& event, QObject* receiver, Handler handler) {
    event.Connect([alive = QPointer<QObject>(receiver), handler = std::move(handler)](Args... args) {
        if (alive)
            handler(args...);
    });
}

} // namespace tavrik
