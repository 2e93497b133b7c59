#include "skin/data/bs_skin_controls_tabs.h"

const TbsDescriptionKeys<TbsTabControlFields>& TbsTabControlFields::KeyTable()
{
    using T = TbsTabControlFields;
    static const TbsDescriptionKeys<T> table{
        {
            RectKey("tabrect", &T::TabRect),
            RectKey("activetabrect", &T::ActiveTabRect),
            RectKey("focustabrect", &T::FocusTabRect),
            RectKey("mouseintabrect", &T::MouseInTabRect),
            RectKey("clientrect", &T::ClientRect),
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex),
            PointKey("lefttoppoint", &T::LeftTopPoint),
            PointKey("righttoppoint", &T::RightTopPoint),
            PointKey("leftbottompoint", &T::LeftBottomPoint),
            PointKey("rightbottompoint", &T::RightBottomPoint),
            IntegerKey("tableftoffset", &T::TabLeftOffset, 0),
            IntegerKey("tabrightoffset", &T::TabRightOffset, 0),
            RectKey("tabsbgrect", &T::TabsBgRect),
            BooleanKey("tabstretcheffect", &T::TabStretchEffect),
            BooleanKey("leftstretch", &T::LeftStretch),
            BooleanKey("topstretch", &T::TopStretch),
            BooleanKey("rightstretch", &T::RightStretch),
            BooleanKey("bottomstretch", &T::BottomStretch),
            BooleanKey("stretcheffect", &T::StretchEffect),
            StretchTypeKey("stretchtype", &T::StretchType),
            StringKey("fontname", &T::FontName, "Arial"),
            IntegerKey("fontheight", &T::FontHeight, 14),
            FontStyleKey("fontstyle", &T::FontStyle),
            ColourKey("fontcolor", &T::FontColor, 0),
            ColourKey("activefontcolor", &T::ActiveFontColor, 0),
            ColourKey("focusfontcolor", &T::FocusFontColor, 0),
            ColourKey("mouseinfontcolor", &T::MouseInFontColor, 0),
            StringKey("updown", &T::UpDown, ""),
            BooleanKey("showfocus", &T::ShowFocus),
            IntegerKey("focusoffsetx", &T::FocusOffsetX, 0),
            IntegerKey("focusoffsety", &T::FocusOffsetY, 0),
            RectKey("closebuttonrect", &T::CloseButtonRect),
            RectKey("closebuttonactiverect", &T::CloseButtonActiveRect),
            RectKey("closebuttondownrect", &T::CloseButtonDownRect),
            BooleanKey("buttontransparent", &T::ButtonTransparent),
            ColourKey("buttontransparentcolor", &T::ButtonTransparentColor, 0, clFuchsia),
            RectKey("dividerrect", &T::DividerRect),
            BooleanKey("dividertransparent", &T::DividerTransparent),
            ColourKey("dividertransparentcolor", &T::DividerTransparentColor, 0, clFuchsia),
            RectKey("mdicloserect", &T::MDICloseRect),
            RectKey("mdicloseactiverect", &T::MDICloseActiveRect),
            RectKey("mdiclosedownrect", &T::MDICloseDownRect),
            RectKey("mdirestorerect", &T::MDIRestoreRect),
            RectKey("mdirestoreactiverect", &T::MDIRestoreActiveRect),
            RectKey("mdirestoredownrect", &T::MDIRestoreDownRect),
            RectKey("mdiminrect", &T::MDIMinRect),
            RectKey("mdiminactiverect", &T::MDIMinActiveRect),
            RectKey("mdimindownrect", &T::MDIMinDownRect),
            BooleanKey("mdibuttonstransparent", &T::MDIButtonsTransparent),
            ColourKey("mdibuttonstransparentcolor", &T::MDIButtonsTransparentColor, 0),
            RectKey("tableftbottomactiverect", &T::TabLeftBottomActiveRect),
            RectKey("tableftbottomfocusrect", &T::TabLeftBottomFocusRect),
        },
        {&T::BgPictureIndex}};
    return table;
}

const TbsDescriptionKeys<TbsTreeViewFields>& TbsTreeViewFields::KeyTable()
{
    using T = TbsTreeViewFields;
    static const TbsDescriptionKeys<T> table{{
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("bgcolor", &T::BgColor, 0, clWhite),
        RectKey("expandimagerect", &T::ExpandImageRect),
        RectKey("noexpandimagerect", &T::NoExpandImageRect),
    }};
    return table;
}

const TbsDescriptionKeys<TbsTextViewFields>& TbsTextViewFields::KeyTable()
{
    using T = TbsTextViewFields;
    static const TbsDescriptionKeys<T> table{{
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("bgcolor", &T::BgColor, 0, clWhite),
    }};
    return table;
}

const TbsDescriptionKeys<TbsGridControlFields>& TbsGridControlFields::KeyTable()
{
    using T = TbsGridControlFields;
    static const TbsDescriptionKeys<T> table{
        {
            RectKey("fixedcellrect", &T::FixedCellRect),
            RectKey("selectcellrect", &T::SelectCellRect),
            RectKey("focuscellrect", &T::FocusCellRect),
            IntegerKey("fixedcellleftoffset", &T::FixedCellLeftOffset, 0),
            IntegerKey("fixedcellrightoffset", &T::FixedCellRightOffset, 0),
            RectKey("fixedcelltextrect", &T::FixedCellTextRect),
            IntegerKey("cellleftoffset", &T::CellLeftOffset, 0),
            IntegerKey("cellrightoffset", &T::CellRightOffset, 0),
            RectKey("celltextrect", &T::CellTextRect),
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex).WriteAfter("bgcolor"),
            ColourKey("linescolor", &T::LinesColor, 0),
            ColourKey("bgcolor", &T::BgColor, 0),
            StringKey("fontname", &T::FontName, "Arial"),
            IntegerKey("fontheight", &T::FontHeight, 14),
            FontStyleKey("fontstyle", &T::FontStyle),
            ColourKey("fontcolor", &T::FontColor, 0),
            ColourKey("selectfontcolor", &T::SelectFontColor, 0),
            ColourKey("focusfontcolor", &T::FocusFontColor, 0),
            StringKey("fixedfontname", &T::FixedFontName, "Arial"),
            IntegerKey("fixedfontheight", &T::FixedFontHeight, 14),
            FontStyleKey("fixedfontstyle", &T::FixedFontStyle),
            ColourKey("fixedfontcolor", &T::FixedFontColor, 0),
            BooleanKey("cellstretcheffect", &T::CellStretchEffect),
            BooleanKey("fixedcellstretcheffect", &T::FixedCellStretchEffect),
            BooleanKey("showfocus", &T::ShowFocus),
        },
        {&T::BgPictureIndex}};
    return table;
}
