#include "desktop/FormInqView.h"

#include "desktop/CodesComboBinding.h"
#include "desktop/CommandButtonBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/TextBoxBinding.h"
#include "desktop/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tavrik {

FormInqView::FormInqView(Tavrik_FormInq& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    auto* layout = new QGridLayout(this);

    for (int index : {0, 1}) {
        auto* label = new QLabel(this);
        new LabelBinding(form.mLblInq(index), Named(label, form.mLblInq(index)), boundWidgets);
        layout->addWidget(label, index, 0);
    }
    auto* type = new QComboBox(this);
    new CodesComboBinding(form.mFtcboDocType(0), Named(type, form.mFtcboDocType(0)), boundWidgets);
    layout->addWidget(type, 0, 1);
    AddToTabOrder(form.mFtcboDocType(0).TabIndex(), type);
    auto* number = new ModelLineEdit(this);
    new TextBoxBinding(form.mTxtDocNbr(0), Named(number, form.mTxtDocNbr(0)), boundWidgets);
    layout->addWidget(number, 1, 1);
    AddToTabOrder(form.mTxtDocNbr(0).TabIndex(), number);

    auto* buttons = new QHBoxLayout;
    for (int index : {Tavrik_FormInq::kSelectAccount, Tavrik_FormInq::kOk, Tavrik_FormInq::kCancel}) {
        auto* button = new QPushButton(this);
        new CommandButtonBinding(form.mCmdBttn(index), Named(button, form.mCmdBttn(index)), boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(form.mCmdBttn(index).TabIndex(), button);
    }
    layout->addLayout(buttons, 2, 0, 1, 2);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void FormInqView::reject() {
    form_.mCmdBttn(Tavrik_FormInq::kCancel).Press();
}

} // namespace tavrik
