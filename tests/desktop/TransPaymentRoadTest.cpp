#include "receipt/Tavrik_PayDetail.h"
#include "receipt/Tavrik_TransPayment.h"
#include "tests/desktop/DemoDesk.h"
#include "tests/desktop/WidgetLookup.h"
#include "tests/support/Rendering.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace tavrik {
namespace {

// The table's rows under the headings, one line each.
std::string Rows(const QTableView& table, std::initializer_list<const char*> headings) {
    std::string rows;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        for (const char* heading : headings)
            rows += CellAt(table, row, heading).toStdString() + " | ";
        rows += "\n";
    }
    return rows;
}

// "Save:on Close:on ..." for the dialog's buttons, as the window shows them.
std::string Buttons(QWidget* dialog) {
    std::string states;
    for (const char* name : {"mCmd(0)", "mCmd(1)", "mCmd(2)"}) {
        auto* button = Child<QPushButton>(dialog, name);
        states += button->text().toStdString() + (button->isEnabled() ? ":on " : ":off ");
    }
    return states;
}

// In the Select Customer dialog, by keyboard: the name typed into the selector, Down into the
// matches, Enter on the first, then Space on "OK".
void PickCustomer(QWidget* select, const QString& name) {
    auto* search = Child<QLineEdit>(select, "CustSelect");
    auto* matches = select->findChild<QListWidget*>();
    search->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(search, name);
    ASSERT_TRUE(WaitUntil([&] { return matches->count() > 0; }));
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(matches, Qt::Key_Return);
    auto* ok = Child<QPushButton>(select, "cmdOK");
    ASSERT_TRUE(WaitUntil([&] { return ok->isEnabled(); }));
    ok->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ok, Qt::Key_Space);
}

// In the ARs list, by keyboard: Home, the arrows to the AR, F2 into its "Apply" cell, the amount
// typed and Enter.
void ApplyToAccount(QTableView& accounts, const QString& account, const QString& amount) {
    accounts.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&accounts, Qt::Key_Home);
    while (CellAt(accounts, accounts.currentIndex().row(), "AR #") != account &&
           accounts.currentIndex().row() + 1 < accounts.model()->rowCount())
        QTest::keyClick(&accounts, Qt::Key_Down);
    QTest::keyClick(&accounts, Qt::Key_F2);
    auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(cell, nullptr) << "no editor on the Apply cell";
    cell->selectAll();
    QTest::keyClicks(cell, amount);
    QTest::keyClick(cell, Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return CellAt(accounts, accounts.currentIndex().row(), "Apply") != ""; }));
}

// Receipt 0100001 of the demo customer 100001 holds an open confirmed excess fund of $25.00; SUPER
// may adjust receipts.
class TransferRoad : public StoreTest {
protected:
    std::unique_ptr<DemoDesk> desk_ = std::make_unique<DemoDesk>(Engine(), "SUPER");
};

TEST_P(TransferRoad, part_of_an_excess_fund_moved_by_keyboard_pays_another_customers_ar) {
    desk_->OpenAccount("R", "0100001");
    std::string onOpen, title, source, accounts, tabs, afterSave, excessAfter;
    bool closedByEsc = false;
    InsideModal(Tavrik_PayDetail::kFormName, [&](QWidget* detail) {
        auto* excess = Child<QTableView>(detail, "mSdgDBGrid(2)");
        ASSERT_TRUE(WaitUntil([&] { return excess->model()->rowCount() == 1; }));
        InsideModal(Tavrik_TransPayment::kFormName, [&](QWidget* dialog) {
            auto* amountShown = Child<QLabel>(dialog, "lblExcessAmount");
            ASSERT_TRUE(WaitUntil([&] { return amountShown->text() == "$25.00"; }));
            title = dialog->windowTitle().toStdString();
            for (const char* name : {"CustomerName", "City", "State", "lblExcessAmount"})
                source += Child<QLabel>(dialog, name)->text().toStdString() + " | ";
            onOpen = Buttons(dialog);

            InsideModal("Tavrik_SelectCustForm", [](QWidget* select) { PickCustomer(select, "PRAIRIE"); });
            auto* selectCustomer = Child<QPushButton>(dialog, "mCmd(2)");
            selectCustomer->setFocus(Qt::TabFocusReason);
            QTest::keyClick(selectCustomer, Qt::Key_Space);
            auto* grid = Child<QTableView>(dialog, "grdAccounts");
            ASSERT_TRUE(WaitUntil([&] { return grid->model()->rowCount() > 0; }));
            // A window system gives the dialog its activation back when the one above it closes; the
            // offscreen platform does not, and no widget would take the keys.
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            accounts = Child<QLabel>(dialog, "lblReceivingCustomer")->text().toStdString() + "\n" +
                       Rows(*grid, {"AR #", "Balance", "Apply"});

            auto* amount = Child<QLineEdit>(dialog, "txtAmount");
            amount->setFocus(Qt::TabFocusReason);
            TypeKeys(amount, "20.00");
            ApplyToAccount(*grid, "0080003", "12.50");
            EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/transfer-payment.png", "PNG"));
            amount->setFocus(Qt::TabFocusReason);
            tabs = TabTo("mCmd(2)");
            Child<QPushButton>(dialog, "mCmd(0)")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            // The reply leaves one transfer per opening: only Close stays.
            ASSERT_TRUE(WaitUntil([&] { return !Child<QPushButton>(dialog, "mCmd(2)")->isEnabled(); }));
            afterSave = Buttons(dialog);

            PressEsc(dialog);
            closedByEsc = !dialog->isVisible();
        });
        ClickCell(*excess, 0, ColumnOf(*excess, "Status"));
        auto* transfer = Child<QPushButton>(detail, "mCmdButton(0)");
        transfer->setFocus(Qt::TabFocusReason);
        QTest::keyClick(transfer, Qt::Key_Space);

        // The receipt is read again: the fund moved is shown beside what stays open.
        ASSERT_TRUE(WaitUntil([&] { return excess->model()->rowCount() == 2; }));
        excessAfter = Rows(*excess, {"Status", "Amount"});
        desk_->AnswerNextBox(QMessageBox::Ok);
        PressEsc(detail);
    });

    QTableView* receipts = desk_->DocumentList(Tavrik_AdjustAcc::kReceiptsGrid);
    receipts->setFocus(Qt::TabFocusReason);
    QTest::keyClick(receipts, Qt::Key_Home);
    ASSERT_EQ(CellAt(*receipts, receipts->currentIndex().row(), "Receipt #"), "0100001");
    QTest::keyClick(receipts, Qt::Key_Return);

    EXPECT_EQ(title, "Transfer Payment");
    EXPECT_EQ(source, "ACME FREIGHT LINES INC | SPRINGFIELD | IL | $25.00 | ");
    EXPECT_EQ(onOpen, "Save:on Close:on Select Customer:on ");
    EXPECT_EQ(accounts, "100005  PRAIRIE STAR EXPRESS\n"
                        "0080001 | $1,200.00 |  | \n"
                        "0080002 | $75.00 |  | \n"
                        "0080003 | $35.00 |  | \n");
    EXPECT_EQ(tabs, "grdAccounts mCmd(0) mCmd(1) mCmd(2)");
    EXPECT_EQ(afterSave, "Save:off Close:on Select Customer:off ");
    EXPECT_TRUE(closedByEsc);
    EXPECT_EQ(excessAfter, "TRANSFERRED | $20.00 | \nOPEN | $5.00 | \n");
    EXPECT_EQ(StoreRows(desk_->store.Location(),
                        "SELECT OVR_PYMT_AMT, OVR_PYMT_STTS_CD FROM overpayment WHERE "
                        "RCPT_NBR = 100001 ORDER BY OVR_PYMT_ID"),
              "200000 | T\n50000 | O\n");
    EXPECT_EQ(StoreRows(desk_->store.Location(), "SELECT ACCT_RCVBL_BAL_AMT FROM acct_rcvbl WHERE "
                                                 "ACCT_RCVBL_NBR = 80003"),
              "225000\n");
}

TAVRIK_ON_BOTH_ENGINES(TransferRoad);

} // namespace
} // namespace tavrik
