// The skinned list view's column header: the "SysHeader32" window the
// platform makes inside the list is taken over (its procedure replaced),
// made 25 pixels wider than asked so that no gap shows at its right end
// while the list scrolls, and painted from the skin's button pieces or in
// the plain look of the skinned scroll bar's parts, each section with its
// column's image and caption.
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/image_list.h"
#include "platform/ui/itemviews/header_control_window.h"
#include "platform/win/paint.h"
#include "platform/win/update_region.h"
#include "platform/win/window_coords.h"
#include "platform/win/window_pos.h"
#include "platform/win/window_proc.h"
#include "skin/controls/bs_skin_custom_image.h"
#include "skin/controls/bs_skin_list_view.h"
#include "skin/data/bs_draw_utils.h"
#include "skin/data/bs_skin_controls.h"
#include "skin/data/bs_skin_data.h"

namespace {

constexpr int HeaderWidening = 25;
constexpr int CaptionMargin = 5;
// Between a column's image and its caption.
constexpr int ImageGap = 2;
// The plain look of a pressed and of a normal part (the skinned scroll bar's).
constexpr TColor PressedFrame = 0x00800000;
constexpr TColor PressedFill = 0x00B59385;

// The section Index's rectangle as the header reports it.
TRect SectionRect(HWND Header, int Index)
{
    TRect r;
    SendMessage(Header, HDM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// Skin's button image at W x H: the nine-part builder when the description
// has a bottom-left corner, else the horizontal three-part one.
void BuildButtonImage(TBitmap& B, TbsDataSkinButtonControl* Skin, TBitmap* Picture, const TRect& Source, int W,
                      int H, const TbsSkinData& Data)
{
    TbsSkinCustomImage image;
    image.TakeDescription(Skin, Data);
    image.ResizeMode = Skin->LeftBottomPoint != TPoint{0, 0} ? rmNinePart : rmHorizontal;
    int w = W;
    int h = H;
    image.LayOut(w, h, true);
    image.DrawImage(&B, Picture, Source, w, h, false);
}

}  // namespace

void TbsSkinCustomListView::TakeOverHeader(HWND Header)
{
    GiveHeaderBack();
    header_ = Header;
    headerOldProc_ = SetWindowProc(Header, WNDPROC(this, &TbsSkinCustomListView::HeaderWndProc));
}

void TbsSkinCustomListView::GiveHeaderBack()
{
    if (!header_)
        return;
    if (GetWindowProc(header_) == WNDPROC(this, &TbsSkinCustomListView::HeaderWndProc))
        SetWindowProc(header_, headerOldProc_);
    header_ = nullptr;
    headerOldProc_ = WNDPROC();
    pressedSection_ = -1;
    sectionPressed_ = false;
    dividerDrag_ = false;
}

LRESULT TbsSkinCustomListView::HeaderWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    switch (Msg) {
    case WM_WINDOWPOSCHANGING:
        reinterpret_cast<WINDOWPOS*>(LParam)->cx += HeaderWidening;
        return 0;
    case WM_PAINT:
        PaintHeader(nullptr);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    // The procedure below may end the header's window: keep what it needs.
    const WNDPROC below = headerOldProc_;
    const LRESULT result = CallWindowProc(below, Window, Msg, WParam, LParam);
    if (Window != header_)
        return result;
    switch (Msg) {
    case WM_MOUSEMOVE:
        if (dividerDrag_)
            RedrawHeader();
        break;
    case WM_LBUTTONDOWN:
        HeaderMouseDown(LParam);
        break;
    case WM_LBUTTONUP:
        pressedSection_ = -1;
        sectionPressed_ = false;
        dividerDrag_ = false;
        RedrawHeader();
        break;
    case WM_NCDESTROY:
        header_ = nullptr;
        headerOldProc_ = WNDPROC();
        break;
    default:
        break;
    }
    return result;
}

void TbsSkinCustomListView::HeaderMouseDown(LPARAM LParam)
{
    const TPoint p{static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
    const int count = static_cast<int>(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0));
    pressedSection_ = -1;
    for (int i = 0; i < count && pressedSection_ < 0; ++i)
        if (PtInRect(SectionRect(header_, i), p))
            pressedSection_ = i;
    HDHITTESTINFO info;
    info.pt = p;
    SendMessage(header_, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    if (info.flags & HHT_ONDIVIDER)
        dividerDrag_ = true;
    else
        sectionPressed_ = true;
    RedrawHeader();
}

void TbsSkinCustomListView::RedrawHeader()
{
    if (header_)
        InvalidateRect(header_, nullptr, false);
}

TbsDataSkinButtonControl* TbsSkinCustomListView::HeaderSkin() const
{
    if (!skinData_ || skinData_->Empty)
        return nullptr;
    const int index = skinData_->FindControlDescription(HeaderSkinDataName);
    if (index < 0)
        return nullptr;
    auto* skin = dynamic_cast<TbsDataSkinButtonControl*>(skinData_->ControlList[index].get());
    if (!skin || skin->PictureIndex < 0 || skin->PictureIndex >= static_cast<int>(skinData_->ActivePictures.size()))
        return nullptr;
    return skin;
}

void TbsSkinCustomListView::PaintHeader(HDC DC)
{
    if (!header_)
        return;
    PAINTSTRUCT ps;
    HDC dc = DC ? DC : BeginPaint(header_, &ps);
    TCanvas canvas;
    canvas.SetHandle(dc);
    TRect client;
    GetClientRect(header_, &client);
    TbsDataSkinButtonControl* skin = HeaderSkin();
    const int count = static_cast<int>(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0));
    int right = 0;
    for (int i = 0; i < count; ++i) {
        const TRect r = SectionRect(header_, i);
        PaintSection(&canvas, i, r, sectionPressed_ && i == pressedSection_, skin);
        right = std::max(right, r.Right);
    }
    const TRect rest = Rect(right, 0, client.Right, client.Bottom);
    if (!IsNullRect(rest)) {
        if (skin) {
            TBitmap image;
            BuildButtonImage(image, skin, skinData_->ActivePictures[skin->PictureIndex].get(), skin->SkinRect,
                             rest.Width(), rest.Height(), *skinData_);
            canvas.Draw(rest.Left, rest.Top, &image);
        } else {
            canvas.Brush()->SetColor(clBtnFace);
            canvas.FillRect(rest);
        }
    }
    canvas.SetHandle(nullptr);
    if (!DC)
        EndPaint(header_, &ps);
}

void TbsSkinCustomListView::PaintSection(TCanvas* Canvas, int Index, const TRect& R, bool Pressed,
                                         TbsDataSkinButtonControl* Skin)
{
    if (IsNullRect(R))
        return;
    TBitmap section;
    section.SetSize(R.Width(), R.Height());
    TCanvas* canvas = section.Canvas();
    canvas->Font()->Assign(Font());
    if (Skin) {
        TRect source = Skin->SkinRect;
        if (Pressed) {
            const TRect active = IsNullRect(Skin->ActiveSkinRect) ? Skin->SkinRect : Skin->ActiveSkinRect;
            source = IsNullRect(Skin->DownSkinRect) ? active : Skin->DownSkinRect;
        }
        TBitmap image;
        BuildButtonImage(image, Skin, skinData_->ActivePictures[Skin->PictureIndex].get(), source, R.Width(),
                         R.Height(), *skinData_);
        canvas->Draw(0, 0, &image);
        canvas->Font()->SetColor(Pressed ? Skin->DownFontColor : Skin->FontColor);
    } else {
        const TRect all = Rect(0, 0, R.Width(), R.Height());
        canvas->Brush()->SetColor(Pressed ? PressedFill : clBtnFace);
        canvas->FillRect(all);
        canvas->Brush()->SetColor(Pressed ? PressedFrame : clBtnShadow);
        canvas->FrameRect(all);
        canvas->Font()->SetColor(clBtnText);
    }
    if (Index < Columns()->Count()) {
        const TListColumn* column = Columns()->Item(Index);
        TRect area = Rect(CaptionMargin, 0, R.Width() - CaptionMargin, R.Height());
        TCustomImageList* images = SmallImages();
        if (images && column->ImageIndex() >= 0 && column->ImageIndex() < images->Count()) {
            images->Draw(canvas, area.Left, (R.Height() - images->Height()) / 2, column->ImageIndex(), Enabled());
            area.Left += images->Width() + ImageGap;
        }
        AnsiString caption = column->Caption();
        TruncateText(canvas, caption, area.Width());
        const unsigned align = column->Alignment() == taRightJustify ? DT_RIGHT
                               : column->Alignment() == taCenter    ? DT_CENTER
                                                                     : DT_LEFT;
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextRect(area, caption, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    Canvas->Draw(R.Left, R.Top, &section);
}
