#include "backoffice/CustomerRows.h"

#include "backoffice/CustomerWords.h"

namespace tavrik {

CustomerRows::CustomerRows(StoreConnection& database)
    : customer_(database, "INSERT INTO customer (CUST_ID, CUST_NM, CUST_TYP_CD, ADDR_1, ADR_2_ADR, CITY, "
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

void CustomerRows::AddWords(const std::string& id, const std::string& name) {
    AddWord(id, name, 0, CustomerWords::Fold(id));
    std::int64_t position = 0;
    for (const std::string& word : CustomerWords::Split(name))
        AddWord(id, name, ++position, word);
}

void CustomerRows::AddWord(const std::string& id, const std::string& name, std::int64_t position,
                           const std::string& word) {
    word_.Bind(1, id).Bind(2, position).Bind(3, CustomerWords::Number(word)).Bind(4, word).Bind(5, name);
    word_.Run();
    word_.Reset();
}

} // namespace tavrik
