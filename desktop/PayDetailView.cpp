#include "desktop/PayDetailView.h"

#include "desktop/CodesComboBinding.h"
#include "desktop/CommandButtonBinding.h"
#include "desktop/GridBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/TextBoxBinding.h"
#include "desktop/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tavrik {

PayDetailView::PayDetailView(Tavrik_PayDetail& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    using Detail = Tavrik_PayDetail;
    auto* layout = new QVBoxLayout(this);
    const auto label = [&](Label& model) { return LabelBinding::NewBound(model, boundWidgets, this); };
    const auto value = [&](int index, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        return LabelBinding::AsValueBox(label(form.mLblData(index)), alignment);
    };

    auto* header = new QGridLayout;
    header->addWidget(label(form.mLblAdjust(1)), 0, 0);
    header->addWidget(value(Detail::kReceiptNumber), 0, 1);
    header->addWidget(label(form.mLblAdjust(2)), 0, 2);
    header->addWidget(value(Detail::kPaymentAmount, Qt::AlignRight | Qt::AlignVCenter), 0, 3);
    header->addWidget(label(form.mLblAdjust(3)), 0, 4);
    header->addWidget(value(Detail::kStatus), 0, 5);
    header->addWidget(label(form.mLblAdjust(4)), 0, 6);
    header->addWidget(value(Detail::kConfirmation), 0, 7);
    // Kept for the form, which hides them.
    header->addWidget(label(form.Label1), 0, 8);
    header->addWidget(value(Detail::kCustomerId), 0, 9);
    header->addWidget(value(Detail::kReceiptDate), 0, 10);
    for (int column : {1, 3, 5, 7})
        header->setColumnStretch(column, 1);
    layout->addLayout(header);

    auto* entry = new QGridLayout;
    entry->addWidget(label(form.mLblAdjust(16)), 0, 0);
    entry->addLayout(AddDatePicker(form.Tavrik_DTP1(0), boundWidgets), 0, 1);
    entry->addWidget(label(form.mLblAdjust(0)), 0, 2);
    auto* action = Named(new QComboBox(this), form.Tavrik_CodesCombo(0));
    new CodesComboBinding(form.Tavrik_CodesCombo(0), action, boundWidgets);
    AddToTabOrder(form.Tavrik_CodesCombo(0).TabIndex(), action);
    entry->addWidget(action, 0, 3);
    entry->addWidget(label(form.mLblAdjust(8)), 1, 0);
    auto* comment = Named(new ModelLineEdit(this), form.mTxtAdjust(0));
    new TextBoxBinding(form.mTxtAdjust(0), comment, boundWidgets);
    AddToTabOrder(form.mTxtAdjust(0).TabIndex(), comment);
    entry->addWidget(comment, 1, 1, 1, 3);
    entry->setColumnStretch(1, 1);
    entry->setColumnStretch(3, 2);
    layout->addLayout(entry);

    for (int index : {Detail::kFundsGrid, Detail::kPaymentsGrid, Detail::kExcessGrid}) {
        SSOleDBGrid& grid = form.mSdgDBGrid(index);
        auto* caption = new QLabel(this);
        auto* table = Named(new QTableView(this), grid);
        auto* binding = new GridBinding(grid, table, boundWidgets, caption);
        binding->StretchColumns();
        // Room for every column at its width, so no column starts out of sight.
        table->setMinimumWidth(binding->FullWidth());
        layout->addWidget(caption);
        layout->addWidget(table, 1);
        // The grids have no tab index of their own: they follow the comment, in the order of the
        // screen.
        AddToTabOrder(form.mTxtAdjust(0).TabIndex(), table);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index : {Detail::kTransferPayment, Detail::kCreateRefund, Detail::kSave, Detail::kClose}) {
        auto* button = Named(new QPushButton(this), form.mCmdButton(index));
        new CommandButtonBinding(form.mCmdButton(index), button, boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(form.mCmdButton(index).TabIndex(), button);
    }
    layout->addLayout(buttons);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void PayDetailView::reject() {
    form_.mCmdButton(Tavrik_PayDetail::kClose).Press();
}

} // namespace tavrik
