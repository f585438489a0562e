#include "library/KovraErrorReporter.h"

#include <fstream>

namespace tavrik {

namespace {

// One report is one line: breaks and tabs inside a text are written as \r, \n and \t (and a
// backslash as \\), so that the fields stay readable and separable.
std::string Escaped(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

KovraErrorReporter::KovraErrorReporter(WindowingPlatform& platform, std::filesystem::path logPath)
    : platform_(platform), logPath_(std::move(logPath)) {}

void KovraErrorReporter::ReportError(const std::string& description, const std::string& appText,
                                     const std::string& context, int code) {
    try {
        std::string text = description + "\r\n\r\n" + context;
        if (!AppendToLog(description, appText, context, code))
            text += "\r\n\r\nThe error could not be written to the log " + logPath_.string() + ".";
        platform_.MsgBox(text, MsgBoxIcon::Critical, MsgBoxButtons::OK, appText);
    } catch (...) {
        // Reporting is the last resort of every form's error trap; there is nowhere left to go.
    }
}

bool KovraErrorReporter::AppendToLog(const std::string& description, const std::string& appText,
                                     const std::string& context, int code) const {
    try {
        const std::string line = platform_.Today().FormatIso() + " " + platform_.Now().Format() + "\t" +
                                 Escaped(appText) + "\t" + Escaped(context) + "\t" + std::to_string(code) +
                                 "\t" + Escaped(description) + "\n";
        std::ofstream log(logPath_, std::ios::app | std::ios::binary);
        log << line;
        log.flush();
        return log.good();
    } catch (...) {
        return false;
    }
}

} // namespace tavrik
