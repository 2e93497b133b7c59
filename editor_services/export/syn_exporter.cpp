// The exporters' shared walk: clamping the range, tokenizing each line,
// the attribute-run protocol, escaping and the document buffer.
#include "editor_services/export/syn_exporter.h"

#include <algorithm>
#include <climits>

#include "editor/highlighting/highlighter_enum.h"
#include "editor/highlighting/syn_highlighter.h"
#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/component_link.h"
#include "platform/base/exceptions.h"
#include "platform/base/string_list.h"

namespace {

constexpr const char* SUntitled = "Untitled";

void SetDefaultFont(TFont& Font)
{
    Font.SetName("Courier New");
    Font.SetSize(10);
    Font.SetColor(clWindowText);
    Font.SetStyle({});
}

[[noreturn]] void AbortExport()
{
    throw EAbort("Operation aborted");
}

}  // namespace

TFontStyles StylesWithout(TFontStyles A, TFontStyles B)
{
    for (TFontStyle style : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        if (B.Contains(style))
            A.Exclude(style);
    return A;
}

TSynCustomExporter::TSynCustomExporter(TComponent* AOwner)
    : TComponent(AOwner),
      font_(std::make_unique<TFont>()),
      title_(SUntitled),
      plainAttribute_(std::make_unique<TSynHighlighterAttributes>("Text"))
{
    SetDefaultFont(*font_);
    TSynCustomExporter::Clear();
}

TSynCustomExporter::~TSynCustomExporter()
{
    SetComponentLink<TSynCustomHighlighter>(this, highlighter_, nullptr);
}

void TSynCustomExporter::SetFont(TFont* Value)
{
    if (Value)
        font_->Assign(Value);
    else
        SetDefaultFont(*font_);
}

void TSynCustomExporter::SetHighlighter(TSynCustomHighlighter* Value)
{
    if (!SetComponentLink(this, highlighter_, Value))
        return;
    Clear();
    SetUseBackground(useBackground_);
}

void TSynCustomExporter::SetTitle(const AnsiString& Value)
{
    title_ = Value.empty() ? AnsiString(SUntitled) : Value;
}

void TSynCustomExporter::SetUseBackground(bool Value)
{
    useBackground_ = Value;
    if (!highlighter_ || !useBackground_)
        return;
    if (TSynHighlighterAttributes* whitespace = highlighter_->GetDefaultAttribute(kDefaultAttrWhitespace))
        Color = whitespace->Background();
}

void TSynCustomExporter::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == highlighter_)
        highlighter_ = nullptr;
}

void TSynCustomExporter::Clear()
{
    buffer_.clear();
    lastBackground_ = clWindow;
    lastForeground_ = clWindowText;
    lastStyle_ = {};
}

TColor TSynCustomExporter::ValidatedColor(TColor Value, TColor Default)
{
    return ColorToRGB(Value == clNone ? Default : Value);
}

void TSynCustomExporter::ExportAll(TStrings* Lines)
{
    if (!Lines)
        AbortExport();
    // An empty editor still shows one line; the user who named a file for
    // it gets a document, not silence.
    TStringList oneEmptyLine;
    if (Lines->Count() == 0) {
        oneEmptyLine.Add("");
        Lines = &oneEmptyLine;
    }
    const int last = Lines->Count();
    WriteDocument(Lines, BufferCoord(1, 1), BufferCoord(static_cast<int>(Lines->Strings(last - 1).size()) + 1, last));
}

void TSynCustomExporter::ExportRange(TStrings* Lines, TBufferCoord Start, TBufferCoord Stop)
{
    if (!Lines || Lines->Count() == 0 || Lines->Count() < Start.Line || Start.Line > Stop.Line)
        AbortExport();
    Start.Line = std::max(1, Start.Line);
    Stop.Line = std::max(1, std::min(Stop.Line, Lines->Count()));
    const auto lengthOf = [Lines](int Line) { return static_cast<int>(Lines->Strings(Line - 1).size()); };
    Stop.Char = std::max(1, std::min(Stop.Char, lengthOf(Stop.Line) + 1));
    Start.Char = std::max(1, std::min(Start.Char, lengthOf(Start.Line) + 1));
    if (Start.Line == Stop.Line && Start.Char >= Stop.Char)
        AbortExport();
    WriteDocument(Lines, Start, Stop);
}

void TSynCustomExporter::WriteDocument(TStrings* Lines, TBufferCoord Start, TBufferCoord Stop)
{
    buffer_.clear();
    buffer_.reserve(static_cast<size_t>(std::max(4096, (Stop.Line - Start.Line) * 128)));
    if (highlighter_)
        highlighter_->ResetRange();
    firstAttribute_ = true;
    plainAttributeUsed_ = false;
    plainAttribute_->SetStyle(font_->Style());
    BeginExport();
    for (int line = Start.Line; line <= Stop.Line; ++line) {
        AnsiString text = Lines->Strings(line - 1);
        if (line == Stop.Line)
            text.resize(static_cast<size_t>(Stop.Char - 1));
        if (line == Start.Line && Start.Char > 1)
            text.erase(0, static_cast<size_t>(Start.Char - 1));
        ExportLine(text, line);
        AddNewLine();
    }
    if (!firstAttribute_)
        AfterLastAttribute();
    InsertData(GetHeader());
    AddData(GetFooter());
}

void TSynCustomExporter::ExportLine(const AnsiString& Text, int LineNumber)
{
    if (!highlighter_) {
        if (Text.empty())
            return;
        plainAttributeUsed_ = true;
        SetTokenAttribute(plainAttribute_.get());
        AddToken(ReplaceReservedChars(Text));
        return;
    }
    highlighter_->SetLine(Text, LineNumber);
    while (!highlighter_->GetEol()) {
        TSynHighlighterAttributes* attribute = highlighter_->GetTokenAttribute();
        if (!attribute) {
            plainAttributeUsed_ = true;
            attribute = plainAttribute_.get();
        }
        const AnsiString token = ReplaceReservedChars(highlighter_->GetToken());
        SetTokenAttribute(attribute);
        AddToken(token);
        highlighter_->Next();
    }
}

void TSynCustomExporter::SetTokenAttribute(TSynHighlighterAttributes* Attribute)
{
    const TColor background = ValidatedColor(Attribute->Background(), Color);
    const TColor foreground = ValidatedColor(Attribute->Foreground(), font_->Color());
    const TFontStyles style = Attribute->Style();
    if (firstAttribute_) {
        firstAttribute_ = false;
        lastBackground_ = background;
        lastForeground_ = foreground;
        lastStyle_ = style;
        // The unresolved Color and font colour are compared on purpose: with
        // system colours as defaults the first run names its colours.
        BeforeFirstAttribute(useBackground_ && background != Color, font_->Color() != foreground, style);
        return;
    }
    const bool backgroundChanged = useBackground_ && background != lastBackground_;
    const bool foregroundChanged = foreground != lastForeground_;
    if (!backgroundChanged && !foregroundChanged && style == lastStyle_)
        return;
    CloseAttributeRun(backgroundChanged, foregroundChanged, StylesWithout(lastStyle_, style));
    const TFontStyles oldStyle = lastStyle_;
    lastBackground_ = background;
    lastForeground_ = foreground;
    lastStyle_ = style;
    OpenAttributeRun(backgroundChanged, foregroundChanged, StylesWithout(style, oldStyle));
}

AnsiString TSynCustomExporter::ReplaceReservedChars(const AnsiString& Token)
{
    AnsiString result;
    result.reserve(Token.size() + 32);
    for (size_t i = 0; i < Token.size(); ++i) {
        const AnsiString& replacement = ReplaceTable[static_cast<unsigned char>(Token[i])];
        if (!replacement.empty()) {
            result += replacement;
        } else if (IsDBCSLeadByte(Token[i]) && i + 1 < Token.size()) {
            result += EscapeChar(Token[i], Token[i + 1]);
            ++i;
        } else {
            result += Token[i];
        }
    }
    return result;
}

void TSynCustomExporter::SaveToFile(const AnsiString& FileName) const
{
    WriteFileAtomically(FileName, buffer_);
}

void TSynCustomExporter::EnumExportAttributes(bool SkipDuplicates, bool Used, const TExportAttributeProc& Proc) const
{
    if (highlighter_) {
        EnumHighlighterAttributes(highlighter_, SkipDuplicates,
                                  [&Proc](TSynCustomHighlighter*, TSynHighlighterAttributes* Attribute,
                                          const AnsiString& UniqueName) {
                                      Proc(Attribute, UniqueName);
                                      return true;
                                  });
    }
    if (!Used || plainAttributeUsed_)
        Proc(plainAttribute_.get(), "Text");
}
