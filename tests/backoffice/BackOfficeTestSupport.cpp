#include "tests/backoffice/BackOfficeTestSupport.h"

#include "backoffice/OpenStore.h"
#include "sqlite/SqliteStatement.h"

#include <atomic>
#include <ctime>
#include <unistd.h>

namespace tavrik {

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tavrik-backoffice-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::filesystem::remove_all(path_);
}

RequestMessage Request(int piNumber, std::vector<RequestKey> keys) {
    RequestMessage request;
    request.messageId = "M1";
    request.formName = "Tavrik";
    request.piNumber = piNumber;
    request.userId = "SUPER";
    request.keys = std::move(keys);
    return request;
}

RequestKey Key(std::string name, std::string value) {
    return {std::move(name), std::move(value), "=", "PENTRAX"};
}

std::vector<std::string> Column(const DataTable& table, std::string_view field) {
    std::vector<std::string> values;
    std::size_t index = table.FieldIndex(field).value();
    for (const auto& row : table.rows)
        values.push_back(row[index].ToStoreText());
    return values;
}

std::string Row(const DataTable& table, std::size_t row) {
    std::string text;
    for (const FieldValue& value : table.rows.at(row))
        text += value.ToStoreText() + "|";
    return text;
}

std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute,
                                                int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

std::string QueryText(const std::filesystem::path& store, const std::string& sql) {
    SqliteDatabase database = OpenStore(store);
    SqliteStatement rows(database, sql);
    std::string text;
    while (rows.Step()) {
        for (int column = 0; column < rows.ColumnCount(); ++column)
            text += rows.Text(column) + "|";
        text += "\n";
    }
    return text;
}

std::string DumpAccounts(const std::filesystem::path& store) {
    std::string dump;
    for (const char* table : {"acct_rcvbl", "assessment", "account_activity", "cttn_adtn_info"})
        dump += QueryText(store, std::string("SELECT * FROM ") + table + " ORDER BY 1, 2");
    return dump;
}

} // namespace tavrik
