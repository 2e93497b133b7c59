// The shared drawing helpers of a skin and BuildSkin, which runs the parts.
#include "skins/generator/gen_skin_builder.h"

TGradient TSkinBuilder::FaceGradient(TArgb Top, TArgb Bottom) const
{
    if (!Look.Glossy)
        return TGradient::Two(Top, Bottom);
    // A glass face: light upper half, a step at the middle, deeper lower half.
    return TGradient::Three(Mix(Top, Rgb(255, 255, 255), 96), Top, Bottom, 120);
}

TRect TSkinBuilder::Raised(int W, int H, TArgb Top, TArgb Bottom, TArgb Border, TArgb Ground, int Radius)
{
    TRect cell = Atlas.Take(W, H);
    TRaster& r = Atlas.Raster();
    r.Fill(cell, Ground);
    r.RoundedGradient(cell, Radius, FaceGradient(Top, Bottom));
    TRect inner{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
    r.RoundedFrame(inner, Radius > 1 ? Radius - 1 : 0, Mix(Top, Rgb(255, 255, 255), 128) & 0x90FFFFFFu);
    r.RoundedFrame(cell, Radius, Border);
    return cell;
}

TRect TSkinBuilder::Field(int W, int H, TArgb Fill, TArgb Border)
{
    TRect cell = Atlas.Take(W, H);
    Atlas.Raster().Fill(cell, Fill);
    Atlas.Raster().Frame(cell, Border);
    return cell;
}

TRect TSkinBuilder::Band(int W, int H, const TGradient& G)
{
    TRect cell = Atlas.Take(W, H);
    Atlas.Raster().Gradient(cell, G);
    return cell;
}

TRect TSkinBuilder::GlyphCell(int W, int H, const TGradient& Ground, TGlyph Glyph, int Size, int Pen, TArgb Colour)
{
    TRect cell = Band(W, H, Ground);
    DrawGlyph(Atlas.Raster(), cell, Glyph, Size, Pen, Colour);
    return cell;
}

namespace {

void SetColors(const TSkinLook& L, TbsSkinColors& C)
{
    C.BtnFace = ToTColor(L.Face);
    C.BtnText = ToTColor(L.FaceText);
    C.Window = ToTColor(L.Window);
    C.WindowText = ToTColor(L.WindowText);
    C.Highlight = ToTColor(L.Selection);
    C.HighlightText = ToTColor(L.SelectionText);
    C.BtnHighlight = ToTColor(L.FaceLight);
    C.BtnShadow = ToTColor(L.FaceShadow);
}

}  // namespace

TSkinModel BuildSkin(const TSkinLook& Look)
{
    TSkinModel model;
    model.Name = Look.Name;
    model.Comment = Look.Comment;
    model.Frame.FileName = "frame.bmp";
    model.InactiveFrame.FileName = "frame_inactive.bmp";
    model.Mask.FileName = "frame_mask.bmp";
    SetColors(Look, model.Colors);
    // The controls picture comes first; the frame's other pictures follow.
    model.ActivePictures.push_back({"controls.bmp"});
    TSkinBuilder builder{Look, model, {}};
    BuildFrame(builder);
    BuildCaptionObjects(builder);
    BuildMenus(builder);
    BuildWindows(builder);
    BuildButtons(builder);
    BuildBars(builder);
    BuildViews(builder);
    model.ActivePictures[kControlsPicture].Raster = builder.Atlas.Finished();
    return model;
}
