#include "tests/highlighter/xml_document_fuzz.h"

#include <string_view>

#include "highlighter/xml_reader.h"
#include "highlighter/xml_writer.h"
#include "platform/base/exceptions.h"

int FuzzXmlDocument(const uint8_t* Data, size_t Size)
{
    AnsiString first;
    try {
        first = WriteXmlDocument(ReadXmlDocument(std::string_view(reinterpret_cast<const char*>(Data), Size)));
    } catch (const EXmlError&) {
        return 0;
    }
    if (WriteXmlDocument(ReadXmlDocument(first)) != first)
        throw EAssertionFailed("Writing a document read back from its own output changed it");
    return 1;
}
