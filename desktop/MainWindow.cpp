#include "desktop/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QPointer>
#include <QStatusBar>

namespace tavrik {

MainWindow::MainWindow(KovraStatusService& status, QString tag, QString caption,
                       MainWindowCallbacks callbacks, std::unique_ptr<QWidget> documentView, QWidget* parent)
    : QMainWindow(parent), tag_(std::move(tag)), callbacks_(std::move(callbacks)),
      toolbar_(addToolBar(tr("Document"))), status_(new QLabel), statusMsg_(new QLabel) {
    setWindowTitle(caption);
    setCentralWidget(documentView.release());

    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // New, Print and Delete belong to the host's other documents; this one keeps them off while open.
    // The host's commands have the usual keys too, so that a clerk reaches them without the mouse;
    // Delete has none, since the Delete key edits text.
    AddToolbarButton(kNewButton, tr("New"), QStyle::SP_FileIcon, QKeySequence::New, {});
    AddToolbarButton(kOpenButton, tr("Open"), QStyle::SP_DialogOpenButton, QKeySequence::Open,
                     callbacks_.fileOpen);
    AddToolbarButton(kSaveButton, tr("Save"), QStyle::SP_DialogSaveButton, QKeySequence::Save,
                     callbacks_.saveData);
    AddToolbarButton(kPrintButton, tr("Print"), QStyle::SP_FileDialogDetailedView, QKeySequence::Print, {});
    AddToolbarButton(kDeleteButton, tr("Delete"), QStyle::SP_TrashIcon, QKeySequence::UnknownKey, {});

    status_->setObjectName("status");
    statusMsg_->setObjectName("statusMsg");
    statusBar()->addWidget(status_, 1);
    statusBar()->addPermanentWidget(statusMsg_);
    FollowStatus(status);
}

QAction* MainWindow::ToolbarButton(int number) const {
    auto found = toolbarButtons_.find(number);
    return found == toolbarButtons_.end() ? nullptr : found->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    // Asked first, so that a document that refuses keeps its message object and stays usable.
    if (callbacks_.closeDocument && !callbacks_.closeDocument()) {
        event->ignore();
        return;
    }
    if (callbacks_.beforeUnload)
        callbacks_.beforeUnload();
    closed_ = true;
    event->accept();
}

void MainWindow::AddToolbarButton(int number, const QString& text, QStyle::StandardPixmap icon,
                                  QKeySequence::StandardKey key, std::function<void()> command) {
    QAction* action = toolbar_->addAction(style()->standardIcon(icon), text);
    action->setObjectName(QString("toolbarButton%1").arg(number));
    action->setShortcut(key);
    action->setToolTip(key == QKeySequence::UnknownKey
                           ? text
                           : text + " (" + QKeySequence(key).toString(QKeySequence::NativeText) + ")");
    if (command)
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    toolbarButtons_[number] = action;
}

void MainWindow::FollowStatus(KovraStatusService& status) {
    status_->setText(QString::fromStdString(status.StatusText()));
    statusMsg_->setText(QString::fromStdString(status.StatusMsgText()));
    for (const auto& [number, action] : toolbarButtons_)
        action->setEnabled(status.ToolbarButtonEnabled(number, tag_.toStdString()).value_or(true));

    // The service outlives no promise about this window, so its handlers hold the window weakly.
    const QPointer<MainWindow> window(this);
    status.StatusChanged.Connect([window](const std::string& text) {
        if (window)
            window->status_->setText(QString::fromStdString(text));
    });
    status.StatusMsgChanged.Connect([window](const std::string& text) {
        if (window)
            window->statusMsg_->setText(QString::fromStdString(text));
    });
    status.ToolbarButtonChanged.Connect([window](int number, bool enabled, const std::string& hostTag) {
        if (window == nullptr || hostTag != window->tag_.toStdString())
            return;
        if (QAction* action = window->ToolbarButton(number))
            action->setEnabled(enabled);
    });
}

} // namespace tavrik
