// TbsSkinPopupWindow: one level of a skinned popup menu. A top-most tool
// window that never activates, lists the visible sub-items of a TMenuItem
// as TbsSkinMenuItem rows, draws its frame from the skin's POPUPWINDOW
// section (or plainly), places itself beside or below a screen rectangle
// on the work area, scrolls between two arrow areas when it does not fit,
// and turns the mouse and the keys the form frame passes on into row
// highlighting, sub-menus and clicks. Its TbsSkinMenu creates and frees it.
#pragma once

#include <memory>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/ui/kernel/custom_control.h"

class TBitmap;
class TCustomImageList;
class TMenuItem;
class TTimer;
class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinData;
class TbsSkinMenu;
class TbsSkinMenuItem;

// Pixels of each scroll arrow area.
inline constexpr int kPopupScrollArea = 10;

class TbsSkinPopupWindow : public TCustomControl {
public:
    // The window has a skin only when WindowDescription names a window
    // picture; otherwise it draws plainly.
    TbsSkinPopupWindow(TbsSkinMenu* AMenu, TbsDataSkinPopupWindow* AWindowDescription);
    ~TbsSkinPopupWindow() override;

    // Builds the rows of MenuItem's visible sub-items from StartIndex (then
    // ExtraItem's, when given), sizes, places and shows the window. Rect is
    // the opener's or the parent row's rectangle on the screen.
    void Show(const TRect& Rect, TMenuItem* MenuItem, int StartIndex, bool AsSubmenu, bool PreferAbove);
    void ShowEx(const TRect& Rect, TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex, bool AsSubmenu,
                bool PreferAbove);

    // Keyboard navigation; the form frame passes key presses here.
    void HandleMenuKey(WORD Key);
    // Closes every window after this one and releases own rows with Down.
    void CloseSubMenus();
    // Follows the cursor at (X, Y) in client coordinates.
    void TrackMouse(int X, int Y);

    // Scrolling by one row; Wrap (keys only) jumps to the other end.
    bool CanScroll(int Direction) const;
    void ScrollUp(bool Wrap);
    void ScrollDown(bool Wrap);
    // The top index that shows the last row at the bottom.
    int GetLastTopIndex() const;

    // nullptr once the manager is freed while the window waits to go.
    TbsSkinMenu* Menu() const { return menu_; }
    // The manager is going; the window is out of its chain and waits for
    // the handler running in it to end.
    void ForgetMenu() { menu_ = nullptr; }
    // nil for the plain look.
    TbsSkinData* SkinData() const { return skinData_; }
    TbsDataSkinPopupWindow* WindowDescription() const { return windowDescription_; }
    TbsDataSkinMenuItem* ItemDescription() const { return itemDescription_; }
    TCustomImageList* Images() const { return images_; }
    int ImageColumnWidth() const { return imageColumnWidth_; }
    // The window image with its client part, kept for rows whose normal
    // state shows the window through and for rows without their picture;
    // nullptr when not kept.
    TBitmap* Background() const { return background_.get(); }
    TTimer* AnimationTimer() const { return animationTimer_.get(); }
    TTimer* MouseTimer() const { return mouseTimer_.get(); }

    int ItemCount() const { return static_cast<int>(itemList_.size()); }
    TbsSkinMenuItem* Item(int Index) const { return itemList_[static_cast<size_t>(Index)].get(); }
    int IndexOfItem(const TbsSkinMenuItem* Row) const;
    int ActiveItem = -1;
    int OldActiveItem = -1;
    int TopIndex() const { return topIndex_; }
    int VisibleCount() const { return visibleCount_; }
    bool Scrollable() const { return scrollable_; }
    bool LimitScroll() const { return limitScroll_; }
    int ScrollCode() const { return scrollCode_; }
    const TRect& ItemsRect() const { return itemsRect_; }
    // The arrow areas in client coordinates.
    TRect UpArrowRect() const;
    TRect DownArrowRect() const;
    // The height of a row of the given menu item.
    int RowHeight(const TMenuItem* MenuItem) const;
    // Draws one row on the window now, outside its painting.
    void DrawItem(TbsSkinMenuItem* Row);

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // All painting: the window image, the rows and the arrow areas.
    void PaintWindow(HDC DC) override;

private:
    void BuildRows(TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex);
    void SetWindowFont();
    void CalcSize(bool Extra);
    int MeasureWidth();
    void CalcSkinGeometry();
    void PositionRows();
    void SetSkinRegion();
    TPoint Placement(const TRect& R, bool AsSubmenu, bool PreferAbove) const;
    void ShowWindow(const TRect& Rect, TMenuItem* MenuItem, TMenuItem* ExtraItem, int StartIndex, bool AsSubmenu,
                    bool PreferAbove);
    void FadeIn(int Target);
    void ActivateFirstRow();

    void DrawWindowImage(TBitmap* B, bool DrawClient);
    void DrawArrowArea(TCanvas* Canvas, bool Up);
    void DrawScrollAreaBackground(TCanvas* Canvas, const TRect& R);
    // Gives back the window DC drawn on outside painting, which shows
    // what was drawn at once.
    void PresentCanvas();

    void MouseTimerTick(TObject* Sender);
    void AnimationTimerTick(TObject* Sender);
    void StartScroll(int Code);
    void StopScroll();
    void ScrollTimer();
    void ShowRow(int Index);
    void KeyDown();
    void KeyUp();
    void ChangeActiveByKey(int NewActive);
    bool AcceleratorKey(WORD Key);

    TbsSkinMenu* menu_;
    TbsSkinData* skinData_ = nullptr;                       // nil: plain look
    TbsDataSkinPopupWindow* windowDescription_ = nullptr;   // nil: plain look
    TbsDataSkinMenuItem* itemDescription_ = nullptr;        // the skin's first menu item object, or nil
    TBitmap* windowPicture_ = nullptr;
    TBitmap* maskPicture_ = nullptr;
    int visibleCount_ = 0;  // rows shown from topIndex_ on
    int topIndex_ = 0;
    bool scrollable_ = false;
    bool limitScroll_ = false;  // scrolling comes from MaxMenuItemsInWindow
    int scrollCode_ = 0;        // 0 still, 1 up, 2 down: timer 1 runs while not 0
    TPoint newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_;
    TRect itemsRect_;
    HRGN region_ = nullptr;  // the window's region, owned by the window; nullptr while rectangular
    TPoint lastMousePos_{-1, -1};
    TCustomImageList* images_ = nullptr;
    int imageColumnWidth_ = 19;
    std::unique_ptr<TTimer> mouseTimer_;
    std::unique_ptr<TTimer> animationTimer_;
    std::vector<std::unique_ptr<TbsSkinMenuItem>> itemList_;
    std::unique_ptr<TBitmap> background_;
};
