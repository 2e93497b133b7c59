#include "skin/form/bs_skin_frame.h"

#include "platform/gdi/blit.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/brush.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/kernel/controls_messages.h"
#include "platform/ui/kernel/frame.h"
#include "platform/win/win_messages.h"
#include "skin/controls/bs_controls_messages.h"
#include "skin/data/bs_piece_copier.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_skinned_kinds.h"

namespace {

// The picture the background comes from and its piece: the background
// picture (an index past the list counts as none), else the client piece
// of the form picture; nullptr when the skin has no client piece either.
TBitmap* BackgroundSource(const TbsSkinData& Data, TRect& From)
{
    int index = Data.BGPictureIndex;
    if (index >= 0 && index < static_cast<int>(Data.ActivePictures.size())) {
        TBitmap* picture = Data.ActivePictures[static_cast<size_t>(index)].get();
        From = TRect{0, 0, picture ? picture->Width() : 0, picture ? picture->Height() : 0};
        return picture;
    }
    From = Data.ClientRect;
    return From.Width() >= 1 && From.Height() >= 1 ? Data.Picture.get() : nullptr;
}

// Lays the piece over Target as the skin says; answers false when nothing
// was drawn (a piece under one pixel would repeat without end).
bool FillFromSkin(TBitmap& Target, TBitmap* Source, const TRect& From, const TbsSkinData& Data)
{
    if (!Source || Source->Empty() || From.Width() < 1 || From.Height() < 1)
        return false;
    TbsPieceCopier copier(&Target, Source, {From.Left, From.Top});
    TRect piece{0, 0, From.Width(), From.Height()};
    TRect all{0, 0, Target.Width(), Target.Height()};
    if (!Data.StretchEffect) {
        copier.TileBoth(piece, all);
        return true;
    }
    switch (Data.StretchType) {
    case stfull: copier.Stretch(piece, all); return true;
    case sthorz: copier.TileAcross(piece, all); return true;
    case stvert: copier.TileDown(piece, all); return true;
    default: return false;
    }
}

}  // namespace

TbsSkinFrame::TbsSkinFrame(TComponent* AOwner) : TbsSkinComponent(AOwner)
{
    frame_ = dynamic_cast<TFrame*>(AOwner);
    if (!frame_)
        return;
    frame_->SetAutoSize(false);
    if (Designing())
        return;
    frameAlive_ = std::make_unique<TControl::TAlive>(frame_);
    oldWindowProc_ = frame_->WindowProc;
    frame_->WindowProc = TWndMethod(this, &TbsSkinFrame::NewWndProc);
}

TbsSkinFrame::~TbsSkinFrame()
{
    if (frameAlive_ && *frameAlive_ && frame_->WindowProc == TWndMethod(this, &TbsSkinFrame::NewWndProc))
        frame_->WindowProc = oldWindowProc_;
}

void TbsSkinFrame::SetCtrlsSkinData(TbsSkinData* Value)
{
    if (ctrlsSkinData_ != Value) {
        if (ctrlsSkinData_)
            ctrlsSkinData_->RemoveFreeNotification(this);
        ctrlsSkinData_ = Value;
        if (ctrlsSkinData_)
            ctrlsSkinData_->FreeNotification(this);
    }
    if (!Value || Designing() || !frame_ || (frameAlive_ && !*frameAlive_))
        return;
    for (int i = 0; i < frame_->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(frame_->Components(i));
        if (const TbsSkinnedKind* kind = FindSkinnedKind(control))
            kind->SetSkinData(control, Value);
    }
}

void TbsSkinFrame::ChangeSkinData()
{
    if (!Designing() && frame_)
        frame_->Invalidate();
}

void TbsSkinFrame::Notification(TComponent* AComponent, TOperation Operation)
{
    TbsSkinComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == ctrlsSkinData_)
        ctrlsSkinData_ = nullptr;
}

void TbsSkinFrame::PaintBackground(HDC DC)
{
    if (!DC || !frame_)
        return;
    const int w = frame_->ClientWidth();
    const int h = frame_->ClientHeight();
    if (w < 1 || h < 1)
        return;
    TBitmap buffer;
    buffer.SetPixelFormat(pf24bit);
    buffer.SetSize(w, h);
    TbsSkinData* data = SkinData();
    TRect from;
    TBitmap* source = data && !data->Empty ? BackgroundSource(*data, from) : nullptr;
    if (source) {
        if (!FillFromSkin(buffer, source, from, *data))
            return;
    } else {
        buffer.Canvas()->Brush()->SetColor(clBtnFace);
        buffer.Canvas()->FillRect({0, 0, w, h});
    }
    BitBlt(DC, 0, 0, w, h, buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TbsSkinFrame::NewWndProc(TMessage& Message)
{
    if (Message.Msg == WM_ERASEBKGND && DrawBackground) {
        PaintBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    }
    if (Message.Msg == CM_CANCELMODE)
        for (int i = 0; i < frame_->ControlCount(); ++i)
            frame_->Controls(i)->Perform(CM_CANCELMODE, 0, 0);
    TControl::TAlive frameAlive(frame_);
    oldWindowProc_(Message);
    if (Message.Msg != WM_SIZE || !frameAlive)
        return;
    TbsSkinData* data = SkinData();
    if (!data || !data->StretchEffect)
        return;
    frame_->Invalidate();
    for (int i = 0; i < frame_->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(frame_->Controls(i)))
            child->Perform(WM_PARENTIMAGECHANGED, 0, 0);
}
