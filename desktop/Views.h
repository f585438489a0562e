// The views of the system's forms, for the container to set up: the modal forms' dialogs by form
// name, and the widget that draws the hosted document.
#pragma once

#include "common/Session.h"
#include "desktop/BoundWidgets.h"
#include "desktop/FormViews.h"
#include "document/Tavrik_AdjustAcc.h"

#include <QWidget>

#include <memory>

namespace tavrik {

// Registers the dialog of every modal form the session may show.
void RegisterViews(FormViews& views, Session& session, BoundWidgets& widgets);
// The widget that draws the document, its controls bound to the document's models.
std::unique_ptr<QWidget> MakeDocumentView(Tavrik_AdjustAcc& document, Session& session,
                                          BoundWidgets& widgets);

} // namespace tavrik
