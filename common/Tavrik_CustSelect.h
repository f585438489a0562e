// The customer selector: the picked customer's key, name and extra text, the selector option, and
// the events for a pick, a clearing and a customer with alerts.
#pragma once

#include "common/Control.h"

namespace tavrik {

class Tavrik_CustSelect : public Control {
public:
    using Control::Control;

    const std::string& CustomerKey() const { return key_; }
    const std::string& CustomerText() const { return text_; }
    const std::string& CustomerExtra() const { return extra_; }
    bool SelectorOption() const { return selectorOption_; }
    void SetSelectorOption(bool option) { Assign(selectorOption_, option); }

    // The user picked a customer.
    void Pick(std::string key, std::string text, std::string extra) {
        key_ = std::move(key);
        text_ = std::move(text);
        extra_ = std::move(extra);
        StateChanged.Raise();
        SelectionChanged.Raise();
    }
    void Clear() {
        key_.clear();
        text_.clear();
        extra_.clear();
        StateChanged.Raise();
        ClearForm.Raise();
    }

    Event<> SelectionChanged;
    Event<> ClearForm;
    Event<> HasAlerts;

private:
    std::string key_;
    std::string text_;
    std::string extra_;
    bool selectorOption_ = true;
};

} // namespace tavrik
