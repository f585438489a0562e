#include "library/KovraLibrary.h"

#include "CodeRows.h"
#include "common/LibraryRequests.h"
#include "common/PIRequest.h"
#include "common/TextBox.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using namespace std::chrono_literals;

// The back office as far as the library's start needs it: one user, a few codes, and an echo of
// any other request.
ReplyMessage FakeBackOffice(const RequestMessage& request) {
    if (request.piNumber == kCodeTablesRequest) {
        DataTable codes = CodeTable();
        AddCode(codes, "REFDOCTYP", "A", "Enforcement Form", "2020-01-01", "");
        AddCode(codes, "REFDOCTYP", "K", "Check Number", "2020-01-01", "");
        ReplyMessage reply;
        reply.dataSets["TVK_CODE"] = codes;
        return reply;
    }
    if (request.piNumber == kSessionRequest) {
        ReplyMessage reply;
        reply.dataSets["USERINFO"] = *DataSetDefinitions::EmptyTable("USERINFO");
        if (request.KeyValue("key:USER_ID") == "CLERK1")
            reply.dataSets["USERINFO"].rows = {{"CLERK1", 42, "Pat Clerk", "WEST"}};
        reply.dataSets["USERPRIVILEGE"] = DataTable{{{"PRVLG_NM", FieldType::Text}}, {{"ADJUSTAR"}}};
        return reply;
    }
    return ReplyMessage{};
}

class KovraLibraryTest : public ::testing::Test {
protected:
    ManualDispatcher dispatcher;
    WorkerThreadTransport transport{FakeBackOffice};
    ScriptedPlatform platform{*CalendarDate::FromYmd(2024, 3, 15)};
    std::filesystem::path log = std::filesystem::temp_directory_path() / "tavrik_library_start_test.log";
};

TEST_F(KovraLibraryTest, loads_user_and_code_tables_at_start_and_serves_a_session) {
    KovraLibrary library(transport, dispatcher, platform, "CLERK1", log, 5s);
    Session session(library.Services(), library.Info(), "Tavrik Adjust", 1, 0, "tavrik-adjust");
    std::vector<std::string> delivered;
    auto object = session.MessageService.NewMessage();
    object->DataReady.Connect([&](const std::string& formName) { delivered.push_back(formName); });
    DataSet codes(session.DataSetOpener);
    codes.SetSource("Select CD_TBL_CD From TVK_CODE Where CD_TBL_ID = 'REFDOCTYP'");
    int key = 'x';
    std::string message;

    PIRequest request(session.MessageService);
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
    EXPECT_FALSE(session.CommonServices.ValidateDocNumber("A", "ABC", message));
    EXPECT_TRUE(session.CommonServices.ValidateKeyPress("K", TextBox("mTxtDocNbr"), key));
    EXPECT_EQ(key, 'X');
    EXPECT_EQ(codes.Recordset()->RecordCount(), 2u);
    EXPECT_TRUE(session.DataSetOpener.OpenSource("RECEIPT").rows.empty());
    EXPECT_THROW(session.DataSetOpener.OpenSource("NOSUCHSET"), std::runtime_error);
    EXPECT_EQ(delivered, (std::vector<std::string>{"Tavrik Adjust"}));
    EXPECT_EQ(session.CommonServices.GetReply("Tavrik Adjust", "Test.Ctx", request.MessageID()), "");
}

TEST_F(KovraLibraryTest, refuses_to_start_for_unknown_user_or_failing_back_office) {
    WorkerThreadTransport failing(
        [](const RequestMessage&) { return ReplyMessage::Error("Database is locked."); });

    auto start = [&](Transport& with, const std::string& user) -> std::string {
        try {
            KovraLibrary library(with, dispatcher, platform, user, log, 5s);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "started";
    };

    EXPECT_EQ(start(transport, "NOBODY"), "The user \"NOBODY\" is not known to the back office.");
    EXPECT_EQ(start(failing, "CLERK1"), "The code tables could not be loaded: Database is locked.");
}

} // namespace
} // namespace tavrik
