// Writing a built skin: the skin INI (descriptions through their own
// SaveToFile, the other sections through the loader's codecs) and the BMP
// pictures.
#include <string>

#include "platform/base/atomic_file.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "skin/data/bs_ini_codecs.h"
#include "skins/generator/gen_skin_model.h"

namespace {

void WriteFormInfo(TCustomIniFile* Ini, const TbsFormInfo& F)
{
    const AnsiString s = "FORMINFO";
    WritePoint(Ini, s, "lefttoppoint", F.LeftTopPoint);
    WritePoint(Ini, s, "righttoppoint", F.RightTopPoint);
    WritePoint(Ini, s, "leftbottompoint", F.LeftBottomPoint);
    WritePoint(Ini, s, "rightbottompoint", F.RightBottomPoint);
    WriteRect(Ini, s, "clientrect", F.ClientRect);
    Ini->WriteInteger(s, "bgpictureindex", F.BGPictureIndex);
    Ini->WriteInteger(s, "mdibgpictureindex", F.MDIBGPictureIndex);
    WriteBoolean(Ini, s, "leftstretch", F.LeftStretch);
    WriteBoolean(Ini, s, "rightstretch", F.RightStretch);
    WriteBoolean(Ini, s, "topstretch", F.TopStretch);
    WriteBoolean(Ini, s, "bottomstretch", F.BottomStretch);
    WriteBoolean(Ini, s, "stretcheffect", F.StretchEffect);
    WriteStretchType(Ini, s, "stretchtype", F.StretchType);
    WriteBoolean(Ini, s, "mdibgstretcheffect", F.MDIBGStretchEffect);
    WriteStretchType(Ini, s, "mdibgstretchtype", F.MDIBGStretchType);
    WriteRect(Ini, s, "maskrectarea", F.MaskRectArea);
    WritePoint(Ini, s, "hittestlefttoppoint", F.HitTestLeftTopPoint);
    WritePoint(Ini, s, "hittestrighttoppoint", F.HitTestRightTopPoint);
    WritePoint(Ini, s, "hittestleftbottompoint", F.HitTestLeftBottomPoint);
    WritePoint(Ini, s, "hittestrightbottompoint", F.HitTestRightBottomPoint);
    WriteRect(Ini, s, "buttonsrect", F.ButtonsRect);
    WriteRect(Ini, s, "captionrect", F.CaptionRect);
    Ini->WriteInteger(s, "buttonsoffset", F.ButtonsOffset);
    WriteBoolean(Ini, s, "buttonsinleft", F.ButtonsInLeft);
    WriteBoolean(Ini, s, "mainmenupopupup", F.MainMenuPopupUp);
    Ini->WriteInteger(s, "borderwidth", F.BorderWidth);
    Ini->WriteInteger(s, "formminwidth", F.FormMinWidth);
    Ini->WriteInteger(s, "formminheight", F.FormMinHeight);
    WriteBoolean(Ini, s, "mditabstransparent", F.MDITabsTransparent);
    WriteBoolean(Ini, s, "mainmenubartransparent", F.MainMenuBarTransparent);
    WriteBoolean(Ini, s, "autorenderinginactiveimage", F.AutoRenderingInActiveImage);
}

void WriteColors(TCustomIniFile* Ini, const TbsSkinColors& C)
{
    const AnsiString s = "SKINCOLORS";
    Ini->WriteInteger(s, "cbtnface", C.BtnFace);
    Ini->WriteInteger(s, "cbtntext", C.BtnText);
    Ini->WriteInteger(s, "cwindow", C.Window);
    Ini->WriteInteger(s, "cwindowtext", C.WindowText);
    Ini->WriteInteger(s, "chighlight", C.Highlight);
    Ini->WriteInteger(s, "chighlighttext", C.HighlightText);
    Ini->WriteInteger(s, "cbtnhighlight", C.BtnHighlight);
    Ini->WriteInteger(s, "cbtnshadow", C.BtnShadow);
}

// The corner points, the four edge flags and the filling of a window
// picture, which the popup and hint sections share.
template <typename T>
void WriteCorners(TCustomIniFile* Ini, const AnsiString& S, const T& W)
{
    WritePoint(Ini, S, "lefttoppoint", W.LeftTopPoint);
    WritePoint(Ini, S, "righttoppoint", W.RightTopPoint);
    WritePoint(Ini, S, "leftbottompoint", W.LeftBottomPoint);
    WritePoint(Ini, S, "rightbottompoint", W.RightBottomPoint);
}

template <typename T>
void WriteStretching(TCustomIniFile* Ini, const AnsiString& S, const T& W)
{
    WriteBoolean(Ini, S, "leftstretch", W.LeftStretch);
    WriteBoolean(Ini, S, "rightstretch", W.RightStretch);
    WriteBoolean(Ini, S, "topstretch", W.TopStretch);
    WriteBoolean(Ini, S, "bottomstretch", W.BottomStretch);
    WriteBoolean(Ini, S, "stretcheffect", W.StretchEffect);
    WriteStretchType(Ini, S, "stretchtype", W.StretchType);
}

void WritePopup(TCustomIniFile* Ini, const TbsDataSkinPopupWindow& P)
{
    const AnsiString s = "POPUPWINDOW";
    Ini->WriteInteger(s, "windowpictureindex", P.WindowPictureIndex);
    Ini->WriteInteger(s, "maskpictureindex", P.MaskPictureIndex);
    WriteCorners(Ini, s, P);
    WriteRect(Ini, s, "itemsrect", P.ItemsRect);
    Ini->WriteInteger(s, "scrollmarkercolor", P.ScrollMarkerColor);
    Ini->WriteInteger(s, "scrollmarkeractivecolor", P.ScrollMarkerActiveColor);
    WriteStretching(Ini, s, P);
}

void WriteLayer(TCustomIniFile* Ini, const TbsDataSkinLayerFrame& L)
{
    const AnsiString s = "LAYERFRAME";
    Ini->WriteInteger(s, "pictureindex", L.PictureIndex);
    Ini->WriteInteger(s, "maskpictureindex", L.MaskPictureIndex);
    Ini->WriteInteger(s, "inactivepictureindex", L.InActivePictureIndex);
    Ini->WriteInteger(s, "inactivemaskpictureindex", L.InActiveMaskPictureIndex);
    WriteCorners(Ini, s, L);
    WriteRect(Ini, s, "clientrect", L.ClientRect);
    Ini->WriteInteger(s, "alphablendvalue", L.AlphaBlendValue);
    Ini->WriteInteger(s, "inactivealphablendvalue", L.InActiveAlphaBlendValue);
    WriteRect(Ini, s, "borderrect", L.BorderRect);
    WriteBoolean(Ini, s, "hittestenable", L.HitTestEnable);
    WriteBoolean(Ini, s, "fullborder", L.FullBorder);
    Ini->WriteInteger(s, "hittestsize", L.HitTestSize);
    WriteRect(Ini, s, "captionrect", L.CaptionRect);
    WritePoint(Ini, s, "hittestlefttoppoint", L.HitTestLeftTopPoint);
    WritePoint(Ini, s, "hittestrighttoppoint", L.HitTestRightTopPoint);
    WritePoint(Ini, s, "hittestleftbottompoint", L.HitTestLeftBottomPoint);
    WritePoint(Ini, s, "hittestrightbottompoint", L.HitTestRightBottomPoint);
    WriteRect(Ini, s, "buttonsrect", L.ButtonsRect);
    WriteRect(Ini, s, "sysmenubuttonrect", L.SysMenuButtonRect);
    WriteBoolean(Ini, s, "fullstretch", L.FullStretch);
    Ini->WriteInteger(s, "rollupformheight", L.RollUpFormHeight);
    Ini->WriteInteger(s, "buttonstopoffset", L.ButtonsTopOffset);
    Ini->WriteInteger(s, "sysbuttontopoffset", L.SysButtonTopOffset);
    Ini->WriteInteger(s, "blurmaskpictureindex", L.BlurMaskPictureIndex);
    WriteRect(Ini, s, "intersectblurmaskrect", L.IntersectBlurMaskRect);
    WriteRect(Ini, s, "excludeblurmaskrect", L.ExcludeBlurMaskRect);
    Ini->WriteInteger(s, "leftoffset", L.LeftOffset);
    Ini->WriteInteger(s, "topoffset", L.TopOffset);
    Ini->WriteInteger(s, "widthoffset", L.WidthOffset);
    Ini->WriteInteger(s, "heightoffset", L.HeightOffset);
}

void WriteHint(TCustomIniFile* Ini, const TbsDataSkinHintWindow& H)
{
    const AnsiString s = "HINTWINDOW";
    Ini->WriteInteger(s, "windowpictureindex", H.WindowPictureIndex);
    Ini->WriteInteger(s, "maskpictureindex", H.MaskPictureIndex);
    WriteCorners(Ini, s, H);
    WriteRect(Ini, s, "clientrect", H.ClientRect);
    Ini->WriteString(s, "fontname", H.FontName);
    Ini->WriteInteger(s, "fontheight", H.FontHeight);
    WriteFontStyles(Ini, s, "fontstyle", H.FontStyle);
    Ini->WriteInteger(s, "fontcolor", H.FontColor);
    WriteStretching(Ini, s, H);
}

template <typename T>
void WriteEntries(TCustomIniFile* Ini, const AnsiString& Section, const std::vector<std::unique_ptr<T>>& List,
                  const std::vector<std::string>& Types)
{
    Ini->WriteInteger(Section, "count", int(List.size()));
    for (size_t i = 0; i < List.size(); ++i)
        Ini->WriteString(Section, std::to_string(i), List[i]->IDName + ":" + Types[i]);
}

}  // namespace

void WriteFixedSections(TCustomIniFile* Ini, const TbsFormInfo& FormInfo, const TbsSkinColors& Colors,
                        const TbsDataSkinPopupWindow& Popup, const TbsDataSkinLayerFrame& Layer,
                        const TbsDataSkinHintWindow& Hint)
{
    WriteFormInfo(Ini, FormInfo);
    WriteColors(Ini, Colors);
    WritePopup(Ini, Popup);
    WriteLayer(Ini, Layer);
    WriteHint(Ini, Hint);
}

void WriteSkin(const TSkinModel& Model, const std::string& Folder)
{
    TMemIniFile ini(Folder + "/skin.ini");
    ini.Clear();
    ini.WriteString("VERSION", "skinname", Model.Name);
    ini.WriteString("VERSION", "skinauthor", "Tandril");
    ini.WriteString("VERSION", "skincomments", Model.Comment);
    ini.WriteString("PICTURES", "picture", Model.Frame.FileName);
    ini.WriteString("PICTURES", "inactivepicture", Model.InactiveFrame.FileName);
    ini.WriteString("PICTURES", "mask", Model.Mask.FileName);
    ini.WriteInteger("PICTURES", "activepicturescount", int(Model.ActivePictures.size()));
    for (size_t i = 0; i < Model.ActivePictures.size(); ++i)
        ini.WriteString("PICTURES", std::to_string(i), Model.ActivePictures[i].FileName);
    WriteFixedSections(&ini, Model.FormInfo, Model.Colors, Model.PopupWindow, Model.LayerFrame, Model.HintWindow);
    WriteEntries(&ini, "SKINOBJECTS", Model.Objects, Model.ObjectTypes);
    WriteEntries(&ini, "SKINCONTROLS", Model.Controls, Model.ControlTypes);
    for (const auto& object : Model.Objects)
        object->SaveToFile(&ini);
    for (const auto& control : Model.Controls)
        control->SaveToFile(&ini);
    // A skin's INI keeps the CR LF line ends of the skin format, whatever
    // the program's own settings files use.
    TStringList lines;
    ini.GetStrings(&lines);
    WriteFileAtomically(Folder + "/skin.ini", lines.Text());

    for (const TSkinPicture* picture : {&Model.Frame, &Model.InactiveFrame, &Model.Mask})
        WriteFileBytes(Folder + "/" + picture->FileName, picture->Raster.Bmp(picture->WithAlpha));
    for (const TSkinPicture& picture : Model.ActivePictures)
        WriteFileBytes(Folder + "/" + picture.FileName, picture.Raster.Bmp(picture.WithAlpha));
}
