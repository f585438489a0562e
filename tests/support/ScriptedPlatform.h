// The windowing platform of the tests: it records every message box (or fails them on request), beep, pointer
// change and focus move, answers message boxes from a queue, fixes the clock, and runs a script when a form
// is shown modally (the script types and clicks on the form's models and may pump replies), and
// records what is printed.
#pragma once

#include "common/Form.h"
#include "common/WindowingPlatform.h"
#include "library/LibXmlDocument.h"
#include "tests/support/RecordingTemplatePrinter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tavrik {

struct ShownMessageBox {
    std::string text;
    MsgBoxIcon icon;
    MsgBoxButtons buttons;
    std::string title;
};

class ScriptedPlatform : public WindowingPlatform {
public:
    using Script = std::function<void(Form&)>;

    explicit ScriptedPlatform(CalendarDate today) : today_(today) {}

    MsgBoxAnswer MsgBox(const std::string& text, MsgBoxIcon icon, MsgBoxButtons buttons,
                        const std::string& title) override;
    void Beep() override { ++beeps; }
    void SetMousePointer(MousePointer pointer) override { pointers.push_back(pointer); }
    int ScreenWidth() const override { return 15360; }
    int ScreenHeight() const override { return 11520; }
    void SetFocus(Control& control) override;
    CalendarDate Today() const override { return today_; }
    TimeOfDay Now() const override { return now; }
    // Runs the next queued script on the form; a script that leaves the form shown fails the test.
    void ShowModal(Form& form) override;
    std::unique_ptr<XmlDocument> NewXmlDocument() override { return std::make_unique<LibXmlDocument>(); }
    std::unique_ptr<TemplatePrinter> NewTemplatePrinter() override {
        return std::make_unique<RecordingTemplatePrinter>(printerCalls, failingPrinterCall);
    }

    void QueueScript(Script script) { scripts_.push_back(std::move(script)); }
    void QueueAnswer(MsgBoxAnswer answer) { answers_.push_back(answer); }
    MousePointer LastPointer() const { return pointers.empty() ? MousePointer::Default : pointers.back(); }

    std::vector<ShownMessageBox> messageBoxes;
    std::vector<MousePointer> pointers;
    std::vector<std::string> focused;
    std::vector<std::string> shownForms;
    int beeps = 0;
    TimeOfDay now = *TimeOfDay::FromHm(10, 30);
    // Makes every message box fail, as a platform without a screen would.
    bool msgBoxThrows = false;
    // Every call made to a template printer, and the call a printer fails ("PrintOut", say).
    std::vector<std::string> printerCalls;
    std::string failingPrinterCall;

private:
    CalendarDate today_;
    std::deque<Script> scripts_;
    std::deque<MsgBoxAnswer> answers_;
};

} // namespace tavrik
