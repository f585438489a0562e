// Where every form's trapped errors go.
#pragma once

#include <string>

namespace tavrik {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;

    // description: what went wrong; appText: which application; context: "Module.Procedure".
    virtual void ReportError(const std::string& description, const std::string& appText,
                             const std::string& context, int code = 1) = 0;
};

} // namespace tavrik
