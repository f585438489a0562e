// Everything a form reaches beyond itself, created by the container: the library's services, the
// windowing platform, the host window's tag and caption, the application's title and version, and
// the registry of loaded forms.
#pragma once

#include "common/CommonServices.h"
#include "common/DataSetOpener.h"
#include "common/DataSetService.h"
#include "common/ErrorReporter.h"
#include "common/FormRegistry.h"
#include "common/MessageService.h"
#include "common/SessionInfo.h"
#include "common/StatusService.h"
#include "common/WindowingPlatform.h"

#include <string>

namespace tavrik {

struct SessionServices {
    CommonServices& common;
    StatusService& status;
    MessageService& messages;
    DataSetService& dataSets;
    DataSetOpener& dataSetOpener;
    ErrorReporter& errors;
    WindowingPlatform& platform;
};

class Session {
public:
    Session(SessionServices services, SessionInfo info, std::string appTitle, int majorVersion,
            int minorVersion, std::string appText)
        : CommonServices(services.common), StatusService(services.status), MessageService(services.messages),
          DataSetService(services.dataSets), DataSetOpener(services.dataSetOpener),
          ErrorReporter(services.errors), Platform(services.platform), SessionInfo(std::move(info)),
          AppTitle(std::move(appTitle)), AppMajor(majorVersion), AppMinor(minorVersion),
          AppText(std::move(appText)), Forms(*this) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    tavrik::CommonServices& CommonServices;
    tavrik::StatusService& StatusService;
    tavrik::MessageService& MessageService;
    tavrik::DataSetService& DataSetService;
    tavrik::DataSetOpener& DataSetOpener;
    tavrik::ErrorReporter& ErrorReporter;
    WindowingPlatform& Platform;
    const tavrik::SessionInfo SessionInfo;

    const std::string AppTitle;
    const int AppMajor;
    const int AppMinor;
    // What error reports name as the application (its executable name, not the title).
    const std::string AppText;

    // The tag and caption of the host window, read when the document is shown.
    std::string gsHostTag;
    std::string gsHostCaption;

    FormRegistry Forms;

    std::string AppVersion() const { return std::to_string(AppMajor) + "." + std::to_string(AppMinor); }
};

} // namespace tavrik
