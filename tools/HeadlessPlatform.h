// A windowing platform without a screen, for the console check and the benchmarks: a fixed or real
// clock, message boxes written to a stream, modal forms driven by one script at a time, and no printer.
#pragma once

#include "common/Form.h"
#include "common/WindowingPlatform.h"
#include "library/LibXmlDocument.h"

#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace tavrik {

class HeadlessPlatform : public WindowingPlatform {
public:
    using Script = std::function<void(Form&)>;

    HeadlessPlatform(CalendarDate today, std::ostream& messages) : today_(today), messages_(messages) {}

    MsgBoxAnswer MsgBox(const std::string& text, MsgBoxIcon, MsgBoxButtons,
                        const std::string& title) override {
        messages_ << "[" << title << "] " << text << "\n";
        return MsgBoxAnswer::OK;
    }
    void Beep() override {}
    void SetMousePointer(MousePointer) override {}
    int ScreenWidth() const override { return 15360; }
    int ScreenHeight() const override { return 11520; }
    void SetFocus(Control&) override {}
    CalendarDate Today() const override { return today_; }
    TimeOfDay Now() const override { return *TimeOfDay::FromHm(12, 0); }
    // Runs the script set for modal forms; a form it leaves shown is hidden, as a closed window.
    void ShowModal(Form& form) override {
        form.MarkShown();
        form.Form_Activate();
        if (script_)
            script_(form);
        form.Hide();
    }

    std::unique_ptr<XmlDocument> NewXmlDocument() override { return std::make_unique<LibXmlDocument>(); }
    std::unique_ptr<TemplatePrinter> NewTemplatePrinter() override {
        throw std::runtime_error("There is no printer without a screen; print from the desktop window.");
    }

    void SetModalScript(Script script) { script_ = std::move(script); }

private:
    CalendarDate today_;
    std::ostream& messages_;
    Script script_;
};

} // namespace tavrik
