// The desktop on a new demo store of one engine, signed on as one of the demo clerks, as the clerks'
// road tests start it: every message box is recorded and answered "No" (or with its escape) unless a
// test says how to answer the next one. The desk closes its window when it goes and checks that no
// window is left open.
#pragma once

#include "desktop/DesktopApplication.h"
#include "tests/support/TestStore.h"

#include <QMessageBox>
#include <QStringList>
#include <QTableView>
#include <QTimer>

#include <memory>
#include <string>

namespace tavrik {

class DemoDesk {
public:
    explicit DemoDesk(StoreEngine engine, const std::string& userId = "SUPER");
    ~DemoDesk();
    DemoDesk(const DemoDesk&) = delete;
    DemoDesk& operator=(const DemoDesk&) = delete;

    // Opens an account through the Open Account dialog by keyboard: the type's code or description
    // typed into its box (left as offered when empty), the number, and Enter; waits for the lists.
    void OpenAccount(const QString& type, const QString& number);
    // One of the document's two lists.
    QTableView* DocumentList(int index);

    // The next message box is answered with that button.
    void AnswerNextBox(QMessageBox::StandardButton button) { nextAnswer_ = button; }

    TestStore store;
    std::unique_ptr<DesktopApplication> desktop;
    QStringList boxes;

private:
    QTimer boxWatch_;
    QMessageBox::StandardButton nextAnswer_ = QMessageBox::NoButton;
};

} // namespace tavrik
