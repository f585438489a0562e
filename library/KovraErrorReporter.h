// Reports a form's trapped error: a message box for the clerk and one line in an append-only log
// file for whoever looks into it later.
#pragma once

#include "common/ErrorReporter.h"
#include "common/WindowingPlatform.h"

#include <filesystem>

namespace tavrik {

class KovraErrorReporter : public ErrorReporter {
public:
    KovraErrorReporter(WindowingPlatform& platform, std::filesystem::path logPath);

    // Never throws: a log that cannot be written is mentioned in the message box instead.
    void ReportError(const std::string& description, const std::string& appText, const std::string& context,
                     int code = 1) override;

private:
    bool AppendToLog(const std::string& description, const std::string& appText, const std::string& context,
                     int code) const;

    WindowingPlatform& platform_;
    const std::filesystem::path logPath_;
};

} // namespace tavrik
