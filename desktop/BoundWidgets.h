// Which widget shows which control model, so that the platform can move the focus to the widget of
// a control a form names, and a test can find the widget of a model.
#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

namespace tavrik {

class Control;

class BoundWidgets {
public:
    void Add(const Control& control, QWidget* widget) { widgets_[&control] = widget; }
    void Remove(const Control& control) { widgets_.erase(&control); }
    // The widget bound to the control, or nullptr when none is (or it is gone).
    QWidget* Find(const Control& control) const {
        auto found = widgets_.find(&control);
        return found == widgets_.end() ? nullptr : found->second.data();
    }

private:
    std::map<const Control*, QPointer<QWidget>> widgets_;
};

} // namespace tavrik
