// The refund worksheet's print XML: any bytes are either refused with a clear error or loaded, and
// text written into an element reads back exactly as it was written.
#include "fuzz/Require.h"
#include "library/LibXmlDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

using namespace tavrik;

namespace {

void Load(const std::string& text) {
    LibXmlDocument document;
    try {
        document.LoadXml(text);
    } catch (const std::runtime_error&) {
        return;
    }
    const std::string written = document.Xml();
    LibXmlDocument again;
    again.LoadXml(written);
    Require(again.Xml() == written, "a loaded document writes the same text once read again");
}

void AppendAndReadBack(const std::string& name, const std::string& text) {
    LibXmlDocument document;
    document.LoadXml("<WORKSHEET><RFND_NBR>0000101</RFND_NBR></WORKSHEET>");
    try {
        document.AppendTextElement(name, text);
    } catch (const std::runtime_error&) {
        return;
    }
    LibXmlDocument again;
    again.LoadXml(document.Xml());
    const std::vector<LibXmlDocument::Child> children = again.Children();
    Require(children.size() == 2, "the appended element is the root's second child");
    Require(children.back().name == name, "the appended element keeps its name");
    Require(children.back().text == text, "the appended text reads back exactly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        Load(input.ConsumeRemainingBytesAsString());
    } else {
        const std::string name = input.ConsumeBool() ? "KDV_CMMT_TXT" : input.ConsumeRandomLengthString(16);
        AppendAndReadBack(name, input.ConsumeRemainingBytesAsString());
    }
    return 0;
}
