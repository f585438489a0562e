#include "backoffice/CustomerRows.h"

#include "backoffice/CustomerWords.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr std::size_t kCustomersAStatement = 100;
constexpr const char* kCustomerColumns =
    "INSERT INTO customer (CUST_ID, CUST_NM, CUST_TYP_CD, ADDR_1, ADR_2_ADR, CITY, STATE, ZIP) VALUES ";
constexpr const char* kWordColumns =
    "INSERT INTO customer_word (CUST_ID, WORD_POS, WORD_NBR, WORD, CUST_NM) VALUES ";

// "(?1, ?2), (?3, ?4)": the placeholders of rows rows of columns values each.
std::string Placeholders(std::size_t rows, std::size_t columns) {
    std::string text;
    int next = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        text += row == 0 ? "(" : ", (";
        for (std::size_t column = 0; column < columns; ++column)
            text += (column == 0 ? "?" : ", ?") + std::to_string(++next);
        text += ")";
    }
    return text;
}

} // namespace

CustomerRows::CustomerRows(StoreConnection& database)
    : database_(database),
      customer_(database, "INSERT INTO customer (CUST_ID, CUST_NM, CUST_TYP_CD, ADDR_1, ADR_2_ADR, CITY, "
                          "STATE, ZIP) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
      word_(database, "INSERT INTO customer_word (CUST_ID, WORD_POS, WORD_NBR, WORD, CUST_NM) VALUES (?1, "
                      "?2, ?3, ?4, ?5)") {}

void CustomerRows::Add(const Customer& customer) {
    customer_.Bind(1, customer.id)
        .Bind(2, customer.name)
        .Bind(3, customer.type)
        .Bind(4, customer.address1)
        .Bind(5, customer.address2)
        .Bind(6, customer.city)
        .Bind(7, customer.state)
        .Bind(8, customer.zip);
    customer_.Run();
    customer_.Reset();
    AddWords(customer.id, customer.name);
}

void CustomerRows::AddAll(std::span<const Customer> customers) {
    for (std::size_t start = 0; start < customers.size(); start += kCustomersAStatement) {
        const std::span<const Customer> batch =
            customers.subspan(start, std::min(kCustomersAStatement, customers.size() - start));
        StoreQuery rows(database_, kCustomerColumns + Placeholders(batch.size(), 8));
        std::vector<Word> words;
        int base = 0;
        for (const Customer& customer : batch) {
            rows.Bind(base + 1, customer.id)
                .Bind(base + 2, customer.name)
                .Bind(base + 3, customer.type)
                .Bind(base + 4, customer.address1)
                .Bind(base + 5, customer.address2)
                .Bind(base + 6, customer.city)
                .Bind(base + 7, customer.state)
                .Bind(base + 8, customer.zip);
            base += 8;
            for (Word& word : WordsOf(customer.id, customer.name))
                words.push_back(std::move(word));
        }
        rows.Run();
        StoreQuery wordRows(database_, kWordColumns + Placeholders(words.size(), 5));
        base = 0;
        for (const Word& word : words) {
            wordRows.Bind(base + 1, *word.id)
                .Bind(base + 2, word.position)
                .Bind(base + 3, CustomerWords::Number(word.word))
                .Bind(base + 4, word.word)
                .Bind(base + 5, *word.name);
            base += 5;
        }
        wordRows.Run();
    }
}

std::vector<CustomerRows::Word> CustomerRows::WordsOf(const std::string& id, const std::string& name) {
    std::vector<Word> words{{&id, &name, 0, CustomerWords::Fold(id)}};
    std::int64_t position = 0;
    for (std::string& word : CustomerWords::Split(name))
        words.push_back({&id, &name, ++position, std::move(word)});
    return words;
}

void CustomerRows::AddWords(const std::string& id, const std::string& name) {
    for (const Word& word : WordsOf(id, name))
        AddWord(id, name, word.position, word.word);
}

void CustomerRows::AddWord(const std::string& id, const std::string& name, std::int64_t position,
                           const std::string& word) {
    word_.Bind(1, id).Bind(2, position).Bind(3, CustomerWords::Number(word)).Bind(4, word).Bind(5, name);
    word_.Run();
    word_.Reset();
}

} // namespace tavrik
