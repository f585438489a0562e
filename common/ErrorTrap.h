// The error trap of one module: it runs a procedure's body and hands any error the body throws to
// the error reporter with the context "Module.Procedure"; the procedure then simply ends.
#pragma once

#include "common/NumberedError.h"
#include "common/Session.h"

#include <exception>
#include <string>
#include <string_view>

namespace tavrik {

class ErrorTrap {
public:
    ErrorTrap(Session& session, std::string module) : session_(session), module_(std::move(module)) {}

    std::string Context(std::string_view procedure) const { return module_ + "." + std::string(procedure); }

    template <class Body> void operator()(std::string_view procedure, Body&& body) const {
        try {
            body();
        } catch (const NumberedError& error) {
            session_.ErrorReporter.ReportError(error.what(), session_.AppText, Context(procedure),
                                               error.Number());
        } catch (const std::exception& error) {
            session_.ErrorReporter.ReportError(error.what(), session_.AppText, Context(procedure));
        } catch (...) {
            session_.ErrorReporter.ReportError("An unknown error occurred.", session_.AppText,
                                               Context(procedure));
        }
    }

private:
    Session& session_;
    std::string module_;
};

} // namespace tavrik
