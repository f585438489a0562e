// A Qt-free event: handlers are connected by the owner's listeners and run in order when raised.
#pragma once

#include "common/ScopedConnection.h"

#include <functional>
#include <memory>
#include <vector>

namespace tavrik {

template <class... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    // Connects the handler for as long as the event lives.
    void Connect(Handler handler) { Add(std::move(handler)); }
    // Connects the handler until the answer is destroyed or reset.
    [[nodiscard]] ScopedConnection ConnectScoped(Handler handler) {
        return ScopedConnection(Add(std::move(handler)));
    }

    // Runs the handlers connected when it is raised, in order, each unless it was disconnected
    // meanwhile; so a handler may connect others, or disconnect others or itself, without
    // disturbing this call.
    void Raise(Args... args) const {
        const std::vector<Slot> raised = slots_;
        for (const Slot& slot : raised)
            if (*slot.connected)
                slot.handler(args...);
    }

private:
    struct Slot {
        Handler handler;
        std::shared_ptr<bool> connected;
    };

    // Handlers disconnected since the last connection are dropped here, so they never pile up.
    std::shared_ptr<bool> Add(Handler handler) {
        std::erase_if(slots_, [](const Slot& slot) { return !*slot.connected; });
        auto connected = std::make_shared<bool>(true);
        slots_.push_back(Slot{std::move(handler), connected});
        return connected;
    }

    std::vector<Slot> slots_;
};

} // namespace tavrik
