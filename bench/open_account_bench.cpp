// Opening a customer with 50,000 ARs and 50,000 receipts through the document: from the Open
// Account dialog's OK to both recordsets sorted, bound to the grids and the first screen of each
// grid decorated. Its time is compared with the bare queries that read every cell of the same rows
// on the same engine, in the same run, as the user counter ratio_to_bare_query. The SQLite store is a
// temporary file; the PostgreSQL one is a schema of its own on the server TAVRIK_BENCH_POSTGRES names
// (a connection URI), dropped at the end. Both threads (the screen's and the back office's worker) run
// pinned to one CPU, as the bare query does. Besides the ratio it reports, in milliseconds, the bare
// read, a steady open and the session's first open, and the heap an open's reply and lists hold.
#include "backoffice/BackOffice.h"
#include "backoffice/DemoData.h"
#include "bench/BenchStore.h"
#include "bench/HeapInUse.h"
#include "bench/PinnedToOneCpu.h"
#include "bench/ReadEveryCell.h"
#include "common/Session.h"
#include "document/Tavrik_AdjustAcc.h"
#include "document/Tavrik_FormInq.h"
#include "library/KovraLibrary.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "store/OpenStore.h"
#include "store/StoreConnection.h"
#include "store/StoreQuery.h"
#include "tools/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace tavrik {
namespace {

constexpr int kRows = 50000;
constexpr std::size_t kScreenRows = 40;

class OpenAccountStack {
public:
    explicit OpenAccountStack(const std::string& postgresServer)
        : benchStore_(postgresServer), store_(BackOffice::Open(benchStore_.Location())), bulk_(AddCustomer()),
          transport_([this](const RequestMessage& request) { return store_->Handle(request); }),
          platform_(*CalendarDate::FromYmd(2026, 12, 6), std::cerr),
          library_(transport_, dispatcher_, platform_, "SUPER", benchStore_.Directory() / "errors.log"),
          session_(library_.Services(), library_.Info(), "Tavrik Adjust", 1, 0, "open_account_bench"),
          document_(session_) {
        document_.UserDocument_Show("BENCH", "Account Adjustment");
        platform_.SetModalScript([this](Form& form) {
            auto& dialog = dynamic_cast<Tavrik_FormInq&>(form);
            dialog.mFtcboDocType(0).SetCode(bulk_.referenceType);
            dialog.mTxtDocNbr(0).SetText(bulk_.referenceNumber);
            dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
        });
    }
    // The whole open, up to the first screen of both grids; answers the rows listed.
    std::size_t OpenThroughTheDocument() {
        document_.FileOpen();
        if (!dispatcher_.WaitForPosted(std::chrono::seconds(60)))
            throw std::runtime_error("The back office did not answer.");
        dispatcher_.RunPending();
        std::size_t rows = 0;
        for (int index : {Tavrik_AdjustAcc::kReceivablesGrid, Tavrik_AdjustAcc::kReceiptsGrid}) {
            SSOleDBGrid& grid = document_.mSdgDBGrid(index);
            for (std::size_t row = 0; row < grid.Rows() && row < kScreenRows; ++row)
                benchmark::DoNotOptimize(grid.DisplayRow(row));
            rows += grid.Rows();
        }
        return rows;
    }

    // The same customer's rows read straight from the engine, every cell of every row.
    std::size_t ReadWithBareQueries() {
        std::unique_ptr<StoreConnection> database = OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
        const char* queries[] = {
            "SELECT a.*, c.CUST_NM FROM acct_rcvbl a JOIN customer c ON c.CUST_ID = a.CUST_ID WHERE "
            "a.CUST_ID = ?1",
            "SELECT r.*, (SELECT SUM(o.OVR_PYMT_AMT) FROM overpayment o WHERE o.RCPT_NBR = r.RCPT_NBR) "
            "FROM receipt r WHERE r.CUST_ID = ?1"};
        std::size_t rows = 0;
        for (const char* sql : queries) {
            StoreQuery statement(*database, sql);
            statement.Bind(1, bulk_.customerId);
            rows += ReadEveryCell(statement);
        }
        return rows;
    }

private:
    DemoData::BulkCustomer AddCustomer() {
        std::unique_ptr<StoreConnection> database = OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
        DemoData::BulkCustomer customer = DemoData::AddBulkCustomer(*database, kRows, kRows);
        // Both sides then read settled tables: SQLite's main file rather than a write-ahead log
        // holding the bulk load, PostgreSQL's planner with the new rows counted.
        database->Execute(IsPostgresLocation(benchStore_.Location()) ? "ANALYZE"
                                                                     : "PRAGMA wal_checkpoint(TRUNCATE);");
        return customer;
    }

    BenchStore benchStore_;
    std::unique_ptr<BackOffice> store_;
    DemoData::BulkCustomer bulk_;
    ManualDispatcher dispatcher_;
    WorkerThreadTransport transport_;
    HeadlessPlatform platform_;
    KovraLibrary library_;
    Session session_;
    Tavrik_AdjustAcc document_;
};

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

void OpenAccount(benchmark::State& state, const std::string& postgresServer) {
    // Before the stack starts its worker thread, which takes the same CPU.
    const PinnedToOneCpu pinned;
    std::unique_ptr<OpenAccountStack> made;
    try {
        made = std::make_unique<OpenAccountStack>(postgresServer);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    OpenAccountStack& stack = *made;
    using Clock = std::chrono::steady_clock;
    // Two rounds before the measured ones: the first opens of a session grow the heap to hold a reply
    // and the lists it replaces, and warm the page cache. The first is reported on its own.
    const std::size_t heapEmpty = HeapInUse();
    Clock::duration firstOpen{};
    for (int round = 0; round < 2; ++round) {
        const Clock::time_point start = Clock::now();
        stack.OpenThroughTheDocument();
        if (round == 0)
            firstOpen = Clock::now() - start;
        stack.ReadWithBareQueries();
    }
    const std::size_t heapOpen = HeapInUse();
    Clock::duration openTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const std::size_t listed = stack.OpenThroughTheDocument();
        const Clock::time_point opened = Clock::now();
        const std::size_t read = stack.ReadWithBareQueries();
        const Clock::time_point done = Clock::now();
        if (listed != 2 * kRows || read != 2 * kRows) {
            state.SkipWithError("the open did not list every row");
            return;
        }
        openTime += opened - start;
        bareTime += done - opened;
        state.SetIterationTime(std::chrono::duration<double>(opened - start).count());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["ratio_to_bare_query"] = Milliseconds(openTime) / Milliseconds(bareTime);
    state.counters["rows"] = 2 * kRows;
    state.counters["bare_ms"] = Milliseconds(bareTime) / iterations;
    state.counters["open_ms"] = Milliseconds(openTime) / iterations;
    state.counters["first_open_ms"] = Milliseconds(firstOpen);
    state.counters["reply_MB"] =
        heapOpen > heapEmpty ? static_cast<double>(heapOpen - heapEmpty) / (1024.0 * 1024.0) : 0.0;
    state.counters["cpu"] = pinned.Cpu();
}
void BM_open_account_sqlite(benchmark::State& state) {
    OpenAccount(state, "");
}
BENCHMARK(BM_open_account_sqlite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_open_account_postgres(benchmark::State& state) {
    const char* server = std::getenv("TAVRIK_BENCH_POSTGRES");
    if (server == nullptr || *server == '\0') {
        state.SkipWithError("TAVRIK_BENCH_POSTGRES does not name a PostgreSQL server (see the README)");
        return;
    }
    OpenAccount(state, server);
}
BENCHMARK(BM_open_account_postgres)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace tavrik

BENCHMARK_MAIN();
