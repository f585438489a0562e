#include "tests/receipt/ReceiptDetailRoad.h"

#include <gtest/gtest.h>

namespace tavrik {

void WithReceiptDetail(DocumentHarness& harness, const std::string& receiptNumber,
                       std::function<void(Tavrik_PayDetail&)> script, const std::string& citation) {
    harness.OpenAccount("C", citation);
    harness.DeliverReply();
    SSOleDBGrid& receipts = harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceiptsGrid);
    bool found = false;
    for (std::size_t row = 0; row < receipts.Rows() && !found; ++row)
        if (receipts.CellTextAt(row, "RCPT_NBR") == receiptNumber) {
            receipts.ClickRow(row, false);
            found = true;
        }
    ASSERT_TRUE(found) << "no receipt " << receiptNumber << " in the list";

    harness.platform.QueueScript([&harness, script](Form& form) {
        auto& detail = dynamic_cast<Tavrik_PayDetail&>(form);
        harness.DeliverReply();
        script(detail);
    });
    harness.document.mCmdButton(Tavrik_AdjustAcc::kReceiptDetail).Press();
}

void ChooseAction(Tavrik_PayDetail& detail, const std::string& arNumber, const std::string& action) {
    SSOleDBGrid& grid = detail.mSdgDBGrid(Tavrik_PayDetail::kPaymentsGrid);
    for (std::size_t row = 0; row < grid.Rows(); ++row)
        if (grid.CellTextAt(row, "ACCT_RCVBL_NBR") == arNumber) {
            EXPECT_TRUE(grid.EditCell(row, "ACTION", action)) << "the Action cell refused the edit";
            return;
        }
    ADD_FAILURE() << "no payment against " << arNumber;
}

void DateAndComment(Tavrik_PayDetail& detail, int year, unsigned month, unsigned day,
                    const std::string& comment) {
    detail.Tavrik_DTP1(0).SetValue(CalendarDate::FromYmd(year, month, day));
    detail.mTxtAdjust(0).TypeText(comment);
}

} // namespace tavrik
