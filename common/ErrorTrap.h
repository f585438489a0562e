// Runs a procedure's body and hands any error it throws to the error reporter with the procedure's
// context ("Module.Procedure"); the procedure then simply ends.
#pragma once

#include "common/Session.h"

#include <exception>
#include <string>

namespace tavrik {

template <class Body> void TrapErrors(Session& session, const char* context, Body&& body) {
    try {
        body();
    } catch (const std::exception& error) {
        session.ErrorReporter.ReportError(error.what(), session.AppText, context);
    } catch (...) {
        session.ErrorReporter.ReportError("An unknown error occurred.", session.AppText, context);
    }
}

} // namespace tavrik
