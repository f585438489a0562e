#include "desktop/DesktopApplication.h"

#include "desktop/Views.h"
#include "store/OpenStore.h"

#include <QStandardPaths>

#include <stdexcept>

namespace tavrik {
namespace {

std::unique_ptr<BackOffice> OpenBackOffice(const std::string& store) {
    // A PostgreSQL failure names the database itself, never the URI (which may hold a password).
    if (IsPostgresLocation(store))
        return BackOffice::Open(store);
    const std::filesystem::path file(store);
    try {
        // A SQLite "file:" URI names its file itself; a plain path gets its folder made.
        if (!file.parent_path().empty() && !store.starts_with("file:"))
            std::filesystem::create_directories(file.parent_path());
        return BackOffice::Open(store);
    } catch (const std::exception& error) {
        throw std::runtime_error("The database " + store + " cannot be opened: " + error.what());
    }
}

// Where the library writes its error log: beside a store file, else in the user's data folder.
std::filesystem::path ErrorLogFolder(const std::string& store) {
    if (IsPostgresLocation(store))
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    return std::filesystem::path(store).parent_path();
}

} // namespace

DesktopApplication::DesktopApplication(const std::string& store, const std::string& userId)
    : store_(OpenBackOffice(store)),
      transport_([this](const RequestMessage& request) { return store_->Handle(request); }),
      platform_(views_, widgets_, ErrorLogFolder(store) / "printed"),
      library_(transport_, dispatcher_, platform_, userId, ErrorLogFolder(store) / "errors.log"),
      session_(library_.Services(), library_.Info(), "Tavrik Adjust", 1, 0, "tavrik-adjust"),
      document_(session_) {
    RegisterViews(views_, session_, widgets_);
    MainWindowCallbacks callbacks{
        .fileOpen =
            [this] {
                document_.FileOpen();
                ShowDocumentCaption();
            },
        .saveData = [this] { document_.SaveData(); },
        .beforeUnload = [this] { document_.BeforeUnload(); },
        .closeDocument = [this] { return document_.CloseDocument(); },
    };
    window_ = std::make_unique<MainWindow>(library_.Status(), kHostTag, kHostCaption, std::move(callbacks),
                                           MakeDocumentView(document_, session_, widgets_));
    window_->resize(1200, 760);
}

void DesktopApplication::Show() {
    document_.UserDocument_Show(window_->Tag().toStdString(), window_->windowTitle().toStdString());
    // Connected after the document's own handler, so the title is read once the reply is handled.
    document_.MessageObjectInUse()->DataReady.Connect([this](const std::string&) { ShowDocumentCaption(); });
    window_->show();
}

void DesktopApplication::ShowDocumentCaption() {
    if (window_ != nullptr)
        window_->setWindowTitle(QString::fromStdString(document_.DocumentCaption()));
}

} // namespace tavrik
