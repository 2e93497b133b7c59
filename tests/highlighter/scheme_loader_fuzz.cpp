#include "tests/highlighter/scheme_loader_fuzz.h"

#include "highlighter/syn_lex_syn.h"
#include "highlighter/syn_scheme_format_auto.h"
#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"

namespace {

// Lines that reach most parsers of a C-like or text scheme: words, numbers,
// quotes, comments, a directive, GBK characters whose trail bytes are
// symbols, and a lone lead byte at the end.
constexpr const char* kLines[] = {
    "",
    "int main(void) { return 0x1F + 42; } // end",
    "/* open",
    "still open */ \"str\\\"ing\" 'c' #define X 1",
    "  #if \xD5\x66\xE9\x54 \xDF\x40\x81\x5C \xD6\xD0 \x80\x98\xFF\t<tag attr=\"v\">&amp;",
    "\xD5",
};

void Tokenize(TSynLexSyn& Syn, const AnsiString& Line, int LineNumber)
{
    Syn.SetLine(Line, LineNumber);
    // Every token consumes input except the one empty token of a line.
    size_t tokens = 0;
    while (!Syn.GetEol()) {
        if (++tokens > Line.size() + 1)
            throw EAssertionFailed("Tokenizing a line did not end");
        Syn.GetToken();
        Syn.GetTokenAttribute();
        Syn.Next();
    }
}

void TokenizeLines(TSynLexSyn& Syn)
{
    TStringList sample;
    sample.SetText(Syn.GetSampleSource());
    Syn.ResetRange();
    int number = 0;
    for (int i = 0; i < sample.Count(); ++i)
        Tokenize(Syn, sample.Strings(i), number++);
    for (const char* line : kLines)
        Tokenize(Syn, line, number++);
}

}  // namespace

int FuzzSchemeLoader(const uint8_t* Data, size_t Size)
{
    TSynLexSyn syn(nullptr);
    TStringStream stream{AnsiString(reinterpret_cast<const char*>(Data), Size)};
    bool loaded = true;
    try {
        syn.LoadFromStream(&stream);
    } catch (const Exception&) {
        loaded = false;
    }
    TokenizeLines(syn);
    if (!loaded)
        return 0;

    TStringStream saved;
    TSynLexFormatNativeXmlAuto::Instance().ExportToStream(&syn, &saved);
    TSynLexSyn again(nullptr);
    try {
        again.LoadFromStream(&saved);
    } catch (const Exception& e) {
        throw EAssertionFailed("A saved scheme did not load again: " + e.Message());
    }
    TokenizeLines(again);
    return 1;
}
