#include "desktop/FormDialog.h"

#include "desktop/DatePickerBinding.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>

#include <algorithm>

namespace tavrik {

FormDialog::FormDialog(const Form& form, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    setModal(true);
}

void FormDialog::ApplyTabOrder() {
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    for (std::size_t index = 1; index < tabOrder_.size(); ++index)
        setTabOrder(tabOrder_[index - 1].second, tabOrder_[index].second);
}

QHBoxLayout* FormDialog::AddDatePicker(Tavrik_DTP& picker, BoundWidgets& boundWidgets) {
    auto* blank = new QCheckBox(this);
    blank->setObjectName(QString::fromStdString(picker.Name() + ".blank"));
    auto* date = Named(new QDateEdit(this), picker);
    date->setCalendarPopup(true);
    // While the date is blank its edit offers today, for the user to take with a tick.
    date->setDate(QDate::currentDate());
    new DatePickerBinding(picker, date, blank, boundWidgets);
    AddToTabOrder(picker.TabIndex(), blank);
    AddToTabOrder(picker.TabIndex(), date);
    auto* line = new QHBoxLayout;
    line->addWidget(blank);
    line->addWidget(date, 1);
    return line;
}

} // namespace tavrik
