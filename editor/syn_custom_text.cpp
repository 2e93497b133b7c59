// Construction, destruction, window parameters, the paint lock and status
// reports, and the property setters of the editor.
#include "editor/syn_custom_text.h"

#include <algorithm>
#include <utility>

#include "editor/view/syn_active_line.h"
#include "editor/document/syn_bookmark_opt.h"
#include "editor/syn_buffer_plugin.h"
#include "editor/completion/syn_completion_proposal.h"
#include "editor/folding/syn_fold_ranges.h"
#include "editor/folding/syn_fold_scan.h"
#include "editor/view/syn_gutter.h"
#include "editor/view/syn_internal_images.h"
#include "editor/view/syn_line_divider.h"
#include "editor/view/syn_right_edge.h"
#include "editor/view/syn_scroll_bars.h"
#include "editor/view/syn_selected_color.h"
#include "editor/view/syn_text_background.h"
#include "editor/syn_text_code_folding_plugin.h"
#include "editor/view/syn_text_drawer.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/document/syn_text_mark.h"
#include "editor/syn_text_plugin.h"
#include "editor/view/syn_word_wrap.h"
#include "platform/base/list.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/kernel/timer.h"
#include "platform/win/drop_files.h"
#include "platform/win/window_styles.h"

TCustomSynText::TCustomSynText(TComponent* AOwner) : TCustomControl(AOwner)
{
    allFoldRanges_ = std::make_unique<TSynTextAllFoldRanges>();
    new TSynTextCodeFoldingPlugin(this);  // joins the plug-in list, which frees it
    codeFolding_ = std::make_unique<TSynCodeFolding>();
    codeFolding_->OnChange = TCodeFoldingChangeEvent(this, &TCustomSynText::CodeFoldingChanged);

    ownLines_ = std::make_unique<TSynTextStringList>();
    lines_ = ownLines_.get();
    lines_->OnChange = TNotifyEvent(this, &TCustomSynText::RecalcLayout);
    lines_->OnChanging = TNotifyEvent(this, &TCustomSynText::LinesChanging);
    lines_->OnCleared = TNotifyEvent(this, &TCustomSynText::ListCleared);
    lines_->OnDeleted = TSynLinesEvent(this, &TCustomSynText::ListDeleted);
    lines_->OnInserted = TSynLinesEvent(this, &TCustomSynText::ListInserted);
    lines_->OnPut = TSynLinesEvent(this, &TCustomSynText::ListPut);
    lines_->OnBeforeDeleted = TSynLinesEvent(this, &TCustomSynText::ListBeforeDeleted);
    lines_->OnBeforeInserted = TSynLinesEvent(this, &TCustomSynText::ListBeforeInserted);
    lines_->OnBeforePut = TSynLinesEvent(this, &TCustomSynText::ListBeforePut);

    gutterBitmap_ = std::make_unique<TBitmap>();
    scrollBars_ = std::make_unique<TSynScrollBars>();
    scrollBars_->OnChange = TNotifyEvent(this, &TCustomSynText::ScrollBarsChanged);
    rightEdge_ = std::make_unique<TSynRightEdge>();
    rightEdge_->OnChange = TNotifyEvent(this, &TCustomSynText::RightEdgeChanged);
    rightEdgeBitmap_ = std::make_unique<TBitmap>();
    lineDivider_ = std::make_unique<TSynLineDivider>();
    lineDivider_->OnChange = TNotifyEvent(this, &TCustomSynText::LineDividerChanged);
    activeLine_ = std::make_unique<TSynActiveLine>();
    activeLine_->OnChange = TNotifyEvent(this, &TCustomSynText::ActiveLineChanged);
    wordWrap_ = std::make_unique<TSynWordWrap>();
    wordWrap_->OnChange = TNotifyEvent(this, &TCustomSynText::WordWrapChanged);
    background_ = std::make_unique<TSynTextBackground>();
    background_->OnChange = TNotifyEvent(this, &TCustomSynText::BackgroundChanged);
    fontTemplate_ = std::make_unique<TFont>();

    ownUndoList_ = std::make_unique<TSynTextUndoList>();
    undoList_ = ownUndoList_.get();
    undoList_->OnAddedUndo = TNotifyEvent(this, &TCustomSynText::UndoRedoAdded);
    undoList_->OnRecording = TEvent<void(TSynTextUndoItem&)>(this, &TCustomSynText::RecordInExpandedLines);
    ownRedoList_ = std::make_unique<TSynTextUndoList>();
    redoList_ = ownRedoList_.get();
    redoList_->OnAddedUndo = TNotifyEvent(this, &TCustomSynText::UndoRedoAdded);
    redoList_->OnRecording = TEvent<void(TSynTextUndoItem&)>(this, &TCustomSynText::RecordInExpandedLines);

    selectedColor_ = std::make_unique<TSynSelectedColor>();
    selectedColor_->OnChange = TNotifyEvent(this, &TCustomSynText::SelectedColorChanged);
    bookMarkOpt_ = std::make_unique<TSynBookMarkOpt>(this);
    bookMarkOpt_->OnChange = TNotifyEvent(this, &TCustomSynText::BookMarkOptionsChanged);
    gutter_ = std::make_unique<TSynGutter>();
    gutter_->OnChange = TNotifyEvent(this, &TCustomSynText::GutterChanged);

    // Defaults, in the order the frame sets them.
    BlockWidth = 2;
    SetDoubleBuffered(false);
    gutterWidth_ = gutter_->Width();
    textOffset_ = gutterWidth_ + 2;
    TControlStyle style = ControlStyle();
    style.Include(csOpaque).Include(csSetCaption).Include(csNeedsBorderPaint);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 200, 150);
    SetCursor(crIBeam);
    SetColor(clWindow);
    fontTemplate_->SetName("Courier New");
    fontTemplate_->SetSize(10);
    fontTemplate_->SetCharset(DEFAULT_CHARSET);

    textDrawer_ = std::make_unique<TheTextDrawer>(TFontStyles{fsBold}, fontTemplate_.get());
    Font()->Assign(fontTemplate_.get());
    Font()->OnChange = TNotifyEvent(this, &TCustomSynText::FontChanged);

    focusList_ = std::make_unique<TList>();
    kbdHandler_ = std::make_unique<TSynTextKbdHandler>();
    keystrokes_ = std::make_unique<TSynTextKeyStrokes>(this);
    marks_ = std::make_unique<TSynTextMarkList>(this);
    marks_->OnChange = TNotifyEvent(this, &TCustomSynText::MarkListChanged);
    scrollTimer_ = new TTimer(this);
    idleScanTimer_ = new TTimer(this);

    SetParentFont(false);
    SetParentColor(false);
    SetTabStop(true);
    inserting_ = true;
    maxScrollWidth_ = 1024;
    borderStyle_ = bsSingle;
    insertCaret_ = ctVerticalLine;
    overwriteCaret_ = ctBlock;
    selectionMode_ = smNormal;
    SetDefaultKeystrokes();
    imeCount_ = 0;
    mbcsStepAside_ = false;
    wantReturns_ = true;
    wantTabs_ = false;
    tabWidth_ = 8;
    lines_->SetTabWidth(tabWidth_);
    leftChar_ = 1;
    topLine_ = 1;
    caretX_ = 1;
    lastCaretX_ = 1;
    caretY_ = 1;
    blockBegin_ = BufferCoord(1, 1);
    blockEnd_ = blockBegin_;
    options_ = SYNTEXT_DEFAULT_OPTIONS;
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(100);
    scrollTimer_->SetOnTimer(TNotifyEvent(this, &TCustomSynText::ScrollTimerHandler));
    // The window manager's timers come only when no other message waits.
    idleScanTimer_->SetEnabled(false);
    idleScanTimer_->SetInterval(1);  // as often as the window manager allows
    idleScanTimer_->SetOnTimer(TNotifyEvent(this, &TCustomSynText::IdleScanTimerHandler));
    FontChanged(nullptr);
}

TCustomSynText::~TCustomSynText()
{
    // Freed inside an update that never ended.
    if (deferredTextPaint_) {
        DeleteObject(deferredTextPaint_);
        DeleteObject(deferredOtherPaint_);
    }
    caretFoldRange_ = nullptr;
    allFoldRanges_.reset();
    codeFolding_.reset();
    // Before the keyboard handler goes: the hint unhooks itself from it.
    collapsedHint_.reset();
    SetHighlighter(nullptr);
    if (chainedEditor_ || lines_ != ownLines_.get())
        UnhookTextBuffer();
    hookedCommandHandlers_.clear();
    while (!plugins_.empty())
        delete plugins_.back();  // its destructor takes it out of the list
    background_.reset();
    std::fill(bookmarks_.begin(), bookmarks_.end(), nullptr);
    marks_.reset();
    bookMarkOpt_.reset();
    keystrokes_.reset();
    kbdHandler_.reset();
    focusList_.reset();
    selectedColor_.reset();
    ownUndoList_.reset();
    ownRedoList_.reset();
    gutter_.reset();
    textDrawer_.reset();
    internalBookmarkImage_.reset();
    fontTemplate_.reset();
    ownLines_.reset();
    gutterBitmap_.reset();
    activeLine_.reset();
    rightEdge_.reset();
    rightEdgeBitmap_.reset();
    lineDivider_.reset();
    wordWrap_.reset();
    scrollBars_.reset();
}

void TCustomSynText::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    // The window text is the buffer, answered by the editor's own WM_GETTEXT;
    // a long text must never travel as the window caption.
    Params.Caption.clear();
    Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
    Params.Style |= WS_CLIPCHILDREN;
    if (borderStyle_ == bsSingle) {
        Params.Style |= WS_BORDER;
        if (Ctl3D()) {
            Params.Style &= ~WS_BORDER;
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        }
    }
}

void TCustomSynText::Loaded()
{
    TCustomControl::Loaded();
    GutterChanged(this);
    UpdateScrollBars();
}

// --- Paint lock and status ---

void TCustomSynText::BeginUpdate() { ++paintLock_; }

void TCustomSynText::EndUpdate()
{
    if (paintLock_ <= 0)
        return;
    if (--paintLock_ > 0)
        return;
    lockedInvalidations_ = 0;
    RescanPendingFolds();
    // An undo or redo of a replace-all in this update collapses its blocks
    // now that the scan has read the text it left.
    CollapseNotedFolds();
    WakeIdleForLineGap();
    if (!HandleAllocated())
        return;
    ScrollPendingView();
    // A command that scrolls paints the rows it brings in at once, inside
    // its update, with the fold ranges as they stood; the scan brought to
    // the view now repaints what it finds there, before idle time would.
    if (std::exchange(paintedBeforeFoldScan_, false) && codeFolding_->Enabled() && lines_->Count() > 0)
        ReachFoldScan(LastShownLine() + 1, TFoldReach::StartsIfNear);
    FollowActiveGuides();
    if (stateFlags_.Contains(sfScrollbarChanged))
        UpdateScrollBars();
    if (GetWordWrap() && (statusChanges_.Contains(scCaretX) || statusChanges_.Contains(scCaretY)))
        PullCaretIntoWrapWidth();
    if (stateFlags_.Contains(sfCaretChanged))
        UpdateCaret();
    if (!statusChanges_.Empty())
        DoOnStatusChange(statusChanges_);
}

// A caret left beyond the wrap width by a change goes back to the row's end,
// where typing continues on the next row.
void TCustomSynText::PullCaretIntoWrapWidth()
{
    const int width = GetWrapAreaWidth();
    if (width <= 0 || DisplayX() <= width + 1)
        return;
    if (caretAtEndOfRow_) {
        caretAtEndOfRow_ = false;
    } else if (statusChanges_.Contains(scCaretY)) {
        caretX_ = DisplayToBufferPos(DisplayCoord(width + 1, DisplayY())).Char;
        statusChanges_.Include(scCaretX);
        lastCaretX_ = DisplayX();
    }
    stateFlags_.Include(sfCaretChanged);
}

void TCustomSynText::StatusChanged(TSynStatusChanges AChanges)
{
    for (int c = scAll; c <= scReadOnly; ++c)
        if (AChanges.Contains(static_cast<TSynStatusChange>(c)))
            statusChanges_.Include(static_cast<TSynStatusChange>(c));
    if (paintLock_ == 0)
        DoOnStatusChange(statusChanges_);
}

void TCustomSynText::DoOnStatusChange(TSynStatusChanges Changes)
{
    // Without a handler the changes stay pending for the next report.
    if (OnStatusChange) {
        OnStatusChange(this, Changes);
        statusChanges_ = TSynStatusChanges();
    }
}

void TCustomSynText::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TCustomSynText::RecalcLayout(TObject*)
{
    // The rescan brackets itself in an update, whose end comes back here
    // with nothing left to scan.
    if (ScanPendingRanges())
        return;
    stateFlags_.Exclude(sfLinesChanging);
    // Lines changed in the buffer itself (a text loaded or set there) come
    // with no update of the editor's to end in the fold scan.
    RescanPendingFolds();
    if (!HandleAllocated())
        return;
    UpdateScrollBars();
    SetBlockBegin(CaretXY());
    FlushCollectedAreas();
    if (gutter_->ShowLineNumbers() && gutter_->AutoSize())
        gutter_->AutoSizeDigitCount(lines_->Count());
    if (!options_.Contains(eoScrollPastEof))
        SetTopLine(topLine_);
}

void TCustomSynText::LinesChanging(TObject*) { stateFlags_.Include(sfLinesChanging); }

// --- Small accessors ---

AnsiString TCustomSynText::LineText() const
{
    if (caretY_ >= 1 && caretY_ <= lines_->Count())
        return lines_->Strings(caretY_ - 1);
    return AnsiString();
}

void TCustomSynText::SetLineText(const AnsiString& Value)
{
    if (caretY_ < 1 || caretY_ > std::max(1, lines_->Count()))
        return;
    if (lines_->Count() == 0)
        lines_->Add(Value);
    else
        lines_->SetStrings(caretY_ - 1, Value);
    // The change bypasses the undo lists; their items would now point at
    // text that is no longer there.
    ClearUndo();
}

TBufferCoord TCustomSynText::BlockBegin() const
{
    return EarlierCoord(blockBegin_, blockEnd_);
}

TBufferCoord TCustomSynText::BlockEnd() const
{
    return blockEnd_ < blockBegin_ ? blockBegin_ : blockEnd_;
}

bool TCustomSynText::SelAvail() const
{
    return blockBegin_.Char != blockEnd_.Char || (blockBegin_.Line != blockEnd_.Line && selectionMode_ != smColumn);
}

bool TCustomSynText::SelectionSpansLines() const
{
    return blockBegin_.Line != blockEnd_.Line && selectionMode_ != smColumn;
}

bool TCustomSynText::SelectionCoversCaretLine() const
{
    return BlockBegin().Char <= 1 && BlockEnd().Char > static_cast<int>(LineText().size()) && SelAvail();
}

int TCustomSynText::CountLeadingBlanks(int Line, bool CountTabsWide) const
{
    if (!options_.Contains(eoAutoIndent) || Line < 1 || Line > lines_->Count())
        return 0;
    AnsiString s = lines_->Strings(Line - 1);
    int result = 0;
    for (char c : s) {
        auto u = static_cast<unsigned char>(c);
        if (u < 1 || u > 32)
            break;
        result += (c == '\t' && CountTabsWide) ? tabWidth_ : 1;
    }
    return result;
}

AnsiString TCustomSynText::GetLeftSpacing(int Count, bool WantTabs) const
{
    if (Count <= 0)
        return AnsiString();
    if (WantTabs && !options_.Contains(eoTabsToSpaces) && Count >= tabWidth_)
        return AnsiString(static_cast<size_t>(Count / tabWidth_), '\t') +
               AnsiString(static_cast<size_t>(Count % tabWidth_), ' ');
    return AnsiString(static_cast<size_t>(Count), ' ');
}

// --- Properties ---

void TCustomSynText::SetLines(TStrings* Value) { lines_->Assign(Value); }

void TCustomSynText::SetInsertMode(bool Value)
{
    if (inserting_ == Value)
        return;
    inserting_ = Value;
    if (!ComponentState().Contains(csLoading))
        InitializeCaret();
    StatusChanged({scInsertMode});
}

void TCustomSynText::SetInsertCaret(TSynTextCaretType Value)
{
    if (insertCaret_ != Value) {
        insertCaret_ = Value;
        InitializeCaret();
    }
}

void TCustomSynText::SetOverwriteCaret(TSynTextCaretType Value)
{
    if (overwriteCaret_ != Value) {
        overwriteCaret_ = Value;
        InitializeCaret();
    }
}

void TCustomSynText::SetMaxScrollWidth(int Value)
{
    Value = std::clamp(Value, kMinMaxScrollWidth, kMaxMaxScrollWidth);
    if (maxScrollWidth_ == Value)
        return;
    maxScrollWidth_ = Value;
    if (options_.Contains(eoScrollPastEol))
        UpdateScrollBars();
}

void TCustomSynText::SetTabWidth(int Value)
{
    Value = std::clamp(Value, kMinTabWidth, kMaxTabWidth);
    if (tabWidth_ == Value)
        return;
    tabWidth_ = Value;
    lines_->SetTabWidth(Value);
    if (wordWrapPlugin_)
        wordWrapPlugin_->Reset();  // rows are measured in expanded characters
    Invalidate();
}

void TCustomSynText::SetReadOnly(bool Value)
{
    if (readOnly_ != Value) {
        readOnly_ = Value;
        StatusChanged({scReadOnly});
    }
}

void TCustomSynText::SetHideSelection(bool Value)
{
    if (hideSelection_ != Value) {
        hideSelection_ = Value;
        RepaintSelection();
    }
}

void TCustomSynText::SetBorderStyle(TBorderStyle Value)
{
    if (borderStyle_ != Value) {
        borderStyle_ = Value;
        RecreateWnd();
    }
}

void TCustomSynText::SetOptions(TSynTextEditorOptions Value)
{
    if (Value == options_)
        return;
    const bool dropFilesChanged = Value.Contains(eoDropFiles) != options_.Contains(eoDropFiles);
    if (!options_.Contains(eoScrollPastEol))
        SetLeftChar(leftChar_);
    if (!options_.Contains(eoScrollPastEof))
        SetTopLine(topLine_);
    constexpr uint64_t scrollMask = 0x00060408;
    const bool scrollChanged = ((options_.Bits() ^ Value.Bits()) & scrollMask) != 0;
    options_ = Value;
    PlaceCaretEx(false, CaretXY());
    if (options_.Contains(eoScrollPastEol)) {
        SetBlockBegin(blockBegin_);
        SetBlockEnd(blockEnd_);
    }
    if (dropFilesChanged && !ComponentState().Contains(csDesigning) && HandleAllocated())
        DragAcceptFiles(Handle(), options_.Contains(eoDropFiles));
    if (showSpecialChars_ != options_.Contains(eoShowSpecialChars)) {
        showSpecialChars_ = options_.Contains(eoShowSpecialChars);
        Invalidate();
    }
    if (scrollChanged)
        UpdateScrollBars();
}

void TCustomSynText::SetKeystrokes(TSynTextKeyStrokes* Value)
{
    if (Value)
        keystrokes_->Assign(Value);
    else
        keystrokes_->Clear();
}

void TCustomSynText::SetDefaultKeystrokes() { keystrokes_->ResetToDefaults(); }

void TCustomSynText::SetCodeFolding(TSynCodeFolding* Value) { codeFolding_->Assign(Value); }
void TCustomSynText::SetActiveLine(TSynActiveLine* Value) { activeLine_->Assign(Value); }
void TCustomSynText::SetLineDivider(TSynLineDivider* Value) { lineDivider_->Assign(Value); }
void TCustomSynText::SetRightEdge(TSynRightEdge* Value) { rightEdge_->Assign(Value); }
void TCustomSynText::SetScrollBars(TSynScrollBars* Value) { scrollBars_->Assign(Value); }
void TCustomSynText::SetBackground(TSynTextBackground* Value) { background_->Assign(Value); }
void TCustomSynText::SetSelectedColor(TSynSelectedColor* Value) { selectedColor_->Assign(Value); }
void TCustomSynText::SetWordWrap(TSynWordWrap* Value) { wordWrap_->Assign(Value); }
void TCustomSynText::SetGutter(TSynGutter* Value) { gutter_->Assign(Value); }

TSynTextMark* TCustomSynText::BookMarks(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(bookmarks_.size()) ? bookmarks_[static_cast<size_t>(Index)]
                                                                      : nullptr;
}

// --- Plug-ins ---

void TCustomSynText::AddPlugin(TSynTextPlugin* APlugin) { plugins_.push_back(APlugin); }

void TCustomSynText::RemovePlugin(TSynTextPlugin* APlugin)
{
    auto it = std::find(plugins_.begin(), plugins_.end(), APlugin);
    if (it != plugins_.end())
        plugins_.erase(it);
}

void TCustomSynText::UnhookTextBuffer()
{
    lines_ = ownLines_.get();
    undoList_ = ownUndoList_.get();
    redoList_ = ownRedoList_.get();
    chainedEditor_ = nullptr;
}

void TCustomSynText::SetName(const AnsiString& NewName) { TCustomControl::SetName(NewName); }
void TCustomSynText::CreateWnd() { TCustomControl::CreateWnd(); }
void TCustomSynText::DestroyWnd() { TCustomControl::DestroyWnd(); }
void TCustomSynText::SetFocus() { TCustomControl::SetFocus(); }
