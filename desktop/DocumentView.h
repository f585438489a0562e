// The widget that draws the hosted document: the two lists with their headings and the two detail
// buttons, resizing with the container's window.
#pragma once

#include "desktop/BoundWidgets.h"
#include "document/Tavrik_AdjustAcc.h"

#include <QWidget>

namespace tavrik {

class DocumentView : public QWidget {
    Q_OBJECT

public:
    DocumentView(Tavrik_AdjustAcc& document, BoundWidgets& boundWidgets, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Tavrik_AdjustAcc& document_;
    BoundWidgets& boundWidgets_;
};

} // namespace tavrik
