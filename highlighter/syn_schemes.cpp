#include "highlighter/syn_schemes.h"

TSynScheme::TSynScheme(const AnsiString& AName)
    : Name(AName), editorProperties_(std::make_unique<TEditorProperties>())
{
}

TSynAttributes* TSynScheme::AddStyle(const AnsiString& AName, TColor Foreground, TFontStyles FontStyle,
                                     TColor Background)
{
    auto style = std::make_unique<TSynAttributes>(AName);
    style->SetForeground(Foreground);
    style->SetBackground(Background);
    style->SetStyle(FontStyle);
    styles_.push_back(std::move(style));
    return styles_.back().get();
}

TSynAttributes* TSynScheme::GetStyleByName(const AnsiString& AName, TSynAttributes* Default) const
{
    for (const auto& style : styles_)
        if (style->Name() == AName)
            return style.get();
    return Default;
}

TSynLexSchemes::TSynLexSchemes() { AddScheme("Default"); }

TSynScheme* TSynLexSchemes::AddScheme(const AnsiString& AName)
{
    schemes_.push_back(std::make_unique<TSynScheme>(AName));
    return schemes_.back().get();
}

TSynScheme* TSynLexSchemes::GetSchemeByName(const AnsiString& AName) const
{
    for (const auto& scheme : schemes_)
        if (scheme->Name == AName)
            return scheme.get();
    return nullptr;
}
