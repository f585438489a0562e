// A Qt-free event: handlers are connected by the owner's listeners and run in order when raised.
#pragma once

#include <functional>
#include <vector>

namespace tavrik {

template <class... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    void Connect(Handler handler) { handlers_.push_back(std::move(handler)); }
    void DisconnectAll() { handlers_.clear(); }

    // Runs a copy of the handler list, so a handler may connect others without disturbing this call.
    void Raise(Args... args) const {
        const std::vector<Handler> handlers = handlers_;
        for (const Handler& handler : handlers)
            handler(args...);
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace tavrik
