#include "select/Tavrik_SelectCustFormInq.h"
#include "tests/desktop/DemoDesk.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/desktop/WidgetLookup.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tavrik {
namespace {

class SelectAccountRoad : public StoreTest {
protected:
    std::unique_ptr<DemoDesk> desk_ = std::make_unique<DemoDesk>(Engine());
};

// From the Open Account dialog, by keyboard: "Select Account", "acme" typed into the selector, Down
// into the matches and Enter on the customer, the first citation of the list, Tab to "OK" and Space.
TEST_P(SelectAccountRoad, a_citation_found_by_the_customer_name_opens_in_the_document) {
    QString match, chosen, status;
    InsideModal("Tavrik_FormInq", [&](QWidget* openAccount) {
        InsideModal("Tavrik_SelectCustFormInq", [&](QWidget* select) {
            auto* search = Child<QLineEdit>(select, "Tavrik_CustSelect1");
            auto* matches = select->findChild<QListWidget*>();
            auto* list = Child<QTableView>(select, "mSdgGrid");
            auto* ok = Child<QPushButton>(select, "mCmdButton(1)");
            search->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(search, "acme");
            ASSERT_TRUE(WaitUntil([&] { return matches->count() > 0; }));
            match = matches->item(0)->text();
            QTest::keyClick(search, Qt::Key_Down);
            QTest::keyClick(matches, Qt::Key_Return);
            ASSERT_TRUE(WaitUntil([&] { return list->model()->rowCount() > 0; }));
            EXPECT_FALSE(ok->isEnabled());
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Home);
            chosen = CellAt(*list, list->currentIndex().row(), "Account #");
            status = select->findChild<QStatusBar*>()->findChild<QLabel*>()->text();
            EXPECT_TRUE(ok->isEnabled());
            EXPECT_TRUE(select->grab().save(TAVRIK_SCREENSHOT_DIR "/select-account.png", "PNG"));
            ok->setFocus(Qt::TabFocusReason);
            QTest::keyClick(ok, Qt::Key_Space);
        });
        auto* selectAccount = Child<QPushButton>(openAccount, "mCmdBttn(0)");
        selectAccount->setFocus(Qt::TabFocusReason);
        QTest::keyClick(selectAccount, Qt::Key_Space);
    });

    desk_->desktop->Window().ToolbarButton(MainWindow::kOpenButton)->trigger();

    QTableView* receivables = desk_->DocumentList(Tavrik_AdjustAcc::kReceivablesGrid);
    ASSERT_TRUE(WaitUntil([&] { return receivables->model()->rowCount() > 0; }));
    EXPECT_TRUE(match.startsWith("100001  ACME FREIGHT LINES INC  SPRINGFIELD, IL")) << match.toStdString();
    EXPECT_EQ(status, "Displaying CITATIONs for ACME FREIGHT LINES INC");
    ASSERT_EQ(chosen.size(), 9);
    EXPECT_GE(RowWith(*receivables, "Account #", chosen.left(7)), 0) << chosen.toStdString();
    desk_.reset();
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty()) << VisibleTopLevelWindows().join(", ").toStdString();
}

TAVRIK_ON_BOTH_ENGINES(SelectAccountRoad);

} // namespace
} // namespace tavrik
