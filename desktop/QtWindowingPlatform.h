// The windowing platform on Qt: message boxes, the beep, the wait cursor, the screen's size, focus
// through the bound widgets, the real clock, modal forms shown in the dialogs their views draw, and
// printing through XSLT templates.
#pragma once

#include "common/WindowingPlatform.h"
#include "desktop/BoundWidgets.h"
#include "desktop/FormViews.h"

#include <filesystem>

namespace tavrik {

class QtWindowingPlatform : public WindowingPlatform {
public:
    // The template printers keep their PDF copies in printedFolder.
    QtWindowingPlatform(FormViews& views, BoundWidgets& widgets, std::filesystem::path printedFolder)
        : views_(views), widgets_(widgets), printedFolder_(std::move(printedFolder)) {}
    // Gives back a wait cursor still held.
    ~QtWindowingPlatform() override;
    QtWindowingPlatform(const QtWindowingPlatform&) = delete;
    QtWindowingPlatform& operator=(const QtWindowingPlatform&) = delete;

    // A box over the active window; closing it without a choice answers its escape button.
    MsgBoxAnswer MsgBox(const std::string& text, MsgBoxIcon icon, MsgBoxButtons buttons,
                        const std::string& title) override;
    void Beep() override;
    // The hourglass is one wait cursor however often it is asked for, until the default comes back.
    void SetMousePointer(MousePointer pointer) override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    // Moves the focus to the control's widget; a control without one is ignored.
    void SetFocus(Control& control) override;
    CalendarDate Today() const override;
    TimeOfDay Now() const override;
    // Runs the form's dialog in its own event loop, so replies keep arriving, until the form hides
    // itself (or is unloaded). A dialog the user closes leaves the form to its view, then hides it.
    void ShowModal(Form& form) override;
    std::unique_ptr<XmlDocument> NewXmlDocument() override;
    std::unique_ptr<TemplatePrinter> NewTemplatePrinter() override;

private:
    FormViews& views_;
    BoundWidgets& widgets_;
    std::filesystem::path printedFolder_;
    bool waitCursor_ = false;
};

} // namespace tavrik
