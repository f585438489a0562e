#include "library/LibXmlDocument.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tavrik {
namespace {

using Child = LibXmlDocument::Child;

std::string LongText() {
    std::string text;
    while (text.size() < 512)
        text += "12<&]]>x ";
    text.resize(512);
    return text;
}

TEST(LibXmlDocument, text_comes_back_exactly_when_it_holds_markup_quotes_or_non_ascii) {
    const std::vector<Child> children = {
        {"LESS", "a < b"},   {"AMPERSAND", "Smith & Sons &amp;"}, {"QUOTES", "\"double\" 'single'"},
        {"CDATAEND", "]]>"}, {"NONASCII", "Zoë Ørsted – 東京"},   {"LONG", LongText()},
    };
    LibXmlDocument written;
    written.LoadXml("<TavrikAdjust/>");
    for (const Child& child : children)
        written.AppendTextElement(child.name, child.text);

    LibXmlDocument read;
    read.LoadXml(written.Xml());

    EXPECT_EQ(read.Children(), children);
}

// Two of the names were faults: libxml2's name check took the bytes that are not UTF-8 and wrote a
// document that could not be read back, and it stopped reading a name at the NUL and wrote "REFUND".
TEST(LibXmlDocument, append_is_refused_and_the_document_unchanged_when_the_name_or_text_cannot_be_xml) {
    struct Case {
        std::string name;
        std::string elementName;
        std::string text;
    };
    const Case cases[] = {
        {"name starting with a digit", "1REFUNDNO", "0000042"},
        {"name with a blank", "REFUND NO", "0000042"},
        {"name that is not UTF-8",
         "caf\xD4V\xDF\x1D}S\xD2"
         "2\x01",
         "x"},
        {"name holding a NUL", std::string("REFUND\0NO", 9), "0000042"},
        {"invalid UTF-8", "CUSTNAME", "Zo\xC3"},
        {"control character", "CUSTNAME", "Zo\x01"},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        LibXmlDocument document;
        document.LoadXml("<TavrikAdjust><REFUNDNO>0000041</REFUNDNO></TavrikAdjust>");
        const std::string before = document.Xml();

        EXPECT_THROW(document.AppendTextElement(each.elementName, each.text), std::runtime_error);

        EXPECT_EQ(document.Xml(), before);
        LibXmlDocument read;
        EXPECT_NO_THROW(read.LoadXml(document.Xml()));
    }
}

TEST(LibXmlDocument, the_outside_entity_is_not_read_when_the_doctype_declares_one) {
    LibXmlDocument document;

    document.LoadXml(
        "<?xml version=\"1.0\"?>\n"
        "<!DOCTYPE TavrikAdjust [\n"
        "  <!ENTITY outside SYSTEM \"file:///etc/passwd\">\n"
        "  <!ENTITY inside \"expanded\">\n"
        "]>\n"
        "<TavrikAdjust><CUSTNAME>&outside;</CUSTNAME><CUSTADDR>&inside;</CUSTADDR></TavrikAdjust>");

    EXPECT_EQ(document.Children(), (std::vector<Child>{{"CUSTNAME", ""}, {"CUSTADDR", "expanded"}}));
}

TEST(LibXmlDocument, load_is_refused_and_the_previous_document_kept_when_the_text_is_malformed) {
    const std::string texts[] = {"", "plain text", "<TavrikAdjust>", "<A></B>", "<A/><B/>"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        LibXmlDocument document;
        document.LoadXml("<TavrikAdjust><REFUNDNO>0000041</REFUNDNO></TavrikAdjust>");

        EXPECT_THROW(document.LoadXml(text), std::runtime_error);

        EXPECT_EQ(document.Children(), (std::vector<Child>{{"REFUNDNO", "0000041"}}));
    }
}

} // namespace
} // namespace tavrik
