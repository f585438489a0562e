#include "common/Tavrik_CustSelect.h"

#include "common/FieldText.h"
#include "common/FormMessage.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"

#include <utility>

namespace tavrik {
Tavrik_CustSelect::Tavrik_CustSelect(std::string name, Session& session)
    : Control(std::move(name)), session_(session), trapErrors_(session, "Tavrik_CustSelect"),
      moKovraMessage(NewFormMessage(session, *this)) {}

std::string Tavrik_CustSelect::ReplyAddress() const {
    return session_.AppTitle + kReplyTag;
}

void Tavrik_CustSelect::SetSearchText(std::string text) {
    trapErrors_("SetSearchText", [&] {
        if (text == searchText_)
            return;
        searchText_ = std::move(text);
        const bool hadPick = DropPick();
        StateChanged.Raise();
        if (IsBlank(searchText_)) {
            // An answer still on its way is not wanted any more.
            msMessageID.clear();
            ShowMatches({}, "");
        } else {
            SendSearch(Trim(searchText_));
        }
        if (hadPick)
            ClearForm.Raise();
    });
}

void Tavrik_CustSelect::SendSearch(const std::string& text) {
    // One reply address for every search: the message service drops the answer to a search a newer
    // one superseded, so a late answer never replaces the matches of the text now typed.
    PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kCustomerSearchRequest);
    request.AddPentraxKey("key:CUST_SEARCH", text);
    mbTimedOut = false;
    msMessageID = request.MessageID();
    request.Send();
}

void Tavrik_CustSelect::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress() || msMessageID.empty())
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        const std::string messageId = std::exchange(msMessageID, std::string());
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapErrors_.Context("moKovraMessage_DataReady"), messageId);
        if (!errorText.empty()) {
            ShowMatches({}, mbTimedOut ? "Search timed out" : "Search was not successful: " + errorText);
            return;
        }
        std::vector<Match> matches;
        if (std::shared_ptr<DataSet> found =
                session_.DataSetService.GetDataSet("CUSTOMERMATCH", formName, messageId)) {
            Recordset& rows = *found->Recordset();
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
                matches.push_back(Match{FieldText(rows, "CUST_ID"), FieldText(rows, "CUST_NM"),
                                        FieldText(rows, "CUST_TYP_CD"), FieldText(rows, "CITY"),
                                        FieldText(rows, "STATE")});
        }
        ShowMatches(std::move(matches), "");
        if (selectorOption_ && matches_.size() == 1)
            PickMatch(0);
    });
}

void Tavrik_CustSelect::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

void Tavrik_CustSelect::ShowMatches(std::vector<Match> matches, std::string error) {
    matches_ = std::move(matches);
    searchError_ = std::move(error);
    MatchesChanged.Raise();
}

void Tavrik_CustSelect::PickMatch(std::size_t index) {
    trapErrors_("PickMatch", [&] {
        if (index >= matches_.size())
            return;
        Match picked = matches_[index];
        key_ = picked.id;
        text_ = picked.name;
        extra_ = picked.type;
        searchText_ = std::move(picked.name);
        msMessageID.clear();
        StateChanged.Raise();
        ShowMatches({}, "");
        SelectionChanged.Raise();
    });
}

void Tavrik_CustSelect::Clear() {
    trapErrors_("Clear", [&] {
        DropPick();
        searchText_.clear();
        msMessageID.clear();
        StateChanged.Raise();
        ShowMatches({}, "");
        ClearForm.Raise();
    });
}

bool Tavrik_CustSelect::DropPick() {
    if (key_.empty() && text_.empty() && extra_.empty())
        return false;
    key_.clear();
    text_.clear();
    extra_.clear();
    return true;
}

} // namespace tavrik
