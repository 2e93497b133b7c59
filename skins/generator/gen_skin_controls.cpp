// The controls of a skin: buttons, bars, panels, splitters, scroll bars,
// up-downs, tabs, views and edit boxes, all drawn into the controls picture.
#include "skin/data/bs_skin_controls_bars.h"
#include "skin/data/bs_skin_controls_edits.h"
#include "skin/data/bs_skin_controls_panels.h"
#include "skin/data/bs_skin_controls_tabs.h"
#include "skins/generator/gen_skin_builder.h"

namespace {

constexpr int kBarThickness = 17;  // scroll bars and up-downs
constexpr int kArrow = 7;          // arrow glyphs
constexpr int kPen = 5;            // glyph strokes, quarter pixels

template <typename T>
void SetFont(T& D, TArgb Colour, int Height = 12)
{
    D.FontName = kSkinFont;
    D.FontHeight = Height;
    D.FontColor = ToTColor(Colour);
}

int ButtonRadius(const TSkinLook& L) { return L.CornerRadius / 2 + 1; }

// The normal, hot, pressed and disabled faces of a button of W x H.
struct TFaces {
    TRect Normal, Hot, Down, Disabled;
};

TFaces ButtonFaces(TSkinBuilder& B, int W, int H, int Radius, TArgb Ground)
{
    const TSkinLook& L = B.Look;
    TFaces f;
    f.Normal = B.Raised(W, H, L.FaceLight, L.Face, L.FaceShadow, Ground, Radius);
    f.Hot = B.Raised(W, H, L.HotTop, L.HotBottom, L.HotBorder, Ground, Radius);
    f.Down = B.Raised(W, H, L.DownTop, L.DownBottom, L.DownBorder, Ground, Radius);
    f.Disabled = B.Raised(W, H, L.Face, L.Face, Mix(L.FaceShadow, L.Face, 128), Ground, Radius);
    return f;
}

void SetButton(TbsDataSkinButtonControl& D, const TFaces& F, int Corner, const TSkinLook& L)
{
    SetNinePart(D, F.Normal, Corner);
    D.ActiveSkinRect = F.Hot;
    D.DownSkinRect = F.Down;
    D.DisabledSkinRect = F.Disabled;
    SetFont(D, L.FaceText);
    D.ActiveFontColor = ToTColor(L.FaceText);
    D.DownFontColor = ToTColor(L.FaceText);
    D.DisabledFontColor = ToTColor(L.DisabledText);
}

// Arrow buttons share their faces: the scroll bars' and the up-downs'.
TRect ArrowFace(TSkinBuilder& B, int W, int H, const TArgb* Face, TGlyph Glyph)
{
    const TSkinLook& L = B.Look;
    TRect cell = B.Raised(W, H, Face[0], Face[1], Face[2], L.Face, ButtonRadius(L));
    DrawGlyph(B.Atlas.Raster(), cell, Glyph, kArrow, kPen, L.FaceText);
    return cell;
}

struct TArrowLooks {
    TRect Normal, Hot, Down;
};

TArrowLooks ArrowLooks(TSkinBuilder& B, int W, int H, TGlyph Glyph)
{
    const TSkinLook& L = B.Look;
    const TArgb normal[3] = {L.FaceLight, L.Face, L.FaceShadow};
    const TArgb hot[3] = {L.HotTop, L.HotBottom, L.HotBorder};
    const TArgb down[3] = {L.DownTop, L.DownBottom, L.DownBorder};
    return {ArrowFace(B, W, H, normal, Glyph), ArrowFace(B, W, H, hot, Glyph), ArrowFace(B, W, H, down, Glyph)};
}

// A strip holding both buttons and the track, as the bar's SkinRect.
void BuildScrollBar(TSkinBuilder& B, const char* Name, bool Vertical, bool Corner)
{
    const TSkinLook& L = B.Look;
    const int t = kBarThickness, length = 3 * t + 10, total = length + (Corner ? t : 0);
    B.Atlas.NewRow();
    // The bar's "up" button is the one that moves forward: at the bottom
    // (right) end, pointing down (right); its "down" button starts the bar.
    TGlyph back = Vertical ? TGlyph::ArrowUp : TGlyph::ArrowLeft;
    TGlyph forward = Vertical ? TGlyph::ArrowDown : TGlyph::ArrowRight;
    TArrowLooks up = ArrowLooks(B, t, t, forward), down = ArrowLooks(B, t, t, back);
    TRect strip = Vertical ? B.Atlas.Take(t, total) : B.Atlas.Take(total, t);
    TRaster& r = B.Atlas.Raster();
    // Shaded across the bar, so that stretching it along the bar keeps it.
    r.Gradient(strip, TGradient::Two(Mix(L.Face, L.FaceShadow, 48), Mix(L.Face, L.FaceLight, 128)), Vertical);
    auto at = [&](int Offset) { return Vertical ? TRect{0, Offset, t, Offset + t} : TRect{Offset, 0, Offset + t, t}; };
    auto copy = [&](const TRect& From, const TRect& To) {
        for (int y = 0; y < From.Height(); ++y)
            for (int x = 0; x < From.Width(); ++x)
                r.Set(strip.Left + To.Left + x, strip.Top + To.Top + y, r.Pixel(From.Left + x, From.Top + y));
    };
    copy(down.Normal, at(0));
    copy(up.Normal, at(length - t));
    if (Corner)
        r.Fill(TRect{strip.Left + length, strip.Top, strip.Right, strip.Bottom}, L.Face);

    auto& bar = B.AddControl<TbsDataSkinScrollBarControl>(Name, "scrollbar");
    bar.PictureIndex = kControlsPicture;
    bar.SkinRect = strip;
    if (Vertical) {
        bar.LeftTopPoint = {0, t};
        bar.LeftBottomPoint = {0, length - t};
        bar.TrackArea = {0, t, t, length - t};
    } else {
        bar.LeftTopPoint = {t, 0};
        bar.RightTopPoint = {length - t, 0};
        bar.TrackArea = {t, 0, length - t, t};
    }
    bar.UpButtonRect = at(length - t);
    bar.DownButtonRect = at(0);
    bar.ActiveUpButtonRect = up.Hot;
    bar.DownUpButtonRect = up.Down;
    bar.ActiveDownButtonRect = down.Hot;
    bar.DownDownButtonRect = down.Down;
    const int thumbLength = 20, ends = 5;
    const int w = Vertical ? t : thumbLength, h = Vertical ? thumbLength : t;
    bar.ThumbRect = B.Raised(w, h, L.FaceLight, Mix(L.Face, L.FaceShadow, 64), L.FaceShadow, L.Face, ButtonRadius(L));
    bar.ActiveThumbRect = B.Raised(w, h, L.HotTop, L.HotBottom, L.HotBorder, L.Face, ButtonRadius(L));
    bar.DownThumbRect = B.Raised(w, h, L.DownTop, L.DownBottom, L.DownBorder, L.Face, ButtonRadius(L));
    bar.ThumbOffset1 = ends;
    bar.ThumbOffset2 = ends;
    bar.ThumbStretchEffect = true;
    bar.ThumbMinSize = 2 * ends + 4;
}

void BuildUpDown(TSkinBuilder& B, const char* Name, bool Vertical)
{
    const int t = kBarThickness - 1;
    B.Atlas.NewRow();
    TArrowLooks up = ArrowLooks(B, t, t, Vertical ? TGlyph::ArrowUp : TGlyph::ArrowRight);
    TArrowLooks down = ArrowLooks(B, t, t, Vertical ? TGlyph::ArrowDown : TGlyph::ArrowLeft);
    TRect strip = Vertical ? B.Atlas.Take(t, 2 * t) : B.Atlas.Take(2 * t, t);
    TRaster& r = B.Atlas.Raster();
    TRect upPlace = Vertical ? TRect{0, 0, t, t} : TRect{t, 0, 2 * t, t};
    TRect downPlace = Vertical ? TRect{0, t, t, 2 * t} : TRect{0, 0, t, t};
    for (auto [from, to] : {std::pair{up.Normal, upPlace}, std::pair{down.Normal, downPlace}})
        for (int y = 0; y < t; ++y)
            for (int x = 0; x < t; ++x)
                r.Set(strip.Left + to.Left + x, strip.Top + to.Top + y, r.Pixel(from.Left + x, from.Top + y));
    auto& upDown = B.AddControl<TbsDataSkinUpDownControl>(Name, "updown");
    upDown.PictureIndex = kControlsPicture;
    upDown.SkinRect = strip;
    upDown.UpButtonRect = upPlace;
    upDown.DownButtonRect = downPlace;
    upDown.ActiveUpButtonRect = up.Hot;
    upDown.DownUpButtonRect = up.Down;
    upDown.ActiveDownButtonRect = down.Hot;
    upDown.DownDownButtonRect = down.Down;
}

}  // namespace

void BuildButtons(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    const int radius = ButtonRadius(L);
    B.Atlas.NewRow();
    TFaces faces = ButtonFaces(B, 40, 22, radius, L.Face);
    auto& button = B.AddControl<TbsDataSkinButtonControl>("button", "button");
    SetButton(button, faces, radius + 1, L);
    button.FocusedSkinRect = B.Raised(40, 22, L.FaceLight, L.Face, L.Selection, L.Face, radius);

    // Tool buttons rest invisible on the bar: their plain face is the bar.
    B.Atlas.NewRow();
    TFaces tool = ButtonFaces(B, 23, 22, radius, L.BarTop);
    tool.Normal = B.Atlas.Take(23, 22);
    TGradient bar = TGradient::Two(L.BarTop, L.BarBottom);
    for (int y = 0; y < 22; ++y)
        B.Atlas.Raster().HLine(tool.Normal.Left, tool.Normal.Right, tool.Normal.Top + y, bar.At(y + 1, 25));
    tool.Disabled = tool.Normal;
    SetButton(B.AddControl<TbsDataSkinButtonControl>("toolbutton", "button"), tool, radius + 1, L);

    // Header and button-tab faces: square, stretched in both directions.
    B.Atlas.NewRow();
    TFaces header = ButtonFaces(B, 30, 22, 1, L.Face);
    SetButton(B.AddControl<TbsDataSkinButtonControl>("resizetoolbutton", "button"), header, 3, L);
    SetButton(B.AddControl<TbsDataSkinButtonControl>("resizebutton", "button"), header, 3, L);

    B.Atlas.NewRow();
    auto& check = B.AddControl<TbsDataSkinCheckRadioControl>("checkbox", "checkradio");
    check.PictureIndex = kControlsPicture;
    check.SkinRect = B.Field(80, 17, L.Face, L.Face);
    check.CheckImageArea = {0, 2, 13, 15};
    check.TextArea = {17, 0, 80, 17};
    check.UnCheckImageRect = B.Field(13, 13, L.Window, L.FaceShadow);
    check.CheckImageRect = B.Field(13, 13, L.Window, L.FaceShadow);
    DrawGlyph(B.Atlas.Raster(), check.CheckImageRect, TGlyph::Check, 9, kPen, L.WindowText);
    check.ActiveUnCheckImageRect = B.Field(13, 13, L.Window, L.HotBorder);
    check.ActiveCheckImageRect = B.Field(13, 13, L.Window, L.HotBorder);
    DrawGlyph(B.Atlas.Raster(), check.ActiveCheckImageRect, TGlyph::Check, 9, kPen, L.WindowText);
    SetFont(check, L.FaceText);
    check.ActiveFontColor = ToTColor(L.FaceText);
    check.UnEnabledFontColor = ToTColor(L.DisabledText);

    BuildUpDown(B, "hupdown", false);
    BuildUpDown(B, "vupdown", true);
}

namespace {

template <typename T>
T& AddBand(TSkinBuilder& B, const char* Name, const char* TypeWord, int W, int H, const TGradient& G, TArgb TopLine,
           TArgb BottomLine, int Corner)
{
    auto& d = B.AddControl<T>(Name, TypeWord);
    TRect cell = B.Band(W, H, G);
    B.Atlas.Raster().HLine(cell.Left, cell.Right, cell.Top, TopLine);
    B.Atlas.Raster().HLine(cell.Left, cell.Right, cell.Bottom - 1, BottomLine);
    SetNinePart(d, cell, Corner);
    return d;
}

void BuildSplitter(TSkinBuilder& B, const char* Name, bool AlongTop)
{
    const TSkinLook& L = B.Look;
    const int w = AlongTop ? 40 : 10, h = AlongTop ? 10 : 40;
    auto& splitter = B.AddControl<TbsDataSkinSplitterControl>(Name, "splitter");
    TRect cell = B.Band(w, h, TGradient::Two(L.Face, Mix(L.Face, L.FaceShadow, 48)));
    SetNinePart(splitter, cell, 2);
    const int gw = AlongTop ? 24 : 6, gh = AlongTop ? 6 : 24;
    splitter.GripperRect = B.Atlas.Take(gw, gh);
    B.Atlas.Raster().Fill(splitter.GripperRect, L.Face);
    for (int i = 0; i < 5; ++i) {
        int x = splitter.GripperRect.Left + (AlongTop ? 2 + 5 * i : 2), y = splitter.GripperRect.Top + (AlongTop ? 2 : 2 + 5 * i);
        B.Atlas.Raster().Fill(TRect{x + 1, y + 1, x + 3, y + 3}, L.FaceLight);
        B.Atlas.Raster().Fill(TRect{x, y, x + 2, y + 2}, L.FaceShadow);
    }
}

void BuildExPanel(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    constexpr int w = 80, h = 60, caption = 21;
    const TGradient bar = B.FaceGradient(L.BarTop, L.BarBottom);
    B.Atlas.NewRow();
    auto& panel = B.AddControl<TbsDataSkinExPanelControl>("expanel", "expanel");
    TRect cell = B.Field(w, h, L.Face, L.FaceShadow);
    B.Atlas.Raster().Gradient(TRect{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Top + caption}, bar);
    B.Atlas.Raster().HLine(cell.Left + 1, cell.Right - 1, cell.Top + caption, L.FaceShadow);
    SetNinePart(panel, cell, 4);
    panel.LeftTopPoint = {4, caption + 1};
    panel.RightTopPoint = {w - 4, caption + 1};
    panel.ClientRect = {1, caption + 1, w - 1, h - 1};
    panel.CaptionRect = {6, 0, w - 40, caption};
    SetFont(panel, L.FaceText);
    panel.FontStyle = TFontStyles{fsBold};

    TRect rollH = B.Atlas.Take(w, caption);
    B.Atlas.Raster().Gradient(rollH, bar);
    B.Atlas.Raster().Frame(rollH, L.FaceShadow);
    panel.RollHSkinRect = rollH;
    panel.RollHCaptionRect = {6, 0, w - 40, caption};
    TRect rollV = B.Atlas.Take(caption, h);
    B.Atlas.Raster().Gradient(rollV, bar, true);
    B.Atlas.Raster().Frame(rollV, L.FaceShadow);
    panel.RollVSkinRect = rollV;
    panel.RollVCaptionRect = {0, 6, caption, h - 40};
    panel.RollLeftOffset = panel.RollRightOffset = panel.RollTopOffset = panel.RollBottomOffset = 4;

    const TGradient ground = TGradient::Flat(L.BarBottom);
    const TGradient hot = TGradient::Flat(L.HotBottom), down = TGradient::Flat(L.DownBottom);
    auto looks = [&](TGlyph Glyph, TRect& Normal, TRect& Active, TRect& Down) {
        Normal = B.GlyphCell(15, 15, ground, Glyph, 9, kPen, L.FaceText);
        Active = B.GlyphCell(15, 15, hot, Glyph, 9, kPen, L.FaceText);
        Down = B.GlyphCell(15, 15, down, Glyph, 9, kPen, L.FaceText);
    };
    B.Atlas.NewRow();
    looks(TGlyph::Close, panel.CloseButtonRect, panel.CloseButtonActiveRect, panel.CloseButtonDownRect);
    looks(TGlyph::ArrowUp, panel.HRollButtonRect, panel.HRollButtonActiveRect, panel.HRollButtonDownRect);
    looks(TGlyph::ArrowDown, panel.HRestoreButtonRect, panel.HRestoreButtonActiveRect, panel.HRestoreButtonDownRect);
    B.Atlas.NewRow();
    looks(TGlyph::ArrowLeft, panel.VRollButtonRect, panel.VRollButtonActiveRect, panel.VRollButtonDownRect);
    looks(TGlyph::ArrowRight, panel.VRestoreButtonRect, panel.VRestoreButtonActiveRect, panel.VRestoreButtonDownRect);
}

}  // namespace

void BuildBars(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    const TGradient bar = TGradient::Two(L.BarTop, L.BarBottom);
    B.Atlas.NewRow();
    AddBand<TbsDataSkinPanelControl>(B, "toolpanel", "panel", 40, 25, bar, L.FaceLight, L.FaceShadow, 2);
    AddBand<TbsDataSkinPanelControl>(B, "statusbar", "panel", 40, 21, bar, L.FaceShadow, L.BarBottom, 2);
    auto& panel = AddBand<TbsDataSkinPanelControl>(B, "panel", "panel", 40, 30, TGradient::Flat(L.Face), L.Face,
                                                   L.Face, 2);
    SetFont(panel, L.FaceText);
    auto& status = B.AddControl<TbsDataSkinLabelControl>("statuspanel", "label");
    SetNinePart(status, B.Field(30, 19, Mix(L.BarTop, L.Window, 128), Mix(L.FaceShadow, L.BarBottom, 96)), 2);
    SetFont(status, L.FaceText);
    auto& label = B.AddControl<TbsDataSkinLabelControl>("label", "label");
    SetFont(label, L.FaceText);
    auto& stdLabel = B.AddControl<TbsDataSkinStdLabelControl>("stdlabel", "stdlabel");
    SetFont(stdLabel, L.FaceText);
    stdLabel.ActiveFontColor = ToTColor(L.Selection);

    B.Atlas.NewRow();
    BuildSplitter(B, "vsplitter", false);
    BuildSplitter(B, "hsplitter", true);
    BuildExPanel(B);
    BuildScrollBar(B, "hscrollbar", false, false);
    BuildScrollBar(B, "bothhscrollbar", false, true);
    BuildScrollBar(B, "vscrollbar", true, false);
}

namespace {

// A tab of W x H, rounded at the top and open at the bottom.
TRect TabCell(TSkinBuilder& B, int W, int H, TArgb Top, TArgb Bottom, TArgb Border)
{
    const TSkinLook& L = B.Look;
    TRect cell = B.Atlas.Take(W, H);
    TRaster& r = B.Atlas.Raster();
    r.Fill(cell, L.Face);
    TRect shape{cell.Left, cell.Top, cell.Right, cell.Bottom + 3};  // runs past the bottom: no lower corners
    r.RoundedGradient(TRect{cell.Left, cell.Top, cell.Right, cell.Bottom}, ButtonRadius(L), B.FaceGradient(Top, Bottom), true,
                      false);
    r.RoundedFrame(shape, ButtonRadius(L), Border, true, false);
    r.Fill(TRect{cell.Left, cell.Bottom, cell.Right, cell.Bottom + 3}, kAtlasGround);
    return cell;
}

void BuildTab(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    B.Atlas.NewRow();
    auto& tab = B.AddControl<TbsDataSkinTabControl>("tab", "tab");
    tab.PictureIndex = kControlsPicture;
    tab.SkinRect = B.Field(60, 50, L.Window, L.FaceShadow);
    tab.ClientRect = {1, 1, 59, 49};
    tab.LeftTopPoint = {4, 4};
    tab.RightTopPoint = {56, 4};
    tab.LeftBottomPoint = {4, 46};
    tab.RightBottomPoint = {56, 46};
    tab.LeftStretch = tab.TopStretch = tab.RightStretch = tab.BottomStretch = true;
    tab.StretchEffect = true;
    tab.TabRect = TabCell(B, 40, 21, L.BarTop, L.BarBottom, L.FaceShadow);
    tab.ActiveTabRect = TabCell(B, 40, 21, L.Window, L.Window, L.FaceShadow);
    tab.FocusTabRect = tab.ActiveTabRect;
    tab.MouseInTabRect = TabCell(B, 40, 21, L.HotTop, L.HotBottom, L.HotBorder);
    tab.TabLeftOffset = tab.TabRightOffset = 4;
    tab.TabStretchEffect = true;
    tab.TabsBgRect = B.Band(10, 21, TGradient::Flat(L.Face));
    B.Atlas.Raster().HLine(tab.TabsBgRect.Left, tab.TabsBgRect.Right, tab.TabsBgRect.Bottom - 1, L.FaceShadow);
    SetFont(tab, L.FaceText);
    tab.ActiveFontColor = ToTColor(L.WindowText);
    tab.FocusFontColor = ToTColor(L.WindowText);
    tab.MouseInFontColor = ToTColor(L.FaceText);
    tab.UpDown = "hupdown";
    // A tab strip with the keyboard says so: a dotted frame inside its
    // active tab, around the caption.
    tab.ShowFocus = true;
    tab.FocusOffsetX = tab.FocusOffsetY = 3;
}

template <typename T>
T& AddView(TSkinBuilder& B, const char* Name, const char* TypeWord)
{
    const TSkinLook& L = B.Look;
    auto& view = B.AddControl<T>(Name, TypeWord);
    view.PictureIndex = kControlsPicture;
    view.SkinRect = B.Field(20, 20, L.Window, L.FaceShadow);
    SetFont(view, L.WindowText);
    view.BgColor = ToTColor(L.Window);
    return view;
}

}  // namespace

void BuildViews(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    BuildTab(B);

    B.Atlas.NewRow();
    auto& tree = AddView<TbsDataSkinTreeView>(B, "treeview", "treeview");
    // The tree draws the expand picture on an expanded node, where a click
    // collapses it.
    tree.ExpandImageRect = B.Field(9, 9, L.Window, L.FaceShadow);
    DrawGlyph(B.Atlas.Raster(), tree.ExpandImageRect, TGlyph::Minus, 5, 4, L.WindowText);
    tree.NoExpandImageRect = B.Field(9, 9, L.Window, L.FaceShadow);
    DrawGlyph(B.Atlas.Raster(), tree.NoExpandImageRect, TGlyph::Plus, 5, 4, L.WindowText);
    AddView<TbsDataSkinListView>(B, "listview", "listview");

    auto& list = B.AddControl<TbsDataSkinListBox>("listbox", "listbox");
    SetNinePart(list, B.Field(40, 40, L.Window, L.FaceShadow), 3);
    list.ClientRect = {1, 1, 39, 39};
    list.ItemRect = B.Field(40, 18, L.Window, L.Window);
    list.ActiveItemRect = B.Raised(40, 18, Mix(L.Selection, Rgb(255, 255, 255), 40), L.Selection,
                                   Mix(L.Selection, Rgb(0, 0, 0), 48), L.Window, 2);
    list.FocusItemRect = list.ActiveItemRect;
    list.ItemLeftOffset = list.ItemRightOffset = 3;
    list.ItemTextRect = {4, 0, 36, 18};
    SetFont(list, L.WindowText);
    list.ActiveFontColor = ToTColor(L.SelectionText);
    list.FocusFontColor = ToTColor(L.SelectionText);
    list.VScrollBarName = "vscrollbar";
    list.HScrollBarName = "hscrollbar";
    list.BothHScrollBarName = "bothhscrollbar";

    B.Atlas.NewRow();
    auto& edit = B.AddControl<TbsDataSkinEditControl>("edit", "edit");
    SetNinePart(edit, B.Field(40, 21, L.Window, Mix(L.FaceShadow, L.WindowText, 40)), 3);
    edit.ClientRect = {3, 3, 37, 18};
    edit.ActiveSkinRect = B.Field(40, 21, L.Window, L.HotBorder);
    SetFont(edit, L.WindowText);
    edit.ActiveFontColor = ToTColor(L.WindowText);
    edit.DisabledFontColor = ToTColor(L.DisabledText);
}
