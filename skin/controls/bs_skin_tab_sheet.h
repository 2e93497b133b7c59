// The pages of the skinned page control: TbsSkinCustomTabSheet is a tab
// sheet with a wallpaper whose background is painted from its page
// control's skin; TbsSkinTabSheet adds nothing. A sheet also keeps the
// state of its tab's close button, which the page control draws and hits.
#pragma once

#include <memory>

#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/widgets/tab_sheet.h"

class TbsSkinPageControl;

class TbsSkinCustomTabSheet : public TTabSheet {
public:
    explicit TbsSkinCustomTabSheet(TComponent* AOwner);
    ~TbsSkinCustomTabSheet() override;

    // Tiled over the sheet when not empty, before any skin background.
    // Owned; a set assigns the bitmap and repaints only while designing.
    TBitmap* WallPaper() const { return wallPaper_.get(); }
    void SetWallPaper(TBitmap* Value);

    // Where the close button was last drawn, in the page control's client
    // coordinates (side tabs turned as they show), for its mouse.
    TRect CloseButtonRect;
    bool CloseButtonMouseIn = false;
    bool CloseButtonDown = false;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;

private:
    TbsSkinPageControl* SkinPageControl() const;
    void PaintBackground(HDC DC);

    std::unique_ptr<TBitmap> wallPaper_;
};

class TbsSkinTabSheet : public TbsSkinCustomTabSheet {
public:
    using TbsSkinCustomTabSheet::TbsSkinCustomTabSheet;
};
