// The article tab frame: its controls, the bridge between the editor's
// scroll-bar events and the skinned bars, and its side of INodeEditor.
#include "app/node_editor.h"

#include <cstdint>

#include "app/action_module.h"
#include "app/menu_building.h"
#include "editor/view/syn_active_line.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_scroll_bars.h"
#include "editor/view/syn_text_scroll_bar.h"
#include "editor_services/actions/syn_actions_dialogs.h"
#include "editor_services/actions/syn_actions_edit.h"
#include "editor_services/actions/syn_actions_search.h"
#include "editor_services/actions/syn_actions_select.h"
#include "editor_services/settings/syn_manager.h"
#include "editor_services/syn_text_editor.h"
#include "platform/ui/widgets/page_control.h"
#include "platform/ui/widgets/tab_sheet.h"
#include "skin/controls/bs_skin_panel.h"
#include "skin/controls/bs_skin_popup_menu.h"
#include "skin/controls/bs_skin_scroll_bar.h"
#include "skin/form/bs_skin_frame.h"

namespace {

// The platform's code for disabling both arrows of a bar.
constexpr int BothArrowsDisabled = 3;

// What the skinned bars' events ask of the editor, as the platform's scroll
// codes: line up or left, line down or right, page up or left, page down or
// right, thumb position.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scThumbPosition };

// The platform's thumb position travels as 16 bits.
int Position16(int Position) { return static_cast<uint16_t>(Position); }

// The article's editor. The status bar names the editor's highlighter, so a
// new highlighter is reported like the caret's moves, at once.
class TArticleTextEditor : public TSynTextEditor {
public:
    using TSynTextEditor::TSynTextEditor;

protected:
    void DoHighlighterChanged() override { StatusChanged({scAll}); }
};

template <typename F>
TNotifyEvent EditorHandler(F Action)
{
    return TNotifyEvent::FromCallable([Action](TObject*) { Action(); });
}

}  // namespace

TNodeEditor::TNodeEditor(TComponent* AOwner) : TFrame(AOwner)
{
    SetBounds(0, 0, 546, 433);
    TbsSkinData* skin = ActionModule->SkinData;

    bsSkinPanel1 = new TbsSkinPanel(this);
    bsSkinPanel1->SetParent(this);
    bsSkinPanel1->SetBorderStyle(TbsSkinBorderStyle::bvNone);
    bsSkinPanel1->SetAlign(alClient);

    sVScrollBar = new TbsSkinScrollBar(this);
    sVScrollBar->SetKind(sbVertical);
    sVScrollBar->SetSkinDataName("vscrollbar");
    sVScrollBar->SetParent(bsSkinPanel1);
    sVScrollBar->SetWidth(19);
    sVScrollBar->SetAlign(alRight);
    sVScrollBar->SetRange(0, 100, 0, 0);

    sHScrollBar = new TbsSkinScrollBar(this);
    sHScrollBar->SetKind(sbHorizontal);
    sHScrollBar->SetSkinDataName("hscrollbar");
    sHScrollBar->SetBoth(true);
    sHScrollBar->SetParent(bsSkinPanel1);
    sHScrollBar->SetHeight(19);
    sHScrollBar->SetAlign(alBottom);
    sHScrollBar->SetRange(0, 100, 0, 0);

    HScrollBar = new TSynTextScrollBar(this);
    VScrollBar = new TSynTextScrollBar(this);
    BridgeBar(HScrollBar, sHScrollBar);
    BridgeBar(VScrollBar, sVScrollBar);
    VScrollBar->OnSetScrollInfo = {this, &TNodeEditor::VScrollBarSetScrollInfo};
    HScrollBar->OnSetScrollInfo = {this, &TNodeEditor::HScrollBarSetScrollInfo};

    SynTextEditor1 = new TArticleTextEditor(this);
    SynTextEditor1->SetBorderStyle(bsNone);
    SynTextEditor1->ScrollBars()->SetHorizontal(HScrollBar);
    SynTextEditor1->ScrollBars()->SetVertical(VScrollBar);
    SynTextEditor1->ScrollBars()->SetStyle(sbsCustom);
    SynTextEditor1->SetWantTabs(true);
    SynTextEditor1->Font()->SetName("Courier New");
    SynTextEditor1->RightEdge()->SetPosition(80);
    SynTextEditor1->ActiveLine()->SetVisible(true);
    SynTextEditor1->SetOptions(TSynTextEditorOptions{eoAutoIndent, eoDragDropEditing, eoEnhanceEndKey, eoGroupUndo,
                                                     eoHideShowScrollbars, eoScrollPastEol, eoShowScrollHint,
                                                     eoSmartTabDelete, eoSmartTabs, eoTabsToSpaces,
                                                     eoColumnEditExtension});
    SynTextEditor1->SetParent(bsSkinPanel1);
    SynTextEditor1->SetAlign(alClient);

    // A page click moves the bar by itself before it reports the page: the
    // editor goes back to where it was and takes the page through its own
    // handler, so the text moves one page, not two.
    sVScrollBar->OnChange = EditorHandler([this] {
        topBeforeChange_ = SynTextEditor1->TopLine();
        SynTextEditor1->HandleVScroll(scThumbPosition, Position16(sVScrollBar->Position()));
    });
    sVScrollBar->OnDownButtonClick = EditorHandler([this] { SynTextEditor1->HandleVScroll(scLineUp, 1); });
    sVScrollBar->OnUpButtonClick = EditorHandler([this] { SynTextEditor1->HandleVScroll(scLineDown, 1); });
    sVScrollBar->OnPageUp = EditorHandler([this] { PageVertically(scPageUp); });
    sVScrollBar->OnPageDown = EditorHandler([this] { PageVertically(scPageDown); });
    sHScrollBar->OnLastChange = EditorHandler([this] {
        SynTextEditor1->HandleHScroll(scThumbPosition, Position16(sHScrollBar->Position()));
    });
    sHScrollBar->OnDownButtonClick = EditorHandler([this] { SynTextEditor1->HandleHScroll(scLineUp, 1); });
    sHScrollBar->OnUpButtonClick = EditorHandler([this] { SynTextEditor1->HandleHScroll(scLineDown, 1); });
    sHScrollBar->OnPageUp = EditorHandler([this] { SynTextEditor1->HandleHScroll(scPageUp, 1); });
    sHScrollBar->OnPageDown = EditorHandler([this] { SynTextEditor1->HandleHScroll(scPageDown, 1); });

    SkinFrame = new TbsSkinFrame(this);
    SkinFrame->SetSkinData(skin);
    SkinFrame->SetCtrlsSkinData(skin);

    EditorPopupMenu = new TbsSkinPopupMenu(this);
    EditorPopupMenu->SetSkinData(skin);
    BuildPopupMenu();
    SynTextEditor1->SetPopupMenu(EditorPopupMenu);
}

void TNodeEditor::BuildPopupMenu()
{
    TActionModule* m = ActionModule;
    TMenuItem* root = EditorPopupMenu->Items();
    AddActionItem(root, m->aSynInsertFile);
    AddSeparator(root);
    AddActionItem(root, m->aSynBlockIndent);
    AddActionItem(root, m->aSynBlockUnindent);
    AddSeparator(root);
    AddActionItem(root, m->aSynUndo);
    AddActionItem(root, m->aSynRedo);
    AddSeparator(root);
    for (TBasicAction* action : std::initializer_list<TBasicAction*>{m->aSynCut, m->aSynCopy, m->aSynAppendCut,
                                                                      m->aSynAppendCopy, m->aSynPaste})
        AddActionItem(root, action);
    AddSeparator(root);
    for (TBasicAction* action : std::initializer_list<TBasicAction*>{m->aSynFind, m->aSynReplace, m->aSynFindNext,
                                                                      m->aSynReplaceNext, m->aSynJump})
        AddActionItem(root, action);
    AddSeparator(root);
    AddActionItem(root, m->aSynReadOnly);
    AddActionItem(root, m->aSynOptionsSetting);
}

void TNodeEditor::BridgeBar(TSynTextScrollBar* Source, TbsSkinScrollBar* Bar)
{
    Source->OnShowScrollBar = TSynShowScrollBarEvent::FromCallable([Bar](bool Show) {
        Bar->SetVisible(Show);
        return true;
    });
    Source->OnEnabledScrollBar = TSynEnabledScrollBarEvent::FromCallable([Bar](int Arrows) {
        Bar->SetEnabled(Arrows != BothArrowsDisabled);
        return true;
    });
    Source->OnGetScrollInfo = TSynGetScrollInfoEvent::FromCallable([Bar](SCROLLINFO& Info) {
        Info.nMin = Bar->Min();
        Info.nMax = Bar->Max();
        Info.nPage = static_cast<UINT>(Bar->PageSize());
        Info.nPos = Bar->Position();
        Info.nTrackPos = Bar->Position();
        return true;
    });
}

void TNodeEditor::PageVertically(int Code)
{
    SynTextEditor1->HandleVScroll(scThumbPosition, Position16(topBeforeChange_));
    SynTextEditor1->HandleVScroll(Code, 1);
}

void TNodeEditor::SetScrollInfoOf(TbsSkinScrollBar* Bar, const SCROLLINFO& Info, bool Vertical)
{
    // As a platform bar does when it is given a range: a bar hidden while
    // the editor had nothing to scroll that way (word wrap on) comes back.
    Bar->SetVisible(true);
    const int64_t page = Info.nPage;
    Bar->SetEnabled(static_cast<int64_t>(Info.nMax) > page && Info.nMax > Info.nMin);
    if (!Bar->Enabled())
        return;
    int pageSize = Bar->PageSize();
    if (Vertical)
        pageSize = static_cast<int>(Info.nPage);
    int largeChange = SynTextEditor1->LinesInWindow();
    if (SynTextEditor1->Options().Contains(eoHalfPageScroll))
        largeChange >>= 1;
    Bar->SetLargeChange(largeChange);
    Bar->SetRange(Info.nMin, Info.nMax, Info.nPos, pageSize);
}

int TNodeEditor::VScrollBarSetScrollInfo(const SCROLLINFO& Info, bool)
{
    SetScrollInfoOf(sVScrollBar, Info, true);
    return 1;
}

int TNodeEditor::HScrollBarSetScrollInfo(const SCROLLINFO& Info, bool)
{
    SetScrollInfoOf(sHScrollBar, Info, false);
    return 1;
}

AnsiString TNodeEditor::GetNodeName() { return FTabSheet ? FTabSheet->Caption() : AnsiString(); }

void TNodeEditor::SetNodeName(const AnsiString& Name)
{
    if (FTabSheet)
        FTabSheet->SetCaption(Name);
    // The article's title is the document's name, which printed running
    // heads show for "$TITLE$".
    SynTextEditor1->SetDocumentName(Name);
}

TCustomSynTextEditor* TNodeEditor::GetEditor() { return SynTextEditor1; }

void TNodeEditor::SetLanguage(const AnsiString& Name)
{
    TSynHighlighters* highlighters = GlobalSynManager()->Highlighters();
    highlighters->ApplyToEditor(SynTextEditor1, highlighters->IndexOfLanguage(Name));
}

void TNodeEditor::Activate()
{
    if (FTabSheet && FTabSheet->PageControl())
        FTabSheet->PageControl()->SetActivePage(FTabSheet);
    if (SynTextEditor1->CanFocus())
        SynTextEditor1->SetFocus();
}
