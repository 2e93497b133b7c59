// TSynTextSource: construction, the object setters and copying between a
// store and an editor or another store, group by group from one table.
#include "editor_services/settings/syn_text_source.h"

#include <array>
#include <functional>
#include <utility>

#include "editor/view/syn_active_line.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/folding/syn_code_folding.h"
#include "editor/syn_custom_text.h"
#include "editor/highlighting/syn_highlighter.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_background.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/string_list.h"

namespace {

using S = TSynTextSource;
using E = TCustomSynText;

// How one side holds a setting: read through Get, given through Set; each a
// member function or a plain function taking the object first.
template <auto Get, auto Set>
struct TProperty {
    template <typename T>
    static auto Read(T& Object)
    {
        return std::invoke(Get, Object);
    }
    template <typename T, typename V>
    static void Write(T& Object, V&& Value)
    {
        std::invoke(Set, Object, std::forward<V>(Value));
    }
};

// A setting held in a plain data member.
template <auto Member>
struct TField {
    template <typename T>
    static auto Read(T& Object)
    {
        return Object.*Member;
    }
    template <typename T, typename V>
    static void Write(T& Object, V&& Value)
    {
        Object.*Member = std::forward<V>(Value);
    }
};

// One settings group and its three copies, all made from one description of
// how the store and the editor hold it. Object settings are copied by value
// by the receiving setter; the highlighter and popup menu by reference.
struct TGroupCopy {
    TSynTextSourceMask Group;
    void (*ToEditor)(S& Store, E& Editor);
    void (*FromEditor)(S& Store, E& Editor);
    void (*FromStore)(S& Store, S& Source);
};

template <TSynTextSourceMask Group, typename Store, typename Editor>
constexpr TGroupCopy Copied()
{
    return {Group, [](S& store, E& editor) { Editor::Write(editor, Store::Read(store)); },
            [](S& store, E& editor) { Store::Write(store, Editor::Read(editor)); },
            [](S& store, S& source) { Store::Write(store, Store::Read(source)); }};
}

// The editor has no setter for its bookmark options: its own object takes
// the values.
void SetEditorBookMarkOptions(E& Editor, TSynBookMarkOpt* Value) { Editor.BookMarkOptions()->Assign(Value); }

// Every group, in the order the copies apply them: the background first,
// code folding last.
constexpr std::array kGroups{
    Copied<smBackground, TProperty<&S::Background, &S::SetBackground>,
           TProperty<&E::Background, &E::SetBackground>>(),
    Copied<smActiveLine, TProperty<&S::ActiveLine, &S::SetActiveLine>,
           TProperty<&E::ActiveLine, &E::SetActiveLine>>(),
    Copied<smBlockWidth, TField<&S::BlockWidth>, TField<&E::BlockWidth>>(),
    Copied<smBookMarkOptions, TProperty<&S::BookMarkOptions, &S::SetBookMarkOptions>,
           TProperty<&E::BookMarkOptions, &SetEditorBookMarkOptions>>(),
    Copied<smBorderStyle, TField<&S::BorderStyle>, TProperty<&E::BorderStyle, &E::SetBorderStyle>>(),
    Copied<smColor, TField<&S::Color>, TProperty<&E::Color, &E::SetColor>>(),
    Copied<smFont, TProperty<&S::Font, &S::SetFont>, TProperty<&E::Font, &E::SetFont>>(),
    Copied<smGutter, TProperty<&S::Gutter, &S::SetGutter>, TProperty<&E::Gutter, &E::SetGutter>>(),
    Copied<smHideSelection, TField<&S::HideSelection>, TProperty<&E::HideSelection, &E::SetHideSelection>>(),
    Copied<smHighlighter, TProperty<&S::Highlighter, &S::SetHighlighter>,
           TProperty<&E::Highlighter, &E::SetHighlighter>>(),
    Copied<smInsertCaret, TField<&S::InsertCaret>, TProperty<&E::InsertCaret, &E::SetInsertCaret>>(),
    Copied<smInsertMode, TField<&S::InsertMode>, TProperty<&E::InsertMode, &E::SetInsertMode>>(),
    Copied<smKeystrokes, TProperty<&S::Keystrokes, &S::SetKeystrokes>,
           TProperty<&E::Keystrokes, &E::SetKeystrokes>>(),
    Copied<smLines, TProperty<&S::Lines, &S::SetLines>, TProperty<&E::Lines, &E::SetLines>>(),
    Copied<smLineDivider, TProperty<&S::LineDivider, &S::SetLineDivider>,
           TProperty<&E::LineDivider, &E::SetLineDivider>>(),
    Copied<smLineSpacing, TField<&S::LineSpacing>, TProperty<&E::LineSpacing, &E::SetLineSpacing>>(),
    Copied<smLineSpacingRule, TField<&S::LineSpacingRule>,
           TProperty<&E::LineSpacingRule, &E::SetLineSpacingRule>>(),
    Copied<smMaxScrollWidth, TField<&S::MaxScrollWidth>, TProperty<&E::MaxScrollWidth, &E::SetMaxScrollWidth>>(),
    Copied<smMaxUndo, TField<&S::MaxUndo>, TProperty<&E::MaxUndo, &E::SetMaxUndo>>(),
    Copied<smOptions, TField<&S::Options>, TProperty<&E::Options, &E::SetOptions>>(),
    Copied<smOverwriteCaret, TField<&S::OverwriteCaret>, TProperty<&E::OverwriteCaret, &E::SetOverwriteCaret>>(),
    Copied<smPopupMenu, TProperty<&S::PopupMenu, &S::SetPopupMenu>, TProperty<&E::PopupMenu, &E::SetPopupMenu>>(),
    Copied<smReadOnly, TField<&S::ReadOnly>, TProperty<&E::ReadOnly, &E::SetReadOnly>>(),
    Copied<smRightEdge, TProperty<&S::RightEdge, &S::SetRightEdge>, TProperty<&E::RightEdge, &E::SetRightEdge>>(),
    Copied<smScrollBars, TProperty<&S::ScrollBars, &S::SetScrollBars>,
           TProperty<&E::ScrollBars, &E::SetScrollBars>>(),
    Copied<smSelectedColor, TProperty<&S::SelectedColor, &S::SetSelectedColor>,
           TProperty<&E::SelectedColor, &E::SetSelectedColor>>(),
    Copied<smSelectionMode, TField<&S::SelectionMode>, TProperty<&E::SelectionMode, &E::SetSelectionMode>>(),
    Copied<smTabWidth, TField<&S::TabWidth>, TProperty<&E::TabWidth, &E::SetTabWidth>>(),
    Copied<smWantTabs, TField<&S::WantTabs>, TProperty<&E::WantTabs, &E::SetWantTabs>>(),
    Copied<smWordWrap, TProperty<&S::WordWrap, &S::SetWordWrap>, TProperty<&E::WordWrap, &E::SetWordWrap>>(),
    Copied<smUnicodeName, TField<&S::UnicodeFontName>,
           TProperty<&E::UnicodeFontName, &E::SetUnicodeFontName>>(),
    Copied<smCodeFolding, TProperty<&S::CodeFolding, &S::SetCodeFolding>,
           TProperty<&E::CodeFolding, &E::SetCodeFolding>>(),
};

template <typename F>
void ForMaskedGroups(TSynTextSourceMasks Mask, F Copy)
{
    for (const TGroupCopy& group : kGroups)
        if (Mask.Contains(group.Group))
            Copy(group);
}

}  // namespace

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
        ForMaskedGroups(Mask, [&](const TGroupCopy& Group) { Group.FromEditor(*this, *editor); });
    else if (auto* store = dynamic_cast<TSynTextSource*>(Source))
        ForMaskedGroups(Mask, [&](const TGroupCopy& Group) { Group.FromStore(*this, *store); });
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
    ForMaskedGroups(Mask, [&](const TGroupCopy& Group) { Group.ToEditor(*this, *editor); });
}
