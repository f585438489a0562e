#include "library/KovraLibrary.h"

#include "CodeRows.h"
#include "common/PIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextBox.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tavrik {
namespace {

using namespace std::chrono_literals;

DataTable Rows(const char* dataSet, std::vector<std::vector<FieldValue>> rows) {
    return DataTable(DataSetDefinitions::EmptyTable(dataSet)->Fields(), rows);
}

// Every user's name, and the troops with their districts (troop K has none).
ReplyMessage ReferenceReply(DataTable users = Rows("APPUSER", {{42, "Pat Clerk"}, {7, "Lee Super"}}),
                            DataTable troops = Rows("TROOPDISTRICT",
                                                    {{"A", "01"}, {"A", "02"}, {"c", " 1b "}, {"K", ""}})) {
    return ReplyMessage{"", {{"APPUSER", std::move(users)}, {"TROOPDISTRICT", std::move(troops)}}};
}

// The back office as far as the library's start needs it: one user, a few codes, the user names
// and troops, and an echo of any other request.
ReplyMessage FakeBackOffice(const RequestMessage& request) {
    if (request.piNumber == kCodeTablesRequest) {
        DataTable codes = CodeTable();
        AddCode(codes, "REFDOCTYP", "A", "Enforcement Form", "2020-01-01", "");
        AddCode(codes, "REFDOCTYP", "K", "Check Number", "2020-01-01", "");
        AddCode(codes, "COLLECTN", "ADJ", "Adjustment", "2020-01-01", "2021-01-01", "GLOBAL", "Manual entry");
        AddCode(codes, "COLLECTN", "PAY", "Payment", "2020-01-01", "");
        ReplyMessage reply;
        reply.dataSets["TVK_CODE"] = codes;
        return reply;
    }
    if (request.piNumber == kSessionRequest) {
        ReplyMessage reply;
        reply.dataSets["USERINFO"] = *DataSetDefinitions::EmptyTable("USERINFO");
        if (request.KeyValue("key:USER_ID") == "CLERK1")
            reply.dataSets["USERINFO"].AddRow({"CLERK1", 42, "Pat Clerk", "WEST"});
        reply.dataSets["USERPRIVILEGE"] = DataTable{{{"PRVLG_NM", FieldType::Text}}, {{"ADJUSTAR"}}};
        return reply;
    }
    if (request.piNumber == kReferenceDataRequest)
        return ReferenceReply();
    return ReplyMessage{};
}

// The same back office, answering the user names and troops with referenceReply.
WorkerThreadTransport::Handler FakeBackOfficeAnswering(ReplyMessage referenceReply) {
    return [referenceReply](const RequestMessage& request) {
        return request.piNumber == kReferenceDataRequest ? referenceReply : FakeBackOffice(request);
    };
}

class KovraLibraryTest : public ::testing::Test {
protected:
    ManualDispatcher dispatcher;
    WorkerThreadTransport transport{FakeBackOffice};
    ScriptedPlatform platform{*CalendarDate::FromYmd(2024, 3, 15)};
    std::filesystem::path log = std::filesystem::temp_directory_path() / "tavrik_library_start_test.log";

    // "started", or why the library refused to start.
    std::string Start(Transport& with, const std::string& user) {
        try {
            KovraLibrary library(with, dispatcher, platform, user, log, 5s);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "started";
    }
};

TEST_F(KovraLibraryTest, loads_user_code_tables_and_names_at_start_and_serves_a_session) {
    KovraLibrary library(transport, dispatcher, platform, "CLERK1", log, 5s);
    Session session(library.Services(), library.Info(), "Tavrik Adjust", 1, 0, "tavrik-adjust");
    std::vector<std::string> delivered;
    auto object = session.MessageService.NewMessage();
    object->DataReady.Connect([&](const std::string& formName) { delivered.push_back(formName); });
    DataSet codes(session.DataSetOpener);
    codes.SetSource("Select CD_TBL_CD From TVK_CODE Where CD_TBL_ID = 'REFDOCTYP'");
    int key = 'x';
    std::string message;

    PIRequest request(session.MessageService, object);
    request.SetFormName("Tavrik Adjust");
    request.Send();
    ASSERT_TRUE(dispatcher.WaitForPosted(5s));
    dispatcher.RunPending();
    codes.Open();

    EXPECT_EQ(session.SessionInfo.UserID, "CLERK1");
    EXPECT_EQ(session.SessionInfo.UserNumber, 42);
    EXPECT_EQ(session.SessionInfo.Region, "WEST");
    EXPECT_TRUE(session.CommonServices.HasPrivilege("adjustar "));
    EXPECT_FALSE(session.CommonServices.HasPrivilege("CREATEREFUND"));
    EXPECT_EQ(session.CommonServices.GetCodeDescription("A", "REFDOCTYP"), "Enforcement Form");
    EXPECT_EQ(session.CommonServices.GetCodeInfo("ADJ", "COLLECTN"), "Manual entry"); // ended, still known
    EXPECT_EQ(session.CommonServices.GetCodeInfo("PAY", "COLLECTN"), "");
    EXPECT_EQ(session.CommonServices.GetCodeInfo("ADJ", "REFDOCTYP"), "");
    EXPECT_EQ(session.CommonServices.GetUserName(7), "Lee Super");
    EXPECT_EQ(session.CommonServices.GetUserName(99), "");
    EXPECT_FALSE(session.CommonServices.ValidateDocNumber("A", "ABC", message));
    EXPECT_TRUE(session.CommonServices.ValidateKeyPress("K", TextBox("mTxtDocNbr"), key));
    EXPECT_EQ(key, 'X');
    EXPECT_EQ(codes.Recordset()->RecordCount(), 2u);
    EXPECT_TRUE(session.DataSetOpener.OpenSource("RECEIPT").IsEmpty());
    EXPECT_THROW(session.DataSetOpener.OpenSource("NOSUCHSET"), std::runtime_error);
    EXPECT_EQ(delivered, (std::vector<std::string>{"Tavrik Adjust"}));
    EXPECT_EQ(session.CommonServices.GetReply("Tavrik Adjust", "Test.Ctx", request.MessageID()), "");
}

TEST_F(KovraLibraryTest, refuses_to_start_for_an_unknown_user_or_a_failing_start_up_read) {
    WorkerThreadTransport failing(
        [](const RequestMessage&) { return ReplyMessage::Error("Database is locked."); });
    EXPECT_EQ(Start(transport, "NOBODY"), "The user \"NOBODY\" is not known to the back office.");
    EXPECT_EQ(Start(failing, "CLERK1"), "The code tables could not be loaded: Database is locked.");

    const std::string why = "The user names and troops could not be loaded: ";
    const std::pair<ReplyMessage, std::string> rows[] = {
        {ReplyMessage::Error("Database is locked."), why + "Database is locked."},
        {ReplyMessage{"", {{"APPUSER", Rows("APPUSER", {})}}},
         why + "the back office sent no TROOPDISTRICT rows."},
        {ReferenceReply(DataTable{{{"USER_NBR", FieldType::Integer}}, {}}),
         why + "APPUSER has no field USER_NM."},
        {ReferenceReply(Rows("APPUSER", {{42, "Pat"}, {"x12", "Sam"}})),
         why + "APPUSER row 2 has USER_NBR \"x12\", which is not a whole number."},
        {ReferenceReply(Rows("APPUSER", {}), Rows("TROOPDISTRICT", {{"A", "01"}, {"  ", "02"}})),
         why + "TROOPDISTRICT row 2 has no PO_TRP_ID."},
        {ReferenceReply(Rows("APPUSER", {}), Rows("TROOPDISTRICT", {})), "started"}};

    for (const auto& [reply, error] : rows) {
        SCOPED_TRACE(error);
        WorkerThreadTransport answering(FakeBackOfficeAnswering(reply));
        EXPECT_EQ(Start(answering, "CLERK1"), error);
    }
}

TEST_F(KovraLibraryTest, accepts_known_troops_and_districts_trimmed_and_in_any_case) {
    const std::tuple<const char*, const char*, bool, bool> rows[] = {
        {"A", "01", true, true},   {" a ", "01 ", true, true}, {"A", "03", true, false},
        {"c", "1B", true, true},   {"K", "", true, false},     {"K", "01", true, false},
        {"B", "01", false, false}, {"", "01", false, false},   {"  ", "", false, false},
        {"A", "  ", true, false},  {"A0", "1", false, false}};
    KovraLibrary library(transport, dispatcher, platform, "CLERK1", log, 5s);
    CommonServices& common = library.Services().common;

    for (auto [troop, district, troopValid, districtValid] : rows) {
        EXPECT_EQ(common.IsValidTroop(troop), troopValid) << troop;
        EXPECT_EQ(common.IsValidTroopDistrict(troop, district), districtValid) << troop << "/" << district;
    }
}

TEST_F(KovraLibraryTest, key_filters_pass_only_the_keys_each_kind_of_box_takes) {
    enum class Box { Numeric, AlphaNumeric, Currency };
    // The box, what it holds before the key, the keys it takes and those it refuses.
    const std::tuple<Box, const char*, std::string, std::string> rows[] = {
        {Box::Numeric, "", "09\b\r", "/:.a -$"}, {Box::AlphaNumeric, "", "azAZ05\b", "@[`{- _\xE9"},
        {Box::Currency, "", "07,.$\b", "-a +"},  {Box::Currency, "1", "5,.", "$"},
        {Box::Currency, "$12", ".", "$"},        {Box::Currency, "1,234.5", "0,\b", ".$"}};
    KovraLibrary library(transport, dispatcher, platform, "CLERK1", log, 5s);
    CommonServices& common = library.Services().common;
    TextBox box("mTxt");

    for (const auto& [kind, text, passed, refused] : rows) {
        box.SetText(text);
        auto allowed = [&](char typed) {
            const int key = static_cast<unsigned char>(typed);
            return kind == Box::Numeric        ? common.FilterNumericKey(key)
                   : kind == Box::AlphaNumeric ? common.FilterAlphaNumericKey(key)
                                               : common.FilterCurrencyKey(box, key);
        };
        for (bool pass : {true, false})
            for (char key : pass ? passed : refused)
                EXPECT_EQ(allowed(key), pass) << static_cast<int>(kind) << " \"" << text << "\" " << key;
    }
}

} // namespace
} // namespace tavrik
