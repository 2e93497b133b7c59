// The skinned control with a nine-part image, windowed or not: its size
// follows the description's resize mode, its plain look is clBtnFace at
// DefaultWidth x DefaultHeight, and DefaultFont is its font without a skin.
//
// Base is TbsSkinControl or TbsGraphicSkinControl. The windowed form also
// keeps a window region from the skin mask and tells its children when its
// stretched image changed (TbsSkinCustomControl).
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/ui/graphics/font.h"
#include "skin/controls/bs_skin_custom_image.h"

template <typename Base>
class TbsSkinCustomControlProtocol : public Base, public TbsSkinCustomImage {
public:
    explicit TbsSkinCustomControlProtocol(TComponent* AOwner);
    ~TbsSkinCustomControlProtocol() override;

    // The size taken when there is no description; 0 keeps the size. A set
    // above 0 resizes at once while there is no description.
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int Value);
    // "Arial", height 14, no style until changed; owned. A change runs
    // DefaultFontChanged, then repaints in the plain look.
    TFont* DefaultFont() const { return defaultFont_.get(); }
    void SetDefaultFont(TFont* Value);
    // Descendants take their font from the description when true.
    bool UseSkinFont = true;

    // The inherited look-up; then a nine-part description is copied.
    void GetSkinData() override;
    // GetSkinData; without a description DefaultWidth and DefaultHeight
    // apply, with one the size passes CalcSize; then, unless the size
    // changed (which repaints), the region is set again and the control
    // repainted.
    void ChangeSkinData() override;
    // With a description, a new size passes CalcSize; on a parent that
    // adjusts its controls the control is centred vertically in it.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // R, a place in SkinRect, as the place it covers in the control now.
    TRect SkinRectToControlRect(const TRect& R) const;
    // Draws ARect of APicture into Bitmap at the control's size by the
    // resize mode; PaintSkinImage passes Picture and SkinRect, descendants
    // the rectangles of their other states.
    void DrawSkinControlImage(TBitmap* Bitmap, TBitmap* APicture, const TRect& ARect) const;

protected:
    // Called when DefaultFont changes; descendants react.
    virtual void DefaultFontChanged() {}
    // The size W x H becomes under the resize mode, with the New points for
    // it; nothing changes without a description.
    virtual void CalcSize(int& W, int& H);
    // The window region from the skin mask at the current size; the
    // window-less controls have none.
    virtual void SetControlRegion();

    // Lays the image out at the current size first, so the stretched
    // geometry is never stale.
    void Paint() override;
    // How every paint starts: false at a width or height below 1 (nothing
    // to paint); else the description is looked up and the image laid out
    // at the current size.
    bool PrepareForPaint();
    void PaintDefaultImage(TBitmap* Bitmap) override;
    void PaintSkinImage(TBitmap* Bitmap) override;
    // Whether the frame is painted in strips instead of one image; only the
    // windowed panels do that.
    virtual bool PaintsFrameStrips() const { return false; }

private:
    void DefaultFontChange(TObject* Sender);

    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    std::unique_ptr<TFont> defaultFont_;
};
