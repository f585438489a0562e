// A control array addressed by index, as the forms name their controls: mCmdButton(1). Sparse:
// only the indexes a form creates exist.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace tavrik {

template <class T> class ControlArray {
public:
    explicit ControlArray(std::string name) : name_(std::move(name)) {}

    template <class... Args> T& Add(int index, Args&&... args) {
        auto control =
            std::make_unique<T>(name_ + "(" + std::to_string(index) + ")", std::forward<Args>(args)...);
        T& added = *control;
        controls_[index] = std::move(control);
        return added;
    }
    T& operator()(int index) const {
        auto found = controls_.find(index);
        if (found == controls_.end())
            throw std::out_of_range("The control " + name_ + "(" + std::to_string(index) +
                                    ") does not exist.");
        return *found->second;
    }
    const std::string& Name() const { return name_; }
    template <class Visit> void ForEach(Visit&& visit) const {
        for (const auto& [index, control] : controls_)
            visit(index, *control);
    }

private:
    std::string name_;
    std::map<int, std::unique_ptr<T>> controls_;
};

} // namespace tavrik
