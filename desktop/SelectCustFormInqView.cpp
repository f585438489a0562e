#include "desktop/SelectCustFormInqView.h"

#include "desktop/CodesComboBinding.h"
#include "desktop/CommandButtonBinding.h"
#include "desktop/CustSelectBinding.h"
#include "desktop/FrameBinding.h"
#include "desktop/GridBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/StatusBarBinding.h"
#include "desktop/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace tavrik {

SelectCustFormInqView::SelectCustFormInqView(Tavrik_SelectCustFormInq& form, BoundWidgets& boundWidgets,
                                             QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    using Select = Tavrik_SelectCustFormInq;
    auto* layout = new QVBoxLayout(this);

    auto* choice = new QGridLayout;
    auto* typeLabel = Named(new QLabel(this), form.mLblDocType);
    new LabelBinding(form.mLblDocType, typeLabel, boundWidgets);
    choice->addWidget(typeLabel, 0, 0);
    auto* type = Named(new QComboBox(this), form.mFtcboDocType(0));
    new CodesComboBinding(form.mFtcboDocType(0), type, boundWidgets);
    choice->addWidget(type, 0, 1);
    AddToTabOrder(form.mFtcboDocType(0).TabIndex(), type);
    auto* search = Named(new QLineEdit(this), form.Tavrik_CustSelect1);
    auto* matches = new QListWidget(this);
    new CustSelectBinding(form.Tavrik_CustSelect1, search, matches, boundWidgets);
    choice->addWidget(search, 1, 0, 1, 2);
    choice->addWidget(matches, 2, 0, 1, 2);
    AddToTabOrder(form.Tavrik_CustSelect1.TabIndex(), search);
    AddToTabOrder(form.Tavrik_CustSelect1.TabIndex(), matches);
    choice->setColumnStretch(1, 1);
    layout->addLayout(choice);

    auto* frame = Named(new QGroupBox(this), form.mFraFormInq);
    new FrameBinding(form.mFraFormInq, frame, boundWidgets);
    auto* inFrame = new QVBoxLayout(frame);
    auto* table = Named(new QTableView(frame), form.mSdgGrid);
    auto* binding = new GridBinding(form.mSdgGrid, table, boundWidgets);
    binding->StretchColumns();
    inFrame->addWidget(table);
    layout->addWidget(frame, 1);
    AddToTabOrder(form.mSdgGrid.TabIndex(), table);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int index : {Select::kOk, Select::kCancel}) {
        auto* button = Named(new QPushButton(this), form.mCmdButton(index));
        new CommandButtonBinding(form.mCmdButton(index), button, boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(form.mCmdButton(index).TabIndex(), button);
    }
    layout->addLayout(buttons);
    auto* status = Named(new QStatusBar(this), form.StatusBar1);
    new StatusBarBinding(form.StatusBar1, status, boundWidgets);
    layout->addWidget(status);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void SelectCustFormInqView::reject() {
    form_.mCmdButton(Tavrik_SelectCustFormInq::kCancel).Press();
}

} // namespace tavrik
