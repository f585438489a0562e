#include "desktop/Views.h"

#include "desktop/AccDetailView.h"
#include "desktop/ActivityView.h"
#include "desktop/DocumentView.h"
#include "desktop/FormInqView.h"
#include "desktop/LicPurchOptView.h"
#include "desktop/PayDetailView.h"
#include "desktop/SelectCustFormInqView.h"
#include "desktop/SelectCustFormView.h"
#include "desktop/TransPaymentView.h"
#include "desktop/WorkSheetView.h"

namespace tavrik {
namespace {

// The factory of the view that draws forms of type FormType.
template <class View, class FormType> FormViews::Factory ViewOf(BoundWidgets& widgets) {
    return [&widgets](Form& form, QWidget* parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<View>(dynamic_cast<FormType&>(form), widgets, parent);
    };
}

} // namespace

void RegisterViews(FormViews& views, Session&, BoundWidgets& widgets) {
    views.Register(Tavrik_FormInq::kFormName, ViewOf<FormInqView, Tavrik_FormInq>(widgets));
    views.Register(Tavrik_AccDetail::kFormName, ViewOf<AccDetailView, Tavrik_AccDetail>(widgets));
    views.Register(Tavrik_Activity::kFormName, ViewOf<ActivityView, Tavrik_Activity>(widgets));
    views.Register(Tavrik_LicPurchOpt::kFormName, ViewOf<LicPurchOptView, Tavrik_LicPurchOpt>(widgets));
    views.Register(Tavrik_PayDetail::kFormName, ViewOf<PayDetailView, Tavrik_PayDetail>(widgets));
    views.Register(Tavrik_SelectCustForm::kFormName,
                   ViewOf<SelectCustFormView, Tavrik_SelectCustForm>(widgets));
    views.Register(Tavrik_SelectCustFormInq::kFormName,
                   ViewOf<SelectCustFormInqView, Tavrik_SelectCustFormInq>(widgets));
    views.Register(Tavrik_TransPayment::kFormName, ViewOf<TransPaymentView, Tavrik_TransPayment>(widgets));
    views.Register(Tavrik_WorkSheet::kFormName, ViewOf<WorkSheetView, Tavrik_WorkSheet>(widgets));
}

std::unique_ptr<QWidget> MakeDocumentView(Tavrik_AdjustAcc& document, Session&, BoundWidgets& widgets) {
    return std::make_unique<DocumentView>(document, widgets);
}

} // namespace tavrik
