#include "tests/desktop/DemoDesk.h"

#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace tavrik {

DemoDesk::DemoDesk(StoreEngine engine, const std::string& userId) : store(engine) {
    // On PostgreSQL the clerk is the role that connects, not a name the desk gives.
    desktop = std::make_unique<DesktopApplication>(store.LocationFor(userId),
                                                   engine == StoreEngine::Sqlite ? userId : "");
    desktop->Show();
    QObject::connect(&boxWatch_, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            if (QAbstractButton* chosen = box->button(std::exchange(nextAnswer_, QMessageBox::NoButton)))
                chosen->click();
            else
                box->button(QMessageBox::No) != nullptr ? box->button(QMessageBox::No)->click()
                                                        : box->reject();
        }
    });
    boxWatch_.start(50);
}

DemoDesk::~DemoDesk() {
    desktop->Window().close();
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty()) << VisibleTopLevelWindows().join(", ").toStdString();
}

void DemoDesk::OpenAccount(const QString& type, const QString& number) {
    InsideModal("Tavrik_FormInq", [type, number](QWidget* dialog) {
        if (!type.isEmpty()) {
            QLineEdit* typed = Child<QComboBox>(dialog, "mFtcboDocType(0)")->lineEdit();
            typed->selectAll();
            QTest::keyClicks(typed, type);
        }
        auto* numberBox = Child<QLineEdit>(dialog, "mTxtDocNbr(0)");
        QTest::keyClicks(numberBox, number);
        QTest::keyClick(numberBox, Qt::Key_Return);
    });
    desktop->Window().ToolbarButton(MainWindow::kOpenButton)->trigger();
    ASSERT_TRUE(
        WaitUntil([&] { return DocumentList(Tavrik_AdjustAcc::kReceiptsGrid)->model()->rowCount() > 0; }));
}

QTableView* DemoDesk::DocumentList(int index) {
    return Child<QTableView>(&desktop->Window(), desktop->Document().mSdgDBGrid(index).Name().c_str());
}

} // namespace tavrik
