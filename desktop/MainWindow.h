// The container's window: it hosts the document's view, carries the host tag and caption the
// document reads, shows the host toolbar and the status bar as the status service says, and asks
// the document before it closes.
#pragma once

#include "library/KovraStatusService.h"

#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QString>
#include <QStyle>
#include <QToolBar>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QCloseEvent;

namespace tavrik {

// The document's host operations the window calls.
struct MainWindowCallbacks {
    std::function<void()> fileOpen;
    std::function<void()> saveData;
    std::function<void()> beforeUnload;
    std::function<bool()> closeDocument;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(QString tag READ Tag CONSTANT)

public:
    // Host toolbar buttons, numbered as the document switches them.
    static constexpr int kNewButton = 7;
    static constexpr int kOpenButton = 8;
    static constexpr int kSaveButton = 9;
    static constexpr int kPrintButton = 12;
    static constexpr int kDeleteButton = 14;

    MainWindow(KovraStatusService& status, QString tag, QString caption, MainWindowCallbacks callbacks,
               std::unique_ptr<QWidget> documentView, QWidget* parent = nullptr);

    const QString& Tag() const { return tag_; }
    // The toolbar's action for button number, or nullptr for a number it does not have.
    QAction* ToolbarButton(int number) const;
    QString StatusText() const { return status_->text(); }
    QString StatusMsgText() const { return statusMsg_->text(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddToolbarButton(int number, const QString& text, QStyle::StandardPixmap icon,
                          QKeySequence::StandardKey key, std::function<void()> command);
    void FollowStatus(KovraStatusService& status);

    QString tag_;
    MainWindowCallbacks callbacks_;
    QToolBar* toolbar_;
    std::map<int, QAction*> toolbarButtons_;
    QLabel* status_;
    QLabel* statusMsg_;
    bool closed_ = false;
};

} // namespace tavrik
