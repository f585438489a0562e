#include "desktop/Views.h"

#include "desktop/DocumentView.h"
#include "desktop/FormInqView.h"

namespace tavrik {

void RegisterViews(FormViews& views, Session&, BoundWidgets& widgets) {
    views.Register(
        Tavrik_FormInq::kFormName, [&widgets](Form& form, QWidget* parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<FormInqView>(dynamic_cast<Tavrik_FormInq&>(form), widgets, parent);
        });
}

std::unique_ptr<QWidget> MakeDocumentView(Tavrik_AdjustAcc& document, Session&, BoundWidgets& widgets) {
    return std::make_unique<DocumentView>(document, widgets);
}

} // namespace tavrik
