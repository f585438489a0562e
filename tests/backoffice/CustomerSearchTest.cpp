#include "common/RequestNumbers.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

class CustomerSearchTest : public StoreTest {
protected:
    ReplyMessage Search(const std::string& typed) {
        return desks_.Send(Request(kCustomerSearchRequest, {Key("key:CUST_SEARCH", typed)}));
    }

    TestStore store_{Engine()};
    ClerkDesks desks_{store_};
};

// Demo names: 100001 ACME FREIGHT LINES INC, 100004 O'BRIEN & SONS TRANSPORT, 100007 FREIGHT MASTERS
// INC, 100008 FRONTIER FREIGHT SYSTEMS, 100009 NORTHERN FREIGHT & STORAGE, 100010 FREEDOM HAULERS
// LLC, 100011 ZÜRICH TRANSPORTE AG, 100012 ÉCLAIR LOGISTIQUE SARL.
TEST_P(CustomerSearchTest, typed_words_and_identifiers_find_the_best_customers_first) {
    const std::vector<std::string> everyDemoCustomerByName = {"100001", "100002", "100010", "100007",
                                                              "100008", "100006", "100003", "100009",
                                                              "100004", "100005", "100011", "100012"};
    struct Case {
        std::string name;
        std::string typed;
        std::vector<std::string> customers;
    };
    const Case cases[] = {
        {"a whole word: first words first", "freight", {"100007", "100001", "100008", "100009"}},
        {"a prefix in mixed case", "FrE", {"100010", "100007", "100001", "100008", "100009"}},
        {"two words, each a prefix", "fre lin", {"100001"}},
        {"words in another order", " LINES   fr ", {"100001"}},
        {"a word that is no name's", "freight masters inc extra", {}},
        {"a prefix longer than the stored number; an earlier later word first",
         "transport",
         {"100011", "100004"}},
        {"a long word checked whole", "transportx", {}},
        {"an identifier's start, then by name", "1000", everyDemoCustomerByName},
        {"an exact identifier", "100004", {"100004"}},
        {"non-ASCII letters in lower case", "zürich", {"100011"}},
        {"a non-ASCII first letter", "écl", {"100012"}},
        {"accents are not ignored", "eclair", {}},
        {"a quote", "o'b", {"100004"}},
        {"an ampersand word", "& sons", {"100004"}},
        {"double quotes are text", "\"freight\"", {}},
        {"percent is text", "fr%", {}},
        {"underscore is text", "fr_ight", {}},
        {"asterisk is text", "fre*", {}},
        {"query syntax is text", "fre:* & !lin | (x)", {}},
        {"blank", "   ", {}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Search(each.typed);

        ASSERT_EQ(reply.errorText, "");
        EXPECT_EQ(Column(reply.dataSets.at("CUSTOMERMATCH"), "CUST_ID"), each.customers);
    }
}

TEST_P(CustomerSearchTest, a_match_carries_the_customers_name_type_city_and_state) {
    ReplyMessage reply = Search("zür");

    EXPECT_EQ(RenderRows(reply, "CUSTOMERMATCH"),
              "CUST_ID=100011 CUST_NM=ZÜRICH TRANSPORTE AG CUST_TYP_CD=CARRIER CITY=NEW GLARUS STATE=WI \n");
}

TEST_P(CustomerSearchTest, a_text_no_name_could_hold_is_refused_with_a_sentence) {
    const std::string tooLong = "Search for a customer with at most 100 characters and 10 words.";
    struct Case {
        std::string name;
        std::string typed;
    };
    const Case cases[] = {
        {"ten thousand characters", std::string(10000, 'f')},
        {"101 characters", "acme " + std::string(96, 'x')},
        {"eleven words", "a b c d e f g h i j k"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        ReplyMessage reply = Search(each.typed);

        EXPECT_EQ(reply.errorText, tooLong);
        EXPECT_TRUE(reply.dataSets.empty());
    }
}

TAVRIK_ON_BOTH_ENGINES(CustomerSearchTest);

} // namespace
} // namespace tavrik
