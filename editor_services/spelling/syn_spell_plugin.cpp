// Underlining unknown words after the editor paints.
#include "editor_services/spelling/syn_spell_plugin.h"

#include <algorithm>
#include <vector>

#include "editor/highlighting/syn_highlighter.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "editor/syn_custom_text.h"
#include "editor_services/spelling/syn_spell_text.h"
#include "platform/base/string_list.h"
#include "platform/ui/graphics/canvas.h"

namespace {

struct TSpellToken {
    size_t End;  // one past the token's last byte
    TSynHighlighterAttributes* Attribute;
};

// The tokens of line Index (from 0) as the highlighter paints them, in
// order; the editor has scanned the line states before it paints.
std::vector<TSpellToken> LineTokens(TCustomSynText* Editor, TSynCustomHighlighter* Highlighter, int Index,
                                    const AnsiString& Text)
{
    if (Index == 0)
        Highlighter->ResetRange();
    else
        Highlighter->SetRange(reinterpret_cast<void*>(Editor->LineRange(Index - 1)));
    Highlighter->SetLine(Text, Index);
    std::vector<TSpellToken> tokens;
    for (; !Highlighter->GetEol(); Highlighter->Next()) {
        TSynHighlighterAttributes* attribute = Highlighter->GetTokenAttribute();
        if (!attribute)
            attribute = Highlighter->GetDefaultAttribute(kDefaultAttrWhitespace);
        tokens.push_back({static_cast<size_t>(Highlighter->GetTokenPos()) + Highlighter->GetToken().size(), attribute});
    }
    return tokens;
}

// Pixel runs of one word: consecutive cells of one display row.
struct TWordPiece {
    TPoint TopLeft;
    int Cells;
};

// A word's characters are single bytes that take one cell each; word wrap
// may still put them on two rows.
std::vector<TWordPiece> WordPieces(TCustomSynText* Editor, int Line, TSpellWordSpan Word)
{
    std::vector<TWordPiece> pieces;
    TDisplayCoord previous{};
    for (size_t i = Word.Start; i < Word.End; ++i) {
        const TDisplayCoord at = Editor->BufferToDisplayPos(BufferCoord(static_cast<int>(i) + 1, Line));
        if (!pieces.empty() && at.Row == previous.Row && at.Column == previous.Column + 1)
            ++pieces.back().Cells;
        else
            pieces.push_back({Editor->RowColumnToPixels(at), 1});
        previous = at;
    }
    return pieces;
}

}  // namespace

TDrawAutoSpellCheckPlugin::TDrawAutoSpellCheckPlugin(TCustomSynText* AOwner, TZavIdiziCheck* AChecker)
    : TSynTextPlugin(AOwner), checker_(AChecker)
{
}

void TDrawAutoSpellCheckPlugin::SetPenColor(TColor Value)
{
    if (Value == penColor_)
        return;
    penColor_ = Value;
    Owner()->Invalidate();
}

void TDrawAutoSpellCheckPlugin::SetUnderlineStyle(TUnderlineStyle Value)
{
    if (Value == underlineStyle_)
        return;
    underlineStyle_ = Value;
    Owner()->Invalidate();
}

void TDrawAutoSpellCheckPlugin::AfterPaint(TCanvas* ACanvas, const TRect& AClip, int FirstRow, int LastRow)
{
    if (!checker_->Editor() || !checker_->Options.Contains(sscoAutoSpellCheck))
        return;
    TCustomSynText* editor = Owner();
    int previousLine = 0;  // a wrapped line takes several rows and is underlined once
    for (int row = FirstRow; row <= LastRow; ++row) {
        const int line = editor->RowToLine(row);
        if (line == previousLine || line < 1 || line > editor->Lines()->Count())
            continue;
        previousLine = line;
        UnderlineLine(ACanvas, AClip, line);
    }
}

void TDrawAutoSpellCheckPlugin::UnderlineLine(TCanvas* ACanvas, const TRect& AClip, int Line)
{
    TCustomSynText* editor = Owner();
    const AnsiString text = editor->Lines()->Strings(Line - 1);
    TSynCustomHighlighter* highlighter = editor->Highlighter();
    const std::vector<TSpellToken> tokens =
        highlighter ? LineTokens(editor, highlighter, Line - 1, text) : std::vector<TSpellToken>{};
    size_t token = 0;
    const int rowHeight = editor->LineHeight();
    for (TSpellWordSpan word = NextSpellWord(text, 0, checker_->WordChars()); !word.Empty();
         word = NextSpellWord(text, word.End, checker_->WordChars())) {
        const std::vector<TWordPiece> pieces = WordPieces(editor, Line, word);
        const bool shown = std::any_of(pieces.begin(), pieces.end(), [&](const TWordPiece& p) {
            return p.TopLeft.X < AClip.Right && p.TopLeft.X + p.Cells * editor->CharWidth() > AClip.Left &&
                   p.TopLeft.Y < AClip.Bottom && p.TopLeft.Y + rowHeight > AClip.Top;
        });
        if (!shown)
            continue;
        if (highlighter) {
            while (token < tokens.size() && tokens[token].End <= word.Start)
                ++token;
            TSynHighlighterAttributes* attribute = token < tokens.size() ? tokens[token].Attribute : nullptr;
            if (!attribute || checker_->CheckAttribs()->IndexOf(attribute->Name()) < 0)
                continue;
        }
        if (checker_->CheckWord(text.substr(word.Start, word.End - word.Start)))
            continue;
        for (const TWordPiece& piece : pieces)
            DrawWave(ACanvas, AClip, piece.TopLeft.X, piece.Cells * editor->CharWidth(), piece.TopLeft.Y);
    }
}

void TDrawAutoSpellCheckPlugin::DrawWave(TCanvas* ACanvas, const TRect& AClip, int Left, int Width, int Top)
{
    static constexpr int kMicrosoftWord[] = {0, 1, 2, 1};
    static constexpr int kCorelWordPerfect[] = {2, 1, 0, -1};
    const int* offsets = underlineStyle_ == usMicrosoftWord ? kMicrosoftWord : kCorelWordPerfect;
    const int baseLine = Top + Owner()->LineHeight() - 3;
    const int from = std::max({Left, AClip.Left, Owner()->GutterWidth()});
    const int to = std::min(Left + Width, AClip.Right);
    for (int x = from; x < to; ++x) {
        const int y = baseLine + offsets[(x - Left) % 4];
        if (y >= AClip.Top && y < AClip.Bottom)
            ACanvas->SetPixels(x, y, penColor_);
    }
}
