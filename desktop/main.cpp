// tavrik-adjust: opens the back-office store (the demo database unless told otherwise), puts the
// common library and the document together, and shows the document in the container's window.
#include "desktop/DesktopApplication.h"
#include "document/Tavrik_FormInq.h"
#include "store/OpenStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace tavrik {
namespace {

// The account the screenshot shows, as a clerk types it in the Open Account dialog.
constexpr const char* kScreenshotType = "C";
constexpr const char* kScreenshotNumber = "12345";
constexpr int kScreenshotTimeoutMs = 60000;
constexpr int kPollMs = 50;

struct Options {
    std::string store;
    // Empty on PostgreSQL, where the clerk is the database role that connects.
    std::string user;
    QString screenshot;
    bool initDemo = false;
    bool platformGiven = false;
};

// Qt's own options, which the application takes before ours; listed so that the parser lets them
// through (Qt reads them itself), and hidden from our help.
const QStringList kQtValueOptions = {"platform",        "platformpluginpath",
                                     "platformtheme",   "plugin",
                                     "display",         "geometry",
                                     "qwindowgeometry", "title",
                                     "qwindowtitle",    "icon",
                                     "qwindowicon",     "style",
                                     "stylesheet",      "session",
                                     "qmljsdebugger"};
const QStringList kQtFlagOptions = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Reads the arguments before any window system is touched, so that --help, --version and a wrong
// option work without a screen; exits with the text they ask for (a wrong option: the complaint and
// the usage on stderr, code 2).
Options ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "The account-adjustment screen: opens a customer's account, lists its accounts receivable and\n"
        "receipts, and adjusts them.\n"
        "Qt's own options work as well, for example -platform offscreen to run without a screen.");
    const QCommandLineOption helpOption({"h", "help", "?"}, "Displays this help.");
    const QCommandLineOption versionOption({"v", "version"}, "Displays the version.");
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    for (const QString& name : kQtValueOptions) {
        QCommandLineOption option(name, "", "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kQtFlagOptions) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const QString demoStore =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/demo.sqlite";
    const QCommandLineOption dbOption(
        "db",
        "The back-office store: a SQLite FILE (default: " + demoStore +
            ", the demo database, made on first start), or a PostgreSQL connection URI "
            "(postgresql://...; libpq's PG* variables and service files apply) for an office of many desks.",
        "FILE|URI");
    const QCommandLineOption userOption("user",
                                        "The signed-on user ID on a SQLite store (default: SUPER, who holds "
                                        "every privilege). On PostgreSQL the clerk is the database role "
                                        "that connects.",
                                        "ID", "SUPER");
    const QCommandLineOption initDemoOption(
        "init-demo", "Creates the schema and the demo data in the empty store --db names, then quits.");
    const QCommandLineOption screenshotOption(
        "screenshot", "Opens the demo account C 12345, saves a PNG of the window to FILE and quits.", "FILE");
    parser.addOptions({dbOption, userOption, initDemoOption, screenshotOption});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString complaint = parser.errorText().isEmpty()
                                      ? "Unexpected argument: " + parser.positionalArguments().constFirst()
                                      : parser.errorText();
        std::cerr << "tavrik-adjust: " << complaint.toStdString() << "\n\n"
                  << parser.helpText().toStdString();
        std::exit(2);
    }
    if (parser.isSet(helpOption)) {
        std::cout << parser.helpText().toStdString();
        std::exit(0);
    }
    if (parser.isSet(versionOption)) {
        std::cout << "tavrik-adjust " << QCoreApplication::applicationVersion().toStdString() << "\n";
        std::exit(0);
    }

    Options options;
    options.platformGiven = parser.isSet("platform");
    options.store = (parser.isSet(dbOption) ? parser.value(dbOption) : demoStore).toStdString();
    const bool postgres = IsPostgresLocation(options.store);
    if (postgres && parser.isSet(userOption)) {
        std::cerr << "tavrik-adjust: --user names the clerk only on a SQLite store; on PostgreSQL the clerk "
                     "is the database role that connects.\n";
        std::exit(2);
    }
    options.user = postgres ? "" : parser.value(userOption).toStdString();
    options.initDemo = parser.isSet(initDemoOption);
    options.screenshot = parser.value(screenshotOption);
    return options;
}

// Makes the empty store a back-office store with the demo data, without a screen.
int InitDemo(const std::string& store) {
    try {
        const std::string name = BackOffice::CreateDemoStore(store);
        std::cout << "tavrik-adjust: The back-office store with the demo data is ready in " << name << ".\n";
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "tavrik-adjust: " << error.what() << "\n";
        return 1;
    }
}

// Said on stderr, and in a box too when someone is there to read it.
int Fail(const QString& text, bool interactive) {
    std::cerr << "tavrik-adjust: " << text.toStdString() << "\n";
    if (interactive)
        QMessageBox::critical(nullptr, DesktopApplication::kHostCaption, text);
    return 1;
}

// Saves a picture of the window once the search it started has been answered, then closes it.
void SaveWhenAnswered(KovraStatusService& status, MainWindow& window, const QString& file) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&status, &window, file, poll] {
        if (status.StatusText().rfind("Searching", 0) == 0)
            return;
        poll->stop();
        // One more turn of the loop, so that the views have laid out what the answer brought.
        QTimer::singleShot(kPollMs, &window, [&window, file] {
            if (!window.grab().save(file, "PNG")) {
                std::cerr << "tavrik-adjust: The screenshot could not be saved to " << file.toStdString()
                          << "\n";
                QCoreApplication::exit(1);
                return;
            }
            window.close();
        });
    });
    poll->start(kPollMs);
}

// Opens the demo account through the Open Account dialog as a clerk would, for the screenshot.
void OpenDemoAccount(Session& session, Tavrik_AdjustAcc& document, KovraStatusService& status,
                     MainWindow& window, const QString& file) {
    QTimer::singleShot(kScreenshotTimeoutMs, &window, [] {
        std::cerr << "tavrik-adjust: The demo account did not open in time.\n";
        QCoreApplication::exit(1);
    });
    auto* typist = new QTimer(&window);
    QObject::connect(typist, &QTimer::timeout, &window, [&session, typist] {
        auto* dialog = session.Forms.FindAs<Tavrik_FormInq>(Tavrik_FormInq::kFormName);
        if (dialog == nullptr || !dialog->Visible())
            return;
        typist->stop();
        dialog->mFtcboDocType(0).SetText(kScreenshotType);
        dialog->mTxtDocNbr(0).SetText(kScreenshotNumber);
        dialog->mCmdBttn(Tavrik_FormInq::kOk).Press();
        if (dialog->Visible())
            dialog->mCmdBttn(Tavrik_FormInq::kCancel).Press();
    });
    QTimer::singleShot(0, &window, [&document, &status, &window, file, typist] {
        typist->start(kPollMs);
        document.FileOpen();
        SaveWhenAnswered(status, window, file);
    });
}

int Run(QApplication& application, const Options& options) {
    const bool interactive = options.screenshot.isEmpty() && QGuiApplication::platformName() != "offscreen";

    std::unique_ptr<DesktopApplication> desktop;
    try {
        desktop = std::make_unique<DesktopApplication>(options.store, options.user);
    } catch (const std::exception& error) {
        return Fail(QString("Tavrik Adjust cannot start: %1").arg(error.what()), interactive);
    }
    desktop->Show();
    if (!options.screenshot.isEmpty())
        OpenDemoAccount(desktop->Session(), desktop->Document(), desktop->Library().Status(),
                        desktop->Window(), options.screenshot);
    return application.exec();
}

} // namespace
} // namespace tavrik

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("tavrik-adjust");
    QCoreApplication::setApplicationVersion("1.0");
    tavrik::Options options;
    {
        // The arguments are read without a screen: a window system is only needed to run.
        QCoreApplication core(argc, argv);
        options = tavrik::ParseOptions(QCoreApplication::arguments());
    }
    if (options.initDemo)
        return tavrik::InitDemo(options.store);
    if (!options.platformGiven && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::cerr << "tavrik-adjust: There is no display to show the window on. Start it from a desktop, "
                     "through ./run.sh (which uses a virtual display), or with -platform offscreen.\n";
        return 1;
    }
    QApplication application(argc, argv);
    return tavrik::Run(application, options);
}
