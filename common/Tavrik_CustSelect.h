// The customer selector: the clerk types part of a customer's name or identifier, the back office
// answers the best matches as they type, and the clerk picks one. The form reads the pick's three
// texts and hears SelectionChanged, ClearForm and HasAlerts.
#pragma once

#include "common/Control.h"
#include "common/ErrorTrap.h"
#include "common/MessageObject.h"
#include "common/Session.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class Tavrik_CustSelect : public Control {
public:
    // Appended to the application title to make the selector's own reply address.
    static constexpr const char* kReplyTag = ".CustSelect";

    // One customer the search found, as the list of matches shows it.
    struct Match {
        std::string id;
        std::string name;
        std::string type;
        std::string city;
        std::string state;
    };

    Tavrik_CustSelect(std::string name, Session& session);

    // The picked customer's identifier (what requests send as "key:CUST_ID"); "" before a pick.
    const std::string& CustomerKey() const { return key_; }
    // The picked customer's name, as status texts name the customer.
    const std::string& CustomerText() const { return text_; }
    // The picked customer's type code (CUST_TYP_CD: "CARRIER", "OWNER", ...).
    const std::string& CustomerExtra() const { return extra_; }

    // When on, a search that finds exactly one customer picks it at once; the selection dialogs
    // switch it off, so the clerk always confirms the customer there.
    bool SelectorOption() const { return selectorOption_; }
    void SetSelectorOption(bool option) { Assign(selectorOption_, option); }

    // What the clerk typed. A text with more than blanks starts a search that supersedes any
    // earlier one still unanswered; a blank one clears the matches and sends nothing. Typing after a
    // pick clears the pick.
    const std::string& SearchText() const { return searchText_; }
    void SetSearchText(std::string text);
    // The matches of the last answered search, best first.
    const std::vector<Match>& Matches() const { return matches_; }
    // Why the last search found nothing, in words for the clerk; "" when it was answered. The
    // selector shows no message box: the clerk is typing, and the next keystroke searches again.
    const std::string& SearchError() const { return searchError_; }
    // Whether a search is on its way.
    bool Searching() const { return !msMessageID.empty(); }

    // Picks the match at that place of Matches(); the list closes and shows the customer's name.
    void PickMatch(std::size_t index);
    // Empties the pick, the text and the matches.
    void Clear();

    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();

    // Raised after the clerk picked a customer.
    Event<> SelectionChanged;
    // Raised after the pick was cleared.
    Event<> ClearForm;
    // Raised for a picked customer with alerts on file. Nothing in this system keeps a customer's
    // alerts yet, so it is never raised; the forms connect it all the same.
    Event<> HasAlerts;
    // Raised after Matches() or SearchError() changed.
    Event<> MatchesChanged;

private:
    std::string ReplyAddress() const;
    void SendSearch(const std::string& text);
    void ShowMatches(std::vector<Match> matches, std::string error);
    // Forgets the pick; answers whether there was one.
    bool DropPick();

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::string msMessageID; // the search awaiting its answer; "" when none does
    bool mbTimedOut = false;
    std::string key_;
    std::string text_;
    std::string extra_;
    bool selectorOption_ = true;
    std::string searchText_;
    std::vector<Match> matches_;
    std::string searchError_;
};

} // namespace tavrik
