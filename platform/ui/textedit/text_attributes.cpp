// TTextAttributes: each attribute read from, and written through, its rich
// edit.
#include "platform/ui/textedit/text_attributes.h"

#include "platform/ui/textedit/rich_edit.h"

TTextAttributes::TTextAttributes(TRichEdit* RichEdit, TAttributeType Type) : richEdit_(RichEdit), type_(Type) {}

const TFont& TTextAttributes::Current() const
{
    return type_ == atDefaultText ? richEdit_->DefaultFormat() : richEdit_->SelectionFormat();
}

void TTextAttributes::Change(const std::function<void(TFont&)>& Step)
{
    richEdit_->ChangeFormat(type_, Step);
}

AnsiString TTextAttributes::Name() const
{
    return Current().Name();
}

void TTextAttributes::SetName(const AnsiString& Value)
{
    Change([&Value](TFont& Font) { Font.SetName(Value); });
}

int TTextAttributes::Size() const
{
    return Current().Size();
}

void TTextAttributes::SetSize(int Value)
{
    Change([Value](TFont& Font) { Font.SetSize(Value); });
}

int TTextAttributes::Height() const
{
    return Current().Height();
}

void TTextAttributes::SetHeight(int Value)
{
    Change([Value](TFont& Font) { Font.SetHeight(Value); });
}

TFontStyles TTextAttributes::Style() const
{
    return Current().Style();
}

void TTextAttributes::SetStyle(TFontStyles Value)
{
    Change([Value](TFont& Font) { Font.SetStyle(Value); });
}

TColor TTextAttributes::Color() const
{
    return Current().Color();
}

void TTextAttributes::SetColor(TColor Value)
{
    Change([Value](TFont& Font) { Font.SetColor(Value); });
}

TFontCharset TTextAttributes::Charset() const
{
    return Current().Charset();
}

void TTextAttributes::SetCharset(TFontCharset Value)
{
    Change([Value](TFont& Font) { Font.SetCharset(Value); });
}

void TTextAttributes::Assign(TPersistent* Source)
{
    TFont source;
    if (auto* font = dynamic_cast<TFont*>(Source))
        source.Assign(font);
    else if (auto* attributes = dynamic_cast<TTextAttributes*>(Source))
        source.Assign(const_cast<TFont*>(&attributes->Current()));
    else
        return TPersistent::Assign(Source);
    Change([&source](TFont& Font) { Font.Assign(&source); });
}
