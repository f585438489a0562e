// What every form has: its name, caption, position and size in twips, visibility, and the load
// and unload steps the form registry runs. A modal form ends its showing by hiding itself.
#pragma once

#include "common/Event.h"

#include <string>

namespace tavrik {

class Form {
public:
    explicit Form(std::string name) : name_(std::move(name)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Move(int left, int top) {
        left_ = left;
        top_ = top;
    }
    void Resize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    bool Visible() const { return visible_; }
    // Called by the platform when it shows the form.
    void MarkShown() { visible_ = true; }
    void Hide() {
        if (!visible_)
            return;
        visible_ = false;
        Hidden.Raise();
    }

    // Raised when the form hides itself: the end of its modal showing.
    Event<> Hidden;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

private:
    std::string name_;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = false;
};

} // namespace tavrik
