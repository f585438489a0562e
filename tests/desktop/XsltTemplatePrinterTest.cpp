#include "desktop/XsltTemplatePrinter.h"

#include "library/LibXmlDocument.h"
#include "tests/desktop/VisibleTopLevelWindows.h"
#include "tests/support/BackOfficeSession.h"

#include <QPrinter>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrik {
namespace {

// The refund worksheet's print data as the worksheet builds it.
std::string WorksheetXml() {
    LibXmlDocument data;
    data.LoadXml("<TavrikAdjust/>");
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"REFUNDNO", "0000042"},
             {"REFUNDAMT", "$1,234.56"},
             {"CUSTNAME", "Zoë Ørsted Haulage"},
             {"PREPAREDBY", "Pat Quinn"},
             {"VERIFIEDBY", "Lee Wong"},
             {"APPROVEDBY", "Sam Brook"},
         })
        data.AppendTextElement(name, text);
    return data.Xml();
}

std::string PdfText(const std::filesystem::path& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(pdf.string()), "-"});
    pdftotext.waitForFinished();
    return pdftotext.readAllStandardOutput().toStdString();
}

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    if (std::filesystem::exists(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

std::string WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

// A session on the demo store, whose refund worksheet template the printers load.
struct PrinterFixture {
    BackOfficeSession clerk;
    std::filesystem::path pdfFolder = clerk.directory / "printed";
    std::string worksheetTemplate =
        clerk.session.CommonServices.GetTemplateFile(36, *CalendarDate::FromYmd(2026, 12, 7));
};

bool NoChooser(QPrinter&) {
    ADD_FAILURE() << "the print dialog was shown";
    return false;
}

TEST(XsltTemplatePrinter, pdf_copies_hold_the_worksheet_and_both_are_kept_when_printed_twice_without_dialog) {
    PrinterFixture fixture;
    XsltTemplatePrinter printer(fixture.pdfFolder, NoChooser);
    printer.LoadTemplate(fixture.worksheetTemplate);
    printer.MergeData(WorksheetXml());

    printer.PrintOut(1, false, true);
    printer.PrintOut(1, false, true);

    const std::vector<std::string> names = FileNames(fixture.pdfFolder);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_TRUE(names[0].starts_with("Refund Worksheet 0000042 20")) << names[0];
    const std::string text = PdfText(fixture.pdfFolder / names[0]);
    for (const char* value :
         {"0000042", "$1,234.56", "Zoë Ørsted Haulage", "Pat Quinn", "Lee Wong", "Sam Brook"})
        EXPECT_NE(text.find(value), std::string::npos) << value << " is not in:\n" << text;
    EXPECT_EQ(PdfText(fixture.pdfFolder / names[1]), text);
}

TEST(XsltTemplatePrinter, the_dialog_decides_what_is_printed_when_the_clerk_prints_or_cancels) {
    struct Case {
        std::string name;
        bool print;
        bool keepPdfCopy;
        int printedCopies; // of the worksheet in the file the clerk printed to
        std::size_t keptCopies;
    };
    const Case cases[] = {
        {"printed", true, false, 2, 0},
        {"printed with a copy kept", true, true, 2, 1},
        {"cancelled", false, false, 0, 0},
        {"cancelled with a copy kept", false, true, 0, 1},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        PrinterFixture fixture;
        const std::filesystem::path printedFile = fixture.clerk.directory / "clerk's choice.pdf";
        int copiesOffered = 0;
        XsltTemplatePrinter printer(fixture.pdfFolder, [&](QPrinter& chosen) {
            copiesOffered = chosen.copyCount();
            chosen.setOutputFileName(QString::fromStdString(printedFile.string()));
            return each.print;
        });
        printer.LoadTemplate(fixture.worksheetTemplate);
        printer.MergeData(WorksheetXml());

        printer.PrintOut(2, true, each.keepPdfCopy);

        EXPECT_EQ(copiesOffered, 2);
        EXPECT_EQ(Occurrences(std::filesystem::exists(printedFile) ? PdfText(printedFile) : "", "$1,234.56"),
                  each.printedCopies);
        EXPECT_EQ(FileNames(fixture.pdfFolder).size(), each.keptCopies);
    }
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(XsltTemplatePrinter, the_template_is_refused_naming_its_file_when_it_is_missing_or_no_stylesheet) {
    PrinterFixture fixture;
    struct Case {
        std::string name;
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"missing", (fixture.clerk.directory / "missing.xsl").string(), "is missing or is not a file"},
        {"a folder", fixture.clerk.directory.string(), "is missing or is not a file"},
        {"not XML", WriteFile(fixture.clerk.directory / "text.xsl", "Refund <b>"),
         "is not well-formed XML (line"},
        {"XML, no stylesheet", WriteFile(fixture.clerk.directory / "page.xsl", "<html><body/></html>"),
         "is not an XSLT stylesheet"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        XsltTemplatePrinter printer(fixture.pdfFolder, NoChooser);

        const std::string error = ErrorOf([&] { printer.LoadTemplate(each.path); });

        EXPECT_TRUE(error.starts_with("The print template file \"" + each.path + "\" " + each.reason))
            << error;
    }
}

TEST(XsltTemplatePrinter, merging_is_refused_when_the_stylesheet_reads_or_writes_a_file) {
    PrinterFixture fixture;
    const std::filesystem::path written = fixture.clerk.directory / "written.txt";
    struct Case {
        std::string name;
        std::string body;
    };
    const Case cases[] = {
        {"reads", "<xsl:value-of select=\"document('file:///etc/passwd')\"/>"},
        {"writes", "<xsl:document href=\"" + written.string() + "\">secret</xsl:document>"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        XsltTemplatePrinter printer(fixture.pdfFolder, NoChooser);
        printer.LoadTemplate(WriteFile(fixture.clerk.directory / "hostile.xsl",
                                       "<xsl:stylesheet version=\"1.1\" "
                                       "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
                                       "<xsl:template match=\"/\"><html><title>Hostile</title><body>" +
                                           each.body + "</body></html></xsl:template></xsl:stylesheet>"));

        EXPECT_THROW(printer.MergeData(WorksheetXml()), std::runtime_error);

        EXPECT_FALSE(std::filesystem::exists(written));
    }
}

TEST(XsltTemplatePrinter, print_out_is_refused_when_nothing_is_merged_or_nowhere_to_print) {
    PrinterFixture fixture;
    struct Case {
        std::string name;
        bool merge;
        bool close;
        bool keepPdfCopy;
    };
    const Case cases[] = {
        {"before the merge", false, false, true},
        {"after the template is closed", true, true, true},
        {"neither dialog nor copy", true, false, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        XsltTemplatePrinter printer(fixture.pdfFolder, NoChooser);
        printer.LoadTemplate(fixture.worksheetTemplate);
        if (each.merge)
            printer.MergeData(WorksheetXml());
        if (each.close)
            printer.CloseTemplate();

        EXPECT_THROW(printer.PrintOut(1, false, each.keepPdfCopy), std::runtime_error);

        EXPECT_TRUE(FileNames(fixture.pdfFolder).empty());
    }
}

} // namespace
} // namespace tavrik
