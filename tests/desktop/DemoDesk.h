// The desktop on a new demo store of one engine, signed on as one of the demo clerks, as the clerks'
// road tests start it: every message box is recorded and answered "No" (or with its escape). The desk
// closes its window when it goes and checks that no window is left open.
#pragma once

#include "backoffice/BackOffice.h"
#include "desktop/DesktopApplication.h"
#include "tests/support/TestStore.h"

#include <QStringList>
#include <QTableView>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace tavrik {

class DemoDesk {
public:
    // What a test may put before the store's back office: it gets the store's and answers the one the
    // desk talks to.
    using FrontDesk = std::function<std::unique_ptr<BackOffice>(std::unique_ptr<BackOffice> store)>;

    explicit DemoDesk(StoreEngine engine, const std::string& userId = "SUPER", const FrontDesk& front = {});
    ~DemoDesk();
    DemoDesk(const DemoDesk&) = delete;
    DemoDesk& operator=(const DemoDesk&) = delete;

    // Opens an account through the Open Account dialog by keyboard: the type's code or description
    // typed into its box (left as offered when empty), the number, and Enter; waits for the lists.
    void OpenAccount(const QString& type, const QString& number);
    // One of the document's two lists.
    QTableView* DocumentList(int index);

    TestStore store;
    std::unique_ptr<DesktopApplication> desktop;
    QStringList boxes;

private:
    QTimer boxWatch_;
};

} // namespace tavrik
