#include "editor/completion/syn_completion_formatted.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "platform/base/code_page.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"

void TProposalColumn::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TProposalColumn*>(Source)) {
        biggestWord_ = src->biggestWord_;
        widthCache_ = src->widthCache_;
        defaultFontStyle_ = src->defaultFontStyle_;
        Changed(false);
    } else {
        TCollectionItem::Assign(Source);
    }
}

void TProposalColumn::SetBiggestWord(const AnsiString& Value)
{
    if (biggestWord_ == Value)
        return;
    biggestWord_ = Value;
    widthCache_ = -1;
    Changed(false);
}

int TProposalColumn::Width(TCanvas* Canvas)
{
    if (widthCache_ < 0)
        widthCache_ = Canvas->TextWidth(biggestWord_ + " ");
    return widthCache_;
}

namespace {

// Reads one tag's command and parameter into Chunk; false when the tag is
// not one of ours or its parameter is malformed.
bool ParseTag(const AnsiString& Name, const AnsiString& Param, TFormatChunk& Chunk)
{
    const AnsiString command = UpperCase(Name);
    if (command == "COLOR") {
        Chunk.Command = fcColor;
        TColor color;
        if (IdentToColor(Param, color)) {
            Chunk.Color = color;
            return true;
        }
        int value = 0;
        if (!TryStrToInt(Param, value))
            return false;
        Chunk.Color = TColorOf(static_cast<uint32_t>(value));
        return true;
    }
    if (command == "COLUMN") {
        Chunk.Command = fcColumn;
        return Param.empty();
    }
    if (command == "HSPACE" || command == "IMAGE") {
        Chunk.Command = command == "HSPACE" ? fcHSpace : fcImage;
        return TryStrToInt(Param, Chunk.Number);
    }
    if (command == "STYLE") {
        if (Param.size() != 2)
            return false;
        switch (Param[0]) {
        case '+': Chunk.StyleAction = 1; break;
        case '-': Chunk.StyleAction = -1; break;
        case '~': Chunk.StyleAction = 0; break;
        default: return false;
        }
        const char letter = UpCase(Param[1]);
        if (letter != 'B' && letter != 'I' && letter != 'S' && letter != 'U')
            return false;
        Chunk.Command = fcStyle;
        Chunk.StyleLetter = letter;
        return true;
    }
    return false;
}

TFontStyle StyleOfLetter(char Letter)
{
    switch (Letter) {
    case 'B': return fsBold;
    case 'I': return fsItalic;
    case 'S': return fsStrikeOut;
    default: return fsUnderline;
    }
}

// Moves x on without overflowing: space tags carry any number the host's
// item text holds.
int Advance(int X, int Distance)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t{X} + Distance, INT_MIN, INT_MAX));
}

int PaintChunks(TCanvas* Canvas, const TRect& Rect, const TFormatChunkList& Chunks, bool Measure,
                TProposalColumns* Columns, TCustomImageList* Images)
{
    TFont savedFont;
    savedFont.Assign(Canvas->Font());
    const TBrushStyle savedBrush = Canvas->Brush()->Style();
    Canvas->Brush()->SetStyle(bsClear);

    int x = Rect.Left;
    int columnStart = Rect.Left;
    int column = -1;
    const int columnCount = Columns ? Columns->Count() : 0;
    if (columnCount > 0) {
        column = 0;
        Canvas->Font()->SetStyle(Columns->Items(0)->DefaultFontStyle());
    }
    for (int i = 0; i < Chunks.Count(); ++i) {
        const TFormatChunk& chunk = Chunks.Items(i);
        bool stop = false;
        switch (chunk.Command) {
        case fcNoCommand:
            if (!Measure)
                Canvas->TextOut(x, Rect.Top, chunk.Str);
            x = Advance(x, Canvas->TextWidth(chunk.Str));
            stop = x > Rect.Right;
            break;
        case fcColor:
            if (!Measure)
                Canvas->Font()->SetColor(chunk.Color);
            break;
        case fcStyle: {
            TFontStyles style = Canvas->Font()->Style();
            const TFontStyle member = StyleOfLetter(chunk.StyleLetter);
            if (chunk.StyleAction > 0 || (chunk.StyleAction == 0 && !style.Contains(member)))
                style.Include(member);
            else
                style.Exclude(member);
            Canvas->Font()->SetStyle(style);
            break;
        }
        case fcColumn:
            if (column >= 0 && column < columnCount) {
                columnStart += Columns->Items(column)->Width(Canvas);
                x = columnStart;
                ++column;
                if (column < columnCount)
                    Canvas->Font()->SetStyle(Columns->Items(column)->DefaultFontStyle());
            }
            break;
        case fcHSpace:
            x = Advance(x, chunk.Number);
            stop = x > Rect.Right;
            break;
        case fcImage:
            // No list, or an index it does not have: nothing to draw and no room taken.
            if (Images && chunk.Number >= 0 && chunk.Number < Images->Count()) {
                if (!Measure)
                    Images->Draw(Canvas, x, Rect.Top, chunk.Number, true);
                x = Advance(x, Images->Width());
                stop = x > Rect.Right;
            }
            break;
        }
        if (stop)
            break;
    }
    Canvas->Font()->Assign(&savedFont);
    Canvas->Brush()->SetStyle(savedBrush);
    return x;
}

}  // namespace

bool ParseFormatChunks(const AnsiString& Text, TFormatChunkList& Chunks, TFormatCommands Excluded)
{
    Chunks.Clear();
    bool valid = true;
    AnsiString run;
    const auto flushRun = [&] {
        if (!run.empty()) {
            TFormatChunk chunk;
            chunk.Str = run;
            Chunks.Add(chunk);
            run.clear();
        }
    };
    size_t i = 0;
    while (i < Text.size()) {
        if (Text[i] != '\\') {
            // A double-byte character is copied whole: its trail byte may be a backslash.
            const size_t len = CharLengthAt(Text, i);
            run.append(Text, i, len);
            i += len;
            continue;
        }
        if (i + 1 < Text.size() && Text[i + 1] == '\\') {
            run += '\\';
            i += 2;
            continue;
        }
        flushRun();
        const size_t open = Text.find('{', i + 1);
        if (open == AnsiString::npos)
            break;
        const size_t close = Text.find('}', open + 1);
        if (close == AnsiString::npos)
            break;
        TFormatChunk chunk;
        if (!ParseTag(Text.substr(i + 1, open - i - 1), Text.substr(open + 1, close - open - 1), chunk))
            valid = false;
        else if (!Excluded.Contains(chunk.Command))
            Chunks.Add(chunk);
        i = close + 1;
    }
    flushRun();
    return valid;
}

int FormattedTextOut(TCanvas* Canvas, const TRect& Rect, const AnsiString& Text, bool Selected,
                     TProposalColumns* Columns, TCustomImageList* Images)
{
    TFormatChunkList chunks;
    TFormatCommands excluded;
    if (Selected)
        excluded.Include(fcColor);
    ParseFormatChunks(Text, chunks, excluded);
    return PaintChunks(Canvas, Rect, chunks, false, Columns, Images);
}

int FormattedTextWidth(TCanvas* Canvas, const AnsiString& Text, TProposalColumns* Columns, TCustomImageList* Images)
{
    TFormatChunkList chunks;
    ParseFormatChunks(Text, chunks, TFormatCommands{fcColor});
    const int kUnbounded = 0x7FFFFFFF;
    return PaintChunks(Canvas, Rect(0, 0, kUnbounded, kUnbounded), chunks, true, Columns, Images);
}

AnsiString PrettyTextToText(const AnsiString& Text)
{
    TFormatChunkList chunks;
    ParseFormatChunks(Text, chunks, TFormatCommands{fcColor, fcStyle, fcColumn, fcHSpace, fcImage});
    AnsiString result;
    for (int i = 0; i < chunks.Count(); ++i)
        result += chunks.Items(i).Str;
    return result;
}

AnsiString FormatParamList(const AnsiString& CommaText, int Index)
{
    TStringList params;
    params.SetCommaText(CommaText);
    AnsiString result;
    for (int i = 0; i < params.Count(); ++i) {
        if (i > 0)
            result += ' ';
        if (i == Index)
            result += "\\style{~B}" + params.Strings(i) + "\\style{~B}";
        else
            result += params.Strings(i);
    }
    return result;
}
