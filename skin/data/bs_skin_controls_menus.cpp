#include "skin/data/bs_skin_controls_menus.h"

const TbsDescriptionKeys<TbsControlBarFields>& TbsControlBarFields::KeyTable()
{
    using T = TbsControlBarFields;
    static const TbsDescriptionKeys<T> table{
        {
            RectKey("itemrect", &T::ItemRect),
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex),
            RectKey("hgriprect", &T::HGripRect),
            RectKey("vgriprect", &T::VGripRect),
            IntegerKey("gripoffset1", &T::GripOffset1, 0),
            IntegerKey("gripoffset2", &T::GripOffset2, 0),
            BooleanKey("itemstretcheffect", &T::ItemStretchEffect).WriteAfter("itemoffset2"),
            IntegerKey("itemoffset1", &T::ItemOffset1, 3, 0),
            IntegerKey("itemoffset2", &T::ItemOffset2, 3, 0),
            BooleanKey("itemtransparent", &T::ItemTransparent),
            ColourKey("itemtransparentcolor", &T::ItemTransparentColor, 0),
            BooleanKey("griptransparent", &T::GripTransparent),
            ColourKey("griptransparentcolor", &T::GripTransparentColor, 0),
        },
        {&T::BgPictureIndex}};
    return table;
}

const TbsDescriptionKeys<TbsMainMenuBarFields>& TbsMainMenuBarFields::KeyTable()
{
    using T = TbsMainMenuBarFields;
    static const TbsDescriptionKeys<T> table{{
        RectKey("itemsrect", &T::ItemsRect),
        StringKey("menubaritem", &T::MenuBarItem, ""),
        StringKey("closebutton", &T::CloseButton, ""),
        StringKey("minbutton", &T::MinButton, ""),
        StringKey("maxbutton", &T::MaxButton, ""),
        StringKey("sysmenubutton", &T::SysMenuButton, ""),
        ColourKey("trackmarkcolor", &T::TrackMarkColor, 0),
        ColourKey("trackmarkactivecolor", &T::TrackMarkActiveColor, 0),
        BooleanKey("stretcheffect", &T::StretchEffect),
        BooleanKey("itemtransparent", &T::ItemTransparent),
    }};
    return table;
}

const TbsDescriptionKeys<TbsAppMenuFields>& TbsAppMenuFields::KeyTable()
{
    using T = TbsAppMenuFields;
    static const TbsDescriptionKeys<T> table{
        {
            PictureIndexKey("bgpictureindex", &T::BgPictureIndex),
            BooleanKey("bgstretcheffect", &T::BgStretchEffect),
            RectKey("itemrect", &T::ItemRect),
            RectKey("pageitemrect", &T::PageItemRect),
            RectKey("pageitemactiverect", &T::PageItemActiveRect),
            IntegerKey("itemoffset1", &T::ItemOffset1, 3, 0),
            IntegerKey("itemoffset2", &T::ItemOffset2, 3, 0),
            IntegerKey("pageitemoffset1", &T::PageItemOffset1, 10, 0),
            IntegerKey("pageitemoffset2", &T::PageItemOffset2, 10, 0),
            IntegerKey("pageoffset", &T::PageOffset, 0),
            StringKey("fontname", &T::FontName, "Arial", ""),
            IntegerKey("fontheight", &T::FontHeight, 14, 0),
            IntegerKey("fontpageheight", &T::FontPageHeight, 16, 0),
            FontStyleKey("fontstyle", &T::FontStyle),
            ColourKey("fontcolor", &T::FontColor, 0),
            ColourKey("disabledfontcolor", &T::DisabledFontColor, 0),
            ColourKey("activefontcolor", &T::ActiveFontColor, 0),
            ColourKey("fontpagecolor", &T::FontPageColor, 0),
            ColourKey("activefontpagecolor", &T::ActiveFontPageColor, 0),
            RectKey("gripperrect", &T::GripperRect),
            ColourKey("grippertransparentcolor", &T::GripperTransparentColor, 0),
            RectKey("toplinerect", &T::TopLineRect),
            IntegerKey("toplineoffset1", &T::TopLineOffset1, 0),
            IntegerKey("toplineoffset2", &T::TopLineOffset2, 0),
        },
        {&T::BgPictureIndex}};
    return table;
}
