// The panel laid over the client area of an inactive skinned form: it
// shows a picture of the client taken when the form lost activation,
// dimmed by a veil of the form's background or blurred, so the user sees
// at a glance which form is not the active one.
#pragma once

#include <memory>

#include "skin/controls/bs_skin_panel.h"

class TCustomForm;
class TbsBitmap;

enum TbsClientInActiveEffect { bsieSemiTransparent, bsieBlur };

class TbsClientInActivePanel : public TbsSkinPaintPanel {
public:
    // Invisible until ShowPanel.
    explicit TbsClientInActivePanel(TComponent* AOwner);
    ~TbsClientInActivePanel() override;

    // Covers Form's client area with the treated picture of it; nothing for
    // a missing or hidden form or an empty client area.
    void ShowPanel(TCustomForm* Form, TbsClientInActiveEffect Effect);
    // Hides the panel and lets the picture go.
    void HidePanel();
    // The picture shown; null while there is none.
    TbsBitmap* Snapshot() const { return snapshot_.get(); }

protected:
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;

private:
    void PaintSnapshot(TBitmap* Bitmap);

    std::unique_ptr<TbsBitmap> snapshot_;
};
