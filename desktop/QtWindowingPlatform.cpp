#include "desktop/QtWindowingPlatform.h"

#include "common/Form.h"
#include "desktop/Twips.h"
#include "desktop/XsltTemplatePrinter.h"
#include "library/LibXmlDocument.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QTimer>

#include <memory>

namespace tavrik {
namespace {

QMessageBox::Icon ToQt(MsgBoxIcon icon) {
    switch (icon) {
    case MsgBoxIcon::Critical:
        return QMessageBox::Critical;
    case MsgBoxIcon::Question:
        return QMessageBox::Question;
    case MsgBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxIcon::Information:
        return QMessageBox::Information;
    case MsgBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

// The first button is the default one, as the forms expect, unless the set says otherwise.
ButtonSet ToQt(MsgBoxButtons buttons) {
    switch (buttons) {
    case MsgBoxButtons::OKCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgBoxButtons::OKCancelDefaultCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Cancel};
    case MsgBoxButtons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MsgBoxButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                QMessageBox::Cancel};
    case MsgBoxButtons::RetryCancel:
        return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel};
    case MsgBoxButtons::OK:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

MsgBoxAnswer ToAnswer(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok:
        return MsgBoxAnswer::OK;
    case QMessageBox::Yes:
        return MsgBoxAnswer::Yes;
    case QMessageBox::No:
        return MsgBoxAnswer::No;
    case QMessageBox::Retry:
        return MsgBoxAnswer::Retry;
    default:
        return MsgBoxAnswer::Cancel;
    }
}

QSize AvailableScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QSize() : screen->availableSize();
}

} // namespace

QtWindowingPlatform::~QtWindowingPlatform() {
    SetMousePointer(MousePointer::Default);
}

MsgBoxAnswer QtWindowingPlatform::MsgBox(const std::string& text, MsgBoxIcon icon, MsgBoxButtons buttons,
                                         const std::string& title) {
    const ButtonSet set = ToQt(buttons);
    QMessageBox box(ToQt(icon), QString::fromStdString(title), QString::fromStdString(text), set.buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(set.defaultButton);
    box.setEscapeButton(set.escapeButton);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return ToAnswer(clicked == nullptr ? set.escapeButton : box.standardButton(clicked));
}

void QtWindowingPlatform::Beep() {
    QApplication::beep();
}

void QtWindowingPlatform::SetMousePointer(MousePointer pointer) {
    const bool wait = pointer == MousePointer::Hourglass;
    if (wait == waitCursor_)
        return;
    waitCursor_ = wait;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int QtWindowingPlatform::ScreenWidth() const {
    return PixelsToTwips(AvailableScreenSize().width());
}

int QtWindowingPlatform::ScreenHeight() const {
    return PixelsToTwips(AvailableScreenSize().height());
}

void QtWindowingPlatform::SetFocus(Control& control) {
    if (QWidget* widget = widgets_.Find(control))
        widget->setFocus(Qt::OtherFocusReason);
}

CalendarDate QtWindowingPlatform::Today() const {
    const QDate today = QDate::currentDate();
    return *CalendarDate::FromYmd(today.year(), static_cast<unsigned>(today.month()),
                                  static_cast<unsigned>(today.day()));
}

TimeOfDay QtWindowingPlatform::Now() const {
    const QTime now = QTime::currentTime();
    return *TimeOfDay::FromHm(now.hour(), now.minute());
}

void QtWindowingPlatform::ShowModal(Form& form) {
    std::unique_ptr<QDialog> dialog = views_.Create(form, QApplication::activeWindow());
    if (form.Left() != 0 || form.Top() != 0)
        dialog->move(TwipsToWholePixels(form.Left()), TwipsToWholePixels(form.Top()));

    // Whether the form ended this showing by hiding itself. The handler is connected for this
    // showing only (the form may be shown again), and the first event lives no longer than the dialog.
    bool hidden = false;
    QDialog* shown = dialog.get();
    ScopedConnection hiding = form.Hidden.ConnectScoped([&hidden, shown] {
        hidden = true;
        shown->done(QDialog::Accepted);
    });
    form.MarkShown();
    // The first event the dialog's loop runs: the dialog is on the screen by then.
    QTimer::singleShot(0, shown, [&form, &hidden] {
        if (!hidden)
            form.Form_Activate();
    });
    dialog->exec();

    hiding.Reset();
    dialog.reset();
    // Closed by the user while still shown: the view had its say in reject(), the form now hides.
    // A form that hid itself may have been unloaded meanwhile and is not touched again.
    if (!hidden)
        form.Hide();
}

std::unique_ptr<XmlDocument> QtWindowingPlatform::NewXmlDocument() {
    return std::make_unique<LibXmlDocument>();
}

std::unique_ptr<TemplatePrinter> QtWindowingPlatform::NewTemplatePrinter() {
    return std::make_unique<XsltTemplatePrinter>(printedFolder_);
}

} // namespace tavrik
