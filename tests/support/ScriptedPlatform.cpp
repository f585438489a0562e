#include "tests/support/ScriptedPlatform.h"

#include "common/Control.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavrik {

MsgBoxAnswer ScriptedPlatform::MsgBox(const std::string& text, MsgBoxIcon icon, MsgBoxButtons buttons,
                                      const std::string& title) {
    if (msgBoxThrows)
        throw std::runtime_error("There is no screen to show a message box on.");
    messageBoxes.push_back({text, icon, buttons, title});
    // Unanswered, a box is answered with its default button.
    if (answers_.empty()) {
        if (buttons == MsgBoxButtons::OKCancelDefaultCancel)
            return MsgBoxAnswer::Cancel;
        return buttons == MsgBoxButtons::YesNo || buttons == MsgBoxButtons::YesNoCancel ? MsgBoxAnswer::Yes
                                                                                        : MsgBoxAnswer::OK;
    }
    const MsgBoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPlatform::SetFocus(Control& control) {
    focused.push_back(control.Name());
}

void ScriptedPlatform::ShowModal(Form& form) {
    shownForms.push_back(form.Name());
    form.MarkShown();
    form.Form_Activate();
    if (scripts_.empty()) {
        ADD_FAILURE() << "No script for the modal form " << form.Name();
        form.Hide();
        return;
    }
    Script script = std::move(scripts_.front());
    scripts_.pop_front();
    script(form);
    if (form.Visible()) {
        ADD_FAILURE() << "The script left the modal form " << form.Name() << " shown";
        form.Hide();
    }
}

} // namespace tavrik
