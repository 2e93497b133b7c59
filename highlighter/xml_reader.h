// Reading a document from bytes. The parser sees every byte as a character
// of its own, so GBK text passes through untouched whatever encoding the
// declaration names, and control bytes a set's text may hold are accepted.
// CR, LF and tab inside attribute values and CR inside texts come back as
// they were written; text nodes of white space only are dropped.
#pragma once

#include <string_view>

#include "highlighter/xml_document.h"

class TStream;

// Raises EXmlError with the parser's reason and position for text that is
// not a well-formed document (empty, truncated, not XML at all), and for a
// document type declaration, which scheme files never hold.
TXmlDocument ReadXmlDocument(std::string_view Bytes);
// The same for the bytes from the stream's position to its end.
TXmlDocument ReadXmlDocument(TStream* Stream);
