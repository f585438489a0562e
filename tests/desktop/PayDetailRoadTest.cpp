#include "receipt/Tavrik_PayDetail.h"
#include "tests/desktop/DemoDesk.h"
#include "tests/desktop/WidgetLookup.h"
#include "tests/support/Rendering.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace tavrik {
namespace {

Tavrik_PayDetail& ReceiptForm(DemoDesk& desk) {
    return *desk.desktop->Session().Forms.FindAs<Tavrik_PayDetail>(Tavrik_PayDetail::kFormName);
}

// By keyboard, the Receipt Detail of receipt 0100001 from the document's receipts list: into the list,
// Home to the receipt, Enter.
void PressReceiptDetail(DemoDesk& desk) {
    QTableView* receipts = desk.DocumentList(Tavrik_AdjustAcc::kReceiptsGrid);
    receipts->setFocus(Qt::TabFocusReason);
    QTest::keyClick(receipts, Qt::Key_Home);
    ASSERT_EQ(CellAt(*receipts, receipts->currentIndex().row(), "Receipt #"), "0100001");
    QTest::keyClick(receipts, Qt::Key_Return);
}

// The picker, the action and the comment: "-" in their normal colour, "E" in the error colour.
std::string FieldColours(Tavrik_PayDetail& form) {
    std::string colours;
    for (const Control* field : std::initializer_list<const Control*>{
             &form.Tavrik_DTP1(0), &form.Tavrik_CodesCombo(0), &form.mTxtAdjust(0)})
        colours += field->Color() == FieldColor::Error ? "E" : "-";
    return colours;
}

// From the window's first field, by keyboard: Space ticks today's date in, Tab goes through the date
// on to the action and the comment, where the comment is typed, and Tab leaves it. Answers, at the
// start and after each move, where the focus went and the colours of the three fields then.
std::string DateAndCommentByKeyboard(Tavrik_PayDetail& form, const QString& comment) {
    std::string trace = FocusName().toStdString() + " " + FieldColours(form) + "\n";
    const auto tabTo = [&](const char* name) {
        trace += TabTo(name);
        trace += " " + FieldColours(form) + "\n";
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    tabTo("Tavrik_DTP1(0)");
    tabTo("Tavrik_CodesCombo(0)");
    tabTo("mTxtAdjust(0)");
    TypeKeys(QApplication::focusWidget(), comment);
    tabTo("mSdgDBGrid(0)");
    return trace;
}

// From the funds list, by keyboard: Tab into the payments list, the arrows to the payment of the AR,
// F2 opens its Action cell's drop-down, Alt+Down opens the list, the arrows go to the item, Enter
// takes it and Enter again commits the cell.
void PickAction(QTableView& payments, const QString& account, const QString& item) {
    ASSERT_EQ(TabTo(payments.objectName()), payments.objectName().toStdString());
    QTest::keyClick(&payments, Qt::Key_Home);
    while (CellAt(payments, payments.currentIndex().row(), "AR #") != account &&
           payments.currentIndex().row() + 1 < payments.model()->rowCount())
        QTest::keyClick(&payments, Qt::Key_Down);
    QTest::keyClick(&payments, Qt::Key_F2);
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(list, nullptr) << "no drop-down on the Action cell";
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return list->view()->isVisible(); }));
    while (list->view()->currentIndex().data().toString() != item &&
           list->view()->currentIndex().row() + 1 < list->count())
        QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return !list->view()->isVisible(); }));
    // A window system gives the window its activation back when the list closes; the offscreen
    // platform does not, and the focus would end nowhere once the editor goes.
    list->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list->window()));
    const QPointer<QComboBox> editor(list);
    QTest::keyClick(list, Qt::Key_Return);
    // The cell takes the choice once the key has gone through, and the editor then goes.
    ASSERT_TRUE(WaitUntil([&] { return editor == nullptr; }));
}

// The receipt's header as the window shows it.
std::string Header(QWidget* dialog) {
    std::string header;
    for (const char* value : {"mLblData(0)", "mLblData(1)", "mLblData(2)", "mLblData(5)"})
        header += Child<QLabel>(dialog, value)->text().toStdString() + " | ";
    return header;
}

// Tab on to "Save" and press it with the space bar; waits for the reply.
void SaveByKeyboard(Tavrik_PayDetail& form) {
    // "Transfer Payment" and "Create Refund" wait for an excess fund to be chosen.
    EXPECT_EQ(TabTo("mCmdButton(2)"), "mSdgDBGrid(2) mCmdButton(2)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(WaitUntil([&] { return !form.IsSavePending(); }));
}

const QString kComment = QString::fromUtf8("Zur\u00fcckgebucht \u2013 \u00c5\u00c9");

// Receipt 0100001 of the demo customer 100001 on the demo store, opened by the clerk ADJRCPT, who may
// adjust receipts: two of its payments are still standing, one is backed out.
class ReceiptRoad : public StoreTest {
protected:
    std::unique_ptr<DemoDesk> desk_ = std::make_unique<DemoDesk>(Engine(), "ADJRCPT");
};

TEST_P(ReceiptRoad, a_payment_backed_out_by_keyboard_through_its_drop_down_is_owed_again_on_its_ar) {
    desk_->OpenAccount("R", "0100001");
    std::string header;
    std::string rows;
    std::string walk;
    std::string picked;
    std::string adjusted;
    bool stayedOnCancel = false;
    bool closedByEsc = false;
    InsideModal("Tavrik_PayDetail", [&](QWidget* dialog) {
        Tavrik_PayDetail& form = ReceiptForm(*desk_);
        auto* paymentList = Child<QTableView>(dialog, "mSdgDBGrid(1)");
        ASSERT_TRUE(WaitUntil([&] { return RowWith(*paymentList, "AR #", "0012345") >= 0; }));
        header = Header(dialog);
        for (const char* grid : {"mSdgDBGrid(0)", "mSdgDBGrid(1)", "mSdgDBGrid(2)"})
            rows += std::to_string(Child<QTableView>(dialog, grid)->model()->rowCount()) + " ";

        walk = DateAndCommentByKeyboard(form, kComment);
        PickAction(*paymentList, "0012345", "BACKOUT");
        picked = CellAt(*paymentList, RowWith(*paymentList, "AR #", "0012345"), "Action").toStdString();
        EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/receipt-detail.png", "PNG"));
        SaveByKeyboard(form);
        const int row = RowWith(*paymentList, "AR #", "0012345");
        adjusted = (CellAt(*paymentList, row, "Adjust Date") + " " + CellAt(*paymentList, row, "Status"))
                       .toStdString();

        // The money backed out stays open on the receipt: Esc asks first, and Cancel stays.
        PressEsc(dialog);
        ASSERT_TRUE(WaitUntil([&] { return !desk_->boxes.isEmpty(); }));
        stayedOnCancel = dialog->isVisible();
        desk_->AnswerNextBox(QMessageBox::Ok);
        PressEsc(dialog);
        closedByEsc = !dialog->isVisible();
    });

    PressReceiptDetail(*desk_);

    EXPECT_EQ(header, "0100001 | $400.00 | OPEN | CNF230410-01 | ");
    EXPECT_EQ(rows, "2 3 1 ");
    // Ticking the date in and moving on to it stays in the picker; leaving it checks the fields.
    EXPECT_EQ(walk, "Tavrik_DTP1(0).blank ---\n"
                    "Tavrik_DTP1(0) ---\n"
                    "Tavrik_CodesCombo(0) -EE\n"
                    "mTxtAdjust(0) -EE\n"
                    "mSdgDBGrid(0) -E-\n");
    EXPECT_EQ(picked, "BACKOUT");
    EXPECT_EQ(adjusted, QDate::currentDate().toString("MM/dd/yyyy").toStdString() + " BACKOUT");
    EXPECT_TRUE(stayedOnCancel);
    EXPECT_TRUE(closedByEsc);
    QTableView* receivables = desk_->DocumentList(Tavrik_AdjustAcc::kReceivablesGrid);
    const auto due = [&] {
        return CellAt(*receivables, RowWith(*receivables, "Account #", "0012345"), "Amount Due");
    };
    EXPECT_TRUE(WaitUntil([&] { return due() == "$447.50"; })) << due().toStdString();
    EXPECT_EQ(StoreRows(desk_->store.Location(), "SELECT ACTVTY_CMMT_TXT FROM account_activity WHERE "
                                                 "ACCT_RCVBL_NBR = 12345 ORDER BY ACTIVITY_ID DESC LIMIT 1"),
              "Zur\u00fcckgebucht \u2013 \u00c5\u00c9\n");
    EXPECT_EQ(
        desk_->boxes.join(" | ").toStdString(),
        "There are Excess Funds remaining.  Would you like to exit this screen? | There are Excess Funds "
        "remaining.  Would you like to exit this screen?");
}

TAVRIK_ON_BOTH_ENGINES(ReceiptRoad);

} // namespace
} // namespace tavrik
