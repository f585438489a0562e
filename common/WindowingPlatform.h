// The windowing platform as the forms see it: message boxes, beep, the mouse pointer, the screen
// size, focus, the clock, modal showing, and the XML documents and template printers of printing.
// The desktop implements it with Qt; tests script it.
#pragma once

#include "common/CalendarDate.h"
#include "common/TemplatePrinter.h"
#include "common/TimeOfDay.h"
#include "common/XmlDocument.h"

#include <memory>
#include <string>

namespace tavrik {

class Control;
class Form;

enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };
// The first button is the default (Enter), except for OKCancelDefaultCancel: a question that a stray
// Enter must not answer with OK.
enum class MsgBoxButtons { OK, OKCancel, OKCancelDefaultCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgBoxAnswer { OK, Cancel, Yes, No, Retry };
// The screen's mouse pointer, numbered as the forms set it.
enum class MousePointer { Default = 0, Hourglass = 11 };

class WindowingPlatform {
public:
    virtual ~WindowingPlatform() = default;

    virtual MsgBoxAnswer MsgBox(const std::string& text, MsgBoxIcon icon, MsgBoxButtons buttons,
                                const std::string& title) = 0;
    virtual void Beep() = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // The screen's size in twips, for centring forms.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual void SetFocus(Control& control) = 0;
    virtual CalendarDate Today() const = 0;
    virtual TimeOfDay Now() const = 0;
    // Shows the form modally and returns when it is hidden (or unloaded). Replies keep arriving
    // while it is shown.
    virtual void ShowModal(Form& form) = 0;

    // The platform's objects for printing, each made new for one use.
    virtual std::unique_ptr<XmlDocument> NewXmlDocument() = 0;
    virtual std::unique_ptr<TemplatePrinter> NewTemplatePrinter() = 0;
};

} // namespace tavrik
