#include "desktop/LicPurchOptView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/DatePickerBinding.h"
#include "desktop/FrameBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/ModelPlainTextEdit.h"
#include "desktop/MultiLineTextBoxBinding.h"
#include "desktop/OptionButtonBinding.h"
#include "desktop/TextBoxBinding.h"
#include "desktop/Twips.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tavrik {
namespace {

using Lpo = Tavrik_LicPurchOpt;

} // namespace

LicPurchOptView::LicPurchOptView(Tavrik_LicPurchOpt& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    auto* layout = new QGridLayout(this);
    const auto addLabel = [&](int index, int row, int columns) {
        auto* label = Named(new QLabel(this), form.mLbl(index));
        new LabelBinding(form.mLbl(index), label, boundWidgets);
        layout->addWidget(label, row, 0, 1, columns);
        return label;
    };
    const auto addTextBox = [&](int label, int index, int row) {
        addLabel(label, row, 1);
        QWidget* box = nullptr;
        if (index == Lpo::kComment) {
            auto* lines = Named(new ModelPlainTextEdit(this), form.mTxt(index));
            new MultiLineTextBoxBinding(form.mTxt(index), lines, boundWidgets);
            box = lines;
        } else {
            auto* line = Named(new ModelLineEdit(this), form.mTxt(index));
            new TextBoxBinding(form.mTxt(index), line, boundWidgets);
            box = line;
        }
        layout->addWidget(box, row, 1);
        AddToTabOrder(form.mTxt(index).TabIndex(), box);
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
        AddToTabOrder(picker.TabIndex(), blank);
        AddToTabOrder(picker.TabIndex(), edit);
    };

    addLabel(0, 0, 2)->setWordWrap(true);
    auto* frame = Named(new QGroupBox(this), form.mFra);
    new FrameBinding(form.mFra, frame, boundWidgets);
    // The frame has no caption: it only holds the two options together, so it draws no box.
    frame->setStyleSheet("QGroupBox { border: none; margin: 0; padding: 0; }");
    auto* options = new QHBoxLayout(frame);
    options->setContentsMargins(0, 0, 0, 0);
    for (int index : {Lpo::kInState, Lpo::kOutOfState}) {
        auto* option = Named(new QRadioButton(frame), form.mRdo(index));
        new OptionButtonBinding(form.mRdo(index), option, boundWidgets);
        options->addWidget(option);
        AddToTabOrder(form.mRdo(index).TabIndex(), option);
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
        AddToTabOrder(form.mCmd(index).TabIndex(), button);
    }
    layout->addLayout(buttons, 9, 0, 1, 2);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void LicPurchOptView::reject() {
    form_.mCmd(Tavrik_LicPurchOpt::kCancel).Press();
}

} // namespace tavrik
