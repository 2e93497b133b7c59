// The grid window of TbsSkinImagesMenu: lays the items out in cells of the
// image size plus 10, draws them plainly or from the skin (POPUPWINDOW for
// the frame, "menuitembutton" or "resizebutton" for hot and selected
// cells, "label" for headers), and takes the keys (through the
// application's message hook) and the mouse (captured) while it is open.
#pragma once

#include "platform/ui/kernel/application.h"
#include "platform/ui/kernel/custom_control.h"

class TBitmap;
class TbsDataSkinButtonControl;
class TbsImagesMenuItem;
class TbsSkinImagesMenu;

class TbsSkinImagesMenuPopupWindow : public TCustomControl {
public:
    explicit TbsSkinImagesMenuPopupWindow(TbsSkinImagesMenu* AMenu);
    // Gives the application's message hook and the capture back when the
    // grid goes without having closed (the menu freed while open).
    ~TbsSkinImagesMenuPopupWindow() override;

    // Lays out, sizes and shows the grid below the opener's screen
    // rectangle (above it when it does not fit).
    void Show(const TRect& Rect);
    // Hides the grid, gives back the hook and the capture, and tells the
    // menu, which frees the window once its own message has returned.
    void Close(bool Chosen);
    // Keys 13 to 40 as the grid takes them.
    void ProcessKey(WORD Key);

    int HotItem() const { return hotItem_; }
    bool Skinned() const { return skinned_; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int Count() const;
    TbsImagesMenuItem* Item(int Index) const;
    void Layout();
    int ItemAt(TPoint P) const;
    int FirstSelectable() const;
    int LastSelectable() const;
    void SetHot(int Index);
    // Frees the window when the menu let go of it and no handler of it
    // runs any more; the caller returns at once.
    void ReleaseIfDone();
    void AppMessage(MSG& Msg, bool& Handled);
    void HideHint();
    void PaintCell(TCanvas* Canvas, const TbsImagesMenuItem* Item, bool Down);
    void PaintHeader(TCanvas* Canvas, const TbsImagesMenuItem* Item);
    void PaintButtonCaption(TCanvas* Canvas, const TbsImagesMenuItem* Item, TRect R, bool Down, bool Hot);
    TbsDataSkinButtonControl* CellDescription() const;

    TbsSkinImagesMenu* menu_;
    bool skinned_ = false;
    TBitmap* picture_ = nullptr;      // the POPUPWINDOW picture while skinned
    TBitmap* maskPicture_ = nullptr;  // and its mask, or nullptr
    TPoint lt_, rt_, lb_, rb_;
    TRect clientRect_;
    int hotItem_ = -1;
    int lastHotItem_ = -1;
    bool mousePressed_ = false;  // a button went down in the grid (stays set)
    bool itemPressed_ = false;   // and on an item
    bool hooked_ = false;        // our handler is in Application->OnMessage
    int busy_ = 0;               // handlers of this window running
    bool released_ = false;      // the menu let go of the window; destroyed when busy_ is 0

    friend class TbsSkinImagesMenu;
};
