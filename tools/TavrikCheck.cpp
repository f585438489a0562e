// The console check of the store: opens the demo database (creating it on first use), opens one
// account through the document and the Open Account dialog, and prints both lists. It runs every
// layer but the screen.
#include "backoffice/BackOffice.h"
#include "common/Session.h"
#include "document/Tavrik_AdjustAcc.h"
#include "document/Tavrik_FormInq.h"
#include "library/KovraLibrary.h"
#include "library/ManualDispatcher.h"
#include "library/WorkerThreadTransport.h"
#include "store/OpenStore.h"
#include "tools/HeadlessPlatform.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace tavrik {
namespace {

constexpr const char* kUsage = R"(Usage: tavrik-check [TYPE NUMBER] [--db FILE|URI] [--user ID]

Opens an account through the document and the Open Account dialog and prints both lists.
  TYPE NUMBER  account type code and number as a clerk types them (default: C 12345)
  --db FILE    the store (default: $XDG_DATA_HOME/tavrik-adjust/demo.sqlite, created on first use)
  --db URI     a PostgreSQL store (postgresql://...); the clerk is the database role that connects
  --user ID    the signed-on user on a SQLite store (default: SUPER, who has every privilege)
)";

std::filesystem::path DefaultStore() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = dataHome != nullptr && *dataHome != '\0'
                                           ? std::filesystem::path(dataHome)
                                       : home != nullptr ? std::filesystem::path(home) / ".local" / "share"
                                                         : std::filesystem::current_path();
    return base / "tavrik-adjust" / "demo.sqlite";
}

CalendarDate Today() {
    const std::chrono::year_month_day day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return *CalendarDate::FromYmd(static_cast<int>(day.year()), static_cast<unsigned>(day.month()),
                                  static_cast<unsigned>(day.day()));
}

void PrintGrid(SSOleDBGrid& grid) {
    constexpr std::size_t kShownRows = 20;
    std::cout << "\n" << grid.Caption() << " (" << grid.Rows() << " rows)\n";
    std::string heading;
    for (const GridColumn& column : grid.Columns())
        if (column.visible)
            heading += column.caption + "\t";
    std::cout << heading << "\n";
    for (std::size_t row = 0; row < grid.Rows() && row < kShownRows; ++row) {
        const std::vector<std::string>& cells = grid.DisplayRow(row);
        std::string line;
        for (std::size_t column = 0; column < cells.size(); ++column)
            if (grid.Columns()[column].visible)
                line += cells[column] + "\t";
        std::cout << line << "\n";
    }
    if (grid.Rows() > kShownRows)
        std::cout << "...\n";
}

int Run(const std::vector<std::string>& arguments) {
    std::string type = "C";
    std::string number = "12345";
    std::string store = DefaultStore().string();
    std::optional<std::string> user;
    std::vector<std::string> positional;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--db" && index + 1 < arguments.size()) {
            store = arguments[++index];
        } else if (argument == "--user" && index + 1 < arguments.size()) {
            user = arguments[++index];
        } else if (argument.rfind("--", 0) == 0) {
            std::cerr << "Unknown option " << argument << "\n" << kUsage;
            return 2;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() == 2) {
        type = positional[0];
        number = positional[1];
    } else if (!positional.empty()) {
        std::cerr << "Give both the account type and the number.\n" << kUsage;
        return 2;
    }

    const bool postgres = IsPostgresLocation(store);
    if (postgres && user) {
        std::cerr << "--user names the clerk only on a SQLite store; on PostgreSQL the clerk is the database "
                     "role that connects.\n";
        return 2;
    }
    const std::filesystem::path errorLogFolder =
        postgres ? DefaultStore().parent_path() : std::filesystem::path(store).parent_path();
    const bool created = !postgres && !std::filesystem::exists(store);
    if (!errorLogFolder.empty())
        std::filesystem::create_directories(errorLogFolder);
    std::unique_ptr<BackOffice> backOffice = BackOffice::Open(store);
    // A PostgreSQL URI may carry a password: the store is named by its kind only.
    std::cout << (created ? "Created the demo database " : "Using the database ")
              << (postgres ? std::string("on PostgreSQL") : store) << "\n";

    ManualDispatcher dispatcher;
    WorkerThreadTransport transport(
        [&](const RequestMessage& request) { return backOffice->Handle(request); });
    HeadlessPlatform platform(Today(), std::cout);
    KovraLibrary library(transport, dispatcher, platform, postgres ? "" : user.value_or("SUPER"),
                         errorLogFolder / "errors.log");
    library.Status().StatusChanged.Connect(
        [](const std::string& text) { std::cout << "Status: " << text << "\n"; });
    library.Status().StatusMsgChanged.Connect(
        [](const std::string& text) { std::cout << "Status: " << text << "\n"; });
    Session session(library.Services(), library.Info(), "Tavrik Adjust", 1, 0, "tavrik-check");
    Tavrik_AdjustAcc document(session);
    document.UserDocument_Show("CONSOLE", "Account Adjustment");

    platform.SetModalScript([&](Form& form) {
        auto& dialog = dynamic_cast<Tavrik_FormInq&>(form);
        dialog.mFtcboDocType(0).SetText(type);
        dialog.mTxtDocNbr(0).SetText(number);
        dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
        if (dialog.Visible())
            dialog.mCmdBttn(Tavrik_FormInq::kCancel).Press();
    });
    document.FileOpen();
    if (!document.DataChanged())
        return 1;
    if (!dispatcher.WaitForPosted(std::chrono::seconds(30))) {
        std::cerr << "The back office did not answer.\n";
        return 1;
    }
    dispatcher.RunPending();
    PrintGrid(document.mSdgDBGrid(Tavrik_AdjustAcc::kReceivablesGrid));
    PrintGrid(document.mSdgDBGrid(Tavrik_AdjustAcc::kReceiptsGrid));
    return document.DataChanged() ? 0 : 1;
}

} // namespace
} // namespace tavrik

int main(int argc, char** argv) {
    try {
        return tavrik::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "tavrik-check: " << error.what() << "\n";
        return 1;
    }
}
