// The colour box's list of colours, its swatches and the custom entry.
#include "platform/ui/widgets/color_box.h"

#include <cstdint>
#include <iterator>

#include "platform/base/strings.h"
#include "platform/gdi/draw_text.h"
#include "platform/ui/graphics/canvas.h"

TPickColorHook PickCustomColorHook = nullptr;

namespace {

struct TNamedColor {
    TColor Color;
    const char* Name;        // the identifier
    const char* PrettyName;  // the name a user reads
};

constexpr TNamedColor StandardColors[] = {
    {clBlack, "clBlack", "Black"},       {clMaroon, "clMaroon", "Maroon"}, {clGreen, "clGreen", "Green"},
    {clOlive, "clOlive", "Olive"},       {clNavy, "clNavy", "Navy"},       {clPurple, "clPurple", "Purple"},
    {clTeal, "clTeal", "Teal"},          {clGray, "clGray", "Gray"},       {clSilver, "clSilver", "Silver"},
    {clRed, "clRed", "Red"},             {clLime, "clLime", "Lime"},       {clYellow, "clYellow", "Yellow"},
    {clBlue, "clBlue", "Blue"},          {clFuchsia, "clFuchsia", "Fuchsia"}, {clAqua, "clAqua", "Aqua"},
    {clWhite, "clWhite", "White"},
};

constexpr TNamedColor ExtendedColors[] = {
    {clMoneyGreen, "clMoneyGreen", "Money Green"},
    {clSkyBlue, "clSkyBlue", "Sky Blue"},
    {clCream, "clCream", "Cream"},
    {clMedGray, "clMedGray", "Medium Gray"},
};

const char* const CustomCaption = "Custom...";

TObject* ColorObject(TColor Color)
{
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(Color));
}

}  // namespace

TCustomColorBox::TCustomColorBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    TCustomComboBox::SetStyle(csOwnerDrawFixed);
    PopulateList();
}

void TCustomColorBox::SetStyle(TColorBoxStyle Value)
{
    if (colorStyle_ == Value)
        return;
    const TColor selected = Selected();
    colorStyle_ = Value;
    PopulateList();
    SetSelected(selected);
}

void TCustomColorBox::PopulateList()
{
    TStrings* items = Items();
    // The custom entry keeps its colour across a new list.
    const TColor custom = items->Count() > 0 && ColorNames(0) == CustomCaption ? Colors(0) : clBlack;
    const bool pretty = colorStyle_.Contains(cbPrettyNames);
    items->BeginUpdate();
    Clear();
    if (colorStyle_.Contains(cbCustomColor))
        items->AddObject(CustomCaption, ColorObject(custom));
    if (colorStyle_.Contains(cbIncludeNone))
        items->AddObject(pretty ? "None" : "clNone", ColorObject(clNone));
    if (colorStyle_.Contains(cbIncludeDefault))
        items->AddObject(pretty ? "Default" : "clDefault", ColorObject(clDefault));
    auto add = [&](const auto& Table) {
        for (const TNamedColor& c : Table)
            items->AddObject(pretty ? c.PrettyName : c.Name, ColorObject(c.Color));
    };
    if (colorStyle_.Contains(cbStandardColors))
        add(StandardColors);
    if (colorStyle_.Contains(cbExtendedColors))
        add(ExtendedColors);
    items->EndUpdate();
}

TColor TCustomColorBox::Colors(int Index) const
{
    return static_cast<TColor>(reinterpret_cast<intptr_t>(Items()->Objects(Index)));
}

AnsiString TCustomColorBox::ColorNames(int Index) const
{
    return Items()->Strings(Index);
}

TColor TCustomColorBox::Selected() const
{
    if (ItemIndex() < 0)
        return NoneColorColor;
    const TColor color = Colors(ItemIndex());
    if (color == clNone)
        return NoneColorColor;
    if (color == clDefault)
        return DefaultColorColor;
    return color;
}

void TCustomColorBox::SetSelected(TColor Value)
{
    // The custom entry answers only for a colour no other row has.
    const bool hasCustom = colorStyle_.Contains(cbCustomColor);
    int index = -1;
    for (int i = hasCustom ? 1 : 0; i < Items()->Count() && index < 0; ++i) {
        if (Colors(i) == Value)
            index = i;
    }
    if (index < 0 && hasCustom) {
        Items()->SetObjects(0, ColorObject(Value));
        index = 0;
    }
    SetItemIndex(index);
    Invalidate();
}

bool TCustomColorBox::PickCustomColor()
{
    TColor color = Colors(0);
    if (!PickCustomColorHook || !PickCustomColorHook(color))
        return false;
    Items()->SetObjects(0, ColorObject(color));
    Invalidate();
    return true;
}

bool TCustomColorBox::AcceptPick(int Index)
{
    return !(colorStyle_.Contains(cbCustomColor) && Index == 0) || PickCustomColor();
}

void TCustomColorBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State)
{
    Canvas->FillRect(Rect);
    if (Index < 0)
        return;
    // A framed swatch as high as the row, then the name.
    const int side = Rect.Height() - 2;
    const TRect swatch = ::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Left + 1 + side, Rect.Bottom - 1);
    const TColor color = Colors(Index);
    const TColor textColor = Canvas->Font()->Color();
    const TColor back = Canvas->Brush()->Color();
    Canvas->Brush()->SetColor(color == clNone || color == clDefault ? back : color);
    Canvas->Pen()->SetColor(State.Contains(odDisabled) ? clGrayText : clBlack);
    Canvas->Rectangle(swatch);
    TRect text = ::Rect(swatch.Right + 4, Rect.Top, Rect.Right, Rect.Bottom);
    Canvas->Brush()->SetColor(back);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetColor(textColor);
    const AnsiString name = ColorNames(Index);
    DrawText(Canvas->Handle(), name.c_str(), static_cast<int>(name.size()), &text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    Canvas->Brush()->SetStyle(bsSolid);
}
