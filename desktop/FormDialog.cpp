#include "desktop/FormDialog.h"

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

} // namespace tavrik
