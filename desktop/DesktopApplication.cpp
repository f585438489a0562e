#include "desktop/DesktopApplication.h"

#include "desktop/Views.h"

#include <stdexcept>

namespace tavrik {
namespace {

std::unique_ptr<BackOffice> OpenStore(const std::filesystem::path& store) {
    try {
        // A SQLite "file:" URI names its file itself; a plain path gets its folder made.
        if (!store.parent_path().empty() && !store.string().starts_with("file:"))
            std::filesystem::create_directories(store.parent_path());
        return BackOffice::Open(store);
    } catch (const std::exception& error) {
        throw std::runtime_error("The database " + store.string() + " cannot be opened: " + error.what());
    }
}

} // namespace

DesktopApplication::DesktopApplication(const std::filesystem::path& store, const std::string& userId)
    : store_(OpenStore(store)),
      transport_([this](const RequestMessage& request) { return store_->Handle(request); }),
      platform_(views_, widgets_),
      library_(transport_, dispatcher_, platform_, userId, store.parent_path() / "errors.log"),
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
