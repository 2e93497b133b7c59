// The child buttons' cross-fade between their normal and hot images, in
// five steps on the menu bar's fade timer like the bar's own items.
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/controls/bs_button_face.h"
#include "skin/form/bs_main_menu_bar_button.h"
#include "skin/form/bs_skin_main_menu.h"

bool TbsSkinMainMenuBarButton::CanMorph() const
{
    return HasSkinData && Picture && Morphing && owner_->Bar->SkinEffects();
}

bool TbsSkinMainMenuBarButton::MorphStep()
{
    if (!CanMorph() || !FadeUnderWay())
        return false;
    morphFifths_ += Active ? 1 : -1;
    return true;
}

void TbsSkinMainMenuBarButton::DrawMorph(TCanvas* Canvas)
{
    const TRect size{0, 0, ObjectRect.Width(), ObjectRect.Height()};
    TBitmap normal, active, result;
    for (TBitmap* b : {&normal, &active, &result}) {
        b->SetPixelFormat(pf24bit);
        b->SetSize(size.Right, size.Bottom);
    }
    normal.Canvas()->CopyRect(size, Picture->Canvas(), SkinRect);
    active.Canvas()->CopyRect(size, Picture->Canvas(), ActiveSkinRect);
    DrawMorphedImages(result.Canvas(), &normal, &active, MorphKind, MorphKf());
    Canvas->Draw(ObjectRect.Left, ObjectRect.Top, &result);
}

void TbsSkinMainMenuBarButton::ReDraw()
{
    if (CanMorph())
        owner_->Bar->StartMorph();
    else
        DrawNow();
}

bool TbsMainMenuBarButtons::MorphStep()
{
    bool stepped = false;
    for (auto& button : buttons_)
        if (button->MorphStep()) {
            stepped = true;
            DrawButton(button.get());
        }
    return stepped;
}
