// An XML document as the platform gives one: text loaded as a whole, elements holding text appended
// under the root, the document written back as UTF-8 text. Loading never reads a DTD or resolves an
// external entity, and text is escaped by the document, never by the caller.
#pragma once

#include <string>

namespace tavrik {

class XmlDocument {
public:
    virtual ~XmlDocument() = default;

    // Replaces the document with the parsed text; throws std::runtime_error, leaving the document as
    // it was, when the text is not well-formed XML.
    virtual void LoadXml(const std::string& text) = 0;
    // Appends to the root element a child of that name holding the text only. Throws
    // std::runtime_error when there is no root, the name is not an XML name or the text is not UTF-8.
    virtual void AppendTextElement(const std::string& name, const std::string& text) = 0;
    // The document as UTF-8 XML text.
    virtual std::string Xml() const = 0;
};

} // namespace tavrik
