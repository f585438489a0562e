// A handler's connection to an event for as long as this object holds it: destroying or resetting
// it disconnects the handler, so that a showing, say, leaves no handler behind on a form it is done
// with. It may outlive the event.
#pragma once

#include <memory>
#include <utility>

namespace tavrik {

template <class... Args> class Event;

class ScopedConnection {
public:
    ScopedConnection() = default;
    ~ScopedConnection() { Reset(); }
    ScopedConnection(ScopedConnection&& other) noexcept : connected_(std::move(other.connected_)) {}
    ScopedConnection& operator=(ScopedConnection&& other) noexcept {
        if (this != &other) {
            Reset();
            connected_ = std::move(other.connected_);
        }
        return *this;
    }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;

    // Disconnects the handler now; it is not called again, not even by a raise under way.
    void Reset() {
        if (connected_)
            *connected_ = false;
        connected_.reset();
    }

private:
    template <class... Args> friend class Event;
    explicit ScopedConnection(std::shared_ptr<bool> connected) : connected_(std::move(connected)) {}

    std::shared_ptr<bool> connected_;
};

} // namespace tavrik
