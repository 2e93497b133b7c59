// TbsSkinMenuItem: one row of a skinned popup window. Not a window: the
// rectangle of the row, the TMenuItem it shows, the skin's menu item
// description (nil for the plain look), and its hover, open-sub-menu and
// animation state. It cross-fades between its normal and active images or
// plays a strip of frames, stepped by its window's animation timer.
#pragma once

#include "platform/base/geometry.h"
#include "platform/base/object.h"
#include "platform/base/strings.h"
#include "platform/gdi/colors.h"

class TBitmap;
class TCanvas;
class TMenuItem;
class TbsDataSkinMenuItem;
class TbsSkinPopupWindow;

class TbsSkinMenuItem : public TObject {
public:
    // A description whose picture is missing gives a row with the skin's
    // heights and text, marks and images over no skin background; the
    // description itself is never changed (it is shared by every row).
    TbsSkinMenuItem(TbsSkinPopupWindow* AParent, TbsDataSkinMenuItem* AItemDescription, TMenuItem* AMenuItem);

    TbsSkinPopupWindow* Parent() const { return parent_; }
    TbsDataSkinMenuItem* ItemDescription() const { return itemDescription_; }
    TMenuItem* MenuItem() const { return menuItem_; }
    // The skin picture of the description; nil when it has none.
    TBitmap* Picture() const { return picture_; }

    double MorphKf() const { return morphKf_; }
    // Kept within 0..1.
    void SetMorphKf(double Value);
    TRect ObjectRect;
    bool Active = false;
    bool Down = false;
    bool Visible = true;
    bool WaitCommand = false;
    int FrameIndex = 0;

    bool IsSeparator() const;
    // A disabled item captioned "-word-": drawn as a header showing "word".
    bool IsHeader() const;
    // Enabled and not a separator: the rows the mouse and keys highlight.
    bool Selectable() const;
    bool HasSubItems() const;

    bool CanMorph() const;
    bool CanAnimate() const;
    // Whether the fade still has a step to go; a hidden row drops its fade
    // and its highlight instead.
    virtual bool NeedsMorphStep();
    void StepMorph();
    // Starts the fade or the frames after Active or Down changed.
    void StartStateChange();

    void MouseEnter(bool ByKeyboard);
    void MouseLeave();
    void Click();

    // Draws the row at ObjectRect; nothing while not Visible.
    void Draw(TCanvas* Canvas);

private:
    void DrawPlain(TBitmap* B);
    void DrawSkinned(TBitmap* B, bool On, const TRect* FrameRect);
    void DrawSkinnedBackground(TBitmap* B, bool On, const TRect* FrameRect);
    void DrawSkinnedHeader(TBitmap* B, TCanvas* Canvas);
    void DrawSkinnedContent(TBitmap* B, bool On);
    void DrawMorphed(TBitmap* B);
    TRect AnimationFrameRect() const;
    void SetRowFont(TCanvas* Canvas, bool Skinned) const;
    bool HasImage() const;
    TSize ImageSize();
    void DrawImage(TCanvas* Canvas, int X, int Y, TColor FrameColour);
    void DrawGlyphByName(TCanvas* Canvas, int X, int Y, TColor Colour, bool& Drawn) const;
    void DrawSkinMark(TCanvas* Canvas, const TRect& Source, const TRect& Place);

    TbsSkinPopupWindow* parent_;
    TbsDataSkinMenuItem* itemDescription_;
    TMenuItem* menuItem_;
    TBitmap* picture_ = nullptr;
    double morphKf_ = 0.0;  // 0 normal image .. 1 active image
};

// The marks of the plain look and of skins without mark images, at (X, Y)
// in colour C.
void DrawMenuCheckMark(TCanvas* Canvas, int X, int Y, TColor C);
void DrawMenuArrowMark(TCanvas* Canvas, int X, int Y, TColor C);
void DrawMenuRadioMark(TCanvas* Canvas, int X, int Y, TColor C);
