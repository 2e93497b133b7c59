// The "Editor Store" section: one table of the 109 keys in file order, read
// and written group by group for the groups in the store's mask.
#include <array>
#include <memory>

#include "editor/view/syn_active_line.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/view/syn_glyph.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_background.h"
#include "editor/view/syn_word_wrap.h"
#include "editor_services/settings/syn_text_source.h"
#include "platform/base/exceptions.h"
#include "platform/base/ini_files.h"
#include "platform/ui/graphics/pen.h"

namespace {

using S = TSynTextSource;

enum TKeyKind { kBool, kInt, kOrdinal, kFont, kOption, kText };

// One key: its group, name and how its value is held. Booleans, integers,
// colours and ordinals pass through Get and Set as int; an ordinal is
// applied only when it lies in 0..Last.
struct TStoreKey {
    TSynTextSourceMask Group;
    const char* Name;
    TKeyKind Kind;
    int (*Get)(const S&) = nullptr;
    void (*Set)(S&, int) = nullptr;
    int Last = 0;
    TSynTextEditorOption Option = eoAltSetsColumnMode;
    TFont* (*FontOf)(const S&) = nullptr;
};

constexpr TStoreKey Bool(TSynTextSourceMask G, const char* N, int (*Get)(const S&), void (*Set)(S&, int))
{
    return {G, N, kBool, Get, Set};
}
constexpr TStoreKey Int(TSynTextSourceMask G, const char* N, int (*Get)(const S&), void (*Set)(S&, int))
{
    return {G, N, kInt, Get, Set};
}
constexpr TStoreKey Ordinal(TSynTextSourceMask G, const char* N, int Last, int (*Get)(const S&), void (*Set)(S&, int))
{
    return {G, N, kOrdinal, Get, Set, Last};
}
constexpr TStoreKey Option(const char* N, TSynTextEditorOption O)
{
    return {smOptions, N, kOption, nullptr, nullptr, 0, O};
}
constexpr TStoreKey Font(TSynTextSourceMask G, const char* N, TFont* (*FontOf)(const S&))
{
    return {G, N, kFont, nullptr, nullptr, 0, eoAltSetsColumnMode, FontOf};
}

// Colours are written as the signed 32-bit value, so system colours come out
// negative.
const std::array kKeys{
    Bool(smActiveLine, "ActiveLine_Visible", [](const S& s) -> int { return s.ActiveLine()->Visible(); },
         [](S& s, int v) { s.ActiveLine()->SetVisible(v); }),
    Bool(smActiveLine, "ActiveLine_Indicator", [](const S& s) -> int { return s.ActiveLine()->Indicator()->Visible(); },
         [](S& s, int v) { s.ActiveLine()->Indicator()->SetVisible(v); }),
    Int(smActiveLine, "ActiveLine_Background", [](const S& s) -> int { return s.ActiveLine()->Background(); },
        [](S& s, int v) { s.ActiveLine()->SetBackground(v); }),
    Int(smActiveLine, "ActiveLine_Foreground", [](const S& s) -> int { return s.ActiveLine()->Foreground(); },
        [](S& s, int v) { s.ActiveLine()->SetForeground(v); }),
    Bool(smBackground, "Background_Visible", [](const S& s) -> int { return s.Background()->Visible(); },
         [](S& s, int v) { s.Background()->SetVisible(v); }),
    Ordinal(smBackground, "Background_RepeatMode", brmAll, [](const S& s) -> int { return s.Background()->RepeatMode(); },
            [](S& s, int v) { s.Background()->SetRepeatMode(static_cast<TSynBackgroundRepeatMode>(v)); }),
    Int(smBlockWidth, "BlockWidth", [](const S& s) -> int { return s.BlockWidth; }, [](S& s, int v) { s.BlockWidth = v; }),
    Bool(smBookMarkOptions, "BookMarkOptions_DrawBookmarksFirst",
         [](const S& s) -> int { return s.BookMarkOptions()->DrawBookmarksFirst(); },
         [](S& s, int v) { s.BookMarkOptions()->SetDrawBookmarksFirst(v); }),
    Bool(smBookMarkOptions, "BookMarkOptions_EnableKeys", [](const S& s) -> int { return s.BookMarkOptions()->EnableKeys; },
         [](S& s, int v) { s.BookMarkOptions()->EnableKeys = v; }),
    Bool(smBookMarkOptions, "BookMarkOptions_GlyphsVisible",
         [](const S& s) -> int { return s.BookMarkOptions()->GlyphsVisible(); },
         [](S& s, int v) { s.BookMarkOptions()->SetGlyphsVisible(v); }),
    Int(smBookMarkOptions, "BookMarkOptions_LeftMargin", [](const S& s) -> int { return s.BookMarkOptions()->LeftMargin(); },
        [](S& s, int v) { s.BookMarkOptions()->SetLeftMargin(v); }),
    Int(smBookMarkOptions, "BookMarkOptions_Xoffset", [](const S& s) -> int { return s.BookMarkOptions()->Xoffset(); },
        [](S& s, int v) { s.BookMarkOptions()->SetXoffset(v); }),
    Ordinal(smBorderStyle, "BorderStyle", bsSingle, [](const S& s) -> int { return s.BorderStyle; },
            [](S& s, int v) { s.BorderStyle = static_cast<TBorderStyle>(v); }),
    Int(smColor, "Color", [](const S& s) -> int { return s.Color; }, [](S& s, int v) { s.Color = v; }),
    Font(smFont, "Font", [](const S& s) { return s.Font(); }),
    Bool(smGutter, "Gutter_AutoSize", [](const S& s) -> int { return s.Gutter()->AutoSize(); },
         [](S& s, int v) { s.Gutter()->SetAutoSize(v); }),
    Int(smGutter, "Gutter_LeftOffsetColor", [](const S& s) -> int { return s.Gutter()->LeftOffsetColor(); },
        [](S& s, int v) { s.Gutter()->SetLeftOffsetColor(v); }),
    Int(smGutter, "Gutter_RightOffsetColor", [](const S& s) -> int { return s.Gutter()->RightOffsetColor(); },
        [](S& s, int v) { s.Gutter()->SetRightOffsetColor(v); }),
    Bool(smGutter, "Gutter_ShowLineModified", [](const S& s) -> int { return s.Gutter()->ShowLineModified(); },
         [](S& s, int v) { s.Gutter()->SetShowLineModified(v); }),
    Int(smGutter, "Gutter_LineNormalColor", [](const S& s) -> int { return s.Gutter()->LineNormalColor(); },
        [](S& s, int v) { s.Gutter()->SetLineNormalColor(v); }),
    Int(smGutter, "Gutter_LineModifiedColor", [](const S& s) -> int { return s.Gutter()->LineModifiedColor(); },
        [](S& s, int v) { s.Gutter()->SetLineModifiedColor(v); }),
    Ordinal(smGutter, "Gutter_BorderStyle", gbsRight, [](const S& s) -> int { return s.Gutter()->BorderStyle(); },
            [](S& s, int v) { s.Gutter()->SetBorderStyle(static_cast<TSynGutterBorderStyle>(v)); }),
    Int(smGutter, "Gutter_Color", [](const S& s) -> int { return s.Gutter()->Color(); },
        [](S& s, int v) { s.Gutter()->SetColor(v); }),
    Int(smGutter, "Gutter_DigitCount", [](const S& s) -> int { return s.Gutter()->DigitCount(); },
        [](S& s, int v) { s.Gutter()->SetDigitCount(v); }),
    Font(smGutter, "Gutter_Font", [](const S& s) { return s.Gutter()->Font(); }),
    Bool(smGutter, "Gutter_LeaderZeros", [](const S& s) -> int { return s.Gutter()->LeadingZeros(); },
         [](S& s, int v) { s.Gutter()->SetLeadingZeros(v); }),
    Int(smGutter, "Gutter_LeftOffset", [](const S& s) -> int { return s.Gutter()->LeftOffset(); },
        [](S& s, int v) { s.Gutter()->SetLeftOffset(v); }),
    Int(smGutter, "Gutter_RightOffset", [](const S& s) -> int { return s.Gutter()->RightOffset(); },
        [](S& s, int v) { s.Gutter()->SetRightOffset(v); }),
    Bool(smGutter, "Gutter_ShowLineNumbers", [](const S& s) -> int { return s.Gutter()->ShowLineNumbers(); },
         [](S& s, int v) { s.Gutter()->SetShowLineNumbers(v); }),
    Bool(smGutter, "Gutter_UseFontStyle", [](const S& s) -> int { return s.Gutter()->UseFontStyle(); },
         [](S& s, int v) { s.Gutter()->SetUseFontStyle(v); }),
    Bool(smGutter, "Gutter_Visible", [](const S& s) -> int { return s.Gutter()->Visible(); },
         [](S& s, int v) { s.Gutter()->SetVisible(v); }),
    Bool(smGutter, "Gutter_ZeroStart", [](const S& s) -> int { return s.Gutter()->ZeroStart(); },
         [](S& s, int v) { s.Gutter()->SetZeroStart(v); }),
    Int(smGutter, "Gutter_BorderColor", [](const S& s) -> int { return s.Gutter()->BorderColor(); },
        [](S& s, int v) { s.Gutter()->SetBorderColor(v); }),
    Int(smGutter, "Gutter_LineNumberStart", [](const S& s) -> int { return s.Gutter()->LineNumberStart(); },
        [](S& s, int v) { s.Gutter()->SetLineNumberStart(v); }),
    Bool(smGutter, "Gutter_Intens", [](const S& s) -> int { return s.Gutter()->Intens(); },
         [](S& s, int v) { s.Gutter()->SetIntens(v); }),
    Bool(smGutter, "Gutter_Gradient", [](const S& s) -> int { return s.Gutter()->Gradient(); },
         [](S& s, int v) { s.Gutter()->SetGradient(v); }),
    Int(smGutter, "Gutter_GradientStartColor", [](const S& s) -> int { return s.Gutter()->GradientStartColor(); },
        [](S& s, int v) { s.Gutter()->SetGradientStartColor(v); }),
    Int(smGutter, "Gutter_GradientEndColor", [](const S& s) -> int { return s.Gutter()->GradientEndColor(); },
        [](S& s, int v) { s.Gutter()->SetGradientEndColor(v); }),
    Int(smGutter, "Gutter_GradientSteps", [](const S& s) -> int { return s.Gutter()->GradientSteps(); },
        [](S& s, int v) { s.Gutter()->SetGradientSteps(v); }),
    Bool(smHideSelection, "HideSelection", [](const S& s) -> int { return s.HideSelection; },
         [](S& s, int v) { s.HideSelection = v; }),
    Ordinal(smInsertCaret, "InsertCaret", ctBlock, [](const S& s) -> int { return s.InsertCaret; },
            [](S& s, int v) { s.InsertCaret = static_cast<TSynTextCaretType>(v); }),
    // Written as "insertMode"; key names compare without case, so it reads
    // back as "InsertMode".
    Bool(smInsertMode, "insertMode", [](const S& s) -> int { return s.InsertMode; }, [](S& s, int v) { s.InsertMode = v; }),
    Bool(smLineDivider, "LineDivider_Visible", [](const S& s) -> int { return s.LineDivider()->Visible(); },
         [](S& s, int v) { s.LineDivider()->SetVisible(v); }),
    Int(smLineDivider, "LineDivider_Color", [](const S& s) -> int { return s.LineDivider()->Color(); },
        [](S& s, int v) { s.LineDivider()->SetColor(v); }),
    Ordinal(smLineDivider, "LineDivider_Style", psInsideFrame, [](const S& s) -> int { return s.LineDivider()->Style(); },
            [](S& s, int v) { s.LineDivider()->SetStyle(static_cast<TPenStyle>(v)); }),
    Int(smLineSpacing, "LineSpacing", [](const S& s) -> int { return s.LineSpacing; }, [](S& s, int v) { s.LineSpacing = v; }),
    Ordinal(smLineSpacingRule, "LineSpacingRule", lsSpecified, [](const S& s) -> int { return s.LineSpacingRule; },
            [](S& s, int v) { s.LineSpacingRule = static_cast<TLineSpacingRule>(v); }),
    Int(smMaxScrollWidth, "MaxScrollWidth", [](const S& s) -> int { return s.MaxScrollWidth; },
        [](S& s, int v) { s.MaxScrollWidth = v; }),
    Int(smMaxUndo, "MaxUndo", [](const S& s) -> int { return s.MaxUndo; }, [](S& s, int v) { s.MaxUndo = v; }),
    Option("Options_AltSetsColumnMode", eoAltSetsColumnMode),
    Option("Options_AutoSizeMaxScrollWidth", eoAutoSizeMaxScrollWidth),
    Option("Options_AutoIndent", eoAutoIndent),
    Option("Options_DisableScrollArrows", eoDisableScrollArrows),
    Option("Options_DragDropEditing", eoDragDropEditing),
    Option("Options_DropFiles", eoDropFiles),
    Option("Options_EnhanceHomeKey", eoEnhanceHomeKey),
    Option("Options_EnhanceEndKey", eoEnhanceEndKey),
    Option("Options_GroupUndo", eoGroupUndo),
    Option("Options_HalfPageScroll", eoHalfPageScroll),
    Option("Options_HideShowScrollbars", eoHideShowScrollbars),
    Option("Options_KeepCaretX", eoKeepCaretX),
    Option("Options_NoCaret", eoNoCaret),
    Option("Options_NoSelection", eoNoSelection),
    Option("Options_RightMouseMovesCursor", eoRightMouseMovesCursor),
    Option("Options_ScrollByOneLess", eoScrollByOneLess),
    Option("Options_ScrollHintFollows", eoScrollHintFollows),
    Option("Options_ScrollPastEof", eoScrollPastEof),
    Option("Options_ScrollPastEol", eoScrollPastEol),
    Option("Options_ShowScrollHint", eoShowScrollHint),
    Option("Options_ShowSpecialChars", eoShowSpecialChars),
    Option("Options_SmartTabs", eoSmartTabs),
    Option("Options_SmartTabDelete", eoSmartTabDelete),
    Option("Options_SpecialLineDefaultFg", eoSpecialLineDefaultFg),
    Option("Options_TabsToSpaces", eoTabsToSpaces),
    Option("Options_TabIndent", eoTabIndent),
    Option("Options_TrimTrailingSpaces", eoTrimTrailingSpaces),
    Option("Options_ColumnEditExtension", eoColumnEditExtension),
    Ordinal(smOverwriteCaret, "OverwriteCaret", ctBlock, [](const S& s) -> int { return s.OverwriteCaret; },
            [](S& s, int v) { s.OverwriteCaret = static_cast<TSynTextCaretType>(v); }),
    Bool(smReadOnly, "ReadOnly", [](const S& s) -> int { return s.ReadOnly; }, [](S& s, int v) { s.ReadOnly = v; }),
    Bool(smRightEdge, "RightEdge_Visible", [](const S& s) -> int { return s.RightEdge()->Visible(); },
         [](S& s, int v) { s.RightEdge()->SetVisible(v); }),
    Int(smRightEdge, "RightEdge_Position", [](const S& s) -> int { return s.RightEdge()->Position(); },
        [](S& s, int v) { s.RightEdge()->SetPosition(v); }),
    Int(smRightEdge, "RightEdge_Color", [](const S& s) -> int { return s.RightEdge()->Color(); },
        [](S& s, int v) { s.RightEdge()->SetColor(v); }),
    Ordinal(smRightEdge, "RightEdge_Style", psInsideFrame, [](const S& s) -> int { return s.RightEdge()->Style(); },
            [](S& s, int v) { s.RightEdge()->SetStyle(static_cast<TPenStyle>(v)); }),
    Bool(smRightEdge, "RightEdge_MouseMove", [](const S& s) -> int { return s.RightEdge()->MouseMove(); },
         [](S& s, int v) { s.RightEdge()->SetMouseMove(v); }),
    Ordinal(smScrollBars, "ScrollBars_ScrollBars", ssBoth, [](const S& s) -> int { return s.ScrollBars()->ScrollBars(); },
            [](S& s, int v) { s.ScrollBars()->SetScrollBars(static_cast<TScrollStyle>(v)); }),
    Ordinal(smScrollBars, "ScrollBars_Style", sbsCustom, [](const S& s) -> int { return s.ScrollBars()->Style(); },
            [](S& s, int v) { s.ScrollBars()->SetStyle(static_cast<TScrollBarsStyle>(v)); }),
    Int(smScrollBars, "ScrollBars_HintColor", [](const S& s) -> int { return s.ScrollBars()->HintColor(); },
        [](S& s, int v) { s.ScrollBars()->SetHintColor(v); }),
    Ordinal(smScrollBars, "ScrollBars_HintFormat", shfTopToBottom,
            [](const S& s) -> int { return s.ScrollBars()->HintFormat(); },
            [](S& s, int v) { s.ScrollBars()->SetHintFormat(static_cast<TScrollHintFormat>(v)); }),
    Int(smSelectedColor, "SelectedColor_Background", [](const S& s) -> int { return s.SelectedColor()->Background(); },
        [](S& s, int v) { s.SelectedColor()->SetBackground(v); }),
    Int(smSelectedColor, "SelectedColor_Foreground", [](const S& s) -> int { return s.SelectedColor()->Foreground(); },
        [](S& s, int v) { s.SelectedColor()->SetForeground(v); }),
    Ordinal(smSelectionMode, "SelectionMode", smColumn, [](const S& s) -> int { return s.SelectionMode; },
            [](S& s, int v) { s.SelectionMode = static_cast<TSynSelectionMode>(v); }),
    Int(smTabWidth, "TabWidth", [](const S& s) -> int { return s.TabWidth; }, [](S& s, int v) { s.TabWidth = v; }),
    Bool(smWantTabs, "WantTabs", [](const S& s) -> int { return s.WantTabs; }, [](S& s, int v) { s.WantTabs = v; }),
    Bool(smWordWrap, "Wordwrap_Enabled", [](const S& s) -> int { return s.WordWrap()->Enabled(); },
         [](S& s, int v) { s.WordWrap()->SetEnabled(v); }),
    Int(smWordWrap, "Wordwrap_Position", [](const S& s) -> int { return s.WordWrap()->Position(); },
        [](S& s, int v) { s.WordWrap()->SetPosition(v); }),
    Ordinal(smWordWrap, "Wordwrap_Style", wwsSpecified, [](const S& s) -> int { return s.WordWrap()->Style(); },
            [](S& s, int v) { s.WordWrap()->SetStyle(static_cast<TSynWordWrapStyle>(v)); }),
    Bool(smWordWrap, "Wordwrap_Indicator", [](const S& s) -> int { return s.WordWrap()->Indicator()->Visible(); },
         [](S& s, int v) { s.WordWrap()->Indicator()->SetVisible(v); }),
    Bool(smCodeFolding, "CodeFolding_CaseSensitive", [](const S& s) -> int { return s.CodeFolding()->CaseSensitive(); },
         [](S& s, int v) { s.CodeFolding()->SetCaseSensitive(v); }),
    Bool(smCodeFolding, "CodeFolding_CollapsedCodeHint",
         [](const S& s) -> int { return s.CodeFolding()->CollapsedCodeHint(); },
         [](S& s, int v) { s.CodeFolding()->SetCollapsedCodeHint(v); }),
    Int(smCodeFolding, "CodeFolding_CollapsedLineColor",
        [](const S& s) -> int { return s.CodeFolding()->CollapsedLineColor(); },
        [](S& s, int v) { s.CodeFolding()->SetCollapsedLineColor(v); }),
    Ordinal(smCodeFolding, "CodeFolding_CollapsingMarkStyle", msEllipse,
            [](const S& s) -> int { return s.CodeFolding()->CollapsingMarkStyle(); },
            [](S& s, int v) { s.CodeFolding()->SetCollapsingMarkStyle(static_cast<TSynCollapsingMarkStyle>(v)); }),
    Bool(smCodeFolding, "CodeFolding_Enabled", [](const S& s) -> int { return s.CodeFolding()->Enabled(); },
         [](S& s, int v) { s.CodeFolding()->SetEnabled(v); }),
    Int(smCodeFolding, "CodeFolding_FolderBarColor", [](const S& s) -> int { return s.CodeFolding()->FolderBarColor(); },
        [](S& s, int v) { s.CodeFolding()->SetFolderBarColor(v); }),
    Int(smCodeFolding, "CodeFolding_FolderBarLinesColor",
        [](const S& s) -> int { return s.CodeFolding()->FolderBarLinesColor(); },
        [](S& s, int v) { s.CodeFolding()->SetFolderBarLinesColor(v); }),
    Bool(smCodeFolding, "CodeFolding_HighlighterFoldRegions",
         [](const S& s) -> int { return s.CodeFolding()->HighlighterFoldRegions(); },
         [](S& s, int v) { s.CodeFolding()->SetHighlighterFoldRegions(v); }),
    Bool(smCodeFolding, "CodeFolding_HighlightIndentGuides",
         [](const S& s) -> int { return s.CodeFolding()->HighlightIndentGuides(); },
         [](S& s, int v) { s.CodeFolding()->SetHighlightIndentGuides(v); }),
    Bool(smCodeFolding, "CodeFolding_IndentGuides", [](const S& s) -> int { return s.CodeFolding()->IndentGuides(); },
         [](S& s, int v) { s.CodeFolding()->SetIndentGuides(v); }),
    Bool(smCodeFolding, "CodeFolding_ShowCollapsedLine",
         [](const S& s) -> int { return s.CodeFolding()->ShowCollapsedLine(); },
         [](S& s, int v) { s.CodeFolding()->SetShowCollapsedLine(v); }),
    TStoreKey{smUnicodeName, "UnicodeFontName", kText},
};

}  // namespace

void TSynTextSource::SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const
{
    for (const TStoreKey& key : kKeys) {
        if (!Mask.Contains(key.Group))
            continue;
        switch (key.Kind) {
        case kBool: Ini->WriteBool(Section, key.Name, key.Get(*this) != 0); break;
        case kInt:
        case kOrdinal: Ini->WriteInteger(Section, key.Name, key.Get(*this)); break;
        case kFont: Ini->WriteString(Section, key.Name, FontToString(key.FontOf(*this))); break;
        case kOption: Ini->WriteBool(Section, key.Name, Options.Contains(key.Option)); break;
        case kText: Ini->WriteString(Section, key.Name, UnicodeFontName); break;
        }
    }
}

void TSynTextSource::LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section)
{
    for (const TStoreKey& key : kKeys) {
        if (!Mask.Contains(key.Group))
            continue;
        switch (key.Kind) {
        case kBool: key.Set(*this, Ini->ReadBool(Section, key.Name, key.Get(*this) != 0)); break;
        case kInt: key.Set(*this, Ini->ReadInteger(Section, key.Name, key.Get(*this))); break;
        case kOrdinal:
            if (const int value = Ini->ReadInteger(Section, key.Name, key.Get(*this)); value >= 0 && value <= key.Last)
                key.Set(*this, value);
            break;
        case kFont: LoadFont(Ini, Section, key.Name, key.FontOf(*this)); break;
        case kOption:
            if (Ini->ReadBool(Section, key.Name, Options.Contains(key.Option)))
                Options.Include(key.Option);
            else
                Options.Exclude(key.Option);
            break;
        case kText: UnicodeFontName = Ini->ReadString(Section, key.Name, ""); break;
        }
    }
}

void TSynTextSource::LoadFont(TCustomIniFile* Ini, const AnsiString& Section, const AnsiString& Key, TFont* Font)
{
    const AnsiString text = Ini->ReadString(Section, Key, "");
    if (text.empty())
        return;
    // Parsed into a copy, so a text that breaks off halfway leaves the font
    // whole rather than half changed.
    TFont parsed;
    parsed.Assign(Font);
    try {
        StringToFont(text, &parsed);
    } catch (const EConvertError&) {
        return;
    }
    Font->Assign(&parsed);
}
