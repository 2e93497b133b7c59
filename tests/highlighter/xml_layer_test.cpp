#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "highlighter/xml_reader.h"
#include "highlighter/xml_writer.h"
#include "platform/base/streams.h"
#include "tests/highlighter/xml_document_fuzz.h"
#include "tests/support/test_data.h"

namespace {

int Fuzz(const AnsiString& Bytes)
{
    return FuzzXmlDocument(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size());
}

AnsiString AllBytes(int From)
{
    AnsiString bytes;
    for (int b = From; b <= 255; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

// The small tree of the golden layouts: nested elements, empty elements,
// attribute values with GBK and a line break, text needing escapes, an
// element with mixed content and a comment.
TXmlDocument SampleDocument()
{
    TXmlDocument document("SynLexHighlighter");
    TXmlNode& root = document.Root();
    root.SetAttribute("Version", "2.0");
    TXmlNode& info = root.AppendElement("Info");
    TXmlNode& general = info.AppendElement("General");
    general.SetAttribute("Name", "說門");
    general.SetAttribute("Sample", "a\r\nb");
    info.AppendElement("Author");
    root.AppendElement("Words").AppendText("if \"x\" < y & z > 0");
    TXmlNode& history = root.AppendElement("History");
    history.AppendText("\r\n");
    history.AppendElement("H").AppendText("line");
    root.AppendComment(" c ");
    return document;
}

AnsiString ReadFile(const std::filesystem::path& Path)
{
    std::ifstream in(Path, std::ios::binary);
    return AnsiString(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(XmlLayer, EveryByteRoundTripsInEveryLayout)
{
    const AnsiString bytes = AllBytes(0);
    TXmlDocument document("門");
    TXmlNode& item = document.Root().AppendElement("Item");
    item.SetAttribute("說", bytes);
    item.SetAttribute("Space", " ");
    item.AppendText(bytes);
    document.Root().AppendElement("Data").AppendCData(bytes + "]]>" + bytes);
    document.Root().AppendComment(AllBytes(1));
    document.Root().AppendProcessingInstruction("pi", AllBytes(1));

    for (int layout = 0; layout < 8; ++layout) {
        TXmlWriteOptions options;
        options.Declaration = layout & 1;
        options.ShortEmptyElements = layout & 2;
        options.FinalLineBreak = layout & 4;
        TXmlDocument read = ReadXmlDocument(WriteXmlDocument(document, options));
        const TXmlNode& root = read.Root();
        EXPECT_EQ(root.Name(), "門");
        ASSERT_EQ(root.Children().size(), 4u);
        EXPECT_EQ(root.Child("Item").Attribute("說"), bytes);
        EXPECT_EQ(root.Child("Item").Attribute("Space"), " ");
        EXPECT_EQ(root.Child("Item").Text(), bytes);
        EXPECT_EQ(root.Child("Data").Text(), bytes + "]]>" + bytes);
        EXPECT_EQ(root.Children()[2]->Kind(), TXmlNodeKind::Comment);
        EXPECT_EQ(root.Children()[2]->Text(), AllBytes(1));
        EXPECT_EQ(root.Children()[3]->Kind(), TXmlNodeKind::ProcessingInstruction);
        EXPECT_EQ(root.Children()[3]->Name(), "pi");
        EXPECT_EQ(root.Children()[3]->Text(), AllBytes(1));
    }
}

TEST(XmlLayer, ReadsBytesAsTheyStandWhateverTheDeclaration)
{
    // 0x98 has no mapping in windows-1251: a transcoding reader would lose it.
    TXmlDocument document = ReadXmlDocument("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
                                            "<a v=\"\x80\x98\xFF\" w=\"x\r\ny\tz\rq\n\">\x98\xD5\x66\r\n</a>");
    EXPECT_EQ(document.Root().Attribute("v"), "\x80\x98\xFF");
    EXPECT_EQ(document.Root().Attribute("w"), "x\r\ny\tz\rq\n");
    EXPECT_EQ(document.Root().Text(), "\x98\xD5\x66\r\n");

    document = ReadXmlDocument("<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xD6\xD0</a>");
    EXPECT_EQ(document.Root().Text(), "\xD6\xD0");

    // White space between elements and in leaf elements is layout, not text;
    // CDATA and text with anything else in it stay whole.
    document = ReadXmlDocument("<a>\r\n\t<S> </S>\r\n\t<T>\r\n</T><U> x\r\n</U><V><![CDATA[ ]]></V>\r\n</a>");
    ASSERT_EQ(document.Root().Children().size(), 4u);
    EXPECT_TRUE(document.Root().Child("S").Children().empty());
    EXPECT_TRUE(document.Root().Child("T").Children().empty());
    EXPECT_EQ(document.Root().Child("U").Text(), " x\r\n");
    EXPECT_EQ(document.Root().Child("V").Text(), " ");

    // CDATA sections parted by white space alone are one section, as they
    // would be read once written side by side.
    document = ReadXmlDocument("<a><![CDATA[x]]>\r\n <![CDATA[]]><![CDATA[y]]><b/><![CDATA[z]]></a>");
    ASSERT_EQ(document.Root().Children().size(), 3u);
    EXPECT_EQ(document.Root().Children()[0]->Kind(), TXmlNodeKind::CData);
    EXPECT_EQ(document.Root().Children()[0]->Text(), "xy");
    EXPECT_EQ(document.Root().Children()[2]->Text(), "z");

    // References give their characters in the code page; predefined
    // entities their characters.
    document = ReadXmlDocument("\xEF\xBB\xBF<a v=\"&#20013;&#10;&quot;\">&lt;&#x4E2D;&amp;</a>");
    EXPECT_EQ(document.Root().Attribute("v"), "中\n\"");
    EXPECT_EQ(document.Root().Text(), "<中&");

    TStringStream stream("skip<b n=\"1\"/>");
    stream.SetPosition(4);
    EXPECT_EQ(ReadXmlDocument(&stream).Root().Name(), "b");
}

TEST(XmlLayer, WritesTheGoldenLayouts)
{
    const TXmlDocument document = SampleDocument();
    EXPECT_EQ(WriteXmlDocument(document),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n"
              "<SynLexHighlighter Version=\"2.0\">\r\n"
              "\t<Info>\r\n"
              "\t\t<General Name=\"說門\" Sample=\"a\r\nb\"/>\r\n"
              "\t\t<Author/>\r\n"
              "\t</Info>\r\n"
              "\t<Words>if \"x\" &lt; y &amp; z &gt; 0</Words>\r\n"
              "\t<History>\r\n<H>line</H></History>\r\n"
              "\t<!-- c -->\r\n"
              "</SynLexHighlighter>");

    TXmlWriteOptions oldest;
    oldest.Declaration = false;
    oldest.ShortEmptyElements = false;
    oldest.FinalLineBreak = true;
    oldest.AttributeEscapes[0].Entity = "&qt;";
    oldest.TextEscapes.push_back({'"', "&qt;"});
    EXPECT_EQ(WriteXmlDocument(document, oldest),
              "<SynLexHighlighter Version=\"2.0\">\r\n"
              "\t<Info>\r\n"
              "\t\t<General Name=\"說門\" Sample=\"a\r\nb\"></General>\r\n"
              "\t\t<Author></Author>\r\n"
              "\t</Info>\r\n"
              "\t<Words>if &qt;x&qt; &lt; y &amp; z &gt; 0</Words>\r\n"
              "\t<History>\r\n<H>line</H></History>\r\n"
              "\t<!-- c -->\r\n"
              "</SynLexHighlighter>\r\n");

    TXmlWriteOptions noDeclaration;
    noDeclaration.Declaration = false;
    noDeclaration.FinalLineBreak = true;
    TStringStream stream;
    WriteXmlDocument(document, &stream, noDeclaration);
    EXPECT_EQ(stream.DataString().substr(0, 35), "<SynLexHighlighter Version=\"2.0\">\r\n");
    EXPECT_EQ(stream.DataString().substr(stream.DataString().size() - 22), "</SynLexHighlighter>\r\n");

    // A comment or instruction that no text can carry is refused, not
    // written as something else.
    TXmlDocument bad("a");
    bad.Root().AppendComment("x--y");
    EXPECT_THROW(WriteXmlDocument(bad), EXmlError);
    TXmlDocument badInstruction("a");
    badInstruction.Root().AppendProcessingInstruction("p", "?>");
    EXPECT_THROW(WriteXmlDocument(badInstruction), EXmlError);
}

TEST(XmlLayer, LooksUpChildrenAndAttributes)
{
    TXmlDocument document = ReadXmlDocument(
        "<r i=\"$10\" b=\"TRUE\" n=\"x\" z=\"\"><k n=\"1\"/><!-- c --><k n=\"2\"/><m/></r>");
    TXmlNode& root = document.Root();
    EXPECT_EQ(root.AttributeAsInteger("i", 0), 16);
    EXPECT_EQ(root.AttributeAsInteger("n", 7), 7);
    EXPECT_EQ(root.AttributeAsInteger("missing", 7), 7);
    EXPECT_TRUE(root.AttributeAsBoolean("b", false));
    EXPECT_TRUE(root.AttributeAsBoolean("n", true));
    EXPECT_EQ(root.StrictAttributeAsInteger("missing", 5), 5);
    EXPECT_THROW(root.StrictAttributeAsInteger("n", 5), EConvertError);
    EXPECT_THROW(root.StrictAttributeAsBoolean("z", false), EConvertError);
    EXPECT_EQ(root.Attribute("z", "default"), "");
    EXPECT_EQ(root.Attribute("missing", "default"), "default");

    EXPECT_EQ(root.Child("k").Attribute("n"), "1");
    ASSERT_EQ(root.ChildElements().size(), 3u);
    EXPECT_EQ(root.ChildElements()[1]->Attribute("n"), "2");
    const TXmlNode& missing = root.Child("absent").Child("deeper");
    EXPECT_TRUE(missing.Attributes().empty() && missing.Children().empty());
    EXPECT_EQ(root.FindChild("absent"), nullptr);

    root.SetAttribute("n", "changed");
    root.SetAttribute("added", "1");
    ASSERT_EQ(root.Attributes().size(), 5u);
    EXPECT_EQ(root.Attributes()[2].Name, "n");
    EXPECT_EQ(root.Attributes()[2].Value, "changed");
    EXPECT_EQ(root.Attributes()[4].Name, "added");
}

TEST(XmlLayer, BrokenInputRaisesAndNeverCrashes)
{
    try {
        ReadXmlDocument("");
        FAIL() << "an empty text was read";
    } catch (const EXmlError& e) {
        EXPECT_EQ(e.Message(), "XML error at line 1, column 1: Document is empty");
    }
    try {
        ReadXmlDocument("<a>\r\n<b>");
        FAIL() << "a truncated text was read";
    } catch (const EXmlError& e) {
        EXPECT_EQ(e.Message().rfind("XML error at line 2", 0), 0u) << e.Message();
    }
    EXPECT_THROW(ReadXmlDocument("plain text"), EXmlError);

    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/xml_corpus"))) {
        AnsiString bytes = ReadFile(entry.path());
        EXPECT_THROW(ReadXmlDocument(bytes), EXmlError) << entry.path();
        EXPECT_FALSE(Fuzz(bytes)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 20);
    // Inputs that once broke the reader or the writer, kept for good.
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/xml_regressions")))
        EXPECT_NO_THROW(Fuzz(ReadFile(entry.path()))) << entry.path();

    // Every cut of a document is truncated; every byte changed in turn
    // gives a document or an EXmlError, and what is read writes stably.
    const AnsiString whole = WriteXmlDocument(SampleDocument());
    EXPECT_TRUE(Fuzz(whole));
    for (size_t length = 0; length < whole.size(); ++length)
        EXPECT_FALSE(Fuzz(whole.substr(0, length))) << length;
    for (size_t i = 0; i < whole.size(); ++i)
        for (char c : {'\0', '<', '>', '"', '&', '\r', '-', '\x98'}) {
            AnsiString changed = whole;
            changed[i] = c;
            EXPECT_NO_THROW(Fuzz(changed)) << i << " " << int(c);
        }
}
