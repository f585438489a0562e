// The payment control of "Transfer Payment" drawn as one widget: the customer the money comes from,
// the excess fund, the amount, the receiving customer and the open ARs with what each is paid.
#pragma once

#include "common/Tavrik_Payment.h"
#include "desktop/BoundWidgets.h"

#include <QLabel>
#include <QList>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace tavrik {

class PaymentControlView : public QWidget {
    Q_OBJECT

public:
    PaymentControlView(Tavrik_Payment& payment, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

    // The widgets the focus stops at, in the order of the screen: the dialog places them at the
    // control's own tab index.
    const QList<QWidget*>& TabStops() const { return tabStops_; }

private:
    // The customer texts are plain members of the control, not control models of their own, so the
    // control's StateChanged is the only word that one of them changed.
    void Repaint();

    Tavrik_Payment& payment_;
    std::vector<std::pair<QLabel*, const std::string& (Tavrik_Payment::*)() const>> customerTexts_;
    QList<QWidget*> tabStops_;
};

} // namespace tavrik
