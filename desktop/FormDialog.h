// What every form's window shares: it is named after its form, titled with the form's caption and
// modal; its widgets are named after their control models (focus and tests find them by that name)
// and follow the tab order the models give.
#pragma once

#include "common/Control.h"
#include "common/Form.h"
#include "common/Tavrik_DTP.h"
#include "desktop/BoundWidgets.h"

#include <QDialog>
#include <QHBoxLayout>

#include <utility>
#include <vector>

namespace tavrik {

class FormDialog : public QDialog {
public:
    FormDialog(const Form& form, QWidget* parent);

protected:
    template <class Widget> static Widget* Named(Widget* widget, const Control& control) {
        widget->setObjectName(QString::fromStdString(control.Name()));
        return widget;
    }
    // Widgets of one tab index keep the order they were added in.
    void AddToTabOrder(int tabIndex, QWidget* widget) { tabOrder_.emplace_back(tabIndex, widget); }
    void ApplyTabOrder();
    // A date picker drawn as the forms' pickers are: the check box that leaves the date blank, then
    // the date edit, both at the picker's tab index. Answers the line that holds them.
    QHBoxLayout* AddDatePicker(Tavrik_DTP& picker, BoundWidgets& boundWidgets);

private:
    std::vector<std::pair<int, QWidget*>> tabOrder_;
};

} // namespace tavrik
