// Requests to the back office as any client could send them, on a store with the demo data. A refused
// request must leave the store exactly as it was; an accepted one must keep the store's invariants.
//
// The input is text, so that seeds are written by hand and mutations stay readable:
//   line 1: the request number; line 2: the user;
//   "key:NAME=value": a key; "@NAME": a data set with one row; "+": another row of it;
//   "FIELD=value": a cell of the current row, read as the field's type ("~" is null).
#include "backoffice/BackOffice.h"
#include "common/DataSetDefinitions.h"
#include "common/RequestMessage.h"
#include "fuzz/Require.h"
#include "fuzz/StoreDigest.h"
#include "fuzz/StoreInvariants.h"
#include "store/OpenStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace tavrik;

namespace {

FieldValue ReadCell(FieldType type, const std::string& text) {
    if (text == "~")
        return FieldValue();
    // A value the field's type cannot take goes as text, as a careless client could send it.
    switch (type) {
    case FieldType::Integer:
        if (std::optional<std::int64_t> number = FieldValue(text).AsInteger())
            return FieldValue(*number);
        break;
    case FieldType::Currency:
        if (std::optional<Currency> amount = Currency::Parse(text))
            return FieldValue(*amount);
        break;
    case FieldType::Date:
        if (std::optional<CalendarDate> day = CalendarDate::Parse(text))
            return FieldValue(*day);
        break;
    case FieldType::Text:
        break;
    }
    return FieldValue(text);
}

void SetCell(DataTable& table, const std::string& field, const std::string& text) {
    std::optional<std::size_t> index = table.FieldIndex(field);
    if (!index) {
        // A field the data set does not define: sent as text, for the back office to refuse or ignore.
        table.AddField({field, FieldType::Text});
        index = table.Fields().size() - 1;
    }
    table.SetCell(table.RowCount() - 1, *index, ReadCell(table.Fields()[*index].type, text));
}

RequestMessage Decode(const std::string& input) {
    RequestMessage request;
    request.messageId = "FUZZ";
    request.formName = "Fuzz";
    request.appVersion = "1.0";
    std::istringstream lines(input);
    std::string line;
    std::getline(lines, line);
    request.piNumber = std::atoi(line.c_str());
    std::getline(lines, request.userId);
    DataTable* current = nullptr;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (line.rfind("key:", 0) == 0 && equals != std::string::npos) {
            request.keys.push_back({line.substr(0, equals), line.substr(equals + 1), "=", "PENTRAX"});
        } else if (line.rfind('@', 0) == 0) {
            const std::string name = line.substr(1);
            current = &request.dataSets[name];
            *current = DataSetDefinitions::EmptyTable(name).value_or(DataTable{});
            current->AddRow();
        } else if (line == "+" && current != nullptr) {
            current->AddRow();
        } else if (current != nullptr && equals != std::string::npos) {
            SetCell(*current, line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return request;
}

// The demo store, made once per process; every input runs on a fresh copy of it.
struct Stores {
    std::filesystem::path folder;
    std::filesystem::path pristine;
    std::filesystem::path work;
    std::uint64_t pristineDigest = 0;
    std::string pristineUnbalanced;

    Stores() {
        char name[] = "/tmp/tavrik-fuzz-XXXXXX";
        Require(mkdtemp(name) != nullptr, "a temporary folder for the store can be made");
        folder = name;
        pristine = folder / "pristine.sqlite";
        work = folder / "work.sqlite";
        BackOffice::CreateDemoStore(pristine.string());
        // Opened once as a desk opens it, so that a copy needs no bringing up to date.
        BackOffice::Open(pristine.string()).reset();
        pristineDigest = StoreDigest::Of(*OpenStore(pristine.string(), std::chrono::seconds(1)));
        std::unique_ptr<StoreConnection> store = OpenStore(pristine.string(), std::chrono::seconds(1));
        pristineUnbalanced = StoreInvariants::UnbalancedReceipts(*store);
        const std::vector<std::string> broken = StoreInvariants::Broken(*store);
        for (const std::string& sentence : broken)
            std::fprintf(stderr, "The demo store itself breaks: %s\n", sentence.c_str());
        Require(broken.empty(), "the demo store keeps the invariants");
    }
    ~Stores() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void Fresh() const {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(work.string() + suffix);
        std::filesystem::copy_file(pristine, work);
    }
};

std::chrono::system_clock::time_point DemoMoment() {
    std::tm local{};
    local.tm_year = 2023 - 1900;
    local.tm_mon = 9 - 1;
    local.tm_mday = 15;
    local.tm_hour = 10;
    local.tm_min = 30;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Stores stores;
    static const std::chrono::system_clock::time_point moment = DemoMoment();
    const RequestMessage request = Decode(std::string(reinterpret_cast<const char*>(data), size));

    stores.Fresh();
    ReplyMessage reply;
    {
        std::unique_ptr<BackOffice> office = BackOffice::Open(stores.work.string(), [] { return moment; });
        reply = office->Handle(request);
    }
    std::unique_ptr<StoreConnection> store = OpenStore(stores.work.string(), std::chrono::seconds(1));
    if (!reply.errorText.empty()) {
        if (StoreDigest::Of(*store) != stores.pristineDigest) {
            std::fprintf(stderr, "Refused with \"%s\"\n", reply.errorText.c_str());
            Require(false, "a refused request leaves the store unchanged");
        }
        return 0;
    }
    const std::string unbalanced = StoreInvariants::UnbalancedReceipts(*store);
    if (unbalanced != stores.pristineUnbalanced) {
        std::fprintf(stderr, "Accepted request %d leaves unbalanced receipts %s (were %s)\n",
                     request.piNumber, unbalanced.c_str(), stores.pristineUnbalanced.c_str());
        Require(false, "an accepted request neither makes nor loses money");
    }
    for (const std::string& sentence : StoreInvariants::Broken(*store)) {
        std::fprintf(stderr, "Accepted request %d breaks: %s\n", request.piNumber, sentence.c_str());
        Require(false, "an accepted request keeps the store's invariants");
    }
    return 0;
}
