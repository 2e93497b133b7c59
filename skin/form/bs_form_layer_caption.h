// The caption of a "fullborder" layered border: the frame's caption
// buttons and caption object laid out on the top border strip, and the
// buttons' looks drawn onto it with their own alpha.
#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/base/geometry.h"

class TbsBitmap;
class TbsDataSkinLayerFrame;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinStdButtonObject;

// Each of the frame's objects' rectangle on a top strip TopWidth wide,
// cut from a border picture PictureWidth wide (by object index; empty for
// an object the strip does not show). The buttons run leftwards from the
// right end of "buttonsrect" (or of "captionrect" without one) with the
// frame's "buttonsoffset" between them, the system-menu button sits at the
// caption's left, and the caption object takes the room between.
std::vector<TRect> LayoutLayerCaption(const TbsDataSkinLayerFrame& Frame, const TbsSkinForm& Form, int TopWidth,
                                      int PictureWidth);

// The skin's pictures with a mask picture made into their alpha, made once
// per pair for the buttons' looks.
class TbsLayerButtonPictures {
public:
    TbsLayerButtonPictures();
    ~TbsLayerButtonPictures();
    TbsLayerButtonPictures(const TbsLayerButtonPictures&) = delete;
    TbsLayerButtonPictures& operator=(const TbsLayerButtonPictures&) = delete;
    // The picture PictureIndex with MaskIndex as alpha (opaque when
    // MaskIndex names no picture of the same size); nullptr when
    // PictureIndex names none.
    TbsBitmap* Get(TbsSkinData& Data, int PictureIndex, int MaskIndex);
    void Clear();

private:
    std::map<std::pair<int, int>, std::unique_ptr<TbsBitmap>> pictures_;
};

// The form's small icon blended onto Target at At; an icon without alpha
// is opaque wherever it draws.
void DrawLayerIcon(TbsSkinForm& Form, TbsBitmap& Target, TPoint At);

// The button's present look (normal, hot, pressed, inactive, or their
// restore looks) blended onto Target at Place; in icon mode the form's
// icon.
void DrawLayerButton(TbsSkinStdButtonObject& Button, TbsLayerButtonPictures& Pictures, TbsBitmap& Target,
                     const TRect& Place);
