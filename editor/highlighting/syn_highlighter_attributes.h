// The colours and font style of one kind of token. The editor, the printer
// and the exporters paint a token with the attribute its highlighter names;
// the attribute's Name is its key in the highlighter, in INI files and in
// the registry.
#pragma once

#include <string>

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/base/registry.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"
#include "platform/base/ansi_string.h"

class TCustomIniFile;

// Style as stored in the registry and in INI files: bold 1, italic 2,
// underline 4, strike-out 8, added up. Other bits are ignored on reading.
int FontStyleToInt(TFontStyles Style);
TFontStyles IntToFontStyle(int Value);

class TSynHighlighterAttributes : public TPersistent {
public:
    // Colours start as clNone (no colour), the style empty.
    explicit TSynHighlighterAttributes(const AnsiString& AName);

    TColor Background() const { return background_; }
    void SetBackground(TColor Value);
    TColor Foreground() const { return foreground_; }
    void SetForeground(TColor Value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles Value);
    const AnsiString& Name() const { return name_; }

    // A published value is stored only when it differs from its default, so
    // a colour of none is streamed and a black one is not.
    bool IsBackgroundStored() const { return background_ != BackgroundDefault; }
    bool IsForegroundStored() const { return foreground_ != ForegroundDefault; }
    bool IsStyleStored() const { return style_ != StyleDefault; }

    // From another attribute: Name, then each differing value; Changed runs
    // once when any value changed.
    void Assign(TPersistent* Source) override;
    // Fires OnChange(this).
    virtual void Changed();

    // Reads the subkey named after the attribute below the key Reg has open;
    // values that are missing leave their property. False when the subkey
    // can't be opened or a value is not an integer. Reg is left on the key
    // it had open.
    bool LoadFromRegistry(TRegistry& Reg);
    // Writes the three values as integers into that subkey, made when
    // missing; False when it can't be made.
    bool SaveToRegistry(TRegistry& Reg);
    // Section = Name. False, with nothing changed, when the section holds no
    // keys.
    bool LoadFromIniFile(TCustomIniFile& Ini);
    bool SaveToIniFile(TCustomIniFile& Ini);
    // Reads the colour settings another editor keeps under RootKey\Key, in
    // its old layout (one comma-separated value named after AttrName) or its
    // new one (a subkey named after AttrName). True only when every value
    // needed was found and understood; on False nothing is changed.
    virtual bool LoadFromForeignRegistry(HKEY RootKey, const AnsiString& Key, const AnsiString& AttrName,
                                         bool OldLayout);

    TColor BackgroundDefault = clBlack;
    TColor ForegroundDefault = clBlack;
    TFontStyles StyleDefault;
    TNotifyEvent OnChange;

private:
    TColor background_ = clNone;
    TColor foreground_ = clNone;
    TFontStyles style_;
    AnsiString name_;
};
