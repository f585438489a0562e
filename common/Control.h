// What every control model has: a name, the enabled, visible and tab-index state, the field colour
// (normal or error) and its place on the form in twips. Views listen to StateChanged to repaint.
#pragma once

#include "common/Event.h"

#include <string>

namespace tavrik {

enum class FieldColor { Normal, Error };

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Assign(enabled_, enabled); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int tabIndex) { Assign(tabIndex_, tabIndex); }
    FieldColor Color() const { return color_; }
    void SetColor(FieldColor color) { Assign(color_, color); }

    // Position and size within the form, in twips; a form whose view lays its controls out by
    // itself leaves them at zero.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Move(int left, int top, int width, int height) {
        if (left == left_ && top == top_ && width == width_ && height == height_)
            return;
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        StateChanged.Raise();
    }

    // Raised after any property of the control changed.
    Event<> StateChanged;

protected:
    template <class T> void Assign(T& member, T value) {
        if (member == value)
            return;
        member = std::move(value);
        StateChanged.Raise();
    }

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    int tabIndex_ = 0;
    FieldColor color_ = FieldColor::Normal;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tavrik
