#include "backoffice/CustomerSearch.h"

#include "backoffice/CustomerRefusalTexts.h"
#include "backoffice/CustomerWords.h"
#include "backoffice/ReadDataSet.h"
#include "backoffice/RequestError.h"
#include "backoffice/RequestKeys.h"
#include "common/DataSetDefinitions.h"
#include "common/Utf8.h"

#include <vector>

namespace tavrik {

namespace {

constexpr std::size_t kMostCharacters = 100;
constexpr std::size_t kMostWords = 10;
constexpr std::string_view kSearchKey = "key:CUST_SEARCH";

// Rows of customer_word (as alias) whose word begins with the prefix bound at ?first to ?first + 3.
std::string WordBegins(std::string_view alias, int first) {
    const std::string a(alias);
    auto parameter = [first](int offset) { return "?" + std::to_string(first + offset); };
    return a + ".WORD_NBR BETWEEN " + parameter(0) + " AND " + parameter(1) + " AND (" + parameter(2) +
           " = 0 OR SUBSTR(" + a + ".WORD, 1, CAST(" + parameter(2) + " AS INTEGER)) = " + parameter(3) + ")";
}

void BindPrefix(StoreQuery& query, int first, const CustomerWords::Prefix& prefix) {
    query.Bind(first, prefix.first)
        .Bind(first + 1, prefix.last)
        .Bind(first + 2, prefix.checkLength)
        .Bind(first + 3, prefix.word);
}

// The SQL is made from the number of words only; every word is a bound parameter. ?1 to ?4: the
// whole text as an identifier's prefix; then four for each word.
std::string SearchSql(std::size_t wordCount) {
    std::string sql =
        "SELECT c.CUST_ID AS CUST_ID, c.CUST_NM AS CUST_NM, c.CUST_TYP_CD AS CUST_TYP_CD, c.CITY AS CITY, "
        "c.STATE AS STATE FROM (SELECT m.CUST_ID AS CUST_ID, m.CUST_NM AS CUST_NM, MIN(m.RANK) AS RANK FROM ("
        "SELECT w.CUST_ID AS CUST_ID, w.CUST_NM AS CUST_NM, CASE WHEN w.WORD = ?4 THEN 0 ELSE 1 END AS RANK "
        "FROM customer_word w WHERE w.WORD_POS = 0 AND " +
        WordBegins("w", 1) +
        " UNION ALL SELECT w.CUST_ID, w.CUST_NM, CASE WHEN w.WORD_POS = 1 THEN 2 ELSE 3 END "
        "FROM customer_word w WHERE w.WORD_POS > 0 AND " +
        WordBegins("w", 5);
    for (std::size_t word = 1; word < wordCount; ++word)
        sql += " AND EXISTS (SELECT 1 FROM customer_word o WHERE o.CUST_ID = w.CUST_ID AND o.WORD_POS > 0 "
               "AND " +
               WordBegins("o", 5 + 4 * static_cast<int>(word)) + ")";
    return sql + ") m GROUP BY m.CUST_ID, m.CUST_NM ORDER BY MIN(m.RANK), m.CUST_NM, m.CUST_ID LIMIT 100) "
                 "best JOIN customer c ON c.CUST_ID = best.CUST_ID ORDER BY best.RANK, best.CUST_NM, "
                 "best.CUST_ID";
}

} // namespace

ReplyMessage CustomerSearch::Handle(const RequestMessage& request) {
    std::optional<std::string> typed = KeyValue(request, kSearchKey);
    if (!typed)
        Refuse(CustomerRefusalTexts::kNoSearchText);
    const std::vector<std::string> words = CustomerWords::Split(*typed);
    if (Utf8::Length(*typed) > kMostCharacters || words.size() > kMostWords)
        Refuse(CustomerRefusalTexts::SearchTooLong(kMostCharacters, kMostWords));

    ReplyMessage reply;
    if (words.empty()) {
        reply.dataSets["CUSTOMERMATCH"] = *DataSetDefinitions::EmptyTable("CUSTOMERMATCH");
        return reply;
    }
    StoreQuery query = Query(database_, *typed);
    reply.dataSets["CUSTOMERMATCH"] = ReadDataSet(query, "CUSTOMERMATCH");
    return reply;
}

StoreQuery CustomerSearch::Query(StoreConnection& database, std::string_view typed) {
    const std::vector<std::string> words = CustomerWords::Split(typed);
    StoreQuery query(database, SearchSql(words.size()));
    BindPrefix(query, 1, CustomerWords::PrefixOf(CustomerWords::Fold(typed)));
    for (std::size_t word = 0; word < words.size(); ++word)
        BindPrefix(query, 5 + 4 * static_cast<int>(word), CustomerWords::PrefixOf(words[word]));
    return query;
}

} // namespace tavrik
