// The TeX format: the preamble with the special-character and attribute
// macros, and each token wrapped in its attribute's macro.
#include "editor_services/export/syn_exporter_tex.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

#include "platform/base/sys_utils.h"

namespace {

// Macros of the definitions block; an attribute must not redefine them.
const char* const kReservedCommands[] = {"SPC", "TAB", "BS", "TLD", "CIR", "HYP", "QOT", "uln"};

// 1 A, 26 Z, 27 AA: a suffix made of letters, as command names take no
// digits.
AnsiString LetterNumber(int Number)
{
    AnsiString letters;
    for (; Number > 0; Number = (Number - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (Number - 1) % 26));
    return letters;
}

AnsiString TexColorText(TColor Value)
{
    const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(Value));
    return TeXNumber(GetRValue(rgb) / 255.0, 2) + "," + TeXNumber(GetGValue(rgb) / 255.0, 2) + "," +
           TeXNumber(GetBValue(rgb) / 255.0, 2);
}

}  // namespace

AnsiString TeXCommandLetters(const AnsiString& UniqueName)
{
    AnsiString name;
    for (const char c : UniqueName) {
        if (c >= '1' && c <= '9')
            name += static_cast<char>('A' + (c - '1'));
        else if (c == '0')
            name += 'Z';
        else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            name += c;
    }
    return name;
}

AnsiString TeXNumber(double Value, int Precision)
{
    char text[64];
    auto [end, error] = std::to_chars(text, text + sizeof text, Value, std::chars_format::general, Precision);
    AnsiString number(text, end);
    if (error != std::errc() || number.find('e') != AnsiString::npos) {
        end = std::to_chars(text, text + sizeof text, std::round(Value), std::chars_format::fixed, 0).ptr;
        number.assign(text, end);
    }
    return number;
}

TSynExporterTeX::TSynExporterTeX(TComponent* AOwner) : TSynCustomExporter(AOwner)
{
    DefaultFilter = "TeX Files (*.tex)|*.tex";
    ReplaceTable['{'] = "\\{";
    ReplaceTable['}'] = "\\}";
    ReplaceTable['\\'] = "\\BS ";
    ReplaceTable['~'] = "\\TLD ";
    ReplaceTable['^'] = "\\CIR ";
    ReplaceTable[' '] = "\\SPC ";
    ReplaceTable['\t'] = "\\TAB ";
    ReplaceTable['-'] = "\\HYP ";
    ReplaceTable['"'] = "\\QOT ";
    ReplaceTable['@'] = "$@$";
    ReplaceTable['$'] = "\\$";
    ReplaceTable['&'] = "\\&";
    ReplaceTable['<'] = "$<$";
    ReplaceTable['>'] = "$>$";
    ReplaceTable['_'] = "\\_";
    ReplaceTable['#'] = "\\#";
    ReplaceTable['%'] = "\\%";
}

void TSynExporterTeX::BeginExport()
{
    commands_.clear();
    std::unordered_set<AnsiString> taken(std::begin(kReservedCommands), std::end(kReservedCommands));
    EnumExportAttributes(false, false, [&](TSynHighlighterAttributes* Attribute, const AnsiString& UniqueName) {
        if (commands_.count(Attribute))
            return;
        AnsiString name = TeXCommandLetters(UniqueName);
        if (name.empty())
            name = "Attr";
        // Names that lost their differences to the letters-only rule (or
        // were all Chinese or punctuation) are told apart by a suffix.
        AnsiString unique = name;
        for (int n = 1; taken.count(unique); ++n)
            unique = name + LetterNumber(n);
        taken.insert(unique);
        commands_.emplace(Attribute, unique);
    });
}

const AnsiString& TSynExporterTeX::CommandOf(TSynHighlighterAttributes* Attribute) const
{
    static const AnsiString none;
    const auto found = commands_.find(Attribute);
    return found != commands_.end() ? found->second : none;
}

void TSynExporterTeX::AddToken(const AnsiString& Token)
{
    AddData("\\" + CommandOf(currentAttribute_) + "{" + Token + "}");
}

AnsiString TSynExporterTeX::Definitions()
{
    AnsiString definitions =
        "% Special Characters\r\n"
        "\\newcommand\\SPC{\\hspace*{0.6em}}\r\n"
        "\\newcommand\\TAB{\\hspace*{" +
        TeXNumber(TabWidth * 0.6, 1) +
        "em}}\r\n"
        "\\newcommand\\BS{\\mbox{\\char 92}}\r\n"
        "\\newcommand\\TLD{\\mbox{\\char 126}}\r\n"
        "\\newcommand\\CIR{\\mbox{\\char 94}}\r\n"
        "\\newcommand\\HYP{\\mbox{\\char 45}}\r\n"
        "\\newcommand\\QOT{\\mbox{\\char 34}}\r\n"
        "\\newcommand{\\uln}[1]{\\bgroup \\markoverwith{\\hbox{\\_}}\\ULon{{#1}}}\r\n"
        "% Highlighter Attributes\r\n";
    EnumExportAttributes(true, true, [&](TSynHighlighterAttributes* Attribute, const AnsiString&) {
        AnsiString opening, closing;
        auto wrap = [&](const AnsiString& Open) {
            opening += Open;
            closing += "}";
        };
        const TFontStyles style = Attribute->Style();
        if (style.Contains(fsBold))
            wrap("\\textbf{");
        if (style.Contains(fsItalic))
            wrap("\\textit{");
        if (style.Contains(fsUnderline))
            wrap("\\uln{");
        if (Attribute->Foreground() != clBlack && Attribute->Foreground() != clNone)
            wrap("\\textcolor[rgb]{" + TexColorText(Attribute->Foreground()) + "}{");
        if (UseBackground() && Attribute->Background() != clNone)
            wrap("\\colorbox[rgb]{" + TexColorText(Attribute->Background()) + "}{");
        definitions += "\\newcommand{\\" + CommandOf(Attribute) + "}[1]{" + opening + "#1" + closing + "}\r\n";
    });
    return definitions;
}

AnsiString TSynExporterTeX::GetHeader()
{
    AnsiString header;
    if (!CreateTeXFragment) {
        header = "\\documentclass[a4paper, " + IntToStr(Font()->Size()) +
                 "pt]{article}\r\n"
                 "\\usepackage[a4paper, margin=" +
                 IntToStr(Margin) +
                 "cm]{geometry}\r\n"
                 "\\usepackage[T1]{fontenc}\r\n"
                 "\\usepackage{color}\r\n"
                 "\\usepackage{alltt}\r\n"
                 "\\usepackage{times}\r\n"
                 "\\usepackage{ulem}\r\n"
                 "\\usepackage[ansinew]{inputenc}\r\n" +
                 Definitions() + "\r\n\\title{" + ReplaceReservedChars(Title()) +
                 "}\r\n"
                 "% Generated by SynText TeX exporter\r\n"
                 "\r\n"
                 "\\begin{document}" +
                 (PageStyleEmpty ? "\r\n\\pagestyle{empty}" : "") + "\r\n\r\n";
    }
    return header + "\\begin{ttfamily}\r\n\\noindent\r\n";
}

AnsiString TSynExporterTeX::GetFooter()
{
    return CreateTeXFragment ? "\r\n\\end{ttfamily}" : "\r\n\\end{ttfamily}\r\n\\end{document}";
}
