// A receipt of 10,000 payments on SQLite, through the document's "Receipt Detail": opening it, from the
// press of the button to the three grids bound and their first screen decorated; and backing the whole
// receipt out, from "Save" to the refreshed receipt handled. Each is compared with the bare statements
// that read (or write) the same rows on the same store, in the same run, as the user counter
// ratio_to_bare_query.
#include "backoffice/BackOffice.h"
#include "backoffice/DemoData.h"
#include "bench/BenchStore.h"
#include "bench/ReadEveryCell.h"
#include "common/CheckDigit.h"
#include "common/Session.h"
#include "document/Tavrik_AdjustAcc.h"
#include "document/Tavrik_FormInq.h"
#include "library/KovraLibrary.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "receipt/Tavrik_PayDetail.h"
#include "store/OpenStore.h"
#include "store/StoreConnection.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"
#include "tools/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <stdexcept>

namespace tavrik {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPayments = 10000;
constexpr std::size_t kScreenRows = 40;

class ReceiptStack {
public:
    ReceiptStack()
        : benchStore_(""), store_(BackOffice::Open(benchStore_.Location())),
          transport_([this](const RequestMessage& request) { return store_->Handle(request); }),
          platform_(*CalendarDate::FromYmd(2026, 12, 6), std::cerr),
          library_(transport_, dispatcher_, platform_, "SUPER", benchStore_.Directory() / "errors.log"),
          session_(library_.Services(), library_.Info(), "Tavrik Adjust", 1, 0, "receipt_detail_bench"),
          document_(session_) {
        document_.UserDocument_Show("BENCH", "Account Adjustment");
    }

    // A new receipt of kPayments payments, listed in the document (untimed).
    std::string ListNewReceipt() {
        std::string receipt;
        {
            std::unique_ptr<StoreConnection> database =
                OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
            receipt = DemoData::AddBulkReceipt(*database, kPayments);
            database->Execute("PRAGMA wal_checkpoint(TRUNCATE);");
        }
        platform_.SetModalScript([&receipt](Form& form) {
            auto& dialog = dynamic_cast<Tavrik_FormInq&>(form);
            dialog.mFtcboDocType(0).SetCode("R");
            dialog.mTxtDocNbr(0).SetText(receipt + "-" +
                                         std::to_string(ComputeCheckDigit(receipt).value_or(0)));
            dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
        });
        document_.FileOpen();
        AwaitReply();
        document_.mSdgDBGrid(Tavrik_AdjustAcc::kReceiptsGrid).ClickRow(0, false);
        return receipt;
    }

    // Presses "Receipt Detail" on the listed receipt; the script runs while the window is shown, once
    // the receipt is loaded and the first screen of each grid is decorated. Answers the payments listed.
    std::size_t OpenReceipt(const std::function<void(Tavrik_PayDetail&)>& whileOpen) {
        std::size_t payments = 0;
        platform_.SetModalScript([&](Form& form) {
            auto& detail = dynamic_cast<Tavrik_PayDetail&>(form);
            AwaitReply();
            for (int index : {Tavrik_PayDetail::kFundsGrid, Tavrik_PayDetail::kPaymentsGrid,
                              Tavrik_PayDetail::kExcessGrid}) {
                SSOleDBGrid& grid = detail.mSdgDBGrid(index);
                for (std::size_t row = 0; row < grid.Rows() && row < kScreenRows; ++row)
                    benchmark::DoNotOptimize(grid.DisplayRow(row));
            }
            payments = detail.mSdgDBGrid(Tavrik_PayDetail::kPaymentsGrid).Rows();
            whileOpen(detail);
        });
        document_.mCmdButton(Tavrik_AdjustAcc::kReceiptDetail).Press();
        return payments;
    }

    // The same receipt's rows read straight from the store, every cell of every row.
    std::size_t ReadWithBareQueries(const std::string& receipt) {
        std::unique_ptr<StoreConnection> database = OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
        const char* queries[] = {
            "SELECT r.*, (SELECT SUM(o.OVR_PYMT_AMT) FROM overpayment o WHERE o.RCPT_NBR = r.RCPT_NBR) FROM "
            "receipt r WHERE r.RCPT_NBR = ?1",
            "SELECT * FROM fund WHERE RCPT_NBR = ?1",
            "SELECT p.*, a.*, c.CUST_NM FROM payment p JOIN acct_rcvbl a ON a.ACCT_RCVBL_NBR = "
            "p.ACCT_RCVBL_NBR "
            "JOIN customer c ON c.CUST_ID = a.CUST_ID WHERE p.RCPT_NBR = ?1",
            "SELECT o.*, c.* FROM overpayment o JOIN customer c ON c.CUST_ID = o.CUST_ID WHERE o.RCPT_NBR = "
            "?1"};
        std::size_t rows = 0;
        for (const char* sql : queries) {
            StoreQuery statement(*database, sql);
            statement.Bind(1, std::stoll(receipt));
            rows += ReadEveryCell(statement);
        }
        return rows;
    }

    // What a back out of the whole receipt writes, as bare statements over the same rows in one
    // transaction: each payment marked, each AR's balance restored, one activity row per AR, the money
    // left as an open excess fund, the receipt's status.
    void BackOutWithBareStatements(const std::string& receipt) {
        std::unique_ptr<StoreConnection> database = OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
        StoreTransaction transaction(*database, StoreConnection::Access::Write);
        const char* statements[] = {
            "UPDATE acct_rcvbl SET ACCT_RCVBL_BAL_AMT = ACCT_RCVBL_BAL_AMT + (SELECT p.CL_PYMT_AMT FROM "
            "payment p WHERE p.RCPT_NBR = ?1 AND p.ACCT_RCVBL_NBR = acct_rcvbl.ACCT_RCVBL_NBR), ACCT_STTS_CD "
            "= "
            "'O', ROW_VERSION = ROW_VERSION + 1 WHERE ACCT_RCVBL_NBR IN (SELECT ACCT_RCVBL_NBR FROM payment "
            "WHERE RCPT_NBR = ?1)",
            "INSERT INTO account_activity (ACTIVITY_ID, ACCT_RCVBL_NBR, ACTVTY_DT, ACTVTY_TM, "
            "ACCT_ACTVTY_CD, "
            "ACTVTY_AMT, ACTVTY_BAL_AMT, ACTVTY_CMMT_TXT, LST_UPDT_USER_ID, LST_UPDT_TS) SELECT (SELECT "
            "COALESCE(MAX(ACTIVITY_ID), 0) FROM account_activity) + p.PYMT_NBR, p.ACCT_RCVBL_NBR, "
            "'2026-12-06', '12:00', 'BO', p.CL_PYMT_AMT, a.ACCT_RCVBL_BAL_AMT, 'Bench', '1', "
            "'2026-12-06 12:00:00' FROM payment p JOIN acct_rcvbl a ON a.ACCT_RCVBL_NBR = p.ACCT_RCVBL_NBR "
            "WHERE p.RCPT_NBR = ?1",
            "INSERT INTO overpayment (OVR_PYMT_ID, RCPT_NBR, CUST_ID, OVR_PYMT_DT, OVR_PYMT_TM, "
            "OVR_PYMT_AMT, "
            "OVR_PYMT_STTS_CD) SELECT (SELECT COALESCE(MAX(OVR_PYMT_ID), 0) + 1 FROM overpayment), "
            "r.RCPT_NBR, "
            "r.CUST_ID, '2026-12-06', '12:00', (SELECT SUM(CL_PYMT_AMT) FROM payment WHERE RCPT_NBR = ?1), "
            "'O' "
            "FROM receipt r WHERE r.RCPT_NBR = ?1",
            "UPDATE payment SET ACTVTY_STTS_CD = 'B', ADJSTMT_DT = '2026-12-06', ROW_VERSION = ROW_VERSION + "
            "1 "
            "WHERE RCPT_NBR = ?1",
            "UPDATE receipt SET RCPT_STTS_CD = 'B', ROW_VERSION = ROW_VERSION + 1 WHERE RCPT_NBR = ?1"};
        for (const char* sql : statements) {
            StoreQuery statement(*database, sql);
            statement.Bind(1, std::stoll(receipt));
            statement.Run();
        }
        transaction.Commit();
    }

    void AwaitReply() {
        if (!dispatcher_.WaitForPosted(std::chrono::seconds(60)))
            throw std::runtime_error("The back office did not answer.");
        dispatcher_.RunPending();
    }

private:
    BenchStore benchStore_;
    std::unique_ptr<BackOffice> store_;
    ManualDispatcher dispatcher_;
    WorkerThreadTransport transport_;
    HeadlessPlatform platform_;
    KovraLibrary library_;
    Session session_;
    Tavrik_AdjustAcc document_;
};

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

void BM_receipt_detail_open(benchmark::State& state) {
    ReceiptStack stack;
    const std::string receipt = stack.ListNewReceipt();
    // An untimed round first: it grows the heap and warms the page cache.
    stack.OpenReceipt([](Tavrik_PayDetail&) {});
    stack.ReadWithBareQueries(receipt);
    Clock::duration openTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const std::size_t listed = stack.OpenReceipt([](Tavrik_PayDetail&) {});
        const Clock::time_point opened = Clock::now();
        const std::size_t read = stack.ReadWithBareQueries(receipt);
        const Clock::time_point done = Clock::now();
        if (listed != kPayments || read < kPayments) {
            state.SkipWithError("the receipt did not list every payment");
            return;
        }
        openTime += opened - start;
        bareTime += done - opened;
        state.SetIterationTime(Seconds(opened - start));
    }
    state.counters["ratio_to_bare_query"] = Seconds(openTime) / Seconds(bareTime);
    state.counters["payments"] = kPayments;
}
BENCHMARK(BM_receipt_detail_open)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_receipt_detail_back_out(benchmark::State& state) {
    ReceiptStack stack;
    Clock::duration saveTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        const std::string receipt = stack.ListNewReceipt();
        Clock::duration saved{};
        bool backedOut = false;
        stack.OpenReceipt([&](Tavrik_PayDetail& detail) {
            detail.Tavrik_CodesCombo(0).SetCode("B");
            detail.Tavrik_DTP1(0).SetValue(CalendarDate::FromYmd(2026, 12, 6));
            detail.mTxtAdjust(0).SetText("Bench");
            const Clock::time_point start = Clock::now();
            detail.mCmdButton(Tavrik_PayDetail::kSave).Press();
            stack.AwaitReply();
            saved = Clock::now() - start;
            backedOut =
                detail.mBlnDirty && detail.mLblData(Tavrik_PayDetail::kStatus).Caption() == "BACKED OUT";
        });
        if (!backedOut) {
            state.SkipWithError("the receipt was not backed out");
            return;
        }
        // The refresh the document sends once the window closes is not part of the save.
        stack.AwaitReply();
        const std::string bare = stack.ListNewReceipt();
        const Clock::time_point start = Clock::now();
        stack.BackOutWithBareStatements(bare);
        bareTime += Clock::now() - start;
        saveTime += saved;
        state.SetIterationTime(Seconds(saved));
    }
    state.counters["ratio_to_bare_query"] = Seconds(saveTime) / Seconds(bareTime);
    state.counters["payments"] = kPayments;
}
BENCHMARK(BM_receipt_detail_back_out)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
} // namespace tavrik

BENCHMARK_MAIN();
