// The XML document of the platform, on libxml2: parsed without network access, DTD loading, entity
// substitution or validation, so that a document's text can never pull anything in from outside.
#pragma once

#include "common/XmlDocument.h"

#include <memory>
#include <string>
#include <vector>

struct _xmlDoc;

namespace tavrik {

class LibXmlDocument : public XmlDocument {
public:
    LibXmlDocument();
    ~LibXmlDocument() override;
    LibXmlDocument(const LibXmlDocument&) = delete;
    LibXmlDocument& operator=(const LibXmlDocument&) = delete;

    void LoadXml(const std::string& text) override;
    void AppendTextElement(const std::string& name, const std::string& text) override;
    std::string Xml() const override;

    // The text of each child element of the root, in order, with its name: how a printer or a test
    // reads a document back.
    struct Child {
        std::string name;
        std::string text;
        bool operator==(const Child&) const = default;
    };
    std::vector<Child> Children() const;

    struct FreeDocument {
        void operator()(_xmlDoc* document) const;
    };
    using DocumentPointer = std::unique_ptr<_xmlDoc, FreeDocument>;
    // Parses text as every XML the platform reads is parsed, the print templates too. Null when the
    // text is not well-formed XML with a root element; the parser's complaint, with its line, is then
    // in problem.
    static DocumentPointer ParseSafely(const std::string& text, std::string& problem);

private:
    DocumentPointer document_;
};

} // namespace tavrik
