#include "desktop/ActivityView.h"

#include "desktop/CodesComboBinding.h"
#include "desktop/CommandButtonBinding.h"
#include "desktop/DatePickerBinding.h"
#include "desktop/FrameBinding.h"
#include "desktop/GridBinding.h"
#include "desktop/LabelBinding.h"
#include "desktop/ModelEvents.h"
#include "desktop/ModelLineEdit.h"
#include "desktop/TextBoxBinding.h"
#include "desktop/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <initializer_list>

namespace tavrik {
namespace {

using Activity = Tavrik_Activity;

// Puts the widget where the control is, edge by edge, so that controls the form spaces apart keep
// their exact gaps on the screen.
void Place(QWidget& widget, const Control& control) {
    const int left = TwipsToWholePixels(control.Left());
    const int top = TwipsToWholePixels(control.Top());
    const int right = TwipsToWholePixels(control.Left() + control.Width());
    const int bottom = TwipsToWholePixels(control.Top() + control.Height());
    widget.setGeometry(left, top, right - left, bottom - top);
}

// Places the widget now and again whenever the control changes.
void Follow(QWidget* widget, Control& control) {
    Place(*widget, control);
    ConnectWhileAlive(control.StateChanged, widget, [widget, &control] { Place(*widget, control); });
}

} // namespace

ActivityView::ActivityView(Tavrik_Activity& form, BoundWidgets& boundWidgets, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    setFixedSize(TwipsToWholePixels(form.Width()), TwipsToWholePixels(form.Height()));

    // A frame and the grid of its contents: the frame's model places only the frame.
    const auto frame = [&](Frame& model) {
        auto* widget = Named(new QGroupBox(this), model);
        new FrameBinding(model, widget, boundWidgets);
        Follow(widget, model);
        return new QGridLayout(widget);
    };
    const auto addLabel = [&](QGridLayout* layout, Label& model, int row, int column) {
        layout->addWidget(LabelBinding::NewBound(model, boundWidgets, layout->parentWidget()), row, column);
    };
    const auto addPicker = [&](QGridLayout* layout, Tavrik_DTP& model, int row, int column) {
        auto* blank = new QCheckBox(layout->parentWidget());
        blank->setObjectName(QString::fromStdString(model.Name() + ".blank"));
        auto* date = Named(new QDateEdit(layout->parentWidget()), model);
        date->setCalendarPopup(true);
        // While the date is blank its edit offers today, for the user to take with a tick.
        date->setDate(QDate::currentDate());
        new DatePickerBinding(model, date, blank, boundWidgets);
        auto* line = new QHBoxLayout;
        line->addWidget(blank);
        line->addWidget(date, 1);
        layout->addLayout(line, row, column);
    };
    const auto addCombo = [&](QGridLayout* layout, Tavrik_CodesCombo& model, int row, int column) {
        auto* widget = Named(new QComboBox(layout->parentWidget()), model);
        new CodesComboBinding(model, widget, boundWidgets);
        layout->addWidget(widget, row, column);
    };
    const auto addButtons = [&](QGridLayout* layout, std::initializer_list<int> indexes, int row) {
        auto* line = new QHBoxLayout;
        line->addStretch(1);
        for (int index : indexes) {
            CommandButton& model = form.mCmdActivity(index);
            auto* widget = Named(new QPushButton(layout->parentWidget()), model);
            new CommandButtonBinding(model, widget, boundWidgets);
            line->addWidget(widget);
        }
        layout->addLayout(line, row, 0, 1, 2);
    };
    frame(form.SSFrame1);

    // The grid's caption is drawn inside the grid's own area, above its rows.
    auto* gridArea = new QWidget(this);
    auto* gridLayout = new QVBoxLayout(gridArea);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    auto* caption = new QLabel(gridArea);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* table = Named(new QTableView(gridArea), form.mSdgActivity);
    (new GridBinding(form.mSdgActivity, table, boundWidgets, caption))->StretchColumns();
    gridLayout->addWidget(caption);
    gridLayout->addWidget(table, 1);
    Follow(gridArea, form.mSdgActivity);

    QGridLayout* entry = frame(form.SSFrame2);
    addLabel(entry, form.mLblActivity(2), 0, 0);
    addPicker(entry, form.mDtpActivity(2), 0, 1);
    addLabel(entry, form.mLblActivity(3), 1, 0);
    addCombo(entry, form.mFtcboActivity(1), 1, 1);
    addLabel(entry, form.mLblActivity(4), 2, 0);
    auto* comment = Named(new ModelLineEdit(entry->parentWidget()), form.mTxtActivity(0));
    new TextBoxBinding(form.mTxtActivity(0), comment, boundWidgets);
    entry->addWidget(comment, 2, 1);
    addButtons(entry, {Activity::kAdd, Activity::kUpdate, Activity::kClearEntry}, 3);

    QGridLayout* filter = frame(form.mFraActivity(Activity::kFilterFrame));
    addLabel(filter, form.mLblActivity(0), 0, 0);
    addPicker(filter, form.mDtpActivity(0), 0, 1);
    addLabel(filter, form.mLblActivity(1), 1, 0);
    addPicker(filter, form.mDtpActivity(1), 1, 1);
    addLabel(filter, form.mLblActivity(5), 2, 0);
    addCombo(filter, form.mFtcboActivity(0), 2, 1);
    addButtons(filter, {Activity::kClear, Activity::kSearch}, 3);

    QGridLayout* account = frame(form.mFraActivity(Activity::kArFrame));
    addLabel(account, form.mLblActivity(6), 0, 0);
    addLabel(account, form.mLblDataActivity(0), 0, 1);
    addLabel(account, form.mLblActivity(7), 0, 2);
    addLabel(account, form.mLblDataActivity(1), 0, 3);

    for (int index : {Activity::kSave, Activity::kClose}) {
        CommandButton& model = form.mCmdActivity(index);
        auto* button = Named(new QPushButton(this), model);
        new CommandButtonBinding(model, button, boundWidgets);
        Follow(button, model);
    }
}

void ActivityView::reject() {
    form_.mCmdActivity(Tavrik_Activity::kClose).Press();
}

} // namespace tavrik
