// The live objects laid on a skinned frame (caption buttons, ornaments,
// areas the program draws): the base with its state, its hover fade
// between a normal and an active image, its glow layer and its mouse
// events, and the user object the program paints itself.
#pragma once

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/ui/kernel/control_types.h"
#include "skin/data/bs_ini_codecs.h"

class TBitmap;
class TCanvas;
class TMenuItem;
class TbsDataSkinObject;
class TbsLayerManager;
class TbsSkinData;
class TbsSkinForm;

class TbsActiveSkinObject : public TObject {
public:
    // AData may be null (the plain frame's caption buttons).
    TbsActiveSkinObject(TbsSkinForm* AParent, TbsDataSkinObject* AData);

    // Object coordinates. Without a mask picture the whole rectangle.
    virtual bool PointInMask(int X, int Y);
    virtual void ShowLayer();
    virtual void HideLayer();
    virtual bool NeedMorphStep();
    virtual void Draw(TCanvas* Canvas, bool UpDate);
    virtual void DblClick() {}
    // Window coordinates.
    virtual void MouseDown(int X, int Y, TMouseButton Button);
    virtual void MouseUp(int X, int Y, TMouseButton Button);
    virtual void MouseMove(int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // One step of the frame's 25 ms animation timer; true when it did work.
    virtual bool AnimationTick() { return false; }
    // Back to the normal look at the start of a move or size loop.
    virtual void ResetState();

    // Fades are allowed and the skin takes them.
    bool CanMorph() const;
    // Redraws at once when no fade can run, else wakes the fade timer.
    void StartMorph();
    // A fifth of the way towards the active (or normal) image.
    void MorphStep();
    // 0 = the normal image, 1 = the active one. Kept in whole fifths, so
    // five steps always reach either end exactly.
    double MorphKf() const { return morphFifths_ / 5.0; }
    void SetMorphKf(bool Full) { morphFifths_ = Full ? 5 : 0; }

    TbsSkinForm* Parent;
    TbsSkinData* SkinData;  // the frame's at creation; may be null
    AnsiString IDName;
    AnsiString Hint;
    TRect SkinRect;
    TRect ActiveSkinRect;  // empty without an active picture
    TRect InActiveSkinRect;
    TRect ObjectRect;      // window coordinates, placed by the frame layout
    TBitmap* Picture = nullptr;            // the skin's frame picture
    TBitmap* ActivePicture = nullptr;      // null when the index names none
    TBitmap* ActiveMaskPicture = nullptr;  // null when the index names none
    bool SkinRectInAPicture = false;
    bool Morphing = false;  // never set while ActiveSkinRect is empty
    TbsMorphKind MorphKind = mkdefault;
    bool Active = false;  // heading for the active look
    bool MouseIn = false;
    bool Enabled = true;
    bool Visible = true;
    int GlowLayerPictureIndex = -1;
    int GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetX = 0;
    int GlowLayerOffsetY = 0;
    int GlowLayerAlphaBlendValue = 255;

protected:
    // The skin data is there and holds a skin.
    bool SkinReady() const;
    bool FormActive() const;
    // Copies Source of Bitmap to ObjectRect; nothing when Bitmap is null or
    // Source empty.
    void DrawImage(TCanvas* Canvas, TBitmap* Bitmap, const TRect& Source) const;
    // The normal image: in the active picture or in the frame picture.
    TBitmap* NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }
    // The fade of Normal towards Active (both from their pictures) at the
    // current factor, drawn at ObjectRect.
    void DrawMorph(TCanvas* Canvas, TBitmap* NormalFrom, const TRect& Normal, const TRect& ActiveImage) const;
    // Whether the fade has an end left to reach.
    bool FadeUnderWay() const;
    // The glow layer the object shows: the menu one when the object opens a
    // menu.
    virtual TbsLayerManager* GlowManager() const;
    // Opens Item's entries below the object: the frame's menu manager, or
    // the skinned popup menu that owns Item. False when Item has none.
    bool OpenMenu(TMenuItem* Item);

private:
    int morphFifths_ = 0;  // 0..5
};

// An area the program draws in OnPaintEvent.
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;
    void Draw(TCanvas* Canvas, bool UpDate) override;
};
