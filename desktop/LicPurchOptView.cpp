#include "desktop/LicPurchOptView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/DatePickerBinding.h"
#include "desktop/FrameBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/OptionButtonBinding.h"
#include "desktop/TextBoxBinding.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace tavrik {
namespace {

using Lpo = Tavrik_LicPurchOpt;

template <class Widget> Widget* Named(Widget* widget, const Control& control) {
    widget->setObjectName(QString::fromStdString(control.Name()));
    return widget;
}

} // namespace

LicPurchOptView::LicPurchOptView(Tavrik_LicPurchOpt& form, BoundWidgets& boundWidgets, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption()));
    setModal(true);
    auto* layout = new QGridLayout(this);
    std::vector<std::pair<int, QWidget*>> tabOrder;
    const auto addLabel = [&](int index, int row, int columns) {
        auto* label = Named(new QLabel(this), form.mLbl(index));
        new LabelBinding(form.mLbl(index), label, boundWidgets);
        layout->addWidget(label, row, 0, 1, columns);
        return label;
    };
    const auto addTextBox = [&](int label, int index, int row) {
        addLabel(label, row, 1);
        // The comment stays on one line too: a text box model binds to a line edit only.
        auto* box = Named(new ModelLineEdit(this), form.mTxt(index));
        new TextBoxBinding(form.mTxt(index), box, boundWidgets);
        layout->addWidget(box, row, 1);
        tabOrder.emplace_back(form.mTxt(index).TabIndex(), box);
    };
    const auto addPicker = [&](int label, int index, int row) {
        addLabel(label, row, 1);
        Tavrik_DTP& picker = form.Tavrik_DTP1(index);
        auto* blank = new QCheckBox(this);
        blank->setObjectName(QString::fromStdString(picker.Name() + ".blank"));
        auto* edit = Named(new QDateTimeEdit(this), picker);
        // While the picker is blank its edit offers today, for the user to take with a tick.
        edit->setDateTime(QDateTime::currentDateTime());
        new DatePickerBinding(picker, edit, blank, boundWidgets);
        auto* line = new QHBoxLayout;
        line->addWidget(blank);
        line->addWidget(edit, 1);
        layout->addLayout(line, row, 1);
        tabOrder.emplace_back(picker.TabIndex(), blank);
        tabOrder.emplace_back(picker.TabIndex(), edit);
    };

    addLabel(0, 0, 2)->setWordWrap(true);
    auto* frame = Named(new QGroupBox(this), form.mFra);
    new FrameBinding(form.mFra, frame, boundWidgets);
    auto* options = new QHBoxLayout(frame);
    for (int index : {Lpo::kInState, Lpo::kOutOfState}) {
        auto* option = Named(new QRadioButton(frame), form.mRdo(index));
        new OptionButtonBinding(form.mRdo(index), option, boundWidgets);
        options->addWidget(option);
        tabOrder.emplace_back(form.mRdo(index).TabIndex(), option);
    }
    layout->addWidget(frame, 1, 0, 1, 2);
    addTextBox(1, Lpo::kPlate, 2);
    addPicker(2, Lpo::kDatePurchased, 3);
    addPicker(5, Lpo::kTimePurchased, 4);
    addTextBox(4, Lpo::kTroopDistrict, 5);
    addTextBox(3, Lpo::kWeight, 6);
    addTextBox(6, Lpo::kAmount, 7);
    addTextBox(7, Lpo::kComment, 8);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int index : {Lpo::kSave, Lpo::kCancel}) {
        auto* button = Named(new QPushButton(this), form.mCmd(index));
        new CommandButtonBinding(form.mCmd(index), button, boundWidgets);
        buttons->addWidget(button);
        tabOrder.emplace_back(form.mCmd(index).TabIndex(), button);
    }
    layout->addLayout(buttons, 9, 0, 1, 2);

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    for (std::size_t index = 1; index < tabOrder.size(); ++index)
        setTabOrder(tabOrder[index - 1].second, tabOrder[index].second);
    resize(form.Width() / 15, form.Height() / 15);
}

void LicPurchOptView::reject() {
    form_.mCmd(Tavrik_LicPurchOpt::kCancel).Press();
}

} // namespace tavrik
