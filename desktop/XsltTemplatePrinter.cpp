#include "desktop/XsltTemplatePrinter.h"

#include "library/LibXmlDocument.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace tavrik {
namespace {

// Refuses everything a stylesheet could reach beyond the print data.
xsltSecurityPrefsPtr NothingOutside() {
    static const xsltSecurityPrefsPtr prefs = [] {
        xsltSecurityPrefsPtr made = xsltNewSecurityPrefs();
        for (xsltSecurityOption option :
             {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
              XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
            xsltSetSecurityPrefs(made, option, xsltSecurityForbid);
        return made;
    }();
    return prefs;
}

// While alive, libxslt's complaints are kept for the clerk's error text instead of going to stderr.
class XsltComplaints {
public:
    XsltComplaints() { xsltSetGenericErrorFunc(this, &Collect); }
    ~XsltComplaints() { xsltSetGenericErrorFunc(nullptr, nullptr); }
    XsltComplaints(const XsltComplaints&) = delete;
    XsltComplaints& operator=(const XsltComplaints&) = delete;

    // The complaints on one line; libxslt gives a location line before each.
    std::string Text() const {
        std::string joined;
        std::istringstream lines(text_);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty())
                joined += (joined.empty() ? "" : "; ") + line;
        return joined.empty() ? "no reason given" : joined;
    }

private:
    static void Collect(void* context, const char* format, ...) {
        char piece[1024];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(piece, sizeof piece, format, arguments);
        va_end(arguments);
        static_cast<XsltComplaints*>(context)->text_ += piece;
    }

    std::string text_;
};

std::string ReadTemplateFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw std::runtime_error("The print template file \"" + path + "\" is missing or is not a file.");
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file)
        throw std::runtime_error("The print template file \"" + path + "\" cannot be read.");
    return text.str();
}

// The XHTML as Qt's HTML reader takes it: UTF-8 text, with no XML declaration ahead of <html>.
QString AsXhtml(xmlDocPtr document) {
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_NO_DECL);
    xmlSaveDoc(save, document);
    xmlSaveClose(save);
    QString xhtml =
        QString::fromUtf8(reinterpret_cast<const char*>(xmlBufferContent(buffer)), xmlBufferLength(buffer));
    xmlBufferFree(buffer);
    return xhtml;
}

// The title as a file name on any system the office copies it to; long titles are cut.
QString FileNameOf(const QString& title) {
    constexpr qsizetype kLongest = 100;
    QString name = title.simplified().left(kLongest);
    for (QChar& character : name)
        if (character.unicode() < 0x20 || character.unicode() == 0x7F ||
            QStringView(u"\\/:*?\"<>|").contains(character))
            character = u'_';
    return name.isEmpty() ? QStringLiteral("Printout") : name;
}

// A printer that cannot make copies itself (a file, a printer without CUPS) gets the pages again for
// each copy, each copy starting on a new page.
void PrintCopies(const QTextDocument& document, QPrinter& printer) {
    const int copies = printer.copyCount();
    if (copies == 1 || printer.supportsMultipleCopies()) {
        document.print(&printer);
        return;
    }
    QTextDocument repeated;
    QTextCursor cursor(&repeated);
    const QTextDocumentFragment content(&document);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) {
            QTextBlockFormat newPage;
            newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(newPage);
        }
        cursor.insertFragment(content);
    }
    printer.setCopyCount(1);
    repeated.print(&printer);
}

} // namespace

void XsltTemplatePrinter::FreeStylesheet::operator()(_xsltStylesheet* stylesheet) const {
    xsltFreeStylesheet(stylesheet);
}

XsltTemplatePrinter::XsltTemplatePrinter(std::filesystem::path pdfFolder, PrinterChooser chooser)
    : pdfFolder_(std::move(pdfFolder)), chooser_(std::move(chooser)) {}

XsltTemplatePrinter::~XsltTemplatePrinter() = default;

void XsltTemplatePrinter::LoadTemplate(const std::string& templatePath) {
    const std::string text = ReadTemplateFile(templatePath);
    std::string problem;
    LibXmlDocument::DocumentPointer document = LibXmlDocument::ParseSafely(text, problem);
    if (!document)
        throw std::runtime_error("The print template file \"" + templatePath + "\" is not well-formed XML (" +
                                 problem + ").");
    // xsl:import and xsl:include are checked against libxslt's default while a stylesheet loads, before
    // any transformation exists to carry its own.
    xsltSetDefaultSecurityPrefs(NothingOutside());
    XsltComplaints complaints;
    // On success the stylesheet owns the document; on failure it is still ours.
    xsltStylesheetPtr stylesheet = xsltParseStylesheetDoc(document.get());
    if (stylesheet == nullptr)
        throw std::runtime_error("The print template file \"" + templatePath +
                                 "\" is not an XSLT stylesheet (" + complaints.Text() + ").");
    document.release();
    stylesheet_.reset(stylesheet);
    templatePath_ = templatePath;
    xhtml_.clear();
}

void XsltTemplatePrinter::MergeData(const std::string& xmlText) {
    if (!stylesheet_)
        throw std::runtime_error("No print template is loaded to merge the print data into.");
    std::string problem;
    LibXmlDocument::DocumentPointer data = LibXmlDocument::ParseSafely(xmlText, problem);
    if (!data)
        throw std::runtime_error("The print data is not well-formed XML (" + problem + ").");

    XsltComplaints complaints;
    std::unique_ptr<xsltTransformContext, decltype(&xsltFreeTransformContext)> context(
        xsltNewTransformContext(stylesheet_.get(), data.get()), &xsltFreeTransformContext);
    if (!context || xsltSetCtxtSecurityPrefs(NothingOutside(), context.get()) != 0)
        throw std::runtime_error("The print template cannot be applied: out of memory.");
    LibXmlDocument::DocumentPointer result(
        xsltApplyStylesheetUser(stylesheet_.get(), data.get(), nullptr, nullptr, nullptr, context.get()));
    // A refused read or write only stops the stylesheet's own step; the whole print is refused.
    if (!result || context->state != XSLT_STATE_OK || xmlDocGetRootElement(result.get()) == nullptr)
        throw std::runtime_error("The print template file \"" + templatePath_ +
                                 "\" cannot be applied to the print data (" + complaints.Text() + ").");
    xhtml_ = AsXhtml(result.get());
}

void XsltTemplatePrinter::PrintOut(int copies, bool showPrintDialog, bool keepPdfCopy) {
    if (xhtml_.isEmpty())
        throw std::runtime_error("There is nothing to print: no print data was merged into a template.");
    if (!showPrintDialog && !keepPdfCopy)
        throw std::runtime_error(
            "There is nowhere to print to: neither the print dialog nor a PDF copy was asked for.");
    if (copies < 1)
        throw std::runtime_error("At least one copy must be printed.");
    QTextDocument document;
    document.setHtml(xhtml_);

    if (showPrintDialog) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
        printer.setCopyCount(copies);
        if (chooser_(printer)) {
            PrintCopies(document, printer);
            if (printer.printerState() == QPrinter::Error)
                throw std::runtime_error("The printer reported an error; the document may not have printed.");
        }
    }
    if (keepPdfCopy)
        WritePdfCopy(document);
}

void XsltTemplatePrinter::WritePdfCopy(QTextDocument& document) const {
    const QString folder = QFile::decodeName(pdfFolder_.c_str());
    if (!QDir().mkpath(folder))
        throw std::runtime_error("The folder for PDF copies, \"" + pdfFolder_.string() +
                                 "\", cannot be made.");
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    const QString stem =
        FileNameOf(title) + u' ' + QDateTime::currentDateTime().toString("yyyy-MM-dd HH-mm-ss");
    // Opened only if new, so that two prints in one second keep both copies.
    QFile file;
    for (int attempt = 1;; ++attempt) {
        file.setFileName(QDir(folder).filePath(attempt == 1 ? stem + ".pdf"
                                                            : QString("%1 (%2).pdf").arg(stem).arg(attempt)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!file.exists())
            throw std::runtime_error("The PDF copy \"" + file.fileName().toStdString() +
                                     "\" cannot be written: " + file.errorString().toStdString() + ".");
    }
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tavrik Adjust"));
    writer.setPageSize(QPageSize(QPageSize::Letter));
    document.print(&writer);
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error("The PDF copy \"" + file.fileName().toStdString() +
                                 "\" could not be written whole: " + file.errorString().toStdString() + ".");
}

void XsltTemplatePrinter::CloseTemplate() {
    stylesheet_.reset();
    templatePath_.clear();
    xhtml_.clear();
}

bool XsltTemplatePrinter::ShowPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tavrik
