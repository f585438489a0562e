// A form its opener shows modally: loaded and centred on the screen when this is built, shown by
// Show, and unloaded when this goes, whichever way the opener leaves (an error included). So no
// stale instance stays loaded for the next opener to find with its Form_Load already run. The
// opener writes the form's fields before Show and reads them after it, while the form is loaded.
#pragma once

#include "common/Session.h"

#include <string>

namespace tavrik {

template <class F> class ModalForm {
public:
    ModalForm(Session& session, std::string name)
        : session_(session), name_(std::move(name)), form_(LoadCentred()) {}
    ~ModalForm() { session_.Forms.Unload(name_); }
    ModalForm(const ModalForm&) = delete;
    ModalForm& operator=(const ModalForm&) = delete;

    F& operator*() const { return form_; }
    F* operator->() const { return &form_; }

    // Returns when the form is hidden.
    void Show() { session_.Platform.ShowModal(form_); }
    // Whether the form is still loaded: something may have unloaded it while it was shown.
    bool IsLoaded() const { return session_.Forms.Find(name_) == &form_; }

private:
    F& LoadCentred() {
        try {
            F& form = session_.Forms.template Load<F>(name_);
            form.Move((session_.Platform.ScreenWidth() - form.Width()) / 2,
                      (session_.Platform.ScreenHeight() - form.Height()) / 2);
            return form;
        } catch (...) {
            session_.Forms.Unload(name_);
            throw;
        }
    }

    Session& session_;
    const std::string name_;
    F& form_;
};

} // namespace tavrik
