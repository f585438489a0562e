#include "tests/support/DocumentHarness.h"

namespace tavrik {

DocumentHarness::DocumentHarness(const std::string& userId, const std::filesystem::path& sharedStore)
    : BackOfficeSession(userId, sharedStore), document(session) {
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
