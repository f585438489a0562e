// The container put together: the back-office store, the common library on a worker transport and
// the Qt dispatcher, the session, the document, the views of its forms and the main window.
#pragma once

#include "backoffice/BackOffice.h"
#include "common/Session.h"
#include "desktop/BoundWidgets.h"
#include "desktop/FormViews.h"
#include "desktop/MainWindow.h"
#include "desktop/QtDispatcher.h"
#include "desktop/QtWindowingPlatform.h"
#include "document/Tavrik_AdjustAcc.h"
#include "library/KovraLibrary.h"
#include "library/WorkerThreadTransport.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tavrik {

class DesktopApplication {
public:
    static constexpr const char* kHostTag = "TAVRIK-ADJUST-1";
    static constexpr const char* kHostCaption = "Account Adjustment";

    // Opens the store (a SQLite file or a PostgreSQL URI; a file that does not exist yet becomes the
    // demo database) and signs the user on: on PostgreSQL, with an empty user id, the database role
    // that connected. Throws std::runtime_error with a clear text when either fails. The error log
    // lies beside a store file, else in the user's data folder, and the PDF copies of prints in the
    // folder "printed" under it.
    DesktopApplication(const std::string& store, const std::string& userId);
    DesktopApplication(const DesktopApplication&) = delete;
    DesktopApplication& operator=(const DesktopApplication&) = delete;

    // Shows the window and the document in it ("Ready").
    void Show();

    MainWindow& Window() { return *window_; }
    Tavrik_AdjustAcc& Document() { return document_; }
    tavrik::Session& Session() { return session_; }
    KovraLibrary& Library() { return library_; }
    BoundWidgets& Widgets() { return widgets_; }

private:
    // The window's title follows the document's caption.
    void ShowDocumentCaption();

    std::unique_ptr<BackOffice> store_;
    // The dispatcher outlives the transport, whose worker may post a reply until it is joined.
    QtDispatcher dispatcher_;
    WorkerThreadTransport transport_;
    FormViews views_;
    BoundWidgets widgets_;
    QtWindowingPlatform platform_;
    KovraLibrary library_;
    tavrik::Session session_;
    Tavrik_AdjustAcc document_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace tavrik
