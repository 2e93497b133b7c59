// TSynTextSource: one complete set of editor settings, copied between
// editors, other stores and the "Editor Store" section of an INI file.
#pragma once

#include <memory>

#include "editor/syn_custom_text_types.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_scroll_bars.h"
#include "platform/base/component.h"
#include "platform/ui/graphics/font.h"

class TCustomIniFile;
class TCustomSynText;
class TStringList;
class TStrings;
class TSynActiveLine;
class TSynBookMarkOpt;
class TSynCodeFolding;
class TSynCustomHighlighter;
class TSynLineDivider;
class TSynRightEdge;
class TSynSelectedColor;
class TSynTextBackground;
class TSynTextKeyStrokes;
class TSynWordWrap;

// The settings groups; the order is the bit order of the stored mask.
enum TSynTextSourceMask {
    smCodeFolding,
    smBackground,
    smActiveLine,
    smBlockWidth,
    smBookMarkOptions,
    smBorderStyle,
    smColor,
    smFont,
    smGutter,
    smHideSelection,
    smHighlighter,
    smInsertCaret,
    smInsertMode,
    smKeystrokes,
    smLines,
    smLineDivider,
    smLineSpacing,
    smLineSpacingRule,
    smMaxScrollWidth,
    smMaxUndo,
    smOptions,
    smOverwriteCaret,
    smPopupMenu,
    smReadOnly,
    smRightEdge,
    smSelectedColor,
    smSelectionMode,
    smScrollBars,
    smTabWidth,
    smWantTabs,
    smWordWrap,
    smUnicodeName,
};
using TSynTextSourceMasks = TSet<TSynTextSourceMask>;

// Every group but smBackground and smUnicodeName (the word 0x7FFFFFFD).
TSynTextSourceMasks DefaultTextSourceMask();

class TSynTextSource : public TComponent {
public:
    explicit TSynTextSource(TComponent* AOwner);
    ~TSynTextSource() override;

    // From an editor or another store, for the groups in this store's mask.
    void Assign(TPersistent* Source) override;

    // The masked groups' keys; every read defaults to the current value, and
    // a value that does not parse (a number, an ordinal out of its range, a
    // font text) leaves its setting as it was.
    void LoadFromIni(TCustomIniFile* Ini, const AnsiString& Section);
    void SaveToIni(TCustomIniFile* Ini, const AnsiString& Section) const;

    // "Name,Height,Styles,Pitch,Colour,Charset".
    static AnsiString FontToString(const TFont* Font);
    // Applies the fields one by one; EConvertError at a field that does not
    // parse, with the fields before it applied.
    static void StringToFont(const AnsiString& Text, TFont* Font);
    static AnsiString FontStyleToString(TFontStyles Style);
    static TFontStyles StringToFontStyle(const AnsiString& Text);

    TSynTextSourceMasks Mask;

    TSynCodeFolding* CodeFolding() const { return codeFolding_.get(); }
    void SetCodeFolding(TSynCodeFolding* Value);
    TSynTextBackground* Background() const { return background_.get(); }
    void SetBackground(TSynTextBackground* Value);
    TSynActiveLine* ActiveLine() const { return activeLine_.get(); }
    void SetActiveLine(TSynActiveLine* Value);
    TSynBookMarkOpt* BookMarkOptions() const { return bookMarkOptions_.get(); }
    void SetBookMarkOptions(TSynBookMarkOpt* Value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* Value);
    TSynGutter* Gutter() const { return gutter_.get(); }
    void SetGutter(TSynGutter* Value);
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSynCustomHighlighter* Value);
    TSynTextKeyStrokes* Keystrokes() const { return keystrokes_.get(); }
    void SetKeystrokes(TSynTextKeyStrokes* Value);
    TStringList* Lines() const { return lines_.get(); }
    void SetLines(TStrings* Value);
    TSynLineDivider* LineDivider() const { return lineDivider_.get(); }
    void SetLineDivider(TSynLineDivider* Value);
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* Value);
    TSynRightEdge* RightEdge() const { return rightEdge_.get(); }
    void SetRightEdge(TSynRightEdge* Value);
    TSynScrollBars* ScrollBars() const { return scrollBars_.get(); }
    void SetScrollBars(TSynScrollBars* Value);
    TSynSelectedColor* SelectedColor() const { return selectedColor_.get(); }
    void SetSelectedColor(TSynSelectedColor* Value);
    TSynWordWrap* WordWrap() const { return wordWrap_.get(); }
    void SetWordWrap(TSynWordWrap* Value);

    int BlockWidth = 0;
    TBorderStyle BorderStyle = bsNone;
    TColor Color = 0;
    bool HideSelection = false;
    TSynTextCaretType InsertCaret = ctVerticalLine;
    bool InsertMode = false;
    int LineSpacing = 0;
    TLineSpacingRule LineSpacingRule = lsSingle;
    int MaxScrollWidth = 0;
    int MaxUndo = 0;
    TSynTextEditorOptions Options;
    TSynTextCaretType OverwriteCaret = ctVerticalLine;
    bool ReadOnly = false;
    TSynSelectionMode SelectionMode = smNormal;
    int TabWidth = 0;
    bool WantTabs = false;
    AnsiString UnicodeFontName;

protected:
    // Into an editor, for the groups in the mask, with its painting held.
    void AssignTo(TPersistent* Dest) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void LoadFont(TCustomIniFile* Ini, const AnsiString& Section, const AnsiString& Key, TFont* Font);

    std::unique_ptr<TSynCodeFolding> codeFolding_;
    std::unique_ptr<TSynTextBackground> background_;
    std::unique_ptr<TSynActiveLine> activeLine_;
    std::unique_ptr<TSynBookMarkOpt> bookMarkOptions_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TSynGutter> gutter_;
    std::unique_ptr<TSynTextKeyStrokes> keystrokes_;
    std::unique_ptr<TStringList> lines_;
    std::unique_ptr<TSynLineDivider> lineDivider_;
    std::unique_ptr<TSynRightEdge> rightEdge_;
    std::unique_ptr<TSynScrollBars> scrollBars_;
    std::unique_ptr<TSynSelectedColor> selectedColor_;
    std::unique_ptr<TSynWordWrap> wordWrap_;
    TSynCustomHighlighter* highlighter_ = nullptr;  // not owned; cleared when it goes
    TComponent* popupMenu_ = nullptr;               // not owned; cleared when it goes
};
