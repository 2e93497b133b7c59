#include "skin/form/bs_client_inactive_panel.h"

#include "platform/gdi/blit.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/win/window_proc.h"
#include "platform/ui/kernel/custom_form.h"
#include "platform/win/window_dc.h"
#include "skin/data/bs_bitmap.h"
#include "skin/data/bs_effects.h"

namespace {

// How much of the form's background covers the client picture.
constexpr int kVeilAlpha = 170;
constexpr int kBlurRadius = 3;

}  // namespace

TbsClientInActivePanel::TbsClientInActivePanel(TComponent* AOwner) : TbsSkinPaintPanel(AOwner) { SetVisible(false); }

TbsClientInActivePanel::~TbsClientInActivePanel() = default;

void TbsClientInActivePanel::ShowPanel(TCustomForm* Form, TbsClientInActiveEffect Effect)
{
    if (!Form || !Form->Visible())
        return;
    int w = Form->ClientWidth();
    int h = Form->ClientHeight();
    if (w == 0 || h == 0)
        return;
    SetVisible(false);
    SetParent(Form);
    SetBounds(0, 0, w, h);
    // The panel is hidden, so the form's window shows the client itself.
    auto snapshot = std::make_unique<TbsBitmap>();
    snapshot->SetSize(w, h);
    HDC dc = GetDC(Form->Handle());
    BitBlt(snapshot->DC(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    ReleaseDC(Form->Handle(), dc);
    if (Effect == bsieSemiTransparent) {
        TbsBitmap veil;
        veil.SetSize(w, h);
        SendMessage(Form->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(veil.DC()), 0);
        veil.SetAlpha(kVeilAlpha);
        veil.AlphaBlendFlag = true;
        veil.DrawToBitmap(snapshot.get(), 0, 0);
    } else {
        BlurBitmap(snapshot.get(), kBlurRadius);
    }
    snapshot_ = std::move(snapshot);
    SetVisible(true);
}

void TbsClientInActivePanel::HidePanel()
{
    SetVisible(false);
    snapshot_.reset();
}

void TbsClientInActivePanel::PaintDefaultImage(TBitmap* Bitmap) { PaintSnapshot(Bitmap); }

void TbsClientInActivePanel::PaintSkinImage(TBitmap* Bitmap) { PaintSnapshot(Bitmap); }

void TbsClientInActivePanel::PaintSnapshot(TBitmap* Bitmap)
{
    if (snapshot_)
        snapshot_->DrawToCanvas(Bitmap->Canvas(), 0, 0);
}
