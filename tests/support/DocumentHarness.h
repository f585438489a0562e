// The document shown in a clerk's session on the real library and back office: what the scenario
// tests of the document and of the forms it opens drive.
#pragma once

#include "document/Tavrik_AdjustAcc.h"
#include "document/Tavrik_FormInq.h"
#include "tests/support/BackOfficeSession.h"
#include "tests/support/Rendering.h"

#include <functional>
#include <string>

namespace tavrik {

class DocumentHarness : public BackOfficeSession {
public:
    // The document shown in a session of that user (see BackOfficeSession).
    explicit DocumentHarness(StoreEngine engine = StoreEngine::Sqlite, const std::string& userId = "SUPER");
    DocumentHarness(const TestStore& sharedStore, const std::string& userId);

    // Runs FileOpen with a dialog script that picks the type, types the number and presses OK.
    void OpenAccount(const std::string& typeCode, const std::string& typed);
    // Runs FileOpen with any dialog script.
    void OpenWith(std::function<void(Tavrik_FormInq&)> script);
    // One of the document's grids, rendered with RenderGrid.
    std::string RenderGrid(int index);

    Tavrik_AdjustAcc document;
};

} // namespace tavrik
