#include "editor/highlighting/syn_highlighter_attributes.h"

#include <array>
#include <utility>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"
#include "platform/base/sys_utils.h"

namespace {

constexpr std::array<TFontStyle, 4> kStyleBits = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

// The colour table that the foreign layouts index.
constexpr std::array<TColor, 16> kForeignColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

bool ForeignColor(int Index, TColor& Color)
{
    if (Index < 0 || Index >= static_cast<int>(kForeignColors.size()))
        return false;
    Color = kForeignColors[static_cast<size_t>(Index)];
    return true;
}

// The registry stand-in raises when a value has the other type; values kept
// by other programs may have either, so a wrong type reads as absent.
bool TryReadInteger(const TRegistry& Reg, const AnsiString& Name, int& Value)
{
    if (!Reg.ValueExists(Name))
        return false;
    try {
        Value = Reg.ReadInteger(Name);
        return true;
    } catch (const ERegistryException&) {
        return false;
    }
}

bool TryReadString(const TRegistry& Reg, const AnsiString& Name, AnsiString& Value)
{
    if (!Reg.ValueExists(Name))
        return false;
    try {
        Value = Reg.ReadString(Name);
        return true;
    } catch (const ERegistryException&) {
        return false;
    }
}

// The next comma-separated field of Rest; without a comma the field is the
// whole rest.
AnsiString NextField(AnsiString& Rest)
{
    size_t comma = Rest.find(',');
    AnsiString field = Rest.substr(0, comma);
    Rest = comma == AnsiString::npos ? AnsiString() : Rest.substr(comma + 1);
    return field;
}

bool ForeignBool(const AnsiString& S) { return S != "0" && !SameText(S, "FALSE"); }

// A colour of the new layout: a table index, or else a colour name or number.
bool ReadForeignColor(const TRegistry& Reg, const AnsiString& Name, TColor& Color)
{
    int index = 0;
    if (TryReadInteger(Reg, Name, index))
        return ForeignColor(index, Color);
    AnsiString text;
    if (!TryReadString(Reg, Name + " New", text))
        return false;
    int number = 0;
    if (IdentToColor(text, Color))
        return true;
    if (!TryStrToInt(text, number))
        return false;
    Color = number;
    return true;
}

bool LoadOldLayout(TRegistry& Reg, const AnsiString& Key, const AnsiString& AttrName, TColor& Background,
                   TColor& Foreground, TFontStyles& Style)
{
    AnsiString rest;
    if (!Reg.OpenKeyReadOnly(Key) || !TryReadString(Reg, AttrName, rest))
        return false;
    std::array<AnsiString, 7> fields;
    for (AnsiString& field : fields)
        field = NextField(rest);
    int index = 0;
    if (fields[4] == "1")
        Background = clWindow;
    else if (!TryStrToInt(fields[6], index) || !ForeignColor(index, Background))
        return false;
    if (fields[3] == "1")
        Foreground = clWindowText;
    else if (!TryStrToInt(fields[5], index) || !ForeignColor(index, Foreground))
        return false;
    Style = {};
    if (fields[2].find('B') != AnsiString::npos)
        Style.Include(fsBold);
    if (fields[2].find('I') != AnsiString::npos)
        Style.Include(fsItalic);
    if (fields[2].find('U') != AnsiString::npos)
        Style.Include(fsUnderline);
    return true;
}

bool LoadNewLayout(TRegistry& Reg, const AnsiString& Key, const AnsiString& AttrName, TColor& Background,
                   TColor& Foreground, TFontStyles& Style)
{
    if (!Reg.OpenKeyReadOnly(Key + "\\" + AttrName))
        return false;
    TColor fore = clNone;
    TColor back = clNone;
    if (!ReadForeignColor(Reg, "Foreground Color", fore) || !ReadForeignColor(Reg, "Background Color", back))
        return false;
    AnsiString bold, italic, underline, defaultFore, defaultBack;
    if (!TryReadString(Reg, "Bold", bold) || !TryReadString(Reg, "Italic", italic) ||
        !TryReadString(Reg, "Underline", underline) || !TryReadString(Reg, "Default Foreground", defaultFore) ||
        !TryReadString(Reg, "Default Background", defaultBack))
        return false;
    Background = ForeignBool(defaultBack) ? clWindow : back;
    Foreground = ForeignBool(defaultFore) ? clWindowText : fore;
    Style = {};
    if (ForeignBool(bold))
        Style.Include(fsBold);
    if (ForeignBool(italic))
        Style.Include(fsItalic);
    if (ForeignBool(underline))
        Style.Include(fsUnderline);
    return true;
}

}  // namespace

int FontStyleToInt(TFontStyles Style)
{
    int value = 0;
    for (size_t i = 0; i < kStyleBits.size(); ++i)
        if (Style.Contains(kStyleBits[i]))
            value |= 1 << i;
    return value;
}

TFontStyles IntToFontStyle(int Value)
{
    TFontStyles style;
    for (size_t i = 0; i < kStyleBits.size(); ++i)
        if (Value & (1 << i))
            style.Include(kStyleBits[i]);
    return style;
}

TSynHighlighterAttributes::TSynHighlighterAttributes(const AnsiString& AName) : name_(AName) {}

void TSynHighlighterAttributes::SetBackground(TColor Value)
{
    if (background_ == Value)
        return;
    background_ = Value;
    Changed();
}

void TSynHighlighterAttributes::SetForeground(TColor Value)
{
    if (foreground_ == Value)
        return;
    foreground_ = Value;
    Changed();
}

void TSynHighlighterAttributes::SetStyle(TFontStyles Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    Changed();
}

void TSynHighlighterAttributes::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynHighlighterAttributes*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    name_ = src->name_;
    bool changed = false;
    if (background_ != src->background_) {
        background_ = src->background_;
        changed = true;
    }
    if (foreground_ != src->foreground_) {
        foreground_ = src->foreground_;
        changed = true;
    }
    if (style_ != src->style_) {
        style_ = src->style_;
        changed = true;
    }
    if (changed)
        Changed();
}

void TSynHighlighterAttributes::Changed()
{
    if (OnChange)
        OnChange(this);
}

bool TSynHighlighterAttributes::LoadFromRegistry(TRegistry& Reg)
{
    const AnsiString path = Reg.CurrentPath();
    if (!Reg.OpenKeyReadOnly(name_))
        return false;
    int background = background_;
    int foreground = foreground_;
    int style = FontStyleToInt(style_);
    // Every value present must be an integer; nothing changes unless all are.
    bool ok = true;
    for (auto [valueName, value] : {std::pair{"Background", &background}, std::pair{"Foreground", &foreground},
                                    std::pair{"Style", &style}})
        if (Reg.ValueExists(valueName) && !TryReadInteger(Reg, valueName, *value))
            ok = false;
    Reg.OpenKeyReadOnly("\\" + path);
    if (!ok)
        return false;
    SetBackground(background);
    SetForeground(foreground);
    SetStyle(IntToFontStyle(style));
    return true;
}

bool TSynHighlighterAttributes::SaveToRegistry(TRegistry& Reg)
{
    const AnsiString path = Reg.CurrentPath();
    if (!Reg.OpenKey(name_, true))
        return false;
    Reg.WriteInteger("Background", background_);
    Reg.WriteInteger("Foreground", foreground_);
    Reg.WriteInteger("Style", FontStyleToInt(style_));
    Reg.OpenKey("\\" + path, false);
    return true;
}

bool TSynHighlighterAttributes::LoadFromIniFile(TCustomIniFile& Ini)
{
    TStringList keys;
    Ini.ReadSection(name_, &keys);
    if (keys.Count() == 0)
        return false;
    if (keys.IndexOf("Background") >= 0)
        SetBackground(Ini.ReadInteger(name_, "Background", background_));
    if (keys.IndexOf("Foreground") >= 0)
        SetForeground(Ini.ReadInteger(name_, "Foreground", foreground_));
    if (keys.IndexOf("Style") >= 0)
        SetStyle(IntToFontStyle(Ini.ReadInteger(name_, "Style", FontStyleToInt(style_))));
    return true;
}

bool TSynHighlighterAttributes::SaveToIniFile(TCustomIniFile& Ini)
{
    Ini.WriteInteger(name_, "Background", background_);
    Ini.WriteInteger(name_, "Foreground", foreground_);
    Ini.WriteInteger(name_, "Style", FontStyleToInt(style_));
    return true;
}

bool TSynHighlighterAttributes::LoadFromForeignRegistry(HKEY RootKey, const AnsiString& Key,
                                                        const AnsiString& AttrName, bool OldLayout)
{
    TRegistry reg;
    reg.SetRootKey(RootKey);
    TColor background = background_;
    TColor foreground = foreground_;
    TFontStyles style = style_;
    bool ok = OldLayout ? LoadOldLayout(reg, Key, AttrName, background, foreground, style)
                        : LoadNewLayout(reg, Key, AttrName, background, foreground, style);
    if (!ok)
        return false;
    SetBackground(background);
    SetForeground(foreground);
    SetStyle(style);
    return true;
}
