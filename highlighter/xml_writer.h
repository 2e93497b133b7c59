// Writing a document in the layout of scheme files: one element per line,
// lines separated by CR LF, one tab of indentation per level. Bytes are
// written as they are held, CR and LF in attribute values included; only the
// bytes of the escape tables are replaced.
//
// An element with a text or CDATA child is written on one line with its
// children inline, so that no indentation ever enters its text.
#pragma once

#include <string_view>
#include <vector>

#include "highlighter/xml_document.h"

class TStream;

struct TXmlEscape {
    char Char;
    AnsiString Entity;
};

struct TXmlWriteOptions {
    // <?xml version="1.0" encoding="windows-1251"?> on the first line.
    bool Declaration = true;
    // "<Name/>" for an element without children, else "<Name></Name>".
    bool ShortEmptyElements = true;
    // A CR LF after the root's end tag.
    bool FinalLineBreak = false;
    // What replaces each listed byte; every other byte is written as is.
    // Both tables must cover '&' and '<' for the output to read back.
    std::vector<TXmlEscape> AttributeEscapes{{'"', "&quot;"}, {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}};
    std::vector<TXmlEscape> TextEscapes{{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}};
};

// Raises EXmlError for a comment holding "--" or ending in "-", and for a
// processing instruction holding "?>": no text could carry them.
AnsiString WriteXmlDocument(const TXmlDocument& Document, const TXmlWriteOptions& Options = {});
void WriteXmlDocument(const TXmlDocument& Document, TStream* Stream, const TXmlWriteOptions& Options = {});
