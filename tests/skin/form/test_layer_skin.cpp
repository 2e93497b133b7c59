#include "tests/skin/form/test_layer_skin.h"

#include <string>

#include "tests/skin/controls/test_skin.h"

void TTestLayerSkin::AddTo(TTestSkin& Skin, bool WithMask)
{
    Skin.NewRow();
    TRect picture = Skin.AddCell("layer", Size, Size, {20, 44}, {ClientTop, ClientBottom},
                                 {"lt", "t", "rt", "l", "client", "r", "lb", "b", "rb"});
    Skin.Set("LAYERFRAME", "pictureindex", std::to_string(Skin.AddCellPicture("layer.bmp", picture)));
    if (WithMask) {
        TRect mask = Skin.AddCell("layermask", Size, Size, {}, {}, {"grey"});
        Skin.Set("LAYERFRAME", "maskpictureindex", std::to_string(Skin.AddCellPicture("layer_mask.bmp", mask)));
    }
    Skin.Set("LAYERFRAME", "lefttoppoint", TTestSkin::PointText(20, ClientTop));
    Skin.Set("LAYERFRAME", "righttoppoint", TTestSkin::PointText(44, ClientTop));
    Skin.Set("LAYERFRAME", "leftbottompoint", TTestSkin::PointText(20, ClientBottom));
    Skin.Set("LAYERFRAME", "rightbottompoint", TTestSkin::PointText(44, ClientBottom));
    Skin.Set("LAYERFRAME", "clientrect", TTestSkin::RectText({ClientLeft, ClientTop, ClientRight, ClientBottom}));
    Skin.Set("LAYERFRAME", "borderrect",
             TTestSkin::RectText({Margin, Margin, Size - Margin, Size - Margin}));
    Skin.Set("LAYERFRAME", "hittestlefttoppoint", TTestSkin::PointText(24, 24));
    Skin.Set("LAYERFRAME", "hittestrighttoppoint", TTestSkin::PointText(40, 24));
    Skin.Set("LAYERFRAME", "hittestleftbottompoint", TTestSkin::PointText(24, 40));
    Skin.Set("LAYERFRAME", "hittestrightbottompoint", TTestSkin::PointText(40, 40));
    Skin.Set("LAYERFRAME", "hittestenable", "1");
    Skin.Set("LAYERFRAME", "hittestsize", "6");
    Skin.Set("LAYERFRAME", "alphablendvalue", "200");
    Skin.Set("LAYERFRAME", "inactivealphablendvalue", "120");
}
