// TbsSkinBevel: the colours from the skin and the shapes drawn in them.
#include "skin/controls/bs_skin_bevel.h"

#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_adjusting_parent.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_data.h"

namespace {

// The left and top edges in Light, the right and bottom ones in Dark.
void BevelRect(TCanvas* Canvas, const TRect& R, TColor Light, TColor Dark)
{
    Canvas->Pen()->SetColor(Light);
    Canvas->Polyline({Point(R.Left, R.Bottom), Point(R.Left, R.Top), Point(R.Right, R.Top)});
    Canvas->Pen()->SetColor(Dark);
    Canvas->Polyline({Point(R.Right, R.Top), Point(R.Right, R.Bottom), Point(R.Left, R.Bottom)});
}

void BevelLine(TCanvas* Canvas, TColor Colour, int X1, int Y1, int X2, int Y2)
{
    Canvas->Pen()->SetColor(Colour);
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

}  // namespace

TbsSkinBevel::TbsSkinBevel(TComponent* AOwner) : TBevel(AOwner) {}

TbsSkinBevel::~TbsSkinBevel() = default;

void TbsSkinBevel::SetSkinData(TbsSkinData* Value)
{
    skinData_.Set(this, Value);
    ChangeSkinData();
}

void TbsSkinBevel::Notification(TComponent* AComponent, TOperation Operation)
{
    TBevel::Notification(AComponent, Operation);
    if (Operation == opRemove)
        skinData_.Removed(AComponent);
}

void TbsSkinBevel::SetDividerMode(bool Value)
{
    dividerMode_ = Value;
    Invalidate();
}

void TbsSkinBevel::ChangeSkinData()
{
    int index = SkinData() && !SkinData()->Empty ? SkinData()->FindControlDescription(skinDataName_) : -1;
    if (index == -1) {
        lightColor_ = clBtnHighlight;
        darkColor_ = clBtnShadow;
    } else if (auto* d = dynamic_cast<TbsDataSkinBevel*>(SkinData()->ControlList[index].get())) {
        lightColor_ = d->LightColor;
        darkColor_ = d->DarkColor;
    }
    Invalidate();
}

void TbsSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TBevel::SetBounds(ALeft, AdjustedTop(Parent(), ATop, AHeight), AWidth, AHeight);
}

void TbsSkinBevel::Paint()
{
    TCanvas* canvas = Canvas();
    int w = Width();
    int h = Height();
    TPen* pen = canvas->Pen();
    if (ComponentState().Contains(csDesigning) && Shape() == bsSpacer) {
        pen->SetStyle(psDot);
        pen->SetMode(pmXor);
        pen->SetColor(0x00FFD8CE);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(0, 0, ClientWidth(), ClientHeight());
        return;
    }
    pen->SetStyle(psSolid);
    pen->SetMode(pmCopy);
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    canvas->Brush()->SetStyle(bsSolid);
    TColor c1 = Style() == bsRaised ? lightColor_ : darkColor_;
    TColor c2 = Style() == bsRaised ? darkColor_ : lightColor_;
    if (dividerMode_) {
        switch (Shape()) {
        case bsTopLine:
        case bsBottomLine:
            BevelRect(canvas, Rect(2, h / 2 - 1, w - 2, h / 2), c1, c2);
            break;
        case bsSpacer:
            break;
        default:
            BevelRect(canvas, Rect(w / 2 - 1, 2, w / 2, h - 2), c1, c2);
            break;
        }
        return;
    }
    switch (Shape()) {
    case bsBox:
        BevelRect(canvas, Rect(0, 0, w - 1, h - 1), c1, c2);
        break;
    case bsFrame:
        BevelRect(canvas, Rect(1, 1, w - 1, h - 1), c2, c2);
        BevelRect(canvas, Rect(0, 0, w - 2, h - 2), c1, c1);
        break;
    case bsTopLine:
        BevelLine(canvas, c1, 0, 0, w, 0);
        BevelLine(canvas, c2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        BevelLine(canvas, c1, 0, h - 2, w, h - 2);
        BevelLine(canvas, c2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        BevelLine(canvas, c1, 0, 0, 0, h);
        BevelLine(canvas, c2, 1, 0, 1, h);
        break;
    case bsRightLine:
        BevelLine(canvas, c1, w - 2, 0, w - 2, h);
        BevelLine(canvas, c2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
