// What a CheckEdit found: the messages of the failing rules, in order, and the failing fields
// marked in the error colour as they are named.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

class CommonServices;
class Control;

class CheckMessages {
public:
    explicit CheckMessages(CommonServices& services) : services_(services) {}

    void Clear() { text_.clear(); }
    // A failing rule's message, followed by a line break.
    void Add(std::string_view message);
    // The same, and the field it is about marked.
    void Add(std::string_view message, Control& field);
    // Another field marked for a failure already added.
    void Mark(Control& field);
    // Text that runs on after the messages as it is, with no line break of its own.
    void Append(std::string_view text) { text_ += text; }

    const std::string& Text() const { return text_; }
    bool Empty() const { return text_.empty(); }

private:
    CommonServices& services_;
    std::string text_;
};

} // namespace tavrik
