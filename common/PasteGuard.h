// Keeps a refused paste out of a key-filtered text box. Typing is filtered key by key, a paste is
// not: so the box's text is remembered when a paste may come (Shift+Insert or a mouse button
// pressed on the box), and while that lasts every change is judged by the form; a refused one
// beeps and the remembered text comes back.
#pragma once

#include <functional>
#include <string>

namespace tavrik {

class TextBox;
class WindowingPlatform;

class PasteGuard {
public:
    using Judge = std::function<bool(const std::string& text)>;

    explicit PasteGuard(WindowingPlatform& platform) : platform_(platform) {}

    void KeyDown(const TextBox& box, int keyCode, int shift);
    void KeyUp() { keyPaste_ = false; }
    void MouseDown(const TextBox& box);
    void MouseUp() { mousePaste_ = false; }
    // The box's text changed; while a paste may be under way, accepts says whether the new text
    // may stay.
    void Change(TextBox& box, const Judge& accepts);

private:
    WindowingPlatform& platform_;
    std::string remembered_;
    bool keyPaste_ = false;
    bool mousePaste_ = false;
    // Putting the remembered text back is a change of its own, and not a paste.
    bool restoring_ = false;
};

} // namespace tavrik
