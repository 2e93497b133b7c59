// TCustomSynText: the editor control. It owns the text buffer, the undo and
// redo lists, the option objects, the key bindings and handler chains, the
// marks and the text drawer, and keeps caret, selection and view in step
// with the text. Every change of the text goes through its operations and
// is recorded for undo.
//
// The operations are spread over several source files by concern. By
// section of the declaration below, they live in (all in editor/):
//   Text, Caret, Selection   syn_caret_selection.cpp (SetText too);
//                            syn_text_access.cpp (ClearAll, words at a point)
//   Words                    syn_words.cpp, syn_word_block.cpp
//   Bookmarks                syn_bookmarks.cpp; marks follow their lines in
//                            syn_mark_shifting.cpp
//   Undo and redo            syn_undo_redo.cpp
//   Paint lock and status,   syn_custom_text.cpp (construction and window
//   Indentation helpers,     parameters as well)
//   Plug-ins, Properties
//   View                     syn_scrolling.cpp, syn_scroll_handlers.cpp,
//                            syn_auto_scroll.cpp, syn_caret_display.cpp,
//                            syn_display_coords.cpp, syn_text_metrics.cpp
//   Word wrap                syn_word_wrap_link.cpp
//   Code folding             syn_folding.cpp, syn_fold_commands.cpp,
//                            syn_fold_guard.cpp, syn_fold_scan_progress.cpp,
//                            syn_gutter_click.cpp, syn_collapsed_hint.cpp
//   Commands                 syn_command_processor.cpp, syn_hooked_commands.cpp,
//                            syn_execute_command.cpp, syn_execute_editing.cpp,
//                            syn_caret_moves.cpp, syn_block_indent.cpp,
//                            syn_case_change.cpp, syn_clipboard.cpp,
//                            syn_bracket_matching.cpp
//   Focus redirection        syn_text_access.cpp
//   Events                   syn_editor_events.cpp, syn_paint_events.cpp
//   Class library overrides  syn_window_messages.cpp (messages, dropped
//                            files), syn_key_input.cpp, syn_mouse_input.cpp,
//                            syn_drag_drop.cpp, syn_right_edge_drag.cpp
//   Buffer and highlighter   syn_buffer_events.cpp, syn_highlighter_link.cpp
//   handlers
//   Painting helpers         syn_paint.cpp, syn_paint_text.cpp,
//                            syn_paint_gutter.cpp
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/folding/syn_code_folding.h"
#include "editor/folding/syn_fold_scan_state.h"
#include "editor/syn_custom_text_types.h"
#include "editor/syn_text_kbd_handler.h"
#include "editor/syn_text_keystrokes.h"
#include "editor/syn_text_search_custom.h"
#include "editor/document/syn_text_string_list.h"
#include "editor/document/syn_text_undo_list.h"
#include "editor/view/syn_collected_areas.h"
#include "platform/ui/kernel/custom_control.h"

class TBitmap;
class TFont;
class TList;
class TTimer;
class TheTextDrawer;
class TSynActiveLine;
class TSynBookMarkOpt;
class TSynCustomHighlighter;
class TSynGutter;
class TSynHighlighterAttributes;
class TSynInternalImage;
class TSynLineDivider;
class TSynRightEdge;
class TSynScrollBars;
class TSynSelectedColor;
class TSynTextBackground;
class TSynTextKeyStrokes;
class TSynTextMark;
class TSynTextMarkList;
class TSynTextPlugin;
class TSynWordWrap;
class ISynTextBufferPlugin;
class TSynCompletionProposal;
class TSynTextAllFoldRanges;
class TSynFoldScanner;
class TSynTextFoldRange;
class TFoldRegions;

// The text itself, for whatever takes it out of the editor (export,
// print): every collapsed block's lines in their place and no collapse
// mark, and the selection's ends in those lines, taking what the selected
// text takes. While nothing is collapsed Lines is the buffer itself, so
// that a long text is not copied.
struct TSynRealText {
    TSynTextStringList* Lines = nullptr;  // the buffer, or Copy
    std::unique_ptr<TSynTextStringList> Copy;  // only while blocks are collapsed
    TBufferCoord BlockBegin, BlockEnd;
};

// Character indexes in Lines, every line break counting two, and back: the
// conversions of SelStart and SetSelStart, over any lines.
int CharIndexOfRowCol(const TSynTextStringList& Lines, TBufferCoord RowCol);
TBufferCoord RowColOfCharIndex(const TSynTextStringList& Lines, int Index);

// The last column a caret or block point may take on a line of Length bytes
// when it may stand past line ends: MaxScrollWidth bounds only the room
// beyond the text, so every character of a longer line stays reachable.
inline int ScrollPastEolLimit(int Length, int MaxScrollWidth) { return std::max(Length, MaxScrollWidth) + 1; }

// The numbers of the editor's looks it takes, whoever sets them (the
// options dialog, the settings file, an article's stored options): the
// setters clamp to these. Wider than anyone chooses, and narrow enough that
// a row's pixels and an indent's bytes stay far from overflow.
inline constexpr int kMinTabWidth = 1, kMaxTabWidth = 256;
inline constexpr int kMinBlockWidth = 1, kMaxBlockWidth = 256;  // columns one block indent moves
inline constexpr int kMinLineSpacing = 0, kMaxLineSpacing = 256;  // pixels between rows
// Columns of room past the line ends; times the widest character of the
// largest font, the view's offset scrolled to the far right stays inside an
// int.
inline constexpr int kMinMaxScrollWidth = 1, kMaxMaxScrollWidth = 1 << 19;

class TCustomSynText : public TCustomControl {
public:
    explicit TCustomSynText(TComponent* AOwner);
    ~TCustomSynText() override;

    // --- Text ---
    TSynTextStringList* Lines() const { return lines_; }
    void SetLines(TStrings* Value);
    // The whole text, lines joined by CR LF, collapsed folds expanded.
    AnsiString Text() const;
    TSynRealText RealText() const;
    // Replaces the whole text as one undoable step.
    void SetText(const AnsiString& Value);
    // The caret line; writing it replaces that line without an undo record.
    AnsiString LineText() const;
    void SetLineText(const AnsiString& Value);
    AnsiString SelText() const { return GetSelText(); }
    // Value in place of the selection, as a paste puts it: nothing where
    // the fold guard refuses a paste.
    void SetSelText(const AnsiString& Value);
    // A change of text that runs no command (an action, a host's call)
    // meets the fold guard as Like, the command it is like: false where the
    // guard refuses Like, else true with the blocks Like reaches expanded.
    bool PrepareFoldsForChange(TSynTextEditorCommand Like);
    // The selection exactly as it stands (no trimming); column pieces are
    // padded to the block's width unless eoTrimTrailingSpaces is on.
    AnsiString GetSelText() const;
    void SetSelTextPrimitive(TSynSelectionMode PasteMode, const AnsiString& Value, bool Record);
    AnsiString WordAtCaret() const;
    AnsiString GetWordAtRowCol(TBufferCoord XY) const;
    void ClearAll();
    // Finds, selects and replaces matches of ASearch through SearchEngine
    // (syn_search_replace.cpp); answers how many matches were selected.
    int SearchReplace(const AnsiString& ASearch, const AnsiString& AReplace, TSynSearchOptions AOptions);

    // --- Caret ---
    int CaretX() const { return caretX_; }
    int CaretY() const { return caretY_; }
    TBufferCoord CaretXY() const { return BufferCoord(caretX_, caretY_); }
    void SetCaretX(int Value);
    void SetCaretY(int Value);
    virtual void SetCaretXY(const TBufferCoord& Value);
    virtual void PlaceCaret(const TBufferCoord& Value);
    void PlaceCaretX(int Value);
    void PlaceCaretY(int Value);
    virtual void PlaceCaretEx(bool EnsureVisible, const TBufferCoord& Value);
    // The caret's column in its row: in a wrapped line, from the row's start.
    int DisplayX() const;
    int DisplayY() const;
    // The caret's column in its line, tabs expanded, whatever rows word wrap
    // makes of it: what tab stops count from, so that Tab changes the
    // text alike in windows of any width.
    int LineColumn() const;
    TDisplayCoord DisplayXY() const { return DisplayCoord(DisplayX(), DisplayY()); }
    int LastCaretX() const { return lastCaretX_; }

    // --- Selection ---
    TBufferCoord BlockBegin() const;
    TBufferCoord BlockEnd() const;
    void SetBlockBegin(TBufferCoord Value);
    void SetBlockEnd(TBufferCoord Value);
    void SetCaretAndSelection(const TBufferCoord& ptCaret, const TBufferCoord& ptBefore, const TBufferCoord& ptAfter);
    bool SelAvail() const;
    bool SelectionSpansLines() const;
    bool SelectionCoversCaretLine() const;
    bool IsPointInSelection(const TBufferCoord& Value) const;
    TSynSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TSynSelectionMode Value);
    void SelectAll();
    int SelStart();
    void SetSelStart(int Value);
    int SelEnd();
    void SetSelEnd(int Value);
    int RowColToCharIndex(TBufferCoord RowCol) const;
    TBufferCoord CharIndexToRowCol(int Index) const;
    // SelStart and SetSelStart count the lines the buffer shows, a collapsed
    // block as its first line. These count the text itself, every collapsed
    // block's lines where they stand, for the places kept beyond this view
    // (an article's caret, a named bookmark): a place lands on the same
    // text whatever is collapsed when it is taken and when it is followed
    // (syn_real_places.cpp). A place in the room past a line's end (a
    // collapse mark's too) is kept as the line's end; setting one brings
    // the lines it lands on into view.
    int RealSelStart();
    void SetRealSelStart(int Value);

    // --- Words ---
    virtual TBufferCoord WordStart();
    virtual TBufferCoord WordStartAt(const TBufferCoord& XY);
    virtual TBufferCoord WordEnd();
    virtual TBufferCoord WordEndAt(const TBufferCoord& XY);
    virtual TBufferCoord NextWordPos();
    virtual TBufferCoord NextWordPosAt(const TBufferCoord& XY);
    virtual TBufferCoord PrevWordPos();
    virtual TBufferCoord PrevWordPosAt(const TBufferCoord& XY);
    void SetWordBlock(TBufferCoord Value);
    void SelectWordAtCaret();
    bool IsIdentChar(char AChar) const;
    bool IsWordBreakChar(char AChar) const;

    // --- Bookmarks ---
    void SetBookMark(int BookMark, int X, int Y);
    void ClearBookMark(int BookMark);
    void GotoBookMark(int BookMark);
    bool GetBookMark(int BookMark, int& X, int& Y) const;
    bool IsBookmark(int BookMark) const;
    void GotoLineAndCenter(int ALine);
    TSynTextMarkList* Marks() const { return marks_.get(); }

    // --- Undo and redo ---
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void ClearUndo();
    void BeginUndoBlock();
    void EndUndoBlock();
    int MaxUndo() const;
    void SetMaxUndo(int Value);
    TSynTextUndoList* UndoList() const { return undoList_; }
    TSynTextUndoList* RedoList() const { return redoList_; }
    bool Modified() const { return modified_; }
    void SetModified(bool Value);
    // Sets Value as the text just loaded: unmodified, nothing to undo, every
    // line shown in the gutter as unchanged since it was loaded. The lines
    // come in unchanged, so a text of millions of lines is not walked again
    // to mark them.
    void LoadText(const AnsiString& Value);

    // --- Paint lock and status ---
    void BeginUpdate();
    void EndUpdate();
    int PaintLock() const { return paintLock_; }
    void StatusChanged(TSynStatusChanges AChanges);

    // --- View (scrolling, caret display) ---
    int TopLine() const { return topLine_; }
    void SetTopLine(int Value);
    int LeftChar() const { return leftChar_; }
    void SetLeftChar(int Value);
    int LinesInWindow() const { return linesInWindow_; }
    int CharsInWindow() const { return charsInWindow_; }
    int CharWidth() const { return charWidth_; }
    int LineHeight() const;
    int DisplayLineCount() const;
    int GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(int Value);
    void EnsureCursorPosVisible();
    void EnsureCursorPosVisibleEx(bool ForceToMiddle);
    void UpdateScrollBars();
    void UpdateCaret();
    void InitializeCaret();
    void HideEditorCaret();
    void ShowEditorCaret();
    void InvalidateLine(int Line);
    void RepaintLines(int FirstLine, int LastLine);
    void RepaintGutter();
    void RepaintGutterLines(int FirstLine, int LastLine);
    void RepaintSelection();
    void SizeOrFontChanged(bool bFont);
    void RecalcCharExtent();
    TDisplayCoord BufferToDisplayPos(const TBufferCoord& P) const;
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& P) const;
    // The character (from 1) of S at its expanded column Column (from 1),
    // never a double-byte character's second byte; past the end, the
    // length + 1 and the columns beyond.
    int CharAtColumn(std::string_view S, int Column) const;
    TDisplayCoord PointToCell(int aX, int aY) const;
    TBufferCoord PixelsToNearestRowColumn(int aX, int aY) const;
    TPoint RowColumnToPixels(const TDisplayCoord& RowCol) const;
    void HandleHScroll(int ScrollCode, int Pos);
    void HandleVScroll(int ScrollCode, int Pos);
    bool AlwaysShowCaret() const { return alwaysShowCaret_; }
    void SetAlwaysShowCaret(bool Value);

    // --- Word wrap: buffer lines shown as several rows ---
    // True while lines are wrapped (the wrap plug-in is held).
    bool GetWordWrap() const { return wordWrapPlugin_ != nullptr; }
    int RowToLine(int ARow) const;
    int LineToRow(int ALine) const;
    // The width to wrap at by the word-wrap style, in characters.
    int GetWrapAreaWidth() const;
    void SetInternalDisplayXY(const TDisplayCoord& Value);

    // --- Code folding ---
    // An edit finds the ranges again down to the lines in view (and the
    // caret's line); the scan goes on in idle time, or at once for whatever
    // asks about the ranges below. The getters below answer as the whole
    // scan would, scanning as far as their answer needs.
    // Every range, the scan finished first.
    TSynTextAllFoldRanges* AllFoldRanges() const;
    // Whether the scan of an edit has lines left for idle time.
    bool FoldScanPending() const { return foldScan_.Pending(); }
    void RebuildFoldRanges();
    // Finds the ranges again after edits, down to the lines in view.
    void RescanFoldRanges();
    void Collapse(TSynTextFoldRange* FoldRange);
    void Uncollapse(TSynTextFoldRange* FoldRange);
    void UncollapseAll();
    void UncollapseLevel(int Level, bool NeedInvalidate);
    TSynTextFoldRange* GetFoldRangeStartingAt(int Line) const;
    TSynTextFoldRange* GetFoldRangeEndingAt(int Line) const;
    TSynTextFoldRange* GetFoldRangeAtLine(int Line, int* NumberOnLine = nullptr) const;
    bool IsFoldEnd(int Line) const;
    bool IsInsideFold(int Line) const;
    // The expanded ranges in view that Line lies strictly inside, in the
    // order of the flat list: those that draw indent guides beside it.
    std::vector<const TSynTextFoldRange*> FoldRangesAround(int Line) const;
    // The deepest level among the ranges that hold the caret's line: its
    // indent guide is the active one.
    int CaretFoldLevel() const;
    // Whether Guide, a range whose indent guide is drawn, is drawn in the
    // active look while the ranges holding the caret's line reach ActiveLevel.
    bool IsActiveGuide(const TSynTextFoldRange& Guide, int ActiveLevel) const;
    // The line's number in the text with every fold expanded.
    int GetRealLineNumber(int Line) const;
    TRect GetCollapseMarkRect(TSynTextFoldRange* FoldRange, int Row) const;
    int IndentLevel(int LineIndex) const;
    int LeadingWidth(int LineIndex) const;
    void UpdateCaretFoldRange();
    TSynTextFoldRange* CaretFoldRange() const { return caretFoldRange_; }
    // A copy of the lines with every collapsed range expanded.
    std::unique_ptr<TSynTextStringList> GetExpandedLines() const;
    bool LineHasFoldToken(std::string_view Line, AnsiString& Token) const;

    // --- Commands ---
    virtual void CommandProcessor(TSynTextEditorCommand Command, char AChar, void* Data);
    // Runs Command, whoever asks (keys, actions, menus, programs): the fold
    // guard refuses it or makes room for it first, then DoExecuteCommand
    // runs it.
    void ExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data);
    TSynTextEditorCommand TranslateKeyCode(WORD Code, TShiftState Shift, void*& Data);
    void RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData);
    void UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc);
    virtual void GotoMatchingBracket();
    virtual TBufferCoord GetMatchingBracketAtCaret();
    virtual TBufferCoord GetMatchingBracketAt(const TBufferCoord& APoint);
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanPaste() const;

    // --- Indentation helpers ---
    int CountLeadingBlanks(int Line, bool CountTabsWide) const;
    AnsiString GetLeftSpacing(int Count, bool WantTabs) const;

    // --- Plug-ins ---
    void AddPlugin(TSynTextPlugin* APlugin);
    void RemovePlugin(TSynTextPlugin* APlugin);
    int PluginCount() const { return static_cast<int>(plugins_.size()); }

    // --- Focus redirection: the last control added takes the focus instead ---
    void AddFocusControl(TWinControl* AControl);
    void RemoveFocusControl(TWinControl* AControl);

    // --- Properties ---
    TSynCodeFolding* CodeFolding() const { return codeFolding_.get(); }
    void SetCodeFolding(TSynCodeFolding* Value);
    TSynActiveLine* ActiveLine() const { return activeLine_.get(); }
    void SetActiveLine(TSynActiveLine* Value);
    TSynLineDivider* LineDivider() const { return lineDivider_.get(); }
    void SetLineDivider(TSynLineDivider* Value);
    TSynRightEdge* RightEdge() const { return rightEdge_.get(); }
    void SetRightEdge(TSynRightEdge* Value);
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int Value);
    TLineSpacingRule LineSpacingRule() const { return lineSpacingRule_; }
    void SetLineSpacingRule(TLineSpacingRule Value);
    // Stored as set; a block indent takes it clamped to the block widths.
    int BlockWidth = 2;
    TSynScrollBars* ScrollBars() const { return scrollBars_.get(); }
    void SetScrollBars(TSynScrollBars* Value);
    TSynTextBackground* Background() const { return background_.get(); }
    void SetBackground(TSynTextBackground* Value);
    AnsiString UnicodeFontName() const;
    void SetUnicodeFontName(const AnsiString& Value);
    TSynBookMarkOpt* BookMarkOptions() const { return bookMarkOpt_.get(); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TSynGutter* Gutter() const { return gutter_.get(); }
    void SetGutter(TSynGutter* Value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool Value);
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    // The highlighter's range at the end of line Index (from 0). Lines are
    // scanned when something asks for them, so this scans the lines above
    // first where they have not been.
    intptr_t LineRange(int Index);
    void SetHighlighter(TSynCustomHighlighter* Value);
    // The highlighter's token covering XY, scanned as the painter scans it
    // (from the range stored with the line before): its text and attribute,
    // and in the wider form its kind and first column. False without a
    // highlighter, outside the lines or past the end of the line.
    bool GetHighlighterAttriAt(TBufferCoord XY, AnsiString& Token, TSynHighlighterAttributes*& Attri);
    bool GetHighlighterAttriAt(TBufferCoord XY, AnsiString& Token, int& TokenKind, int& Start,
                               TSynHighlighterAttributes*& Attri);
    TSynTextCaretType InsertCaret() const { return insertCaret_; }
    void SetInsertCaret(TSynTextCaretType Value);
    TSynTextCaretType OverwriteCaret() const { return overwriteCaret_; }
    void SetOverwriteCaret(TSynTextCaretType Value);
    bool InsertMode() const { return inserting_; }
    void SetInsertMode(bool Value);
    TSynTextKeyStrokes* Keystrokes() const { return keystrokes_.get(); }
    void SetKeystrokes(TSynTextKeyStrokes* Value);
    int MaxScrollWidth() const { return maxScrollWidth_; }
    void SetMaxScrollWidth(int Value);
    TSynTextEditorOptions Options() const { return options_; }
    void SetOptions(TSynTextEditorOptions Value);
    bool ReadOnly() const { return GetReadOnly(); }
    virtual void SetReadOnly(bool Value);
    TSynTextSearchCustom* SearchEngine() const { return searchEngine_; }
    void SetSearchEngine(TSynTextSearchCustom* Value);
    TSynSelectedColor* SelectedColor() const { return selectedColor_.get(); }
    void SetSelectedColor(TSynSelectedColor* Value);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int Value);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool Value) { wantReturns_ = Value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool Value) { wantTabs_ = Value; }
    TSynWordWrap* WordWrap() const { return wordWrap_.get(); }
    void SetWordWrap(TSynWordWrap* Value);
    TSynTextKbdHandler* KbdHandler() const { return kbdHandler_.get(); }
    TheTextDrawer* TextDrawer() const { return textDrawer_.get(); }
    TSynTextMark* BookMarks(int Index) const;

    // --- Events ---
    TNotifyEvent OnChange;
    TPlaceMarkEvent OnClearBookmark;
    TPlaceMarkEvent OnPlaceBookmark;
    TProcessCommandEvent OnCommandProcessed;
    TProcessCommandEvent OnProcessCommand;
    TProcessCommandEvent OnProcessUserCommand;
    TDropFilesEvent OnDropFiles;
    TGutterClickEvent OnGutterClick;
    TMouseCursorEvent OnMouseCursor;
    TPaintEvent OnPaint;
    TReplaceTextEvent OnReplaceText;
    TSpecialLineColorsEvent OnSpecialLineColors;
    TContextHelpEvent OnContextHelp;
    TPaintTransient OnPaintTransient;
    TScrollEvent OnScroll;
    TGutterGetTextEvent OnGutterGetText;
    TGutterPaintEvent OnGutterPaint;
    TStatusChangeEvent OnStatusChange;

protected:
    // Overrides of the class library.
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void SetName(const AnsiString& NewName) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DoEndDrag(TObject* Target, int X, int Y) override;

public:
    void SetFocus() override;
    void DragDrop(TObject* Source, int X, int Y) override;

private:
    // Drops Source's selection at the caret, moved or copied as the keys
    // held say.
    void DropText(TCustomSynText* Source);
    // Sets the flag and the undo list's saved point, telling of a change.
    void NoteModified(bool Value);
    // Text put in at At past the end of its line pads the line up to At
    // first: the padding gets its own undo record, so that undo gives back
    // the short line exactly.
    void RecordPaddingTo(TBufferCoord At);

protected:
    // The editor's own virtual operations, in slot order.
    virtual void DrawRightEdgeDragLine(int X);
    virtual void DoHighlighterChanged() {}
    virtual void InvalidateRect(const TRect& ARect, bool AErase);
    virtual void DoChange();
    virtual bool GetReadOnly() const { return readOnly_; }
    virtual void RecalcLayout(TObject* Sender);
    virtual void NotifyHookedCommandHandlers(bool AfterProcessing, TSynTextEditorCommand& Command, char& AChar,
                                             void* Data);
    virtual void PaintGutter(const TRect& AClip, int FirstRow, int LastRow);
    virtual void PaintTextLines(const TRect& AClip, int FirstRow, int LastRow, int FirstCol, int LastCol);
    virtual void UpdateMouseCursor();
    virtual void DoOnClearBookmark(TSynTextMark*& Mark);
    virtual void DoOnCommandProcessed(TSynTextEditorCommand Command, char AChar, void* Data);
    virtual void DoOnGutterClick(TMouseButton Button, int X, int Y);
    virtual void DoOnPaint();
    virtual void DoOnPaintTransientEx(TTransientType TransientType, bool Lock);
    virtual void DoOnPaintTransient(TTransientType TransientType);
    virtual void DoOnPlaceBookmark(TSynTextMark*& Mark);
    virtual void DoOnProcessCommand(TSynTextEditorCommand& Command, char& AChar, void* Data);
    virtual TSynReplaceAction DoOnReplaceText(const AnsiString& ASearch, const AnsiString& AReplace, int Line,
                                              int Column);
    virtual bool DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background);
    virtual void DoOnStatusChange(TSynStatusChanges Changes);
    virtual void SetDefaultKeystrokes();
    // The command executor, past the fold guard: built-in commands here, a
    // descendant's own commands in its override.
    virtual void DoExecuteCommand(TSynTextEditorCommand Command, char AChar, void* Data);
    // What Command does to the text, told to the fold guard as the built-in
    // commands it runs (a built-in command runs itself). A descendant that
    // adds commands answers for them.
    virtual TSynCommandSteps CommandSteps(TSynTextEditorCommand Command) const;

    // Caret moves; SelectionCommand extends the selection from its anchor.
    void MoveCaretHorz(int DX, bool SelectionCommand);
    void MoveCaretVert(int DY, bool SelectionCommand);
    void MoveCaretAndSelection(const TBufferCoord& ptBefore, const TBufferCoord& ptAfter, bool SelectionCommand);
    void DoHomeKey(bool Selection);
    void DoEndKey(bool Selection);
    // Tab keys and block indentation.
    void DoTabKey();
    void DoShiftTabKey();
    void DoBlockIndent();
    void DoBlockUnindent();
    int BlockIndentWidth() const { return std::clamp(BlockWidth, kMinBlockWidth, kMaxBlockWidth); }
    // The editing commands of the command executor.
    void DoDeleteLastChar();
    void DoDeleteChar();
    void DoLineBreak(bool MoveCaret);
    void DoTypeChar(char AChar);
    // Types Typed (whole characters) over the selection or at the caret.
    void DoTypeText(const AnsiString& Typed);
    // The input method's result string (ecImeStr).
    void DoImeStr(const AnsiString& S);
    void DoDeleteForward(bool ToLineEnd);
    void DoDeleteBackward(bool ToLineStart);
    void DoDeleteLine();
    void DoScrollLine(int Delta);
    // Case commands ecUpperCase .. ecToggleCaseBlock.
    void DoCaseChange(TSynTextEditorCommand Cmd);
    // The word a case command without a selection changes: the caret's, or
    // one of the two before it.
    std::pair<TBufferCoord, TBufferCoord> CaseChangeWord();
    // Deletes the selection for Backspace and Delete, recording it.
    void DeleteSelectionRecorded();
    // The clipboard commands' work, past the fold guard.
    void DoCutToClipboard();
    void DoPasteFromClipboard();

    // The selected text; PadColumns pads column pieces to the block's width,
    // TrimLines takes the blanks and control characters off the end of each
    // line of a normal or line block before it is cut to the selection (a
    // copy leaves behind what indentation left over). Undo records take it
    // unpadded and untrimmed: put back, it restores the lines byte for byte.
    AnsiString SelectedText(bool PadColumns, bool TrimLines = false) const;
    // Deletes the selection in the current mode and leaves the caret at its
    // start; nothing is recorded.
    void DeleteSelection();
    // Inserts Value at the caret in PasteMode.
    void InsertText(TSynSelectionMode PasteMode, const AnsiString& Value, bool Record);
    // Writes a line back, trimming trailing spaces with eoTrimTrailingSpaces.
    void PutLine(int Index, std::string_view S);
    // Writes Lines back from Index on as one block, trimmed as PutLine does.
    void PutLines(int Index, std::span<std::string_view> Lines);
    // Runs Put, which writes the Count lines from Index on, and wraps and
    // repaints them together once it is done, not line by line.
    void PutLinesWrappedOnce(int Index, int Count, const std::function<void()>& Put);
    // The column limits of PlaceCaretEx and SetBlockBegin.
    int MaxCaretColumn(int Line) const;
    // Value on an existing line, its column within what a block point may
    // take there (every character, and past the end as far as the caret may).
    TBufferCoord ClampBlockPoint(TBufferCoord Value) const;
    // The bytes of Line (1-based); 0 past the text.
    int LineLength(int Line) const;
    // Undo and Redo of the group at the top of their list.
    void UndoGroup();
    void RedoGroup();
    void UndoItem();
    void RedoItem();
    // After an undo or redo step, which reaches past line ends, and after a
    // command: without eoScrollPastEol the caret comes back to its line's
    // end, and so do the points of a normal block, whose columns past the
    // end mean nothing.
    void KeepPointsInLines();
    // Moves a group break from the top of one list to the other.
    static void MoveGroupBreak(TSynTextUndoList* From, TSynTextUndoList* To);
    void UndoRedoAdded(TObject* Sender);
    void UnhookTextBuffer();

    // Handlers of the buffer and option objects.
    void LinesChanging(TObject* Sender);
    void ListCleared(TObject* Sender);
    void ListInserted(TObject* Sender, int Index, int Count);
    void ListDeleted(TObject* Sender, int Index, int Count);
    void ListPut(TObject* Sender, int Index, int Count);
    void ListBeforeInserted(TObject* Sender, int Index, int Count);
    void ListBeforeDeleted(TObject* Sender, int Index, int Count);
    void ListBeforePut(TObject* Sender, int Index, int Count);
    // Counts a fold change for the Count lines put from Index unless each
    // reads as foldSignaturesBeforePut_ says it did.
    void CompareFoldSignatures(int Index, int Count);
    void CodeFoldingChanged(TSynCodeFoldingChanges Event);
    void ScrollBarsChanged(TObject* Sender);
    void RightEdgeChanged(TObject* Sender);
    void LineDividerChanged(TObject* Sender);
    void ActiveLineChanged(TObject* Sender);
    void WordWrapChanged(TObject* Sender);
    void BackgroundChanged(TObject* Sender);
    void SelectedColorChanged(TObject* Sender);
    void BookMarkOptionsChanged(TObject* Sender);
    void GutterChanged(TObject* Sender);
    void MarkListChanged(TObject* Sender);
    void FontChanged(TObject* Sender);
    void ScrollTimerHandler(TObject* Sender);
    // Scans a share of the unscanned lines while the program has nothing
    // else to do.
    void IdleScanTimerHandler(TObject* Sender);
    // Whether a line break on the caret's line would move many line
    // records (TSynTextStringList::GapDistance): idle time then brings
    // their place nearer, a share a slice.
    bool LineGapFar() const;
    void WakeIdleForLineGap();
    // Change notices of the highlighter and of its attributes.
    void HighlighterChanged(TObject* Sender);
    // Count lines went at FirstLine: the marks and plug-ins hear of it.
    // JoinsFirst: line FirstLine stayed and took in the rest of the last
    // line, so the buffer took out the lines after it.
    void DoLinesDeleted(int FirstLine, int Count, bool JoinsFirst = false);
    void DoLinesInserted(int FirstLine, int Count);
    // The lines from Index (from 0) down moved, Inserted lines put in there.
    void LineCountChanged(int Index, int Inserted = 0);
    // Count lines were just put in before line FirstLine: moves the rows
    // that showed the lines from there down by Count rows, uncovering the
    // new lines' rows (syn_row_moves.cpp); answers false, moving nothing,
    // where the moved rows would not show what a paint shows.
    bool MoveRowsDown(int FirstLine, int Count);
    bool RowsMoveWithLines() const;
    void RepaintMovedFoldLooks(int FirstLine, int Count, int MovedTop);
    // The lines First..Last (from 0) changed: their stored ranges are
    // scanned again once the buffer's update is over.
    void MarkRangesToScan(int First, int Last);
    // Scans the marked lines that are shown, and on down to the first line
    // whose stored range comes out unchanged, inside a buffer update of its
    // own; the rest wait for LineRange. Answers whether there was anything
    // to scan.
    bool ScanPendingRanges();
    // Highlights line Index (from 0) on from the highlighter's range and
    // answers the range at its end; a collapsed block's first line ends
    // where its hidden lines end.
    intptr_t HighlightLine(int Index);
    // The index of the last buffer line shown (from 0).
    int LastShownLine() const;
    // The stored ranges from line Index down are not scanned yet.
    void LeaveUnscannedFrom(int Index);

    // --- Painting helpers ---
    void MakeRoomRightOfNumbers();
    // What one paint of the text rows shares between its rows.
    struct TTextPaint;
    // Invalidates R at once, or adds it to the areas collected while the
    // lines change; nothing while the control is hidden or has no window.
    void InvalidateArea(const TRect& R);
    // Invalidates the areas collected while the lines change, at once.
    void FlushCollectedAreas();
    // Inside an update, whether one more area is to be invalidated on its
    // own: past MaxLockedInvalidations the whole window is invalidated once
    // and the rest of the update adds nothing, for a long run of changes (a
    // replace-all invalidates lines at every match) would otherwise make
    // each join to the window's update region dearer than the last.
    bool CountLockedInvalidation();
    static constexpr int MaxLockedInvalidations = 256;
    // Moves the window's pixels with the view by DX (the text area) and DY
    // (the whole client area); inside an update the moves add up until
    // ScrollPendingView.
    void ScrollView(int DX, int DY);
    // Moves the pixels now by what the moves inside an update added up to.
    void ScrollPendingView();
    // Repaints the lines whose indent guides change between the active and
    // the plain look since the last call.
    void FollowActiveGuides();
    void MoveViewPixels(int DX, int DY);
    void TakePendingPaint();
    TRect TextArea();
    // The fold marks beside the visible rows, on the window canvas.
    void PaintFoldMarks();
    // The marks of the lines FirstLine..LastLine, then OnGutterPaint for each.
    void PaintGutterMarks(int FirstLine, int LastLine);
    // The box of what is to be painted within Area.
    TRect PaintedPart(const TRect& Area);
    // Paints an update region of several pieces: the gutter's part, and the
    // text rows it reaches into, each with its own columns.
    void PaintPieces(const TRect& Clip);
    // The rows of Line within the paint, each copied to the window when done.
    void PaintLineRows(TTextPaint& Paint, int Line);
    // The collapsed-code box, indent guides and collapsed-line rule of a row.
    void PaintFoldDecorations(TTextPaint& Paint, int Line, int Row, const TRect& RowRect);
    // The expanded column of its line at which display row Row starts.
    int RowStartColumn(int Row) const;
    // The cell width of the gutter's digits.
    int GutterCharWidth();

    // --- Input helpers ---
    // The caret cell nearest to a client point: the column rounded to the
    // nearer cell boundary (never inside a double-byte character), the row
    // that of the point kept within the window, at most the last display row.
    TDisplayCoord PointToNearestCell(int X, int Y) const;
    // Places the caret on the nearest cell to a client point; the block
    // points stay.
    void MoveCaretToPoint(int X, int Y);
    // Sets the auto-scroll deltas for a client point; the timer runs exactly
    // while one of them is not 0.
    void UpdateScrollDeltas(int X, int Y);
    // The client x of the right edge line.
    int RightEdgeX() const;
    // Over the collapsed-code box of a collapsed range: the help cursor and
    // the hint listing its hidden lines; elsewhere the I-beam, hint closed.
    void TrackCollapsedHint(int X, int Y);
    void WMImeComposition(TMessage& Message);
    void WMImeNotify(TMessage& Message);

    // --- Word wrap helpers ---
    // Switches wrapping on or off, keeping the top line and the caret in view.
    void SetWordWrapActive(bool Value);
    void PullCaretIntoWrapWidth();
    // The caret's display position; a caret at a wrap point with
    // caretAtEndOfRow_ set shows at the end of the upper row.
    TDisplayCoord CaretDisplayPos() const;
    // Shows a caret at a wrap point at the end of the upper row (true) or at
    // the start of the lower row, keeping it in view.
    void SetCaretAtEndOfRow(bool Value);
    // Re-wraps when the wrap width may have changed, keeping the top line.
    void WordWrapDisplayChanged();
    // The wrap width while lines are wrapped; 0 when nothing is wrapped.
    int WrappingWidth() const;

    // --- Code folding helpers ---
    // The regions the fold scan uses: the highlighter's when
    // HighlighterFoldRegions is on and there is a highlighter, else those of
    // CodeFolding.
    TFoldRegions* ScanFoldRegions() const;
    // The scanner the ranges were last found with, made anew when the
    // regions, their letter case or the tab width changed since.
    TSynFoldScanner& FoldScanner() const;
    // Forgets every range: the text they were found in is gone.
    void ClearFoldRanges();
    // A collapsed range in view that starts on Line, or nullptr.
    TSynTextFoldRange* CollapsedRangeAt(int Line) const;
    // Runs Work, which collapses or expands ranges: paint and the buffer's
    // change report wait for its end, and the selection survives it.
    void MoveFoldLines(const std::function<void()>& Work);
    // The same for a scan at work, which has found the ranges Work reads.
    void MoveFoldLinesNow(const std::function<void()>& Work);
    // Collapse's work inside MoveFoldLines, the scan finished.
    void CollapseNow(TSynTextFoldRange* FoldRange);
    // Caret and block follow Delta lines taken out (< 0) or put back (> 0)
    // below AfterLine; a point on a line taken out goes to AfterLine.
    void FollowFoldLines(int AfterLine, int Delta);
    // Expands the collapsed ranges that start on lines First .. Last, also
    // those that come into view there; answers where Last went.
    int ExpandFoldsInLines(int First, int Last);
    // Replaces the bytes from column First up to End of Line with Text (no
    // line break in it), recorded for undo as replacing that selection
    // would be; the caret and the selection stay (syn_search_replace.cpp).
    void ReplaceInLine(int Line, int First, int End, const AnsiString& Text);
    // SearchReplace over the buffer's lines as they stand.
    int SearchReplaceInLines(const AnsiString& ASearch, const AnsiString& AReplace, TSynSearchOptions AOptions);
    // Expands every collapsed range, so that a search reads every line;
    // answers their heads in the lines of the text as it then stands
    // (syn_search_folds.cpp).
    std::vector<TSynFoldHead> ExpandCollapsedFolds();
    // Collapses the expanded ranges at Heads, but, with KeepCaret, those
    // that hold the caret's line below their first line.
    void CollapseFoldsAt(std::vector<TSynFoldHead> Heads, bool KeepCaret);
    // An undo item that collapses Before again when its step is undone and
    // After when it is redone.
    void AddFoldCollapse(const std::vector<TSynFoldHead>& Before, const std::vector<TSynFoldHead>& After);
    // Undoing or redoing such an item: its heads collapse when the step ends.
    void NoteFoldCollapse(const TSynTextUndoItem& Item, bool Redoing);
    void CollapseNotedFolds();
    // Expands the collapsed ranges that an edit of the selection (or of the
    // caret line without one) would cut into.
    void ExpandFoldsAtSelection();
    // The fold guard (syn_fold_guard.cpp): false for an editing command on
    // the first line of a collapsed range; else expands the ranges the
    // command would cut into, before it reads any coordinate. A command
    // that reaches a collapsed block is judged on ranges a pending scan
    // has brought up to date.
    bool PrepareFoldsForCommand(TSynTextEditorCommand Command);
    // Whether the guard refuses Step, one built-in command, where the caret
    // and the selection stand.
    bool FoldsRefuse(TSynTextEditorCommand Step) const;
    // The lines whose collapsed blocks Step expands first, where the caret
    // and the selection stand (First > Last: none).
    std::pair<int, int> FoldLinesReached(TSynTextEditorCommand Step);
    // Whether Step reaches a collapsed block: it expands one, or it may be
    // refused on one's first line.
    bool ReachesCollapsed(TSynTextEditorCommand Step);
    // Expands the ranges Step would cut into.
    void ExpandFoldsFor(TSynTextEditorCommand Step);
    // Finishes a pending fold scan for a command, also inside an update,
    // the caret and the selection left on the lines of the text they stood
    // on.
    void FinishFoldScanForCommand();
    // Whether the guard refuses text dropped at At: a paste there.
    bool FoldsRefuseDropAt(const TBufferCoord& At);
    // The column just after Line's text, trailing blanks left out.
    int TextEnd(int Line) const;
    // Line as the text has it: a collapsed first line without the marks of
    // its block and of those collapsed inside it there.
    AnsiString UnmarkedLine(int Line) const;
    // Undo items hold line numbers of the text with every fold expanded, so
    // that collapsing and expanding never moves them off their lines: an
    // item is restated so when recorded (syn_undo_folds.cpp).
    void RecordInExpandedLines(TSynTextUndoItem& Item);
    // Before Item is undone (or redone): expands the collapsed blocks that
    // hide or start on the lines it reaches and restates its lines in the
    // buffer's. Answers what its lines add up to in the expanded text, for
    // the record its reversal makes; none for an item of points alone.
    std::optional<int> ReachReversedLines(TSynTextUndoItem& Item, bool Undoing);
    // Expands the collapsed blocks that hide or start on a line from First
    // to Last of the expanded text.
    void ExpandFoldsAtRealLines(int First, int Last);
    // The buffer line that shows line RealLine of the expanded text, or the
    // first line of the collapsed block that hides it.
    int ShownLineOfReal(int RealLine) const;
    // Expands the collapsed blocks that hide line RealLine of the expanded
    // text, the outermost first; one that starts on it stays collapsed.
    void ShowRealLine(int RealLine);
    // SetSelStart at a point of the buffer.
    void SetSelStartAt(TBufferCoord Value);
    // Calls Visit with the lines above buffer line Line as the text has
    // them, the nearest first (a collapsed block's hidden lines before its
    // first line), until it answers true: what the smart tab keys measure
    // against is the text, not what folding shows of it.
    void VisitLinesAbove(int Line, const std::function<bool(const AnsiString&)>& Visit) const;
    // --- The fold scan (syn_folding.cpp; its entry points in
    // syn_fold_scan_progress.cpp) ---
    // The buffer's change events note in foldScan_ what may move fold
    // ranges. ScanFoldsTo runs every scan, finding the ranges again from
    // above the edited lines (ResumeFoldScan), for the rebuild and the
    // rescan above, the end of an update (RescanPendingFolds), idle time
    // (ScanFoldsIdle) and whatever reads ranges below where the last scan
    // ended (ReachFoldScan, FinishFoldScan).
    // Whether line changes count towards a rescan now.
    bool CountsFoldChanges() const;
    // Lines Index .. Index + Count - 1 (from 0) came or are about to go:
    // one with a fold or skip token counts towards a rescan.
    void CountFoldChanges(int Index, int Count);
    // What the fold scan reads of Line as line Index (from 0) of the buffer
    // (TSynFoldScanner::LineSignature); nullopt when that cannot be told
    // now. A change that keeps it moves no fold range. After the first
    // notice of a line write (SecondNotice), the scanner that notice
    // checked against the fold regions is taken as it is: nothing between
    // the two notices can edit the regions.
    std::optional<AnsiString> FoldSignature(int Index, std::string_view Line, bool SecondNotice = false) const;
    // Rescans when counted changes wait and no update is open, so that the
    // ranges are always those a full rebuild would find.
    void RescanPendingFolds();
    // Lines First .. Last (from 1) changed their text or the highlighter's
    // range above them.
    void NoteFoldEdit(int First, int Last);
    // The highlighter's range changed above lines no edit touched: they
    // may read otherwise to the fold scan.
    void NoteFoldRepainting();
    // Finds the ranges again from above the edited lines (buffer lines) to
    // where the scan settles; false when it could not, leaving the ranges to
    // a scan of the whole text. Unless it settles first, the scan ends at
    // the start of line StopBy or when OutOfTime answers true. It reads the
    // collapsed blocks where they stand; those it finds otherwise come into
    // view.
    bool ResumeFoldScan(int FirstEdited, int LastEdited, int StopBy, const std::function<bool()>& OutOfTime);
    // What the fold marks and the indent guides of a shown line look like,
    // as far as the fold ranges decide it.
    struct TFoldLook {
        bool Inside = false;  // the fold bar's line runs through
        bool End = false;     // a range ends here
        int Mark = 0;         // the box of a range starting here: 0 none, 1 expanded, 2 collapsed
        std::vector<std::pair<int, bool>> Guides;  // as GuidesDrawn answers
        bool operator==(const TFoldLook&) const = default;
    };
    struct TFoldLooks {
        int FirstLine = 0;
        // What the shown lines hold: the first one's number with every block
        // expanded, and the first line and hidden lines of each collapsed
        // block among them. Expanding and collapsing change the text rows.
        int FirstRealLine = 0;
        std::vector<std::pair<int, int>> Collapsed;
        std::vector<TFoldLook> Lines;
    };
    // The indent guides a line shows, from the ranges Around it whose guides
    // are drawn: each one's indentation and whether it is active, by
    // indentation.
    std::vector<std::pair<int, bool>> GuidesDrawn(const std::vector<const TSynTextFoldRange*>& Around,
                                                  int ActiveLevel) const;
    // The looks of the shown lines, read from the ranges as they stand
    // (no scan); none while the editor has no window or no line.
    std::optional<TFoldLooks> ShownFoldLooks() const;
    // Repaints the shown lines whose look changed since Before: their fold
    // marks, and their text rows where guides or a collapse box changed.
    void RepaintChangedFoldLooks(const std::optional<TFoldLooks>& Before);
    // The pixels of the fold marks on rows First .. Last of the window.
    TRect FoldMarkColumn(int FirstRow, int LastRow) const;
    // Finds the ranges again after the edits since the last scan, ending at
    // the start of line StopBy or when OutOfTime answers true, unless the
    // ranges below are those of the text already.
    void ScanFoldsTo(int StopBy, const std::function<bool()>& OutOfTime = nullptr);
    // A collapsed block hides every line below its first but a last line
    // that a range opens on. Edits around it may free that last line, or
    // stretch the block over lines in view (lines put in just after its
    // first line, a close token moved down): once the scan has found the
    // block again, it hides what a fresh collapse of it hides.
    void HideFreedLastLines();
    // What a reader of the ranges up to a line needs known.
    enum class TFoldReach {
        Starts,        // the ranges that start on the line or above
        Ends,          // those and where each of them ends
        StartsIfNear,  // as Starts when the scan is near (painting, the caret's tokens)
    };
    // The scan goes on until the ranges up to Line are known as Reach asks;
    // false, scanning nothing, when StartsIfNear finds it too far off, so
    // the ranges from there on are not yet the text's. The ranges are only
    // late, never different, so readers that change nothing may ask.
    bool ReachFoldScan(int Line, TFoldReach Reach) const;
    // The scan goes on to the end of the text. Answers Range or the range
    // found in its place (null when none was).
    TSynTextFoldRange* FinishFoldScan(TSynTextFoldRange* Range = nullptr) const;
    // FinishFoldScan also inside an update, called where no change is
    // under way: the changes the update made so far are scanned first.
    void FinishFoldScanAtRest();
    // Whether the ranges may not be those of the text: a scan ended early,
    // or changes wait for the end of an update.
    bool FoldRangesStale() const { return foldScan_.Pending() || foldScan_.HasChanges(); }
    // A slice of the scan in idle time.
    void ScanFoldsIdle();

    // --- State, in the order of the frame ---
    TBufferCoord blockBegin_{1, 1};
    TBufferCoord blockEnd_{1, 1};
    int caretX_ = 1;
    int lastCaretX_ = 1;
    int caretY_ = 1;
    int charsInWindow_ = 0;
    int charWidth_ = 0;
    int imeCount_ = 0;
    bool mbcsStepAside_ = false;
    char pendingLeadByte_ = 0;  // first byte of a double-byte character typed in two ecChar commands
    bool inserting_ = true;
    int linesInWindow_ = 0;
    int leftChar_ = 1;
    int paintLock_ = 0;  // >= 0; status changes wait while above 0
    int lockedInvalidations_ = 0;  // areas invalidated since the outermost BeginUpdate
    bool paintedBeforeFoldScan_ = false;  // a paint inside the update, the fold scan short of the view
    int textOffset_ = 0;
    int topLine_ = 1;
    TSynCollectedAreas invalidAreas_;  // invalidated while the lines change
    TSynStateFlags stateFlags_;
    TSynTextEditorOptions options_;
    TSynStatusChanges statusChanges_;
    int scrollDeltaX_ = 0;
    int scrollDeltaY_ = 0;
    // Inside an update: how far the view moved, in pixels, while the
    // window's pixels stayed, and what waits to be painted, taken from the
    // window and moved with the view (the text area's part also sideways).
    TPoint pendingScroll_{0, 0};
    HRGN deferredTextPaint_ = nullptr;
    HRGN deferredOtherPaint_ = nullptr;
    bool deferredRepaintAll_ = false;
    // Where the window showed the same part of the text all along since
    // the view first moved in the update (rows over the whole width, the
    // text area's columns): what the window showed elsewhere left the view
    // meanwhile, and what was invalidated there then was lost with it.
    TRect steadyView_;
    TCustomSynText* chainedEditor_ = nullptr;
    int gutterWidth_ = 0;

    bool caretAtEndOfRow_ = false;  // caret shown at the end of the previous wrapped row
    bool modified_ = false;         // always !undoList_->InitialState() once a change was recorded
    bool readOnly_ = false;
    bool hideSelection_ = false;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool alwaysShowCaret_ = false;
    bool showSpecialChars_ = false;
    int tabWidth_ = 8;
    int maxScrollWidth_ = 1024;
    int lineSpacing_ = 0;
    TLineSpacingRule lineSpacingRule_ = lsSingle;
    int mouseWheelAccumulator_ = 0;
    int paintTransientLock_ = 0;
    int textHeight_ = 0;  // the tallest style of the text font, whatever font the drawer holds
    TPoint caretOffset_;
    TBorderStyle borderStyle_ = bsSingle;
    TSynTextCaretType insertCaret_ = ctVerticalLine;
    TSynTextCaretType overwriteCaret_ = ctBlock;
    TSynSelectionMode selectionMode_ = smNormal;
    TSynCustomHighlighter* highlighter_ = nullptr;
    TSynTextSearchCustom* searchEngine_ = nullptr;
    std::array<TSynTextMark*, 10> bookmarks_{};  // each also in marks_, which owns it

    // Owned objects, in the order of construction.
    std::unique_ptr<TSynCodeFolding> codeFolding_;
    std::unique_ptr<TSynTextStringList> ownLines_;
    TSynTextStringList* lines_ = nullptr;  // ownLines_ unless sharing another editor's buffer
    std::unique_ptr<TBitmap> gutterBitmap_;
    std::unique_ptr<TSynScrollBars> scrollBars_;
    std::unique_ptr<TSynRightEdge> rightEdge_;
    std::unique_ptr<TBitmap> rightEdgeBitmap_;
    std::unique_ptr<TSynLineDivider> lineDivider_;
    std::unique_ptr<TSynActiveLine> activeLine_;
    std::unique_ptr<TSynWordWrap> wordWrap_;
    std::unique_ptr<TSynTextBackground> background_;
    std::unique_ptr<TFont> fontTemplate_;
    std::unique_ptr<TSynTextUndoList> ownUndoList_;
    std::unique_ptr<TSynTextUndoList> ownRedoList_;
    TSynTextUndoList* undoList_ = nullptr;  // ownUndoList_ unless sharing a buffer
    TSynTextUndoList* redoList_ = nullptr;
    std::unique_ptr<TSynSelectedColor> selectedColor_;
    std::unique_ptr<TSynBookMarkOpt> bookMarkOpt_;
    std::unique_ptr<TSynGutter> gutter_;
    std::unique_ptr<TheTextDrawer> textDrawer_;
    std::unique_ptr<TList> focusList_;
    std::unique_ptr<TSynTextKbdHandler> kbdHandler_;
    std::unique_ptr<TSynTextKeyStrokes> keystrokes_;
    TSynTextPendingKey pendingKey_;  // first key of a two-key sequence, waiting for the second
    std::unique_ptr<TSynTextMarkList> marks_;
    TTimer* scrollTimer_ = nullptr;  // owned as a component
    TTimer* idleScanTimer_ = nullptr;  // owned as a component; runs while lines are unscanned

    // Created on first need.
    std::vector<std::unique_ptr<THookedCommandHandlerEntry>> hookedCommandHandlers_;
    std::vector<TSynTextPlugin*> plugins_;  // each plug-in adds itself; freed last first
    std::unique_ptr<TSynInternalImage> internalBookmarkImage_;
    int gutterCharWidth_ = 0;  // the gutter font's digit width; 0 until measured

    // Word wrap: held exactly while lines are wrapped.
    std::unique_ptr<ISynTextBufferPlugin> wordWrapPlugin_;

    // Code folding. The plug-in moves the ranges as they stand with the
    // lines, whether or not they are all scanned.
    friend class TSynTextCodeFoldingPlugin;
    std::unique_ptr<TSynTextAllFoldRanges> allFoldRanges_;
    TSynTextFoldRange* caretFoldRange_ = nullptr;  // the range whose token the caret touches
    // The lines whose indent guides were last drawn in the active look, first
    // and last; none while Last < First.
    std::pair<int, int> activeGuideLines_{1, 0};
    // The columns of the indent guides the window shows, and perhaps more:
    // a paint of the whole text area starts them anew.
    std::vector<int> guideIndentsShown_;
    // What activeGuideLines_ was worked out from: the ranges' generation, the
    // caret's line and whether guides and folding were on. A paint that
    // changes none of them (a sideways scroll) need not pass over every range.
    struct TActiveGuidesSource {
        unsigned Generation = 0;
        int CaretLine = 0;
        bool Guides = false;
        bool Folding = false;
        bool operator==(const TActiveGuidesSource&) const = default;
    };
    std::optional<TActiveGuidesSource> activeGuidesSource_;
    // Compiling the regions costs more than reading a short line, so the
    // writes' signatures and the scans share one scanner, made anew when
    // the regions, their letter case or the tab width change.
    mutable std::unique_ptr<TSynFoldScanner> foldScanner_;
    // The last signature taken and what it was taken of: a write reads the
    // line the write before it left, and a long line is read once, not twice.
    struct TLastFoldSignature {
        int Index = -1;
        AnsiString Line;
        intptr_t RangeAbove = 0;  // the highlighter's range at the end of the line above
        const TSynCustomHighlighter* Highlighter = nullptr;
        std::optional<AnsiString> Signature;
    };
    mutable TLastFoldSignature lastFoldSignature_;  // forgotten with foldScanner_
    // FoldSignature of the lines being replaced, equal neighbours in one run.
    struct TFoldSignatureRun {
        std::optional<AnsiString> Signature;
        int Lines = 0;
    };
    std::vector<TFoldSignatureRun> foldSignaturesBeforePut_;
    std::vector<int> guideIndentsBeforePut_;            // LeadingWidth of the lines being replaced
    // DoLinesDeleted's JoinsFirst while the plug-ins hear of the lines.
    bool deletedJoinsFirst_ = false;
    TSynFoldScanState foldScan_;
    bool movingFoldLines_ = false;     // a collapse or an expansion is at work: its line changes are no edits
    bool wrapRowsHeld_ = false;        // PutLinesWrappedOnce at work: the lines put wait for it to wrap them
    bool hidingFreedLines_ = false;    // HideFreedLastLines at work
    bool scanAtRest_ = false;          // FinishFoldScanAtRest at work: the scan runs inside an update
    bool guardedChange_ = false;       // a change of text the fold guard let through is at work
    // The fold scan brings blocks it found otherwise into view: one
    // repaint, and one look for blocks whose last lines were freed, when it
    // is done.
    bool scanMovingFolds_ = false;
    // What the undo or redo step at work collapses when it ends.
    std::vector<TSynFoldHead> foldsToCollapse_;
    // While an undo or redo item that changes text is reversed: what its
    // lines in the buffer add up to in the expanded text. Its record names
    // lines the reversal may have taken out of the buffer already.
    std::optional<int> reversedShift_;

    // Highlighter ranges: a bulk change (a whole text, a paste) scans its
    // lines once when the buffer's update ends, not once per line written.
    // The stored ranges of the lines from pendingScanFirst_ to
    // pendingScanLast_ (from 0) may be stale (-1 for a new line); none are
    // while First > Last. Whatever reads them scans the pending lines first.
    int pendingScanFirst_ = 0;
    int pendingScanLast_ = -1;
    // The stored ranges from this line (from 0) down to the last are not
    // scanned yet (INT_MAX: all are): a large text is scanned as far as it
    // is shown, and further only as LineRange asks.
    int unscannedFrom_ = INT_MAX;

    // Input.
    TPoint mouseDownPoint_;             // kept when a left press lands while a selection exists
    bool mouseDownInSelection_ = false;
    int lastRightEdgeDragX_ = -1;       // -1: no drag line drawn
    bool altColumnMode_ = false;        // column mode switched on by Alt on a press
    TSynSelectionMode modeBeforeAlt_ = smNormal;
    std::unique_ptr<TSynCompletionProposal> collapsedHint_;  // lists the lines of a collapsed range
    bool collapsedHintShown_ = false;
    int gutterPressLine_ = 0;  // the line under a press in the gutter
};
