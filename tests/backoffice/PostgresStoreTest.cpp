// What only a PostgreSQL store does: the clerk is the role that connects, and the server, the role or
// the database can be wrong before any request.
#include "backoffice/BackOffice.h"
#include "backoffice/RefusalTexts.h"
#include "store/OpenStore.h"
#include "tests/backoffice/BackOfficeTestSupport.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace tavrik {
namespace {

// What opening the back office at location throws; "" when it opens.
std::string OpeningFailure(const std::string& location) {
    try {
        BackOffice::Open(location);
    } catch (const std::exception& failure) {
        return failure.what();
    }
    return "";
}

// The server's location naming another database, role or schema: "name=value" appended.
std::string With(const std::string& location, const std::string& option) {
    return location + (location.find('?') == std::string::npos ? "?" : "&") + option;
}

TEST(PostgresSignOn, a_role_without_the_privilege_is_refused_whoever_the_client_claims_to_be) {
    const TestStore store(StoreEngine::Postgres);
    const std::unique_ptr<BackOffice> clerksDesk = BackOffice::Open(store.LocationFor("CLERK"));
    const std::string before = DumpAccounts(store.Location());
    RequestMessage claimingSuper = Request(48, {Key("key:REF_NBR", "0012345"), Key("key:REF_TYP_CD", "C")});
    claimingSuper.userId = "SUPER";

    const ReplyMessage reply = clerksDesk->Handle(claimingSuper);

    EXPECT_EQ(reply.errorText, RefusalTexts::MayNot("CLERK", "adjust accounts receivable"));
    EXPECT_EQ(DumpAccounts(store.Location()), before);
}

// Each failure at start is one line that says what is wrong, and leaves the database as it was.
TEST(PostgresStart, a_wrong_server_role_password_or_database_is_one_clear_line_and_writes_nothing) {
    const TestStore store(StoreEngine::Postgres);
    const std::string server = TestStore::PostgresServer();
    store.Execute("CREATE SCHEMA " + std::string("empty_") + std::to_string(getpid()) +
                  "; CREATE SCHEMA other_" + std::to_string(getpid()) + "; CREATE TABLE other_" +
                  std::to_string(getpid()) + ".notes (text TEXT)");
    store.Execute("DO $$ BEGIN CREATE ROLE tavrik_password_check LOGIN PASSWORD 'right'; EXCEPTION WHEN "
                  "duplicate_object OR unique_violation THEN NULL; END $$");
    const std::string empty = With(server, "options=-csearch_path%3Dempty_" + std::to_string(getpid()));
    const std::string other = With(server, "options=-csearch_path%3Dother_" + std::to_string(getpid()));
    struct Case {
        std::string name;
        std::string location;
        std::string failure; // a part of the line
    };
    const Case cases[] = {
        {"no server at the socket", "postgresql:///postgres?host=/nonexistent-tavrik-socket",
         "cannot be reached"},
        {"unknown role", With(server, "user=tavrik_nobody"), "cannot be reached"},
        {"wrong password", With(server, "user=tavrik_password_check&password=wrong"),
         "password authentication failed"},
        {"database without a store", empty, "holds no back-office store yet; create one with --init-demo."},
        {"database of other tables", other, "holds other tables: it is not a back-office store."},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        const std::string failure = OpeningFailure(each.location);

        EXPECT_NE(failure.find(each.failure), std::string::npos) << failure;
        EXPECT_EQ(failure.find('\n'), std::string::npos) << failure;
        EXPECT_EQ(failure.find("wrong"), std::string::npos) << "the password is shown: " << failure;
    }
    EXPECT_EQ(
        QueryText(empty,
                  "SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema()"),
        "0|\n");
    EXPECT_EQ(
        QueryText(other,
                  "SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema()"),
        "notes|\n");
    store.Execute("DROP SCHEMA empty_" + std::to_string(getpid()) + " CASCADE; DROP SCHEMA other_" +
                  std::to_string(getpid()) + " CASCADE");
}

} // namespace
} // namespace tavrik
