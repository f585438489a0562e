#include "desktop/FormInqView.h"

#include "desktop/CodesComboBinding.h"
#include "desktop/CommandButtonBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/TextBoxBinding.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace tavrik {

FormInqView::FormInqView(Tavrik_FormInq& form, BoundWidgets& boundWidgets, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    setModal(true);
    auto* layout = new QGridLayout(this);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    const auto named = []<class Widget>(Widget* widget, const Control& control) {
        widget->setObjectName(QString::fromStdString(control.Name()));
        return widget;
    };
    for (int index : {0, 1}) {
        auto* label = new QLabel(this);
        new LabelBinding(form.mLblInq(index), named(label, form.mLblInq(index)), boundWidgets);
        layout->addWidget(label, index, 0);
    }
    auto* type = new QComboBox(this);
    new CodesComboBinding(form.mFtcboDocType(0), named(type, form.mFtcboDocType(0)), boundWidgets);
    layout->addWidget(type, 0, 1);
    tabOrder.emplace_back(form.mFtcboDocType(0).TabIndex(), type);
    auto* number = new ModelLineEdit(this);
    new TextBoxBinding(form.mTxtDocNbr(0), named(number, form.mTxtDocNbr(0)), boundWidgets);
    layout->addWidget(number, 1, 1);
    tabOrder.emplace_back(form.mTxtDocNbr(0).TabIndex(), number);

    auto* buttons = new QHBoxLayout;
    for (int index : {Tavrik_FormInq::kSelectAccount, Tavrik_FormInq::kOk, Tavrik_FormInq::kCancel}) {
        auto* button = new QPushButton(this);
        new CommandButtonBinding(form.mCmdBttn(index), named(button, form.mCmdBttn(index)), boundWidgets);
        buttons->addWidget(button);
        tabOrder.emplace_back(form.mCmdBttn(index).TabIndex(), button);
    }
    layout->addLayout(buttons, 2, 0, 1, 2);

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    for (std::size_t index = 1; index < tabOrder.size(); ++index)
        setTabOrder(tabOrder[index - 1].second, tabOrder[index].second);
    resize(form.Width() / 15, form.Height() / 15);
}

void FormInqView::reject() {
    form_.mCmdBttn(Tavrik_FormInq::kCancel).Press();
}

} // namespace tavrik
