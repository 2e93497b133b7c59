// The editor's tie to its highlighter and fonts: change and
// free notices, the rescan of line ranges, the token at a position, and
// the character extent.
#include <algorithm>
#include <utility>

#include "editor/syn_custom_text.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_text_drawer.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/image_list.h"

bool TCustomSynText::GetHighlighterAttriAt(TBufferCoord XY, AnsiString& Token, TSynHighlighterAttributes*& Attri)
{
    int kind = 0;
    int start = 0;
    return GetHighlighterAttriAt(XY, Token, kind, start, Attri);
}

bool TCustomSynText::GetHighlighterAttriAt(TBufferCoord XY, AnsiString& Token, int& TokenKind, int& Start,
                                           TSynHighlighterAttributes*& Attri)
{
    const int index = XY.Line - 1;
    if (!highlighter_ || index < 0 || index >= lines_->Count())
        return false;
    if (index == 0)
        highlighter_->ResetRange();
    else
        highlighter_->SetRange(reinterpret_cast<void*>(LineRange(index - 1)));
    highlighter_->SetLine(lines_->Strings(index), index);
    const int offset = XY.Char - 1;
    for (; !highlighter_->GetEol(); highlighter_->Next()) {
        const int start = highlighter_->GetTokenPos();
        AnsiString token = highlighter_->GetToken();
        if (offset >= start && offset < start + static_cast<int>(token.size())) {
            Token = std::move(token);
            TokenKind = highlighter_->GetTokenKind();
            Start = start + 1;
            Attri = highlighter_->GetTokenAttribute();
            return true;
        }
    }
    Token.clear();
    TokenKind = 0;
    Start = 0;
    Attri = nullptr;
    return false;
}

void TCustomSynText::SetHighlighter(TSynCustomHighlighter* Value)
{
    if (highlighter_ == Value)
        return;
    const TNotifyEvent listener(this, &TCustomSynText::HighlighterChanged);
    if (highlighter_) {
        highlighter_->RemoveChangeListener(listener);
        highlighter_->RemoveFreeNotification(this);
    }
    highlighter_ = Value;
    if (highlighter_) {
        highlighter_->AddChangeListener(listener);
        highlighter_->FreeNotification(this);
    }
    if (!ComponentState().Contains(csDesigning))
        HighlighterChanged(highlighter_);
    DoHighlighterChanged();
}

void TCustomSynText::HighlighterChanged(TObject* Sender)
{
    if (ComponentState().Contains(csDestroying))
        return;
    RecalcCharExtent();
    // The highlighter's own notices (a scheme reloaded, rules changed) may
    // change every line's range; an attribute's notice changes colours only.
    if (highlighter_ && (Sender == nullptr || Sender == highlighter_)) {
        pendingScanFirst_ = 0;
        pendingScanLast_ = -1;
        unscannedFrom_ = INT_MAX;
        if (lines_->Count() > 0)
            LeaveUnscannedFrom(0);
    }
    Invalidate();
    SizeOrFontChanged(true);
}

void TCustomSynText::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == highlighter_) {
        // The highlighter is half destroyed by now: only forget it, its
        // listener list goes with it.
        highlighter_ = nullptr;
        if (!ComponentState().Contains(csDestroying)) {
            RecalcCharExtent();
            Invalidate();
        }
    }
    if (AComponent == searchEngine_)
        searchEngine_ = nullptr;
    if (chainedEditor_ && AComponent == chainedEditor_)
        UnhookTextBuffer();
    if (bookMarkOpt_ && AComponent == static_cast<TComponent*>(bookMarkOpt_->BookmarkImages())) {
        bookMarkOpt_->SetBookmarkImages(nullptr);
        RepaintGutter();
    }
}

void TCustomSynText::FontChanged(TObject*)
{
    RecalcCharExtent();
    SizeOrFontChanged(true);
}

void TCustomSynText::RecalcCharExtent()
{
    // The grid must hold the widest glyphs of every style the highlighter
    // paints with, so each style in use is measured and the widest wins.
    std::vector<TFontStyles> styles{Font()->Style()};
    if (highlighter_) {
        for (int i = 0; i < highlighter_->GetAttribCount(); ++i) {
            const TFontStyles style = highlighter_->GetAttribute(i)->Style();
            if (std::find(styles.begin(), styles.end(), style) == styles.end())
                styles.push_back(style);
        }
    }
    textDrawer_->SetBaseFont(Font());
    TFontStyles widest = TFontStyles{fsBold};
    int width = textDrawer_->BaseCharWidth();
    int height = textDrawer_->BaseCharHeight();
    for (const TFontStyles style : styles) {
        textDrawer_->SetExtentStyle(style);
        height = std::max(height, textDrawer_->BaseCharHeight());
        if (textDrawer_->BaseCharWidth() > width) {
            width = textDrawer_->BaseCharWidth();
            widest = style;
        }
    }
    textDrawer_->SetExtentStyle(widest);
    charWidth_ = textDrawer_->BaseCharWidth();
    textHeight_ = height;
}
