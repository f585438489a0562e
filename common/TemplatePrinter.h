// The template printer: it loads a print template, merges a form's print data (XML text) into it and
// prints the result. Each printer serves one print. Every operation throws std::runtime_error with a
// text a clerk can act on when it fails.
#pragma once

#include <string>

namespace tavrik {

class TemplatePrinter {
public:
    virtual ~TemplatePrinter() = default;

    virtual void LoadTemplate(const std::string& templatePath) = 0;
    virtual void MergeData(const std::string& xmlText) = 0;
    // Prints the merged document. showPrintDialog: the clerk chooses the printer (or a file) and may
    // still cancel; keepPdfCopy: a PDF copy of what was printed is also kept on disk, named by the
    // document's title and the time of printing.
    virtual void PrintOut(int copies, bool showPrintDialog, bool keepPdfCopy) = 0;
    virtual void CloseTemplate() = 0;
};

} // namespace tavrik
