#include "desktop/AccDetailView.h"

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
namespace {

using Detail = Tavrik_AccDetail;

} // namespace

AccDetailView::AccDetailView(Tavrik_AccDetail& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    const auto label = [&](int index) {
        return LabelBinding::NewBound(form.mLblAdjust(index), boundWidgets, this);
    };
    const auto value = [&](int index, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
        return LabelBinding::AsValueBox(label(index), alignment);
    };

    auto* header = new QGridLayout;
    header->addWidget(label(6), 0, 0);
    header->addWidget(value(Detail::kCustomerName), 0, 1);
    header->addWidget(label(8), 0, 2);
    header->addWidget(value(Detail::kArNumber), 0, 3);
    header->addWidget(label(16), 0, 4);
    header->addWidget(value(Detail::kArType), 0, 5);
    header->addWidget(label(17), 0, 6);
    header->addWidget(value(Detail::kStatusDescription), 0, 7);
    header->addWidget(value(Detail::kArTypeDescription), 1, 3, 1, 5);
    header->setColumnStretch(1, 3);
    header->setColumnStretch(3, 1);
    header->setColumnStretch(7, 1);
    layout->addLayout(header);

    for (int index : {Detail::kAvailableGrid, Detail::kAdjustedGrid}) {
        SSOleDBGrid& grid = form.mSdgDBGrid(index);
        auto* caption = new QLabel(this);
        auto* table = Named(new QTableView(this), grid);
        auto* binding = new GridBinding(grid, table, boundWidgets, caption);
        binding->StretchColumns();
        // Room for every column at its width, so no column starts out of sight.
        table->setMinimumWidth(binding->FullWidth());
        layout->addWidget(caption);
        layout->addWidget(table, 1);
    }

    auto* entry = new QGridLayout;
    QHBoxLayout* picker = AddDatePicker(form.mDtpDTPicker, boundWidgets);
    auto* action = Named(new QComboBox(this), form.Tavrik_CodesCombo(0));
    new CodesComboBinding(form.Tavrik_CodesCombo(0), action, boundWidgets);
    AddToTabOrder(form.Tavrik_CodesCombo(0).TabIndex(), action);
    auto* comment = Named(new ModelLineEdit(this), form.mTxtAdjust(0));
    new TextBoxBinding(form.mTxtAdjust(0), comment, boundWidgets);
    AddToTabOrder(form.mTxtAdjust(0).TabIndex(), comment);

    entry->addWidget(label(0), 0, 0);
    entry->addLayout(picker, 0, 1);
    entry->addWidget(label(2), 1, 0);
    entry->addWidget(action, 1, 1);
    entry->addWidget(label(1), 2, 0);
    entry->addWidget(comment, 2, 1);
    const Qt::Alignment amount = Qt::AlignRight | Qt::AlignVCenter;
    entry->addWidget(label(13), 0, 2, amount);
    entry->addWidget(value(Detail::kTotalRemoval, amount), 0, 3);
    entry->addWidget(label(10), 1, 2, amount);
    entry->addWidget(value(Detail::kTotalReinstated, amount), 1, 3);
    entry->addWidget(label(4), 2, 2, amount);
    entry->addWidget(value(Detail::kTotalAdjustment, amount), 2, 3);
    entry->setColumnStretch(1, 3);
    entry->setColumnStretch(3, 1);
    layout->addLayout(entry);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index : {Detail::kAccountActivity, Detail::kSave, Detail::kClose}) {
        auto* button = Named(new QPushButton(this), form.mCmdButton(index));
        new CommandButtonBinding(form.mCmdButton(index), button, boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(form.mCmdButton(index).TabIndex(), button);
    }
    layout->addLayout(buttons);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void AccDetailView::reject() {
    form_.mCmdButton(Tavrik_AccDetail::kClose).Press();
}

} // namespace tavrik
