#include "common/Tavrik_CustSelect.h"

#include "tests/select/FakeReplies.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

const std::vector<std::string> kAcme = {"100001", "ACME FREIGHT LINES INC", "CARRIER", "SPRINGFIELD", "IL"};
const std::vector<std::string> kAcmeTowing = {"100009", "ACME TOWING", "OWNER", "JOLIET", "IL"};

std::string Shown(const Tavrik_CustSelect& selector) {
    std::string text;
    for (const Tavrik_CustSelect::Match& match : selector.Matches())
        text += match.id + " " + match.name + " " + match.type + " " + match.city + " " + match.state + "\n";
    return text + selector.SearchError();
}

struct SelectorFixture {
    explicit SelectorFixture(StoreEngine engine) : harness(engine), selector("CustSelect", harness.session) {
        selector.SelectionChanged.Connect([this] { events += "SelectionChanged "; });
        selector.ClearForm.Connect([this] { events += "ClearForm "; });
        selector.MatchesChanged.Connect([this] { shown.push_back(Shown(selector)); });
    }

    BackOfficeSession harness;
    Tavrik_CustSelect selector;
    std::string events;
    std::vector<std::string> shown;
};

class CustSelectSearch : public StoreTest {};

TEST_P(CustSelectSearch,
       typed_text_lists_the_matches_and_a_pick_copies_the_customer_until_the_clerk_types_again) {
    SelectorFixture fixture(Engine());
    AnswerNextWith(fixture.harness, {CustomerMatches({kAcme, kAcmeTowing})});

    fixture.selector.SetSearchText("acme");
    fixture.harness.DeliverReply();
    const std::string listed = Shown(fixture.selector);
    fixture.selector.PickMatch(1);
    const std::string picked = fixture.selector.CustomerKey() + "|" + fixture.selector.CustomerText() + "|" +
                               fixture.selector.CustomerExtra() + "|" + fixture.selector.SearchText() + "|" +
                               Shown(fixture.selector);
    fixture.selector.SetSearchText("");

    const std::vector<RequestMessage> requests = fixture.harness.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].piNumber, 1004);
    EXPECT_EQ(requests[0].formName, std::string(BackOfficeSession::kTitle) + ".CustSelect");
    EXPECT_THAT(requests[0].keys, ElementsAre(RequestKey{"key:CUST_SEARCH", "acme", "=", "PENTRAX"}));
    EXPECT_EQ(listed, "100001 ACME FREIGHT LINES INC CARRIER SPRINGFIELD IL\n"
                      "100009 ACME TOWING OWNER JOLIET IL\n");
    EXPECT_EQ(picked, "100009|ACME TOWING|OWNER|ACME TOWING|");
    EXPECT_EQ(fixture.events, "SelectionChanged ClearForm ");
    EXPECT_EQ(fixture.selector.CustomerKey() + fixture.selector.CustomerText() +
                  fixture.selector.CustomerExtra(),
              "");
}

TEST_P(CustSelectSearch, a_superseded_search_late_reply_never_replaces_the_newer_matches) {
    SelectorFixture fixture(Engine());
    AnswerNextWith(fixture.harness, {CustomerMatches({kAcme, kAcmeTowing}), CustomerMatches({kAcmeTowing})});
    fixture.selector.SetSelectorOption(false);
    fixture.harness.HoldReplies();

    fixture.selector.SetSearchText("a");
    fixture.selector.SetSearchText("acme t");
    fixture.harness.ReleaseReplies();
    fixture.harness.DeliverReply();
    if (fixture.selector.Searching())
        fixture.harness.DeliverReply();

    EXPECT_EQ(fixture.harness.Requests().size(), 2u);
    EXPECT_THAT(fixture.shown, ElementsAre("100009 ACME TOWING OWNER JOLIET IL\n"));
}

TEST_P(CustSelectSearch, blank_text_clears_the_matches_and_sends_nothing) {
    SelectorFixture fixture(Engine());
    AnswerNextWith(fixture.harness, {CustomerMatches({kAcme, kAcmeTowing})});
    fixture.selector.SetSearchText("acme");
    fixture.harness.DeliverReply();

    fixture.selector.SetSearchText("  \t ");

    EXPECT_EQ(fixture.harness.Requests().size(), 1u);
    EXPECT_EQ(Shown(fixture.selector), "");
    EXPECT_FALSE(fixture.selector.Searching());
}

TEST_P(CustSelectSearch, a_failed_search_says_why_in_words_and_shows_no_box) {
    SelectorFixture failed(Engine());
    AnswerNextWith(failed.harness, {ReplyMessage::Error("The search text is too long.")});
    SelectorFixture timedOut(Engine());
    timedOut.harness.HoldReplies();

    failed.selector.SetSearchText("acme");
    failed.harness.DeliverReply();
    timedOut.selector.SetSearchText("acme");
    timedOut.harness.dispatcher.AdvanceTime(31s);

    EXPECT_EQ(failed.selector.SearchError(), "Search was not successful: The search text is too long.");
    EXPECT_EQ(timedOut.selector.SearchError(), "Search timed out");
    EXPECT_TRUE(failed.harness.platform.messageBoxes.empty());
    EXPECT_TRUE(timedOut.harness.platform.messageBoxes.empty());
}

TEST_P(CustSelectSearch, the_selector_option_picks_a_lone_match_at_once) {
    struct Case {
        const char* name;
        bool option;
        ReplyMessage reply;
        std::string picked;
    };
    const Case cases[] = {
        {"on, one match", true, CustomerMatches({kAcme}), "100001"},
        {"on, two matches", true, CustomerMatches({kAcme, kAcmeTowing}), ""},
        {"off, one match", false, CustomerMatches({kAcme}), ""},
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        SelectorFixture fixture(Engine());
        fixture.selector.SetSelectorOption(entry.option);
        AnswerNextWith(fixture.harness, {entry.reply});

        fixture.selector.SetSearchText("acme");
        fixture.harness.DeliverReply();

        EXPECT_EQ(fixture.selector.CustomerKey(), entry.picked);
    }
}

TAVRIK_ON_BOTH_ENGINES(CustSelectSearch);

} // namespace
} // namespace tavrik
