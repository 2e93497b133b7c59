// TSynTextSource: construction, the object setters and copying between a
// store and an editor or another store, group by group.
#include "editor_services/syn_text_source.h"

#include "editor/syn_active_line.h"
#include "editor/syn_bookmark_opt.h"
#include "editor/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/syn_highlighter.h"
#include "editor/syn_line_divider.h"
#include "editor/syn_right_edge.h"
#include "editor/syn_selected_color.h"
#include "editor/syn_text_background.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/syn_word_wrap.h"
#include "platform/base/string_list.h"

TSynTextSourceMasks DefaultTextSourceMask()
{
    TSynTextSourceMasks mask;
    for (int group = smCodeFolding; group <= smUnicodeName; ++group)
        mask.Include(static_cast<TSynTextSourceMask>(group));
    return mask.Exclude(smBackground).Exclude(smUnicodeName);
}

TSynTextSource::TSynTextSource(TComponent* AOwner)
    : TComponent(AOwner),
      Mask(DefaultTextSourceMask()),
      codeFolding_(std::make_unique<TSynCodeFolding>()),
      background_(std::make_unique<TSynTextBackground>()),
      activeLine_(std::make_unique<TSynActiveLine>()),
      bookMarkOptions_(std::make_unique<TSynBookMarkOpt>(this)),
      font_(std::make_unique<TFont>()),
      gutter_(std::make_unique<TSynGutter>()),
      keystrokes_(std::make_unique<TSynTextKeyStrokes>(this)),
      lines_(std::make_unique<TStringList>()),
      lineDivider_(std::make_unique<TSynLineDivider>()),
      rightEdge_(std::make_unique<TSynRightEdge>()),
      scrollBars_(std::make_unique<TSynScrollBars>()),
      selectedColor_(std::make_unique<TSynSelectedColor>()),
      wordWrap_(std::make_unique<TSynWordWrap>())
{
}

TSynTextSource::~TSynTextSource() = default;

void TSynTextSource::SetCodeFolding(TSynCodeFolding* Value) { codeFolding_->Assign(Value); }
void TSynTextSource::SetBackground(TSynTextBackground* Value) { background_->Assign(Value); }
void TSynTextSource::SetActiveLine(TSynActiveLine* Value) { activeLine_->Assign(Value); }
void TSynTextSource::SetBookMarkOptions(TSynBookMarkOpt* Value) { bookMarkOptions_->Assign(Value); }
void TSynTextSource::SetFont(TFont* Value) { font_->Assign(Value); }
void TSynTextSource::SetGutter(TSynGutter* Value) { gutter_->Assign(Value); }
void TSynTextSource::SetKeystrokes(TSynTextKeyStrokes* Value) { keystrokes_->Assign(Value); }
void TSynTextSource::SetLines(TStrings* Value) { lines_->Assign(Value); }
void TSynTextSource::SetLineDivider(TSynLineDivider* Value) { lineDivider_->Assign(Value); }
void TSynTextSource::SetRightEdge(TSynRightEdge* Value) { rightEdge_->Assign(Value); }
void TSynTextSource::SetScrollBars(TSynScrollBars* Value) { scrollBars_->Assign(Value); }
void TSynTextSource::SetSelectedColor(TSynSelectedColor* Value) { selectedColor_->Assign(Value); }
void TSynTextSource::SetWordWrap(TSynWordWrap* Value) { wordWrap_->Assign(Value); }

void TSynTextSource::SetHighlighter(TSynCustomHighlighter* Value)
{
    if (highlighter_ == Value)
        return;
    if (highlighter_)
        highlighter_->RemoveFreeNotification(this);
    highlighter_ = Value;
    if (highlighter_)
        highlighter_->FreeNotification(this);
}

void TSynTextSource::SetPopupMenu(TComponent* Value)
{
    if (popupMenu_ == Value)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = Value;
    if (popupMenu_)
        popupMenu_->FreeNotification(this);
}

void TSynTextSource::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == highlighter_)
        highlighter_ = nullptr;
    if (AComponent == popupMenu_)
        popupMenu_ = nullptr;
}

void TSynTextSource::Assign(TPersistent* Source)
{
    if (auto* editor = dynamic_cast<TCustomSynText*>(Source))
        AssignFromEditor(editor);
    else if (auto* store = dynamic_cast<TSynTextSource*>(Source))
        AssignFromSource(store);
    else
        TComponent::Assign(Source);
}

void TSynTextSource::AssignTo(TPersistent* Dest)
{
    auto* editor = dynamic_cast<TCustomSynText*>(Dest);
    if (!editor) {
        TComponent::AssignTo(Dest);
        return;
    }
    editor->BeginUpdate();
    struct TUpdateEnd {
        TCustomSynText* Editor;
        ~TUpdateEnd() { Editor->EndUpdate(); }
    } updateEnd{editor};
    const TSynTextSourceMasks m = Mask;
    if (m.Contains(smBackground))
        editor->SetBackground(background_.get());
    if (m.Contains(smActiveLine))
        editor->SetActiveLine(activeLine_.get());
    if (m.Contains(smBlockWidth))
        editor->BlockWidth = BlockWidth;
    if (m.Contains(smBookMarkOptions))
        editor->BookMarkOptions()->Assign(bookMarkOptions_.get());
    if (m.Contains(smBorderStyle))
        editor->SetBorderStyle(BorderStyle);
    if (m.Contains(smColor))
        editor->SetColor(Color);
    if (m.Contains(smFont))
        editor->SetFont(font_.get());
    if (m.Contains(smGutter))
        editor->SetGutter(gutter_.get());
    if (m.Contains(smHideSelection))
        editor->SetHideSelection(HideSelection);
    if (m.Contains(smHighlighter))
        editor->SetHighlighter(highlighter_);
    if (m.Contains(smInsertCaret))
        editor->SetInsertCaret(InsertCaret);
    if (m.Contains(smInsertMode))
        editor->SetInsertMode(InsertMode);
    if (m.Contains(smKeystrokes))
        editor->SetKeystrokes(keystrokes_.get());
    if (m.Contains(smLines))
        editor->SetLines(lines_.get());
    if (m.Contains(smLineDivider))
        editor->SetLineDivider(lineDivider_.get());
    if (m.Contains(smLineSpacing))
        editor->SetLineSpacing(LineSpacing);
    if (m.Contains(smLineSpacingRule))
        editor->SetLineSpacingRule(LineSpacingRule);
    if (m.Contains(smMaxScrollWidth))
        editor->SetMaxScrollWidth(MaxScrollWidth);
    if (m.Contains(smMaxUndo))
        editor->SetMaxUndo(MaxUndo);
    if (m.Contains(smOptions))
        editor->SetOptions(Options);
    if (m.Contains(smOverwriteCaret))
        editor->SetOverwriteCaret(OverwriteCaret);
    if (m.Contains(smPopupMenu))
        editor->SetPopupMenu(popupMenu_);
    if (m.Contains(smReadOnly))
        editor->SetReadOnly(ReadOnly);
    if (m.Contains(smRightEdge))
        editor->SetRightEdge(rightEdge_.get());
    if (m.Contains(smScrollBars))
        editor->SetScrollBars(scrollBars_.get());
    if (m.Contains(smSelectedColor))
        editor->SetSelectedColor(selectedColor_.get());
    if (m.Contains(smSelectionMode))
        editor->SetSelectionMode(SelectionMode);
    if (m.Contains(smTabWidth))
        editor->SetTabWidth(TabWidth);
    if (m.Contains(smWantTabs))
        editor->SetWantTabs(WantTabs);
    if (m.Contains(smWordWrap))
        editor->SetWordWrap(wordWrap_.get());
    if (m.Contains(smUnicodeName))
        editor->SetUnicodeFontName(UnicodeFontName);
    if (m.Contains(smCodeFolding))
        editor->SetCodeFolding(codeFolding_.get());
}

void TSynTextSource::AssignFromEditor(TCustomSynText* Editor)
{
    const TSynTextSourceMasks m = Mask;
    if (m.Contains(smBackground))
        SetBackground(Editor->Background());
    if (m.Contains(smActiveLine))
        SetActiveLine(Editor->ActiveLine());
    if (m.Contains(smBlockWidth))
        BlockWidth = Editor->BlockWidth;
    if (m.Contains(smBookMarkOptions))
        SetBookMarkOptions(Editor->BookMarkOptions());
    if (m.Contains(smBorderStyle))
        BorderStyle = Editor->BorderStyle();
    if (m.Contains(smColor))
        Color = Editor->Color();
    if (m.Contains(smFont))
        SetFont(Editor->Font());
    if (m.Contains(smGutter))
        SetGutter(Editor->Gutter());
    if (m.Contains(smHideSelection))
        HideSelection = Editor->HideSelection();
    if (m.Contains(smHighlighter))
        SetHighlighter(Editor->Highlighter());
    if (m.Contains(smInsertCaret))
        InsertCaret = Editor->InsertCaret();
    if (m.Contains(smInsertMode))
        InsertMode = Editor->InsertMode();
    if (m.Contains(smKeystrokes))
        SetKeystrokes(Editor->Keystrokes());
    if (m.Contains(smLines))
        SetLines(Editor->Lines());
    if (m.Contains(smLineDivider))
        SetLineDivider(Editor->LineDivider());
    if (m.Contains(smLineSpacing))
        LineSpacing = Editor->LineSpacing();
    if (m.Contains(smLineSpacingRule))
        LineSpacingRule = Editor->LineSpacingRule();
    if (m.Contains(smMaxScrollWidth))
        MaxScrollWidth = Editor->MaxScrollWidth();
    if (m.Contains(smMaxUndo))
        MaxUndo = Editor->MaxUndo();
    if (m.Contains(smOptions))
        Options = Editor->Options();
    if (m.Contains(smOverwriteCaret))
        OverwriteCaret = Editor->OverwriteCaret();
    if (m.Contains(smPopupMenu))
        SetPopupMenu(Editor->PopupMenu());
    if (m.Contains(smReadOnly))
        ReadOnly = Editor->ReadOnly();
    if (m.Contains(smRightEdge))
        SetRightEdge(Editor->RightEdge());
    if (m.Contains(smScrollBars))
        SetScrollBars(Editor->ScrollBars());
    if (m.Contains(smSelectedColor))
        SetSelectedColor(Editor->SelectedColor());
    if (m.Contains(smSelectionMode))
        SelectionMode = Editor->SelectionMode();
    if (m.Contains(smTabWidth))
        TabWidth = Editor->TabWidth();
    if (m.Contains(smWantTabs))
        WantTabs = Editor->WantTabs();
    if (m.Contains(smWordWrap))
        SetWordWrap(Editor->WordWrap());
    if (m.Contains(smUnicodeName))
        UnicodeFontName = Editor->UnicodeFontName();
    if (m.Contains(smCodeFolding))
        SetCodeFolding(Editor->CodeFolding());
}

void TSynTextSource::AssignFromSource(TSynTextSource* Source)
{
    const TSynTextSourceMasks m = Mask;
    if (m.Contains(smBackground))
        SetBackground(Source->Background());
    if (m.Contains(smActiveLine))
        SetActiveLine(Source->ActiveLine());
    if (m.Contains(smBlockWidth))
        BlockWidth = Source->BlockWidth;
    if (m.Contains(smBookMarkOptions))
        SetBookMarkOptions(Source->BookMarkOptions());
    if (m.Contains(smBorderStyle))
        BorderStyle = Source->BorderStyle;
    if (m.Contains(smColor))
        Color = Source->Color;
    if (m.Contains(smFont))
        SetFont(Source->Font());
    if (m.Contains(smGutter))
        SetGutter(Source->Gutter());
    if (m.Contains(smHideSelection))
        HideSelection = Source->HideSelection;
    if (m.Contains(smHighlighter))
        SetHighlighter(Source->Highlighter());
    if (m.Contains(smInsertCaret))
        InsertCaret = Source->InsertCaret;
    if (m.Contains(smInsertMode))
        InsertMode = Source->InsertMode;
    if (m.Contains(smKeystrokes))
        SetKeystrokes(Source->Keystrokes());
    if (m.Contains(smLines))
        SetLines(Source->Lines());
    if (m.Contains(smLineDivider))
        SetLineDivider(Source->LineDivider());
    if (m.Contains(smLineSpacing))
        LineSpacing = Source->LineSpacing;
    if (m.Contains(smLineSpacingRule))
        LineSpacingRule = Source->LineSpacingRule;
    if (m.Contains(smMaxScrollWidth))
        MaxScrollWidth = Source->MaxScrollWidth;
    if (m.Contains(smMaxUndo))
        MaxUndo = Source->MaxUndo;
    if (m.Contains(smOptions))
        Options = Source->Options;
    if (m.Contains(smOverwriteCaret))
        OverwriteCaret = Source->OverwriteCaret;
    if (m.Contains(smPopupMenu))
        SetPopupMenu(Source->PopupMenu());
    if (m.Contains(smReadOnly))
        ReadOnly = Source->ReadOnly;
    if (m.Contains(smRightEdge))
        SetRightEdge(Source->RightEdge());
    if (m.Contains(smScrollBars))
        SetScrollBars(Source->ScrollBars());
    if (m.Contains(smSelectedColor))
        SetSelectedColor(Source->SelectedColor());
    if (m.Contains(smSelectionMode))
        SelectionMode = Source->SelectionMode;
    if (m.Contains(smTabWidth))
        TabWidth = Source->TabWidth;
    if (m.Contains(smWantTabs))
        WantTabs = Source->WantTabs;
    if (m.Contains(smWordWrap))
        SetWordWrap(Source->WordWrap());
    if (m.Contains(smUnicodeName))
        UnicodeFontName = Source->UnicodeFontName;
    if (m.Contains(smCodeFolding))
        SetCodeFolding(Source->CodeFolding());
}
