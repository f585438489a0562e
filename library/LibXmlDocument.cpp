#include "library/LibXmlDocument.h"

#include "common/Utf8.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <stdexcept>
#include <string>

namespace tavrik {
namespace {

const xmlChar* AsXmlText(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

// XML 1.0 carries no control character but tab, line feed and carriage return, and no U+FFFE/U+FFFF.
bool HoldsOnlyXmlCharacters(std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        const char32_t character = Utf8::Decode(text, offset);
        const bool control = character < 0x20 && character != '\t' && character != '\n' && character != '\r';
        if (control || character == 0xFFFE || character == 0xFFFF)
            return false;
    }
    return true;
}

// libxml2 ends its messages with a line feed.
std::string TrimmedMessage(const char* message) {
    std::string text(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string FromXmlText(const xmlChar* text) {
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

} // namespace

void LibXmlDocument::FreeDocument::operator()(_xmlDoc* document) const {
    xmlFreeDoc(document);
}

LibXmlDocument::LibXmlDocument() = default;
LibXmlDocument::~LibXmlDocument() = default;

LibXmlDocument::DocumentPointer LibXmlDocument::ParseSafely(const std::string& text, std::string& problem) {
    // No XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_DTDVALID: entities stay unexpanded and no
    // DTD is read; XML_PARSE_NONET keeps the parser off the network whatever the text asks.
    constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlResetLastError();
    DocumentPointer parsed(
        xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8", kOptions));
    if (parsed && xmlDocGetRootElement(parsed.get()) != nullptr)
        return parsed;
    const xmlError* error = xmlGetLastError();
    problem = error == nullptr || error->message == nullptr
                  ? "it has no root element"
                  : "line " + std::to_string(error->line) + ": " + TrimmedMessage(error->message);
    return nullptr;
}

void LibXmlDocument::LoadXml(const std::string& text) {
    std::string problem;
    DocumentPointer parsed = ParseSafely(text, problem);
    if (!parsed)
        throw std::runtime_error("The print data is not well-formed XML (" + problem + ").");
    document_ = std::move(parsed);
}

void LibXmlDocument::AppendTextElement(const std::string& name, const std::string& text) {
    xmlNodePtr root = document_ ? xmlDocGetRootElement(document_.get()) : nullptr;
    if (root == nullptr)
        throw std::runtime_error("The print data has no root element to add \"" + name + "\" to.");
    // libxml2 reads a name as UTF-8 without checking it is, letting through bytes that then write a
    // document no parser reads back; and it stops at a NUL, so the element would lose the rest.
    if (!Utf8::IsValid(name) || name.find('\0') != std::string::npos ||
        xmlValidateNCName(AsXmlText(name), 0) != 0)
        throw std::runtime_error("\"" + name + "\" is not an XML element name.");
    if (!Utf8::IsValid(text))
        throw std::runtime_error("The text for \"" + name + "\" is not UTF-8.");
    if (!HoldsOnlyXmlCharacters(text))
        throw std::runtime_error("The text for \"" + name + "\" holds a control character XML cannot carry.");
    xmlNodePtr child = xmlNewChild(root, nullptr, AsXmlText(name), nullptr);
    // A text node is escaped when written: "<", "&" and "]]>" reach the reader as they were given.
    xmlAddChild(child, xmlNewText(AsXmlText(text)));
}

std::string LibXmlDocument::Xml() const {
    if (!document_)
        return std::string();
    xmlChar* written = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(document_.get(), &written, &size, "UTF-8");
    std::string xml(reinterpret_cast<const char*>(written), static_cast<std::size_t>(size));
    xmlFree(written);
    return xml;
}

std::vector<LibXmlDocument::Child> LibXmlDocument::Children() const {
    std::vector<Child> children;
    xmlNodePtr root = document_ ? xmlDocGetRootElement(document_.get()) : nullptr;
    for (xmlNodePtr node = root ? root->children : nullptr; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        xmlChar* content = xmlNodeGetContent(node);
        children.push_back({FromXmlText(node->name), FromXmlText(content)});
        xmlFree(content);
    }
    return children;
}

} // namespace tavrik
