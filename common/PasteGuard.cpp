#include "common/PasteGuard.h"

#include "common/TextBox.h"
#include "common/WindowingPlatform.h"

namespace tavrik {

void PasteGuard::KeyDown(const TextBox& box, int keyCode, int shift) {
    if (keyCode != kKeyInsert || shift != kShiftMask)
        return;
    keyPaste_ = true;
    remembered_ = box.Text();
}

void PasteGuard::MouseDown(const TextBox& box) {
    mousePaste_ = true;
    remembered_ = box.Text();
}

void PasteGuard::Change(TextBox& box, const Judge& accepts) {
    if (restoring_ || (!keyPaste_ && !mousePaste_) || accepts(box.Text()))
        return;
    platform_.Beep();
    restoring_ = true;
    try {
        box.SetText(remembered_);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
}

} // namespace tavrik
