#include "desktop/SelectCustFormView.h"

#include "desktop/CommandButtonBinding.h"
#include "desktop/CustSelectBinding.h"
#include "desktop/StatusBarBinding.h"
#include "desktop/Twips.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tavrik {

SelectCustFormView::SelectCustFormView(Tavrik_SelectCustForm& form, BoundWidgets& boundWidgets,
                                       QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    auto* search = Named(new QLineEdit(this), form.CustSelect);
    auto* matches = new QListWidget(this);
    new CustSelectBinding(form.CustSelect, search, matches, boundWidgets);
    layout->addWidget(search);
    layout->addWidget(matches, 1);
    AddToTabOrder(form.CustSelect.TabIndex(), search);
    AddToTabOrder(form.CustSelect.TabIndex(), matches);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (CommandButton* model : {&form.cmdOK, &form.cmdCancel}) {
        auto* button = Named(new QPushButton(this), *model);
        new CommandButtonBinding(*model, button, boundWidgets);
        buttons->addWidget(button);
        AddToTabOrder(model->TabIndex(), button);
    }
    layout->addLayout(buttons);
    auto* status = Named(new QStatusBar(this), form.StatusBar1);
    new StatusBarBinding(form.StatusBar1, status, boundWidgets);
    layout->addWidget(status);

    ApplyTabOrder();
    resize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));
}

void SelectCustFormView::reject() {
    form_.cmdCancel.Press();
}

} // namespace tavrik
