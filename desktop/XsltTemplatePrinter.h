// The template printer on libxslt and Qt: the template is an XSLT stylesheet that turns the print data
// into XHTML, which Qt lays out for the printer the clerk picks and for a PDF copy kept on disk.
#pragma once

#include "common/TemplatePrinter.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QPrinter;
class QTextDocument;
struct _xsltStylesheet;

namespace tavrik {

class XsltTemplatePrinter : public TemplatePrinter {
public:
    // Lets the clerk set up the printer (which one, or a file; the number of copies) and answers
    // whether to print on it.
    using PrinterChooser = std::function<bool(QPrinter& printer)>;

    // PDF copies go to pdfFolder, made when first written to. chooser is asked on each print with the
    // dialog; by default it is the print dialog over the active window.
    explicit XsltTemplatePrinter(std::filesystem::path pdfFolder, PrinterChooser chooser = ShowPrintDialog);
    ~XsltTemplatePrinter() override;
    XsltTemplatePrinter(const XsltTemplatePrinter&) = delete;
    XsltTemplatePrinter& operator=(const XsltTemplatePrinter&) = delete;

    // The stylesheet may not read or write files, make folders or reach the network, neither while it
    // is loaded (xsl:import, xsl:include) nor while it runs (document(), xsl:document).
    void LoadTemplate(const std::string& templatePath) override;
    void MergeData(const std::string& xmlText) override;
    // showPrintDialog: the chooser sets up the printer with copies as its number of copies; the clerk
    // may cancel, which is not an error, and then nothing goes to paper. Without it nothing goes to
    // a printer at all. keepPdfCopy: one copy is written as a PDF to the folder, even when the clerk
    // cancelled, so the office keeps every worksheet issued; it is named by the document's <title>
    // and the local time, "Refund Worksheet 0000042 2026-12-07 16-34-11.pdf", and never replaces a
    // file already there. Asking for neither is an error, as is printing before MergeData.
    void PrintOut(int copies, bool showPrintDialog, bool keepPdfCopy) override;
    // Frees the template and the merged document; the printer can load another template.
    void CloseTemplate() override;

    static bool ShowPrintDialog(QPrinter& printer);

private:
    void WritePdfCopy(QTextDocument& document) const;

    struct FreeStylesheet {
        void operator()(_xsltStylesheet* stylesheet) const;
    };

    std::filesystem::path pdfFolder_;
    PrinterChooser chooser_;
    std::string templatePath_;
    std::unique_ptr<_xsltStylesheet, FreeStylesheet> stylesheet_;
    // The merged document as XHTML; empty until MergeData.
    QString xhtml_;
};

} // namespace tavrik
