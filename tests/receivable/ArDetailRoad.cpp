#include "tests/receivable/ArDetailRoad.h"

#include <gtest/gtest.h>

namespace tavrik {

void WithArDetail(DocumentHarness& harness, const std::string& arNumber,
                  std::function<void(Tavrik_AccDetail&)> script) {
    harness.OpenAccount("C", "12345");
    harness.DeliverReply();
    SSOleDBGrid& receivables = harness.document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid);
    bool found = false;
    for (std::size_t row = 0; row < receivables.Rows() && !found; ++row)
        if (receivables.CellTextAt(row, "ACCT_RCVBL_NBR") == arNumber) {
            receivables.ClickRow(row, false);
            found = true;
        }
    ASSERT_TRUE(found) << "no AR " << arNumber << " in the list";

    harness.platform.QueueScript([&harness, script](Form& form) {
        auto& detail = dynamic_cast<Tavrik_AccDetail&>(form);
        harness.DeliverReply();
        script(detail);
    });
    harness.document.mCmdButton(Tavrik_AdjustAcc::kArDetail).Press();
}

void Tick(Tavrik_AccDetail& detail, int gridIndex, const std::string& assessmentCode, int occurrence) {
    SSOleDBGrid& grid = detail.mSdgDBGrid(gridIndex);
    const char* tick = gridIndex == Tavrik_AccDetail::kAvailableGrid ? "Remove" : "REINSTATE";
    for (std::size_t row = 0; row < grid.Rows(); ++row)
        if (grid.CellTextAt(row, "ASSMT_CD") == assessmentCode && --occurrence == 0) {
            EXPECT_TRUE(grid.EditCell(row, tick, "-1"));
            return;
        }
    ADD_FAILURE() << "no assessment " << assessmentCode << " in " << grid.Caption();
}

} // namespace tavrik
