// TTextAttributes: the character attributes of a rich edit's text, seen
// either as the defaults that unformatted text shows or as those of the
// selection (of its first character; with nothing selected, of what typing
// at the caret will take).
#pragma once

#include <functional>

#include "platform/ui/graphics/font.h"

class TRichEdit;

enum TAttributeType { atSelected, atDefaultText };

class TTextAttributes : public TPersistent {
public:
    TTextAttributes(TRichEdit* RichEdit, TAttributeType Type);

    AnsiString Name() const;
    void SetName(const AnsiString& Value);
    // Points.
    int Size() const;
    void SetSize(int Value);
    // Pixels, as TFont's Height.
    int Height() const;
    void SetHeight(int Value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles Value);
    TColor Color() const;
    void SetColor(TColor Value);
    TFontCharset Charset() const;
    void SetCharset(TFontCharset Value);

    // From a TFont or another TTextAttributes: every attribute at once.
    void Assign(TPersistent* Source) override;

private:
    // The attributes as a font; changes go through Change, which hands the
    // rich edit a step to apply to each font it covers.
    const TFont& Current() const;
    void Change(const std::function<void(TFont&)>& Step);

    TRichEdit* richEdit_;  // owns this object
    TAttributeType type_;
};
