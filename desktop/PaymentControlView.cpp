#include "desktop/PaymentControlView.h"

#include "desktop/GridBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelEvents.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/TextBoxBinding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

namespace tavrik {

PaymentControlView::PaymentControlView(Tavrik_Payment& payment, BoundWidgets& boundWidgets, QWidget* parent)
    : QWidget(parent), payment_(payment) {
    setObjectName(QString::fromStdString(payment.Name()));
    const auto label = [&](Label& model) { return LabelBinding::NewBound(model, boundWidgets, this); };
    const auto value = [](QLabel* widget, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        return LabelBinding::AsValueBox(widget, alignment);
    };
    const auto customerText = [&](const char* name, const std::string& (Tavrik_Payment::*text)() const) {
        auto* widget = new QLabel(this);
        widget->setObjectName(name);
        widget->setTextFormat(Qt::PlainText);
        customerTexts_.emplace_back(widget, text);
        return widget;
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* fields = new QGridLayout;
    fields->addWidget(label(payment.lblCustomer), 0, 0, Qt::AlignTop);
    auto* customer = new QGridLayout;
    customer->addWidget(customerText("CustomerName", &Tavrik_Payment::CustomerName), 0, 0, 1, 3);
    customer->addWidget(customerText("Address1", &Tavrik_Payment::Address1), 1, 0, 1, 3);
    customer->addWidget(customerText("Address2", &Tavrik_Payment::Address2), 2, 0, 1, 3);
    customer->addWidget(customerText("City", &Tavrik_Payment::City), 3, 0);
    customer->addWidget(customerText("State", &Tavrik_Payment::State), 3, 1);
    customer->addWidget(customerText("Zip", &Tavrik_Payment::Zip), 3, 2);
    customer->addWidget(customerText("CustomerInfo", &Tavrik_Payment::CustomerInfo), 4, 0, 1, 3);
    customer->setColumnStretch(2, 1);
    fields->addLayout(customer, 0, 1, 1, 2);
    fields->addWidget(label(payment.lblExcess), 1, 0);
    fields->addWidget(value(label(payment.lblExcessAmount), Qt::AlignRight | Qt::AlignVCenter), 1, 1);
    fields->addWidget(label(payment.lblAmount), 2, 0);
    auto* amount = new ModelLineEdit(this);
    amount->setObjectName(QString::fromStdString(payment.txtAmount.Name()));
    amount->setAlignment(Qt::AlignRight);
    new TextBoxBinding(payment.txtAmount, amount, boundWidgets);
    fields->addWidget(amount, 2, 1);
    fields->addWidget(label(payment.lblReceiving), 3, 0);
    fields->addWidget(value(label(payment.lblReceivingCustomer)), 3, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(2, 2);
    layout->addLayout(fields);

    auto* caption = new QLabel(this);
    auto* accounts = new QTableView(this);
    accounts->setObjectName(QString::fromStdString(payment.grdAccounts.Name()));
    auto* binding = new GridBinding(payment.grdAccounts, accounts, boundWidgets, caption);
    binding->StretchColumns();
    // Room for every column at its width, so no column starts out of sight.
    accounts->setMinimumWidth(binding->FullWidth());
    layout->addWidget(caption);
    layout->addWidget(accounts, 1);

    tabStops_ = {amount, accounts};
    setFocusProxy(amount);
    boundWidgets.Add(payment, this);
    ConnectWhileAlive(payment.StateChanged, this, [this] { Repaint(); });
    Repaint();
}

void PaymentControlView::Repaint() {
    setEnabled(payment_.Enabled());
    for (const auto& [widget, text] : customerTexts_)
        widget->setText(QString::fromStdString((payment_.*text)()));
}

} // namespace tavrik
