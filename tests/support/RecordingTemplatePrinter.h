// The template printer of the tests: it writes each call, with its arguments, to a log the test
// reads, and fails the call named in failing as a real printer would.
#pragma once

#include "common/TemplatePrinter.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace tavrik {

class RecordingTemplatePrinter : public TemplatePrinter {
public:
    RecordingTemplatePrinter(std::vector<std::string>& log, std::string failing)
        : log_(log), failing_(std::move(failing)) {}

    void LoadTemplate(const std::string& templatePath) override { Record("LoadTemplate", templatePath); }
    void MergeData(const std::string& xmlText) override { Record("MergeData", xmlText); }
    void PrintOut(int copies, bool showPrintDialog, bool keepPdfCopy) override {
        Record("PrintOut",
               std::to_string(copies) + (showPrintDialog ? " dialog" : "") + (keepPdfCopy ? " pdf" : ""));
    }
    void CloseTemplate() override { Record("CloseTemplate", ""); }

private:
    void Record(const std::string& call, const std::string& argument) {
        log_.push_back(argument.empty() ? call : call + " " + argument);
        if (call == failing_)
            throw std::runtime_error("The printer failed in " + call + ".");
    }

    std::vector<std::string>& log_;
    std::string failing_;
};

} // namespace tavrik
