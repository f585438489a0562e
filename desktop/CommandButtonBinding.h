// Binds a command button model to a QPushButton: caption, state and the default and cancel roles;
// a click (or Esc for the cancel button) presses the model.
#pragma once

#include "common/CommandButton.h"
#include "desktop/ControlBinding.h"

#include <QPushButton>
#include <QShortcut>

namespace tavrik {

class CommandButtonBinding : public ControlBinding {
    Q_OBJECT

public:
    CommandButtonBinding(CommandButton& button, QPushButton* widget, BoundWidgets& boundWidgets);

protected:
    void Repaint() override;

private:
    CommandButton& button_;
    QPushButton* widget_;
    QShortcut* escape_;
};

} // namespace tavrik
