// TbsResourceStrData: the texts the skinned components show in their own
// user interface (window-menu captions, caption-button hints, the edit
// boxes' context menu, the skin dialogs), one "name=text" line each, so that
// a program can translate them by giving the component a list of its own.
#pragma once

#include <memory>

#include "platform/base/component.h"
#include "platform/base/string_list.h"
#include "platform/gdi/font.h"
#include "platform/ui/graphics/font.h"

class TbsResourceStrData : public TComponent {
public:
    // The list starts with the English defaults of every name.
    explicit TbsResourceStrData(TComponent* AOwner);

    // Owned; the name is the text before a line's first "=", the value all
    // of the text after it.
    TStrings* ResStrings() const { return resStrings_.get(); }
    // Replaces the whole list with the lines of Value, so names Value lacks
    // are then absent.
    void SetResStrings(TStrings* Value);

    // Character set of the fonts that show these texts.
    TFontCharset CharSet = DEFAULT_CHARSET;

    // The value of the first line whose name is ResName, compared without
    // case; "" when there is none. An "&" marking an accelerator stays.
    AnsiString GetResStr(const AnsiString& ResName) const;

private:
    void SetDefaults();

    std::unique_ptr<TStringList> resStrings_;
};

// What a component shows for ResName: the value in Data when there is a
// captions object, however empty, else the text built into the skin library.
// Built-in texts exist for the window-menu captions (MI_...), the caption
// button hints (..._HINT up to RESTORE_HINT) and the edit context menu
// (EDIT_...); other names give "" without a captions object.
AnsiString BsResStrOrBuiltIn(const TbsResourceStrData* Data, const AnsiString& ResName);
