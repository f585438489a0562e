#include "desktop/WorkSheetView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/FrameBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelEvents.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/ModelPlainTextEdit.h"
#include "desktop/MultiLineTextBoxBinding.h"
#include "desktop/OptionButtonBinding.h"
#include "desktop/TextBoxBinding.h"
#include "desktop/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace tavrik {
namespace {

using Sheet = Tavrik_WorkSheet;

} // namespace

WorkSheetView::WorkSheetView(Tavrik_WorkSheet& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    const auto frame = [&](Frame& model) {
        auto* widget = Named(new QGroupBox(this), model);
        // The form greys every field of a disabled frame itself, keeping a chosen option readable.
        new FrameBinding(model, widget, boundWidgets, FrameChildren::FollowOwnState);
        return widget;
    };
    const auto label = [&](Label& model) { return LabelBinding::NewBound(model, boundWidgets, this); };
    const auto value = [&](int index, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        return LabelBinding::AsValueBox(label(form.mLblData(index)), alignment);
    };
    const auto options = [&](Frame& model, std::initializer_list<int> indexes) {
        QGroupBox* widget = frame(model);
        auto* column = new QVBoxLayout(widget);
        for (int index : indexes) {
            auto* option = Named(new QRadioButton(widget), form.mRdo(index));
            new OptionButtonBinding(form.mRdo(index), option, boundWidgets);
            column->addWidget(option);
            AddToTabOrder(form.mRdo(index).TabIndex(), option);
        }
        return widget;
    };
    const auto comment = [&](int index) {
        auto* widget = Named(new ModelPlainTextEdit(this), form.mTxtRefund(index));
        new MultiLineTextBoxBinding(form.mTxtRefund(index), widget, boundWidgets);
        AddToTabOrder(form.mTxtRefund(index).TabIndex(), widget);
        return widget;
    };

    QGroupBox* top = frame(form.mFraRefund(Sheet::kTopFrame));
    auto* customer = new QGridLayout(top);
    customer->addWidget(label(form.mLbl(0)), 0, 0);
    customer->addWidget(value(Sheet::kRefundNumber), 0, 1);
    customer->addWidget(value(Sheet::kStatus), 0, 2, 1, 4);
    customer->addWidget(label(form.mLbl(1)), 1, 0);
    customer->addWidget(value(Sheet::kCustomerName), 1, 1, 1, 5);
    customer->addWidget(label(form.mLbl(2)), 2, 0);
    customer->addWidget(value(Sheet::kAddress), 2, 1, 1, 5);
    customer->addWidget(label(form.mLbl(3)), 3, 0);
    customer->addWidget(value(Sheet::kCity), 3, 1);
    customer->addWidget(label(form.mLbl(4)), 3, 2);
    customer->addWidget(value(Sheet::kState), 3, 3);
    customer->addWidget(label(form.mLbl(5)), 3, 4);
    customer->addWidget(value(Sheet::kZip), 3, 5);
    customer->addWidget(label(form.mLbl(6)), 4, 0, 1, 2);
    customer->addWidget(value(Sheet::kRefundAmount, Qt::AlignRight | Qt::AlignVCenter), 4, 2, 1, 2);
    customer->setColumnStretch(1, 3);
    customer->setColumnStretch(3, 1);
    customer->setColumnStretch(5, 1);
    auto* header = new QHBoxLayout;
    header->addWidget(top, 1);
    QGroupBox* recipient =
        options(form.mFra(Sheet::kRecipientFrame), {Sheet::kToTaxpayer, Sheet::kToDivision, Sheet::kToOther});
    header->addWidget(recipient, 0, Qt::AlignTop);
    layout->addLayout(header);

    QGroupBox* middle = frame(form.mFraRefund(Sheet::kMiddleFrame));
    auto* headquarters = new QGridLayout(middle);
    headquarters->addWidget(label(form.mLbl(7)), 0, 0);
    headquarters->addWidget(value(Sheet::kPreparedBy), 0, 1);
    headquarters->addWidget(label(form.mLbl(9)), 1, 0);
    headquarters->addWidget(value(Sheet::kVerifiedBy), 1, 1);
    headquarters->addWidget(label(form.mLbl(8)), 2, 0);
    headquarters->addWidget(value(Sheet::kApprovedBy), 2, 1);
    headquarters->addWidget(label(form.mLbl(14)), 0, 2);
    headquarters->addLayout(AddDatePicker(form.Tavrik_DTP1(Sheet::kDateMailed), boundWidgets), 0, 3);
    headquarters->addWidget(label(form.mLbl(15)), 3, 0, 1, 4);
    headquarters->addWidget(comment(Sheet::kHeadquartersComment), 4, 0, 1, 4);
    headquarters->setColumnStretch(1, 1);
    headquarters->setColumnStretch(3, 1);
    layout->addWidget(middle, 1);

    QGroupBox* bottom = frame(form.mFraRefund(Sheet::kBottomFrame));
    auto* refund = new QGridLayout(bottom);
    refund->addWidget(options(form.mFra(Sheet::kRefundCodeFrame), {Sheet::kTransferred, Sheet::kRefunded}), 0,
                      0, 3, 1);
    refund->addWidget(label(form.mLbl(10)), 0, 1);
    auto* warrant = Named(new ModelLineEdit(this), form.mTxt(Sheet::kWarrantNumber));
    new TextBoxBinding(form.mTxt(Sheet::kWarrantNumber), warrant, boundWidgets);
    AddToTabOrder(form.mTxt(Sheet::kWarrantNumber).TabIndex(), warrant);
    refund->addWidget(warrant, 0, 2);
    refund->addWidget(label(form.mLbl(11)), 1, 1);
    refund->addLayout(AddDatePicker(form.Tavrik_DTP1(Sheet::kRefundDate), boundWidgets), 1, 2);
    refund->addWidget(label(form.mLbl(12)), 2, 1);
    refund->addWidget(value(Sheet::kRefundBy), 2, 2);
    refund->addWidget(label(form.mLbl(13)), 3, 0, 1, 3);
    refund->addWidget(comment(Sheet::kFiscalComment), 4, 0, 1, 3);
    refund->setColumnStretch(2, 1);
    layout->addWidget(bottom, 1);

    auto* footer = new QHBoxLayout;
    footer->addWidget(label(form.Label1));
    footer->addWidget(value(Sheet::kReceiptNumber));
    footer->addStretch(1);
    // The buttons have no tab index of their own: they follow the fields, in the order of the screen.
    for (int index : {Sheet::kSave, Sheet::kClose, Sheet::kVoid, Sheet::kPrint}) {
        auto* button = Named(new QPushButton(this), form.mCmdButton(index));
        new CommandButtonBinding(form.mCmdButton(index), button, boundWidgets);
        footer->addWidget(button);
    }
    layout->addLayout(footer);

    // While a save is on its way the whole window waits for its reply.
    setEnabled(form.Enabled());
    ConnectWhileAlive(form.EnabledChanged, this, [this] { setEnabled(form_.Enabled()); });

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void WorkSheetView::reject() {
    form_.mCmdButton(Tavrik_WorkSheet::kClose).Press();
}

} // namespace tavrik
