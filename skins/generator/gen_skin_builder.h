// What the parts of a skin's generator share while they build one skin:
// its look, the controls picture filling up and the model being built.
#pragma once

#include <memory>

#include "skins/generator/gen_atlas.h"
#include "skins/generator/gen_glyphs.h"
#include "skins/generator/gen_skin_model.h"

// The frame picture's size; the form stretches its middle.
inline constexpr int kFrameWidth = 240;
inline constexpr int kFrameHeight = 180;

// The font every description names; fontconfig finds the nearest face.
inline const char* const kSkinFont = "Tahoma";

struct TSkinBuilder {
    const TSkinLook& Look;
    TSkinModel& Model;
    TAtlas Atlas;

    // A raised face of W x H in the controls picture: rounded, filled top
    // to bottom, outlined, with a one-pixel light line inside the top edge
    // (and a glossy band in glossy looks) over a ground of Ground.
    TRect Raised(int W, int H, TArgb Top, TArgb Bottom, TArgb Border, TArgb Ground, int Radius);
    // A sunken field: a flat fill inside a one-pixel frame.
    TRect Field(int W, int H, TArgb Fill, TArgb Border);
    // A cell of the atlas filled top to bottom with a gradient.
    TRect Band(int W, int H, const TGradient& G);
    // A glyph on a copy of the ground; returns the cell.
    TRect GlyphCell(int W, int H, const TGradient& Ground, TGlyph Glyph, int Size, int Pen, TArgb Colour);

    // The gradient of a glossy or flat face between Top and Bottom.
    TGradient FaceGradient(TArgb Top, TArgb Bottom) const;

    template <typename T>
    T& AddControl(const char* IDName, const char* TypeWord)
    {
        return Add<T>(Model.Controls, Model.ControlTypes, IDName, TypeWord);
    }

    template <typename T>
    T& AddObject(const char* IDName, const char* TypeWord)
    {
        return Add<T>(Model.Objects, Model.ObjectTypes, IDName, TypeWord);
    }

private:
    template <typename T, typename List>
    static T& Add(List& Descriptions, std::vector<std::string>& Types, const char* IDName, const char* TypeWord)
    {
        auto description = std::make_unique<T>(IDName);
        T& ref = *description;
        Descriptions.push_back(std::move(description));
        Types.push_back(TypeWord);
        return ref;
    }
};

// A nine-part description: its skin rectangle Cell with fixed ends of
// Corner pixels on every side, stretched.
template <typename T>
void SetNinePart(T& Description, const TRect& Cell, int Corner)
{
    const int w = Cell.Width(), h = Cell.Height();
    Description.PictureIndex = kControlsPicture;
    Description.SkinRect = Cell;
    Description.LeftTopPoint = {Corner, Corner};
    Description.RightTopPoint = {w - Corner, Corner};
    Description.LeftBottomPoint = {Corner, h - Corner};
    Description.RightBottomPoint = {w - Corner, h - Corner};
    Description.ClientRect = {Corner, Corner, w - Corner, h - Corner};
    Description.LeftStretch = Description.TopStretch = Description.RightStretch = Description.BottomStretch = true;
    Description.StretchEffect = true;
    Description.StretchType = stfull;
}

// The parts of a skin, in the order BuildSkin runs them.
void BuildFrame(TSkinBuilder& B);
void BuildCaptionObjects(TSkinBuilder& B);
void BuildMenus(TSkinBuilder& B);
void BuildWindows(TSkinBuilder& B);
void BuildButtons(TSkinBuilder& B);
void BuildBars(TSkinBuilder& B);
void BuildViews(TSkinBuilder& B);
