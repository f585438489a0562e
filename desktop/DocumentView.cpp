#include "desktop/DocumentView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/GridBinding.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tavrik {

DocumentView::DocumentView(Tavrik_AdjustAcc& document, BoundWidgets& boundWidgets, QWidget* parent)
    : QWidget(parent), document_(document), boundWidgets_(boundWidgets) {
    auto* layout = new QVBoxLayout(this);
    for (int index : {Tavrik_AdjustAcc::kReceivablesGrid, Tavrik_AdjustAcc::kReceiptsGrid}) {
        auto* caption = new QLabel(this);
        auto* table = new QTableView(this);
        table->setObjectName(QString::fromStdString(document.mSdgDBGrid(index).Name()));
        (new GridBinding(document.mSdgDBGrid(index), table, boundWidgets, caption))->StretchColumns();
        layout->addWidget(caption);
        layout->addWidget(table, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index : {Tavrik_AdjustAcc::kArDetail, Tavrik_AdjustAcc::kReceiptDetail}) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromStdString(document.mCmdButton(index).Name()));
        new CommandButtonBinding(document.mCmdButton(index), button, boundWidgets);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    // The document's tab order: "AR Detail", then "Receipt Detail".
    setTabOrder(boundWidgets.Find(document.mCmdButton(Tavrik_AdjustAcc::kArDetail)),
                boundWidgets.Find(document.mCmdButton(Tavrik_AdjustAcc::kReceiptDetail)));
}

void DocumentView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The document says, control by control, what a resize may change: buttons keep their size,
    // and no control's font is scaled (the layout never scales fonts).
    const auto keepSizeWhenAsked = [this](const Control& control) {
        ResizerInfo info;
        document_.rszResizer_BeforeResize(control, info);
        if (QWidget* widget = boundWidgets_.Find(control); widget != nullptr && !info.ScaleSize)
            widget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    };
    document_.mCmdButton.ForEach([&](int, const CommandButton& button) { keepSizeWhenAsked(button); });
    document_.mSdgDBGrid.ForEach([&](int, const SSOleDBGrid& grid) { keepSizeWhenAsked(grid); });
    document_.UserDocument_Resize();
}

} // namespace tavrik
