// Writes customers: the customer row and, with it, the rows of customer_word the customer search
// finds it by (its identifier, position 0, and each word of its name, positions 1, 2, ...). Every
// customer the back office writes goes through here, so that the words never lag the names.
#pragma once

#include "store/StoreConnection.h"
#include "store/StoreQuery.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrik {

class CustomerRows {
public:
    struct Customer {
        std::string id;
        std::string name;
        std::optional<std::string> type;
        std::optional<std::string> address1;
        std::optional<std::string> address2;
        std::optional<std::string> city;
        std::optional<std::string> state;
        std::optional<std::string> zip;
    };

    // Prepares the statements once for many customers; writes within the caller's transaction.
    explicit CustomerRows(StoreConnection& database);

    void Add(const Customer& customer);
    // Writes many customers with few statements (a hundred customers and their words to each), for
    // the bulk loads where one statement a row would cost a round trip a row.
    void AddAll(std::span<const Customer> customers);
    // The words of a customer already stored (a store that predates the word table).
    void AddWords(const std::string& id, const std::string& name);

private:
    struct Word {
        const std::string* id;
        const std::string* name;
        std::int64_t position;
        std::string word;
    };
    // The identifier's word (position 0) and the name's words (1, 2, ...) of a customer.
    static std::vector<Word> WordsOf(const std::string& id, const std::string& name);
    void AddWord(const std::string& id, const std::string& name, std::int64_t position,
                 const std::string& word);

    StoreConnection& database_;
    StoreQuery customer_;
    StoreQuery word_;
};

} // namespace tavrik
