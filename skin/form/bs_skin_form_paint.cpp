// What the frame paints: the non-client area (through the skinned or the
// plain frame painter) and the client background from the skin.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/data/bs_piece_copier.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data.h"
#include "skin/form/bs_active_skin_object.h"
#include "skin/form/bs_default_frame_paint.h"
#include "skin/form/bs_frame_paint_objects.h"
#include "skin/form/bs_skin_frame_paint.h"
#include "skin/form/bs_form_background.h"
#include "skin/form/bs_skin_form.h"

namespace {

// The form's objects as the frame painters see them.
class TObjectList : public TbsFramePaintObjects {
public:
    explicit TObjectList(TbsSkinForm* AForm) : form_(AForm) {}
    int Count() const override { return form_->ObjectCount(); }
    // A layered border that carries the caption shows the objects itself.
    bool Visible(int Index) const override
    {
        return form_->Objects(Index)->Visible && !form_->LayerBorder()->CarriesCaption();
    }
    TRect ObjectRect(int Index) const override { return form_->Objects(Index)->ObjectRect; }
    void Draw(int Index, TCanvas* Canvas, TPoint Offset, bool UpDate) override
    {
        TbsActiveSkinObject* object = form_->Objects(Index);
        TRect place = object->ObjectRect;
        OffsetRect(object->ObjectRect, Offset.X, Offset.Y);
        object->Draw(Canvas, UpDate);
        object->ObjectRect = place;
    }

private:
    TbsSkinForm* form_;
};

}  // namespace

void TbsSkinForm::PaintNCArea(HDC DC)
{
    if (skinData_ && skinData_->SkinLoading)
        return;
    // Only the objects' places: a new region would repaint the frame again.
    CalcObjectRects();
    TObjectList objects(this);
    bool active = GetFormActive();
    if (SkinUsed) {
        TbsSizeLimitsInput limits = SizeLimits();
        TbsSkinFramePaint frame;
        frame.W = newW_;
        frame.H = newH_;
        frame.Skin = skinData_;
        frame.NewLTPoint = metrics_.LTPoint;
        frame.NewRTPoint = metrics_.RTPoint;
        frame.NewLBPoint = metrics_.LBPoint;
        frame.NewRBPoint = metrics_.RBPoint;
        frame.NewClRect = metrics_.NewClRect;
        frame.Active = active;
        frame.MinWidth = FrameMinWidth(limits);
        frame.MinHeight = FrameMinHeight(limits);
        PaintSkinFrame(DC, frame, objects);
        return;
    }
    TbsDefaultFrame frame;
    frame.W = newW_;
    frame.H = newH_;
    frame.CaptionHeight = GetDefCaptionHeight(ToolWindow());
    frame.CaptionRect = defCaptionRect_;
    frame.Active = active;
    frame.Caption = CaptionTitle();
    // Captions take the character set of the skin's captions when it has
    // them.
    if (skinData_ && skinData_->ResourceStrData()) {
        DefCaptionFont()->SetCharset(skinData_->ResourceStrData()->CharSet);
        DefInActiveCaptionFont()->SetCharset(skinData_->ResourceStrData()->CharSet);
    }
    frame.Font = active ? DefCaptionFont() : DefInActiveCaptionFont();
    frame.OnCaptionPaint = OnCaptionPaint;
    PaintDefaultFrame(DC, frame, objects);
}

void FillBackground(TBitmap& Target, TBitmap* Source, const TRect& From, bool StretchEffect, TbsStretchType Type)
{
    // A piece under one pixel would tile without end.
    if (!Source || Source->Empty() || From.Width() < 1 || From.Height() < 1)
        return;
    TbsPieceCopier copier(&Target, Source, {From.Left, From.Top});
    TRect piece{0, 0, From.Width(), From.Height()};
    TRect all{0, 0, Target.Width(), Target.Height()};
    if (!StretchEffect)
        copier.TileBoth(piece, all);
    else if (Type == sthorz)
        copier.TileAcross(piece, all);
    else if (Type == stvert)
        copier.TileDown(piece, all);
    else
        copier.Stretch(piece, all);
}

void TbsSkinForm::WMEraseBkgnd(TMessage& Message)
{
    TCustomForm* form = Form();
    int w = form->ClientWidth();
    int h = form->ClientHeight();
    Message.Result = 1;
    if (w <= 0 || h <= 0)
        return;
    TBitmap buffer;
    buffer.SetSize(w, h);
    buffer.Canvas()->Brush()->SetColor(clBtnFace);
    buffer.Canvas()->FillRect({0, 0, w, h});
    if (SkinUsed) {
        TBitmap* picture = skinData_->PictureAt(skinData_->BGPictureIndex);
        bool hasPicture = picture != nullptr;
        TBitmap* source = hasPicture ? picture : skinData_->Picture.get();
        TRect from = hasPicture ? TRect{0, 0, source->Width(), source->Height()} : skinData_->ClientRect;
        FillBackground(buffer, source, from, skinData_->StretchEffect, skinData_->StretchType);
    }
    if (!logoBitMap_->Empty()) {
        logoBitMap_->SetTransparent(LogoBitMapTransparent);
        int x = std::max(0, (w - logoBitMap_->Width()) / 2);
        int y = std::max(0, (h - logoBitMap_->Height()) / 2);
        buffer.Canvas()->Draw(x, y, logoBitMap_.get());
    }
    TCanvas canvas;
    canvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    canvas.Draw(0, 0, &buffer);
    canvas.SetHandle(nullptr);
}
