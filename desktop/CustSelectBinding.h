// Shows a customer selector in a line edit and the list of its matches below it, keyboard first:
// typing searches, Down moves into the matches, Enter picks the match, Esc clears the text (an
// empty box lets Esc close the dialog).
#pragma once

#include "common/ScopedConnection.h"
#include "common/Tavrik_CustSelect.h"
#include "desktop/ControlBinding.h"

#include <QLineEdit>
#include <QListWidget>

namespace tavrik {

class CustSelectBinding : public ControlBinding {
    Q_OBJECT

public:
    CustSelectBinding(Tavrik_CustSelect& selector, QLineEdit* edit, QListWidget* matches,
                      BoundWidgets& boundWidgets);

protected:
    void Repaint() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowMatches();
    bool EditKey(int key);
    bool ListKey(int key);

    Tavrik_CustSelect& selector_;
    QLineEdit* edit_;
    QListWidget* matches_;
    ScopedConnection matchesChanged_;
};

} // namespace tavrik
