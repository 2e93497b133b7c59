#include "skin/data/bs_skin_controls_edits.h"

const TbsDescriptionKeys<TbsEditControlFields>& TbsEditControlFields::KeyTable()
{
    using T = TbsEditControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("activeskinrect", &T::ActiveSkinRect),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("disabledfontcolor", &T::DisabledFontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 0),
        RectKey("buttonrect", &T::ButtonRect),
        RectKey("activebuttonrect", &T::ActiveButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("unenabledbuttonrect", &T::UnEnabledButtonRect),
    }};
    return table;
}

const TbsDescriptionKeys<TbsMemoControlFields>& TbsMemoControlFields::KeyTable()
{
    using T = TbsMemoControlFields;
    static const TbsDescriptionKeys<T> table{{
        ColourKey("bgcolor", &T::BgColor, 0),
        ColourKey("activebgcolor", &T::ActiveBgColor, 0),
    }};
    return table;
}

const TbsDescriptionKeys<TbsSpinEditControlFields>& TbsSpinEditControlFields::KeyTable()
{
    using T = TbsSpinEditControlFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("activeskinrect", &T::ActiveSkinRect),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14, 12),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 0),
        ColourKey("disabledfontcolor", &T::DisabledFontColor, 0),
        RectKey("upbuttonrect", &T::UpButtonRect),
        RectKey("activeupbuttonrect", &T::ActiveUpButtonRect),
        RectKey("downupbuttonrect", &T::DownUpButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("activedownbuttonrect", &T::ActiveDownButtonRect),
        RectKey("downdownbuttonrect", &T::DownDownButtonRect),
    }};
    return table;
}

const TbsDescriptionKeys<TbsComboBoxFields>& TbsComboBoxFields::KeyTable()
{
    using T = TbsComboBoxFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("activeskinrect", &T::ActiveSkinRect),
        RectKey("itemrect", &T::ItemRect),
        RectKey("activeitemrect", &T::ActiveItemRect),
        RectKey("focusitemrect", &T::FocusItemRect),
        IntegerKey("itemleftoffset", &T::ItemLeftOffset, 0),
        IntegerKey("itemrightoffset", &T::ItemRightOffset, 0),
        RectKey("itemtextrect", &T::ItemTextRect),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("focusfontcolor", &T::FocusFontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 0),
        StringKey("listboxname", &T::ListBoxName, "").WriteAfter("unenabledbuttonrect"),
        RectKey("buttonrect", &T::ButtonRect),
        RectKey("activebuttonrect", &T::ActiveButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("unenabledbuttonrect", &T::UnEnabledButtonRect),
        BooleanKey("itemstretcheffect", &T::ItemStretchEffect),
        BooleanKey("focusitemstretcheffect", &T::FocusItemStretchEffect),
        BooleanKey("showfocus", &T::ShowFocus),
    }};
    return table;
}

const TbsDescriptionKeys<TbsListBoxFields>& TbsListBoxFields::KeyTable()
{
    using T = TbsListBoxFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("itemrect", &T::ItemRect),
        RectKey("activeitemrect", &T::ActiveItemRect),
        RectKey("focusitemrect", &T::FocusItemRect),
        IntegerKey("itemleftoffset", &T::ItemLeftOffset, 0),
        IntegerKey("itemrightoffset", &T::ItemRightOffset, 0),
        RectKey("itemtextrect", &T::ItemTextRect),
        StringKey("fontname", &T::FontName, "Arial"),
        IntegerKey("fontheight", &T::FontHeight, 14),
        FontStyleKey("fontstyle", &T::FontStyle),
        ColourKey("fontcolor", &T::FontColor, 0),
        ColourKey("activefontcolor", &T::ActiveFontColor, 0),
        ColourKey("focusfontcolor", &T::FocusFontColor, 0),
        RectKey("captionrect", &T::CaptionRect),
        StringKey("captionfontname", &T::CaptionFontName, "Arial"),
        IntegerKey("captionfontheight", &T::CaptionFontHeight, 14),
        FontStyleKey("captionfontstyle", &T::CaptionFontStyle),
        ColourKey("captionfontcolor", &T::CaptionFontColor, 0),
        RectKey("upbuttonrect", &T::UpButtonRect),
        RectKey("activeupbuttonrect", &T::ActiveUpButtonRect),
        RectKey("downupbuttonrect", &T::DownUpButtonRect),
        RectKey("downbuttonrect", &T::DownButtonRect),
        RectKey("activedownbuttonrect", &T::ActiveDownButtonRect),
        RectKey("downdownbuttonrect", &T::DownDownButtonRect),
        RectKey("checkbuttonrect", &T::CheckButtonRect),
        RectKey("activecheckbuttonrect", &T::ActiveCheckButtonRect),
        RectKey("downcheckbuttonrect", &T::DownCheckButtonRect),
        StringKey("vscrollbarname", &T::VScrollBarName, "vscrollbar", ""),
        StringKey("hscrollbarname", &T::HScrollBarName, "hscrollbar", ""),
        StringKey("bothhscrollbarname", &T::BothHScrollBarName, "bothhscrollbar", ""),
        BooleanKey("showfocus", &T::ShowFocus),
        RectKey("disabledbuttonsrect", &T::DisabledButtonsRect),
        RectKey("buttonsarea", &T::ButtonsArea),
    }};
    return table;
}

const TbsDescriptionKeys<TbsCheckListBoxFields>& TbsCheckListBoxFields::KeyTable()
{
    using T = TbsCheckListBoxFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("itemcheckrect", &T::ItemCheckRect),
        RectKey("checkimagerect", &T::CheckImageRect),
        RectKey("uncheckimagerect", &T::UnCheckImageRect).WriteAfter("itemcheckrect"),
    }};
    return table;
}
