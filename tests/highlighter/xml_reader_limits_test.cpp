// The XML reader's size and depth limits: they stay, and a file that runs
// into one is refused with a reason a user of schemes can act on, not the
// parser's own words.
#include <gtest/gtest.h>

#include <string>

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_xml20.h"
#include "highlighter/xml_reader.h"
#include "platform/base/streams.h"

namespace {

constexpr size_t kTextLimit = 10000000;

std::string RefusalOf(const std::string& Bytes)
{
    try {
        ReadXmlDocument(Bytes);
    } catch (const EXmlError& e) {
        return e.Message();
    }
    return "read";
}

// Ranges, each with its sub-rules, nested Depth deep in a scheme.
std::string NestedRanges(int Depth)
{
    std::string open, close;
    for (int i = 0; i < Depth; ++i) {
        open += "<Range Name=\"r" + std::to_string(i) + "\"><SubRules>";
        close = "</SubRules></Range>" + close;
    }
    return "<SynLexHighlighter Version=\"2.0\"><SyntaxColoring><MainRules Name=\"Text\"><SubRules>" + open + close +
           "</SubRules></MainRules></SyntaxColoring></SynLexHighlighter>";
}

TEST(XmlReaderLimits, LimitsAreToldInTheFilesTerms)
{
    const std::string words(kTextLimit + 1, 'w');
    EXPECT_EQ(RefusalOf("<a>\n<KeyList Name=\"k\" Words=\"" + words + "\"/></a>"),
              "A value of <KeyList> at line 2 is longer than 10000000 bytes (bytes from 0x80 count twice); a keyword "
              "list is one such value");
    // Each byte from 0x80 takes two bytes in the parser, so a keyword list of
    // Chinese words reaches the limit with fewer bytes.
    std::string chinese;
    for (size_t i = 0; i < kTextLimit / 3 + 1; ++i)
        chinese += "說";
    EXPECT_EQ(RefusalOf("<a><KeyList Words=\"" + chinese + "\"/></a>"),
              "A text or value at line 1 is longer than 10000000 bytes (bytes from 0x80 count twice)");
    EXPECT_EQ(RefusalOf("<a>" + words + "</a>"),
              "A text or value at line 1 is longer than 10000000 bytes (bytes from 0x80 count twice)");
    EXPECT_EQ(RefusalOf("<a><!--" + words + "--></a>"),
              "A comment, CDATA section or processing instruction at line 1 is longer than 10000000 bytes (bytes "
              "from 0x80 count twice)");
    EXPECT_EQ(RefusalOf("<a><![CDATA[" + words + "]]></a>"),
              "A comment, CDATA section or processing instruction at line 1 is longer than 10000000 bytes (bytes "
              "from 0x80 count twice)");
    EXPECT_EQ(RefusalOf("<a " + std::string(50001, 'n') + "=\"1\"/>"), "A name at line 1 is longer than 50000 bytes (bytes from 0x80 count twice)");

    // Inside the limits the document reads.
    EXPECT_EQ(RefusalOf("<a><KeyList Words=\"" + std::string(kTextLimit - 1000000, 'w') + "\"/></a>"), "read");
    EXPECT_EQ(RefusalOf(NestedRanges(126)), "read");
    EXPECT_EQ(RefusalOf(NestedRanges(127)), "Elements are nested more than 256 deep at line 1; each range within "
                                            "another range of a scheme takes two levels");

    // A file that is simply broken still gets the parser's reason.
    EXPECT_EQ(RefusalOf("<a><b></a>").rfind("XML error at line 1", 0), 0u);
}

TEST(XmlReaderLimits, ASchemeWithAHugeKeywordListIsRefusedWithTheReason)
{
    TSynLexSyn syn(nullptr);
    TStringStream stream("<SynLexHighlighter Version=\"2.0\"><SyntaxColoring><MainRules Name=\"Text\"><SubRules>"
                         "<KeyList Name=\"Keyword\" Words=\"" +
                         std::string(kTextLimit + 1, 'w') +
                         "\"/></SubRules></MainRules></SyntaxColoring></SynLexHighlighter>");
    try {
        TSynLexFormatNativeXml20::Instance().ImportFromStream(&syn, &stream);
        ADD_FAILURE() << "the scheme was read";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message().rfind("A value of <KeyList> at line 1 is longer than 10000000 bytes", 0), 0u)
            << e.Message();
    }
}

}  // namespace
