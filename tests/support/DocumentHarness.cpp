#include "tests/support/DocumentHarness.h"

namespace tavrik {

DocumentHarness::DocumentHarness(StoreEngine engine, const std::string& userId)
    : BackOfficeSession(engine, userId), document(session) {
    document.UserDocument_Show(kHostTag, kHostCaption);
}

DocumentHarness::DocumentHarness(const TestStore& sharedStore, const std::string& userId)
    : BackOfficeSession(sharedStore, userId), document(session) {
    document.UserDocument_Show(kHostTag, kHostCaption);
}

void DocumentHarness::OpenAccount(const std::string& typeCode, const std::string& typed) {
    OpenWith([typeCode, typed](Tavrik_FormInq& dialog) {
        dialog.mFtcboDocType(0).SetCode(typeCode);
        dialog.mTxtDocNbr(0).TypeText(typed);
        dialog.mCmdBttn(Tavrik_FormInq::kOk).Press();
    });
}

void DocumentHarness::OpenWith(std::function<void(Tavrik_FormInq&)> script) {
    platform.QueueScript([script](Form& form) { script(dynamic_cast<Tavrik_FormInq&>(form)); });
    document.FileOpen();
}

std::string DocumentHarness::RenderGrid(int index) {
    return ::tavrik::RenderGrid(document.mSdgDBGrid(index));
}

} // namespace tavrik
