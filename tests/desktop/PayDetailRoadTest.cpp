#include "common/DataSetDefinitions.h"
#include "common/RequestNumbers.h"
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
#include <mutex>
#include <optional>
#include <utility>

namespace tavrik {
namespace {

// The cells of one row, by field; the fields a row leaves out stay null.
void AddRow(DataTable& table, std::initializer_list<std::pair<const char*, FieldValue>> cells) {
    std::vector<FieldValue>& row = table.rows.emplace_back(table.fields.size());
    for (const auto& [field, value] : cells)
        row[*table.FieldIndex(field)] = value;
}

// The demo store's back office, with the receipt requests answered here from a receipt 0100001 made
// by hand: a check, a payment to AR 0012345 and an open excess fund. Once an adjustment came (it is
// kept), the payment is answered backed out today.
class ReceiptsByHand : public BackOffice {
public:
    explicit ReceiptsByHand(std::unique_ptr<BackOffice> store) : store_(std::move(store)) {}

    ReplyMessage Handle(const RequestMessage& request) override {
        if (!request.KeyValue("key:RECEIPT_NBR"))
            return store_->Handle(request);
        const std::lock_guard lock(mutex_);
        if (request.piNumber == kAdjustmentRequest)
            adjustment_ = request;
        return Receipt();
    }

    std::optional<RequestMessage> Adjustment() {
        const std::lock_guard lock(mutex_);
        return adjustment_;
    }

private:
    ReplyMessage Receipt() const {
        ReplyMessage reply;
        DataTable& funds = reply.dataSets["FUND"] = *DataSetDefinitions::EmptyTable("FUND");
        AddRow(funds,
               {{"FUND_TYP_CD", "K"}, {"FUND_RFRNC_NBR", "1001"}, {"FUND_AMT", Currency::FromCents(40000)}});
        const QDate today = QDate::currentDate();
        const CalendarDate backedOutOn = *CalendarDate::FromYmd(
            today.year(), static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
        DataTable& payments = reply.dataSets["ACNTSRCVBL"] = *DataSetDefinitions::EmptyTable("ACNTSRCVBL");
        AddRow(payments, {{"CUST_ID", "100001"},
                          {"CUST_NAME", "ACME FREIGHT LINES INC"},
                          {"ACCT_RCVBL_NBR", "0012345"},
                          {"ACCT_RCVBL_CK_NBR", "1"},
                          {"ACCT_RCVBL_TYP_CD", "C"},
                          {"ACCT_RCVBL_DUE_DT", *CalendarDate::FromYmd(2023, 4, 14)},
                          {"CL_PYMT_AMT", Currency::FromCents(37500)},
                          {"ADJSTMT_DT", adjustment_ ? FieldValue(backedOutOn) : FieldValue()},
                          {"ACTVTY_STTS_CD", adjustment_ ? "B" : FieldValue()},
                          {"ACTION", ""},
                          {"TRNSCTN_NBR", 700001},
                          {"TRNSCTN_DT", *CalendarDate::FromYmd(2023, 4, 10)}});
        DataTable& excess = reply.dataSets["OVERPAYMENT"] = *DataSetDefinitions::EmptyTable("OVERPAYMENT");
        AddRow(excess, {{"CUST_NM", "ACME FREIGHT LINES INC"},
                        {"OVR_PYMT_AMT", Currency::FromCents(2500)},
                        {"CUST_ID", "100001"},
                        {"OVR_PYMT_STTS_CD", "O"}});
        DataTable& receipt = reply.dataSets["RECEIPT"] = *DataSetDefinitions::EmptyTable("RECEIPT");
        AddRow(receipt, {{"RCPT_NBR", "0100001"}, {"RCPT_STTS_CD", "O"}, {"CNFRMTN_NBR", "CNF230410-01"}});
        return reply;
    }

    std::unique_ptr<BackOffice> store_;
    std::mutex mutex_;
    std::optional<RequestMessage> adjustment_;
};

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

QString FocusName() {
    return QApplication::focusWidget() == nullptr ? "(none)" : QApplication::focusWidget()->objectName();
}

// Tab until the widget named so has the focus; answers the widgets the focus reached on the way.
std::string TabTo(const QString& name) {
    std::string reached;
    for (int key = 0; key < 20 && QApplication::focusWidget() != nullptr && FocusName() != name; ++key) {
        const QString before = FocusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (FocusName() != before)
            reached += (reached.empty() ? "" : " ") + FocusName().toStdString();
    }
    return reached;
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

// Esc as the window system delivers it: to the widget with the focus, if any.
void PressEsc(QWidget* dialog) {
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
}

const QString kComment = QString::fromUtf8("Zur\u00fcckgebucht \u2013 \u00c5\u00c9");

// Receipt 0100001 made by hand, to the clerk ADJRCPT, who may adjust receipts.
class ReceiptDetailWindow : public testing::Test {
protected:
    ReceiptsByHand* office_ = nullptr;
    std::unique_ptr<DemoDesk> desk_ =
        std::make_unique<DemoDesk>(StoreEngine::Sqlite, "ADJRCPT", [this](std::unique_ptr<BackOffice> store) {
            auto office = std::make_unique<ReceiptsByHand>(std::move(store));
            office_ = office.get();
            return office;
        });
};

TEST_F(ReceiptDetailWindow, keyboard_alone_backs_out_a_payment_through_its_drop_down_and_the_reply_is_shown) {
    desk_->OpenAccount("R", "0100001");
    std::string header;
    std::string grids;
    std::string walk;
    std::string picked;
    std::string payments;
    bool closedByEsc = false;
    InsideModal("Tavrik_PayDetail", [&](QWidget* dialog) {
        Tavrik_PayDetail& form = ReceiptForm(*desk_);
        auto* paymentList = Child<QTableView>(dialog, "mSdgDBGrid(1)");
        ASSERT_TRUE(WaitUntil([&] { return paymentList->model()->rowCount() == 1; }));
        header = Header(dialog);
        for (int index : {0, 1, 2})
            grids += RenderGrid(form.mSdgDBGrid(index));

        walk = DateAndCommentByKeyboard(form, kComment);
        PickAction(*paymentList, "0012345", "BACKOUT");
        picked = CellAt(*paymentList, RowWith(*paymentList, "AR #", "0012345"), "Action").toStdString();
        EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/receipt-detail.png", "PNG"));
        SaveByKeyboard(form);
        payments = RenderGrid(form.mSdgDBGrid(Tavrik_PayDetail::kPaymentsGrid));

        PressEsc(dialog);
        closedByEsc = !dialog->isVisible();
    });

    PressReceiptDetail(*desk_);

    EXPECT_EQ(header, "0100001 | $400.00 | OPEN | CNF230410-01 | ");
    EXPECT_EQ(grids,
              "Funds: Fund Type | Reference # | Fund Amount | Expiration Date |\n"
              " CHECK | 1001 | $400.00 | N/A |\n"
              "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
              "Status | Action |\n"
              " ACME FREIGHT LINES INC | CITATION | 0012345 | 04/14/2023 | $375.00 |  |  |  |\n"
              "Excess Fund: Name | Status | To | Amount |\n"
              " ACME FREIGHT LINES INC | OPEN |  | $25.00 |\n");
    // Ticking the date in and moving on to it stays in the picker; leaving it checks the fields.
    EXPECT_EQ(walk, "Tavrik_DTP1(0).blank ---\n"
                    "Tavrik_DTP1(0) ---\n"
                    "Tavrik_CodesCombo(0) -EE\n"
                    "mTxtAdjust(0) -EE\n"
                    "mSdgDBGrid(0) -E-\n");
    EXPECT_EQ(picked, "BACKOUT");
    const std::optional<RequestMessage> sent = office_->Adjustment();
    ASSERT_TRUE(sent);
    const std::string today = QDate::currentDate().toString("yyyy-MM-dd").toStdString();
    EXPECT_EQ(
        RenderRows(*sent, "ADJUSTPAY") + RenderRows(*sent, "ACNTSRCVBL"),
        "ACTION=ADD ADJSTMT_DT=" + today +
            " ADJSTMT_CMMT_TXT=Zur\u00fcckgebucht \u2013 \u00c5\u00c9 ADJSTMT_TYP_CD= RCPT_NBR=0100001 \n"
            "CUST_ID=100001 ACCT_RCVBL_NBR=0012345 ACCT_RCVBL_CK_NBR=1 ACCT_RCVBL_TYP_CD=C "
            "CL_PYMT_AMT=375.00 ADJSTMT_DT=" +
            today + " ACTION=UPD ADJST_ACTION=B TRNSCTN_NBR=700001 TRNSCTN_DT=2023-04-10 \n");
    EXPECT_EQ(payments,
              "Account Receivable Payments: Name | AR Type | AR # | Due Date | Amount Paid | Adjust Date | "
              "Status | Action |\n"
              " ACME FREIGHT LINES INC | CITATION | 0012345 | 04/14/2023 | $375.00 | " +
                  QDate::currentDate().toString("MM/dd/yyyy").toStdString() + " | BACKOUT |  |\n");
    EXPECT_TRUE(closedByEsc);
    EXPECT_TRUE(desk_->boxes.isEmpty()) << desk_->boxes.join(" | ").toStdString();
}

// The same road on the demo store's own back office, which must answer the receipt requests for it:
// the payment backed out is shown so, and the document's list shows the AR owing it again.
class ReceiptRoad : public StoreTest {
protected:
    std::unique_ptr<DemoDesk> desk_ = std::make_unique<DemoDesk>(Engine(), "ADJRCPT");
};

TEST_P(ReceiptRoad, DISABLED_a_payment_backed_out_through_its_drop_down_is_owed_again_on_its_ar) {
    desk_->OpenAccount("R", "0100001");
    QString adjusted;
    bool closedByEsc = false;
    InsideModal("Tavrik_PayDetail", [&](QWidget* dialog) {
        Tavrik_PayDetail& form = ReceiptForm(*desk_);
        auto* paymentList = Child<QTableView>(dialog, "mSdgDBGrid(1)");
        ASSERT_TRUE(WaitUntil([&] { return RowWith(*paymentList, "AR #", "0012345") >= 0; }));

        DateAndCommentByKeyboard(form, kComment);
        PickAction(*paymentList, "0012345", "BACKOUT");
        SaveByKeyboard(form);
        const int row = RowWith(*paymentList, "AR #", "0012345");
        adjusted = CellAt(*paymentList, row, "Adjust Date") + " " + CellAt(*paymentList, row, "Status");

        PressEsc(dialog);
        closedByEsc = !dialog->isVisible();
    });

    PressReceiptDetail(*desk_);

    EXPECT_EQ(adjusted.toStdString(), QDate::currentDate().toString("MM/dd/yyyy").toStdString() + " BACKOUT");
    EXPECT_TRUE(closedByEsc);
    QTableView* receivables = desk_->DocumentList(Tavrik_AdjustAcc::kReceivablesGrid);
    const auto due = [&] {
        return CellAt(*receivables, RowWith(*receivables, "Account #", "0012345"), "Amount Due");
    };
    EXPECT_TRUE(WaitUntil([&] { return due() == "$447.50"; })) << due().toStdString();
    EXPECT_TRUE(desk_->boxes.isEmpty()) << desk_->boxes.join(" | ").toStdString();
}

TAVRIK_ON_BOTH_ENGINES(ReceiptRoad);

} // namespace
} // namespace tavrik
