#include "desktop/TransPaymentView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/PaymentControlView.h"
#include "desktop/Twips.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrik {

TransPaymentView::TransPaymentView(Tavrik_TransPayment& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    using Dialog = Tavrik_TransPayment;
    auto* layout = new QVBoxLayout(this);
    auto* payment = new PaymentControlView(form.Tavrik_Payment1, boundWidgets, this);
    layout->addWidget(payment, 1);
    for (QWidget* stop : payment->TabStops())
        AddToTabOrder(form.Tavrik_Payment1.TabIndex(), stop);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index : {Dialog::kSave, Dialog::kClose, Dialog::kSelectCustomer}) {
        auto* button = Named(new QPushButton(this), form.mCmd(index));
        new CommandButtonBinding(form.mCmd(index), button, boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(form.mCmd(index).TabIndex(), button);
    }
    layout->addLayout(buttons);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void TransPaymentView::reject() {
    form_.mCmd(Tavrik_TransPayment::kClose).Press();
}

} // namespace tavrik
