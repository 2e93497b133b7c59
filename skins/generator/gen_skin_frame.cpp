// The form frame of a skin: the frame pictures and mask with FORMINFO, the
// layered soft shadow, the caption and the caption buttons.
#include <algorithm>

#include "skin/data/bs_skin_text_objects.h"
#include "skins/generator/gen_skin_builder.h"

namespace {

constexpr int kShadow = 10;  // the soft shadow's reach beyond the frame
constexpr int kShadowAlpha = 96;
constexpr int kSysMenuSize = 16;

TGradient CaptionGradient(const TSkinLook& L, bool Active)
{
    if (!Active)
        return TGradient::Two(L.InactiveTop, L.InactiveBottom);
    return L.Glossy ? TGradient::Three(L.CaptionTop, L.CaptionMiddle, L.CaptionBottom, 112)
                    : TGradient::Two(L.CaptionTop, L.CaptionBottom);
}

int ButtonHeight(const TSkinLook& L) { return L.CaptionHeight - 10; }
int ButtonWidth(const TSkinLook& L) { return ButtonHeight(L) + 7; }
int ButtonTop(const TSkinLook& L) { return (L.CaptionHeight - ButtonHeight(L)) / 2; }
// The caption buttons' row takes the right half of the frame's caption.
constexpr int kButtonRowLeft = kFrameWidth / 2;

TRaster DrawFrame(const TSkinLook& L, bool Active)
{
    const int ch = L.CaptionHeight, bw = L.BorderWidth;
    const TArgb outline = Active ? L.Outline : L.InactiveOutline;
    const TArgb edge = Active ? L.CaptionBottom : L.InactiveBottom;
    // The ground outside the rounded corners is the shadow's colour, so the
    // anti-aliased pixels the mask keeps fade towards the shadow.
    TRaster r(kFrameWidth, kFrameHeight, L.ShadowColour);
    TRect all{0, 0, kFrameWidth, kFrameHeight};
    r.RoundedGradient(all, L.CornerRadius, TGradient::Flat(edge), true, false);
    r.Gradient(TRect{1, 1, kFrameWidth - 1, ch}, CaptionGradient(L, Active));
    r.Gradient(TRect{1, ch, kFrameWidth - 1, kFrameHeight - 1}, TGradient::Two(edge, Mix(edge, L.Face, 96)));
    r.Fill(TRect{bw, ch, kFrameWidth - bw, kFrameHeight - bw}, L.Face);
    // Light just inside the outline, shadow round the client.
    r.HLine(L.CornerRadius, kFrameWidth - L.CornerRadius, 1, Mix(CaptionGradient(L, Active).At(0, 2), Rgb(255, 255, 255), 160));
    r.Frame(TRect{bw - 1, ch - 1, kFrameWidth - bw + 1, kFrameHeight - bw + 1}, Mix(edge, outline, 128));
    r.RoundedFrame(all, L.CornerRadius, outline, true, false);
    return r;
}

// Black where the window is, white where the rounded corners cut it.
TRaster DrawMask(const TSkinLook& L, const TRaster& Frame)
{
    TRaster shape(kFrameWidth, kFrameHeight, 0);
    shape.RoundedGradient(TRect{0, 0, kFrameWidth, kFrameHeight}, L.CornerRadius,
                          TGradient::Flat(Rgb(255, 255, 255)), true, false);
    TRaster mask(kFrameWidth, kFrameHeight, Rgb(255, 255, 255));
    for (int y = 0; y < Frame.Height(); ++y)
        for (int x = 0; x < Frame.Width(); ++x)
            if (AlphaOf(shape.Pixel(x, y)) >= 128)
                mask.Set(x, y, Rgb(0, 0, 0));
    return mask;
}

// The shadow around the frame: alpha falls off with the square of the
// distance from the frame's edge, and is 0 under the frame itself.
void DrawShadow(const TSkinLook& L, TRaster& Picture, TRaster& Mask)
{
    const int w = kFrameWidth + 2 * kShadow, h = kFrameHeight + 2 * kShadow;
    Picture = TRaster(w, h, 0);
    Mask = TRaster(w, h, Rgb(0, 0, 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int dx = std::max({kShadow - x, 0, x - (w - kShadow - 1)});
            int dy = std::max({kShadow - y, 0, y - (h - kShadow - 1)});
            int d2 = dx * dx + dy * dy;
            int alpha = dx == 0 && dy == 0 ? 0 : std::max(0, kShadowAlpha * (kShadow * kShadow - d2) / (kShadow * kShadow));
            Picture.Set(x, y, (L.ShadowColour & 0x00FFFFFFu) | uint32_t(alpha) << 24);
            Mask.Set(x, y, Rgb(alpha, alpha, alpha));
        }
}

void SetFormInfo(const TSkinLook& L, TbsFormInfo& F)
{
    const int ch = L.CaptionHeight, bw = L.BorderWidth, w = kFrameWidth, h = kFrameHeight;
    F.ClientRect = {bw, ch, w - bw, h - bw};
    F.LeftTopPoint = {40, ch};
    // The caption object spans from the left corner into this one, so it
    // stretches with the frame up to the buttons' row.
    F.RightTopPoint = {kButtonRowLeft, ch};
    F.LeftBottomPoint = {40, h - bw};
    F.RightBottomPoint = {w - 40, h - bw};
    F.LeftStretch = F.RightStretch = F.TopStretch = F.BottomStretch = true;
    F.StretchEffect = true;
    // Already holding the client, as the loader would widen it to.
    F.MaskRectArea = {std::min(L.CornerRadius + 1, bw), L.CornerRadius + 1, std::max(w - L.CornerRadius - 1, w - bw),
                      h - bw};
    F.HitTestLeftTopPoint = {10, 10};
    F.HitTestRightTopPoint = {w - 10, 10};
    F.HitTestLeftBottomPoint = {10, h - 10};
    F.HitTestRightBottomPoint = {w - 10, h - 10};
    F.CaptionRect = {bw + 4, 4, w - bw - 4, ch - 4};
    F.ButtonsRect = {kButtonRowLeft, ButtonTop(L), w - bw - 2, ButtonTop(L) + ButtonHeight(L)};
    F.ButtonsOffset = 1;
    F.BorderWidth = bw;
    F.FormMinWidth = 200;
    F.FormMinHeight = ch + bw + 40;
}

void SetLayerFrame(const TSkinLook& L, TbsDataSkinLayerFrame& F, int Picture, int Mask)
{
    const int s = kShadow, w = kFrameWidth + 2 * s, h = kFrameHeight + 2 * s;
    F.PictureIndex = F.InActivePictureIndex = Picture;
    F.MaskPictureIndex = F.InActiveMaskPictureIndex = Mask;
    F.LeftTopPoint = {s + 40, s + 40};
    F.RightTopPoint = {w - s - 40, s + 40};
    F.LeftBottomPoint = {s + 40, h - s - 40};
    F.RightBottomPoint = {w - s - 40, h - s - 40};
    F.ClientRect = {s, s, w - s, h - s};
    F.AlphaBlendValue = 255;
    F.InActiveAlphaBlendValue = 150;
    (void)L;
}

}  // namespace

void BuildFrame(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    TSkinModel& m = B.Model;
    m.Frame.Raster = DrawFrame(L, true);
    m.InactiveFrame.Raster = DrawFrame(L, false);
    m.Mask.Raster = DrawMask(L, m.Frame.Raster);
    SetFormInfo(L, m.FormInfo);

    TSkinPicture shadow{"layer.bmp", TRaster(1, 1, 0), true};
    TSkinPicture shadowMask{"layer_mask.bmp"};
    DrawShadow(L, shadow.Raster, shadowMask.Raster);
    int picture = int(m.ActivePictures.size());
    m.ActivePictures.push_back(std::move(shadow));
    m.ActivePictures.push_back(std::move(shadowMask));
    SetLayerFrame(L, m.LayerFrame, picture, picture + 1);
}

namespace {

// A caption button's image: the caption's own rows under it, then the face
// of its state and the mark.
TRect CaptionButtonCell(TSkinBuilder& B, int W, int Top, bool Active, const TArgb* Face, TGlyph Glyph, TArgb Colour)
{
    const TSkinLook& L = B.Look;
    const int h = ButtonHeight(L);
    TRect cell = B.Atlas.Take(W, h);
    TRaster& r = B.Atlas.Raster();
    TGradient ground = CaptionGradient(L, Active);
    for (int y = 0; y < h; ++y)
        r.HLine(cell.Left, cell.Right, cell.Top + y, ground.At(Top + y, L.CaptionHeight));
    if (Face) {
        r.RoundedGradient(cell, (L.CornerRadius + 1) / 2, B.FaceGradient(Face[0], Face[1]));
        r.RoundedFrame(cell, (L.CornerRadius + 1) / 2, Face[2]);
    }
    DrawGlyph(r, cell, Glyph, std::min(h, W) / 2, 5, Colour);
    return cell;
}

struct TButtonLooks {
    TRect Normal, Hot, Down, Inactive;
};

TButtonLooks CaptionButtonLooks(TSkinBuilder& B, int W, int Top, TGlyph Glyph, bool Close)
{
    const TSkinLook& L = B.Look;
    const TArgb hot[3] = {Close ? Mix(L.CloseHot, Rgb(255, 255, 255), 64) : L.HotTop, Close ? L.CloseHot : L.HotBottom,
                          Close ? Mix(L.CloseHot, Rgb(0, 0, 0), 64) : L.HotBorder};
    const TArgb down[3] = {Close ? L.CloseHot : L.DownTop, Close ? Mix(L.CloseHot, Rgb(0, 0, 0), 64) : L.DownBottom,
                           Close ? Mix(L.CloseHot, Rgb(0, 0, 0), 96) : L.DownBorder};
    const TArgb onHot = Close ? Rgb(255, 255, 255) : L.FaceText;
    TButtonLooks looks;
    looks.Normal = CaptionButtonCell(B, W, Top, true, nullptr, Glyph, L.CaptionGlyph);
    looks.Hot = CaptionButtonCell(B, W, Top, true, hot, Glyph, onHot);
    looks.Down = CaptionButtonCell(B, W, Top, true, down, Glyph, onHot);
    looks.Inactive = CaptionButtonCell(B, W, Top, false, nullptr, Glyph, L.InactiveCaptionGlyph);
    return looks;
}

// What a button shows while its window is maximized (rolled up).
void SetRestoreLooks(TbsRestoreImages& Button, const TButtonLooks& Looks)
{
    Button.RestoreRect = Looks.Normal;
    Button.RestoreActiveRect = Looks.Hot;
    Button.RestoreDownRect = Looks.Down;
    Button.RestoreInActiveRect = Looks.Inactive;
}

TbsDataSkinStdButton& AddCaptionButton(TSkinBuilder& B, const char* Name, TbsStdCommand Command, TGlyph Glyph, int W,
                                       int Top)
{
    B.Atlas.NewRow();
    TButtonLooks looks = CaptionButtonLooks(B, W, Top, Glyph, Command == cmclose);
    auto& button = B.AddObject<TbsDataSkinStdButton>(Name, "stdbutton");
    button.Command = Command;
    button.ActivePictureIndex = kControlsPicture;
    button.SkinRectInAPicture = true;
    button.SkinRect = looks.Normal;
    button.ActiveSkinRect = looks.Hot;
    button.DownRect = looks.Down;
    button.InActiveSkinRect = looks.Inactive;
    return button;
}

}  // namespace

void BuildCaptionObjects(TSkinBuilder& B)
{
    const TSkinLook& L = B.Look;
    const int w = ButtonWidth(L), top = ButtonTop(L);

    auto& caption = B.AddObject<TbsDataSkinCaption>("caption", "caption");
    // The caption ends where the row of buttons begins: the frame finds the
    // object under the mouse in list order, so a caption reaching into the
    // row would take the clicks of the buttons it covers (the roll-up one).
    caption.SkinRect = {L.BorderWidth + 4 + kSysMenuSize + 2, 1, kButtonRowLeft, L.CaptionHeight - 1};
    caption.TextRect = {4, 0, caption.SkinRect.Width() - 4, caption.SkinRect.Height()};
    caption.FontName = kSkinFont;
    caption.FontHeight = 14;
    caption.FontStyle = TFontStyles{fsBold};
    caption.FontColor = ToTColor(L.InactiveCaptionText);
    caption.ActiveFontColor = ToTColor(L.CaptionText);
    caption.Alignment = taLeftJustify;
    caption.QuickButtonAlphaMaskPictureIndex = -1;

    AddCaptionButton(B, "closebutton", cmclose, TGlyph::Close, w, top);
    auto& max = AddCaptionButton(B, "maxbutton", cmmaximize, TGlyph::Maximize, w, top);
    SetRestoreLooks(max, CaptionButtonLooks(B, w, top, TGlyph::Restore, false));
    AddCaptionButton(B, "minbutton", cmminimize, TGlyph::Minimize, w, top);
    auto& roll = AddCaptionButton(B, "rollupbutton", cmrollup, TGlyph::RollUp, w, top);
    SetRestoreLooks(roll, CaptionButtonLooks(B, w, top, TGlyph::ArrowDown, false));
    AddCaptionButton(B, "traybutton", cmminimizetotray, TGlyph::Tray, w, top);
    AddCaptionButton(B, "sysmenubutton", cmsysmenu, TGlyph::SysMenu, kSysMenuSize,
                     ButtonTop(L) + (ButtonHeight(L) - kSysMenuSize) / 2);
}
