// The customer selector's search among 1,000,000 customers, and the Select Account dialog's list of a
// customer with 50,000 ARs, each from the request handed to the back office to its reply, compared
// with the same indexed statement run bare on the same store in the same run (ratio_to_bare_query).
// The search also reports the median and 99th-percentile time of one typed text, over a dozen texts
// from one letter to whole words and identifiers. SQLite always; PostgreSQL when
// TAVRIK_BENCH_POSTGRES names a server (a connection URI).
#include "backoffice/BackOffice.h"
#include "backoffice/CustomerSearch.h"
#include "backoffice/DemoData.h"
#include "bench/BenchStore.h"
#include "bench/ReadEveryCell.h"
#include "common/RequestNumbers.h"
#include "store/OpenStore.h"
#include "store/StoreConnection.h"
#include "store/StoreQuery.h"
#include "store/StoreTransaction.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace tavrik {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCustomers = 1000000;
constexpr int kAccounts = 50000;
const std::vector<std::string> kTyped = {"f",    "fr",  "freight",  "am",     "american fr", "golden",
                                         "müll", "o'n", "tank inc", "m00012", "M0500000",    "s"};

RequestMessage Request(int piNumber, std::vector<RequestKey> keys) {
    RequestMessage request;
    request.piNumber = piNumber;
    request.userId = "SUPER";
    request.keys = std::move(keys);
    return request;
}

RequestKey Key(std::string name, std::string value) {
    return {std::move(name), std::move(value), "=", "PENTRAX"};
}

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double Percentile(std::vector<Clock::duration> times, double share) {
    std::sort(times.begin(), times.end());
    return Seconds(times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))]) * 1000;
}

class SearchStack {
public:
    explicit SearchStack(const std::string& postgresServer)
        : benchStore_(postgresServer), office_(BackOffice::Open(benchStore_.Location())) {
        {
            std::unique_ptr<StoreConnection> database =
                OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
            DemoData::AddBulkCustomers(*database, kCustomers);
            customer_ = DemoData::AddBulkCustomer(*database, kAccounts, 0).customerId;
            // Both sides then read settled tables: SQLite's main file rather than a write-ahead log
            // holding the bulk load, PostgreSQL's planner with the new rows counted.
            database->Execute(IsPostgresLocation(benchStore_.Location())
                                  ? "VACUUM ANALYZE"
                                  : "PRAGMA wal_checkpoint(TRUNCATE);");
        }
        database_ = OpenStore(benchStore_.Location(), BackOffice::kBusyWait);
    }

    std::size_t Search(const std::string& typed) {
        ReplyMessage reply =
            office_->Handle(Request(kCustomerSearchRequest, {Key("key:CUST_SEARCH", typed)}));
        if (!reply.errorText.empty())
            throw std::runtime_error(reply.errorText);
        return reply.dataSets.at("CUSTOMERMATCH").RowCount();
    }
    // The search's statements run bare, tier after tier until 100 customers were read.
    std::size_t BareSearch(const std::string& typed) {
        StoreTransaction transaction(*database_, StoreConnection::Access::Read);
        std::set<std::string> found;
        for (CustomerSearch::Tier tier : {CustomerSearch::Tier::Identifier, CustomerSearch::Tier::FirstWord,
                                          CustomerSearch::Tier::LaterWord}) {
            if (found.size() >= 100)
                break;
            StoreQuery query = CustomerSearch::Query(*database_, tier, typed);
            while (found.size() < 100 && query.Step()) {
                for (int column = 1; column < query.ColumnCount(); ++column)
                    if (!query.IsNull(column))
                        benchmark::DoNotOptimize(query.Text(column));
                found.insert(query.Text(0));
            }
        }
        return found.size();
    }

    std::size_t Accounts() {
        ReplyMessage reply = office_->Handle(
            Request(kCustomerAccountsRequest, {Key("key:REF_TYP_CD", "C"), Key("key:CUST_ID", customer_)}));
        if (!reply.errorText.empty())
            throw std::runtime_error(reply.errorText);
        return reply.dataSets.at("CUSTOMERFORM").RowCount();
    }
    std::size_t BareAccounts() {
        StoreTransaction transaction(*database_, StoreConnection::Access::Read);
        StoreQuery query(*database_,
                         "SELECT ACCT_RCVBL_CK_NBR, ACCT_RCVBL_NBR, STP_DT, ACCT_RCVBL_DUE_AMT, "
                         "ORIG_ASSMT_AMT, ACCT_RCVBL_TYP_CD, ACCT_STTS_CD, ACCT_RCVBL_BAL_AMT, "
                         "LST_PYMT_DT FROM acct_rcvbl WHERE CUST_ID = ?1 AND ACCT_RCVBL_TYP_CD = 'C' "
                         "ORDER BY ACCT_RCVBL_NBR");
        query.Bind(1, customer_);
        return ReadEveryCell(query);
    }

private:
    BenchStore benchStore_;
    std::unique_ptr<BackOffice> office_;
    std::string customer_;
    std::unique_ptr<StoreConnection> database_;
};

// One stack per engine for the whole run: the million customers are loaded once.
SearchStack* StackFor(benchmark::State& state, const std::string& postgresServer) {
    static std::map<std::string, std::unique_ptr<SearchStack>> stacks;
    std::unique_ptr<SearchStack>& stack = stacks[postgresServer];
    try {
        if (!stack)
            stack = std::make_unique<SearchStack>(postgresServer);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return nullptr;
    }
    return stack.get();
}

std::string PostgresServer(benchmark::State& state) {
    const char* server = std::getenv("TAVRIK_BENCH_POSTGRES");
    if (server == nullptr || *server == '\0') {
        state.SkipWithError("TAVRIK_BENCH_POSTGRES does not name a PostgreSQL server (see the README)");
        return "";
    }
    return server;
}

void CustomerSearchBench(benchmark::State& state, const std::string& postgresServer) {
    SearchStack* stack = StackFor(state, postgresServer);
    if (stack == nullptr)
        return;
    for (const std::string& typed : kTyped) {
        stack->Search(typed);
        stack->BareSearch(typed);
    }
    std::vector<Clock::duration> times;
    Clock::duration searchTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        Clock::duration iterationTime{};
        for (const std::string& typed : kTyped) {
            const Clock::time_point start = Clock::now();
            const std::size_t found = stack->Search(typed);
            const Clock::time_point searched = Clock::now();
            const std::size_t read = stack->BareSearch(typed);
            const Clock::time_point done = Clock::now();
            if (found != read) {
                state.SkipWithError("the search and its bare query found different rows");
                return;
            }
            times.push_back(searched - start);
            iterationTime += searched - start;
            bareTime += done - searched;
        }
        searchTime += iterationTime;
        state.SetIterationTime(Seconds(iterationTime));
    }
    state.counters["ratio_to_bare_query"] = Seconds(searchTime) / Seconds(bareTime);
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p99_ms"] = Percentile(times, 0.99);
    state.counters["customers"] = kCustomers;
}

void AccountListBench(benchmark::State& state, const std::string& postgresServer) {
    SearchStack* stack = StackFor(state, postgresServer);
    if (stack == nullptr)
        return;
    stack->Accounts();
    stack->BareAccounts();
    Clock::duration listTime{};
    Clock::duration bareTime{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const std::size_t listed = stack->Accounts();
        const Clock::time_point answered = Clock::now();
        const std::size_t read = stack->BareAccounts();
        const Clock::time_point done = Clock::now();
        if (listed != kAccounts || read != kAccounts) {
            state.SkipWithError("the list did not hold every account");
            return;
        }
        listTime += answered - start;
        bareTime += done - answered;
        state.SetIterationTime(Seconds(answered - start));
    }
    state.counters["ratio_to_bare_query"] = Seconds(listTime) / Seconds(bareTime);
    state.counters["rows"] = kAccounts;
}

void BM_customer_search_sqlite(benchmark::State& state) {
    CustomerSearchBench(state, "");
}
BENCHMARK(BM_customer_search_sqlite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_customer_accounts_sqlite(benchmark::State& state) {
    AccountListBench(state, "");
}
BENCHMARK(BM_customer_accounts_sqlite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_customer_search_postgres(benchmark::State& state) {
    if (std::string server = PostgresServer(state); !server.empty())
        CustomerSearchBench(state, server);
}
BENCHMARK(BM_customer_search_postgres)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_customer_accounts_postgres(benchmark::State& state) {
    if (std::string server = PostgresServer(state); !server.empty())
        AccountListBench(state, server);
}
BENCHMARK(BM_customer_accounts_postgres)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace tavrik

BENCHMARK_MAIN();
