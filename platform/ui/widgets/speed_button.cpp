// TSpeedButton: groups, the mouse and the drawing of glyph and caption.
#include "platform/ui/widgets/speed_button.h"

#include <algorithm>

#include "platform/gdi/draw_text.h"
#include "platform/ui/kernel/actions.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/control_internal.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/graphics/flat_look.h"
#include "platform/ui/graphics/image_blend.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/kernel/win_control.h"

namespace {

// Which of the glyph's pictures each state shows.
enum TGlyphIndex { giUp, giDisabled, giHeld, giDown };

}  // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>())
{
    // The press is the button's own business: released over it.
    SetControlStyle(TControlStyle(ControlStyle()).Exclude(csClickEvents).Exclude(csDoubleClicks).Include(csOpaque));
    SetBounds(0, 0, 23, 22);
    glyph_->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

TSpeedButton::~TSpeedButton()
{
    glyph_->OnChange = TNotifyEvent();
}

template <typename TStep>
void TSpeedButton::ForEachInGroup(TStep Step)
{
    if (groupIndex_ == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_)
            Step(other);
    }
}

void TSpeedButton::SetGroupIndex(int Value)
{
    groupIndex_ = Value;
    if (Value == 0)
        SetDown(false);
}

void TSpeedButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_ || (down_ && !allowAllUp_))
        return;
    down_ = Value;
    if (Value) {
        ForEachInGroup([](TSpeedButton* other) {
            if (other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        });
    }
    Invalidate();
}

void TSpeedButton::ActionChange(TObject* Sender)
{
    TGraphicControl::ActionChange(Sender);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || groupIndex_ == 0 || action->Checked() == down_)
        return;
    if (action->Checked()) {
        SetDown(true);
    } else {
        down_ = false;
        Invalidate();
    }
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    allowAllUp_ = Value;
    ForEachInGroup([Value](TSpeedButton* other) { other->allowAllUp_ = Value; });
}

void TSpeedButton::SetFlat(bool Value)
{
    flat_ = Value;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value)
{
    glyph_->Assign(Value);
}

void TSpeedButton::SetNumGlyphs(int Value)
{
    numGlyphs_ = std::clamp(Value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value)
{
    spacing_ = Value;
    Invalidate();
}

void TSpeedButton::GlyphChanged(TObject*)
{
    Invalidate();
}

TRasterImage TSpeedButton::GlyphImage() const
{
    if (glyph_->Empty())
        return {};
    int width = glyph_->Width() / numGlyphs_;
    if (width <= 0)
        return {};
    int index = giUp;
    if (!Enabled())
        index = giDisabled;
    else if (Pressed())
        index = giHeld;
    else if (down_)
        index = giDown;
    if (index >= numGlyphs_)
        index = giUp;
    TRasterImage all = glyph_->ToImage();
    uint32_t clear = all.Row(all.Height - 1)[0] & 0x00FFFFFF;
    TRasterImage piece = TRasterImage::Sized(width, all.Height);
    bool greyed = !Enabled() && numGlyphs_ <= giDisabled;
    for (int y = 0; y < all.Height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = all.Row(y)[index * width + x];
            if ((pixel & 0x00FFFFFF) == clear)
                pixel = 0;
            else if (greyed)
                pixel = DisabledPixel(pixel);
            piece.Row(y)[x] = pixel;
        }
    piece.HasAlpha = true;
    return piece;
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TFlatState state;
    state.Disabled = !Enabled();
    state.Hot = hot_ && !state.Disabled;
    state.Pressed = (Pressed() || down_) && !state.Disabled;
    state.Flat = flat_;
    TRect content = DrawFlatButtonFace(canvas, ClientRect(), state);
    TRasterImage glyph = GlyphImage();
    AnsiString caption = Caption();
    TRect text = Rect(0, 0, 0, 0);
    if (!caption.empty())
        canvas->TextRect(text, caption, DT_CALCRECT | DT_SINGLELINE);
    int gap = (!glyph.Empty() && !caption.empty()) ? spacing_ : 0;
    int total = glyph.Width + gap + text.Width();
    int left = content.Left + (content.Width() - total) / 2;
    if (!glyph.Empty()) {
        int top = content.Top + (content.Height() - glyph.Height) / 2;
        DrawImageBlended(canvas->Handle(), Bounds(left, top, glyph.Width, glyph.Height), glyph);
    }
    if (!caption.empty()) {
        TRect r = Rect(left + glyph.Width + gap, content.Top, content.Right, content.Bottom);
        DrawFlatText(canvas, r, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE, Enabled());
    }
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    if (FollowPressMessage(Message.Msg, hot_, mousePress_) || Message.Msg == CM_TEXTCHANGED ||
        Message.Msg == CM_FONTCHANGED)
        Invalidate();
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && Enabled()) {
        mousePress_.Begin();
        Invalidate();
    }
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (mousePress_.Move(ClientRect(), Point(X, Y)))
        Invalidate();
    TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TAlive alive(this);
    bool press = false;
    if (Button == mbLeft && mousePress_.Held()) {
        press = mousePress_.End(ClientRect(), Point(X, Y));
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!press || !alive)
        return;
    if (groupIndex_ != 0)
        SetDown(!down_);
    Click();
    // The click may have run something that held the mouse (a menu, a
    // dialog), so the button may not have heard the mouse leave it.
    CheckMouseControl();
}
