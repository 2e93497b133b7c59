// The option set, status changes, caret shapes and event types of the
// editor control.
#pragma once

#include <cstdint>

#include "editor/document/editor_types.h"
#include "editor/syn_text_commands.h"
#include "platform/base/event.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/gdi/colors.h"
#include "platform/ui/kernel/control_types.h"
#include "platform/ui/kernel/form_types.h"

class TCanvas;
class TStrings;
class TSynTextMark;

// The order is a stored format: option strings list the flags by ordinal.
enum TSynTextEditorOption {
    eoAltSetsColumnMode,
    eoAutoIndent,
    eoAutoSizeMaxScrollWidth,
    eoDisableScrollArrows,
    eoDragDropEditing,
    eoDropFiles,
    eoEnhanceHomeKey,
    eoEnhanceEndKey,
    eoGroupUndo,
    eoHalfPageScroll,
    eoHideShowScrollbars,
    eoKeepCaretX,
    eoNoCaret,
    eoNoSelection,
    eoRightMouseMovesCursor,
    eoScrollByOneLess,
    eoScrollHintFollows,
    eoScrollPastEof,
    eoScrollPastEol,
    eoShowScrollHint,
    eoShowSpecialChars,
    eoSmartTabDelete,
    eoSmartTabs,
    eoSpecialLineDefaultFg,
    eoTabIndent,
    eoTabsToSpaces,
    eoTrimTrailingSpaces,
    eoColumnEditExtension,
};
using TSynTextEditorOptions = TSet<TSynTextEditorOption>;

// The word 0x0A6C0192.
inline constexpr TSynTextEditorOptions SYNTEXT_DEFAULT_OPTIONS{
    eoAutoIndent,     eoDragDropEditing, eoEnhanceEndKey, eoGroupUndo,    eoScrollPastEol,
    eoShowScrollHint, eoSmartTabDelete,  eoSmartTabs,     eoTabsToSpaces, eoColumnEditExtension,
};

enum TSynStatusChange {
    scAll,
    scCaretX,
    scCaretY,
    scLeftChar,
    scTopLine,
    scInsertMode,
    scModified,
    scSelection,
    scReadOnly,
};
using TSynStatusChanges = TSet<TSynStatusChange>;

// Internal state of the editor, kept in one set.
enum TSynStateFlag {
    sfCaretChanged,
    sfScrollbarChanged,
    sfLinesChanging,
    sfIgnoreNextChar,
    sfCaretVisible,
    sfDblClicked,
    sfPossibleGutterClick,
    sfWaitForDragging,
    sfInsideRedo,
    sfGutterDragging,
    sfRightEdgeDragging,
};
using TSynStateFlags = TSet<TSynStateFlag>;

enum TSynTextCaretType { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };
enum TLineSpacingRule { lsSingle, lsOneAndHalf, lsDouble, lsSpecified };
// bsNone or bsSingle of the form border styles.
using TBorderStyle = TFormBorderStyle;
enum TTransientType { ttBefore, ttAfter };
enum TSynReplaceAction { raCancel, raSkip, raReplace, raReplaceAll };

using TPlaceMarkEvent = TEvent<void(TObject* Sender, TSynTextMark*& Mark)>;
using TProcessCommandEvent =
    TEvent<void(TObject* Sender, TSynTextEditorCommand& Command, char& AChar, void* Data)>;
using TDropFilesEvent = TEvent<void(TObject* Sender, int X, int Y, TStrings* AFiles)>;
using TGutterClickEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, int X, int Y, int Line, TSynTextMark* Mark, bool Region)>;
using TPaintEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas)>;
using TReplaceTextEvent = TEvent<void(TObject* Sender, const AnsiString& ASearch, const AnsiString& AReplace,
                                      int Line, int Column, TSynReplaceAction& Action)>;
using TSpecialLineColorsEvent = TEvent<void(TObject* Sender, int Line, bool& Special, TColor& FG, TColor& BG)>;
using TContextHelpEvent = TEvent<void(TObject* Sender, const AnsiString& Word)>;
using TPaintTransient = TEvent<void(TObject* Sender, TCanvas* Canvas, TTransientType TransientType)>;
using TScrollEvent = TEvent<void(TObject* Sender, TScrollBarKind ScrollBar)>;
using TGutterGetTextEvent = TEvent<void(TObject* Sender, int ALine, AnsiString& AText)>;
using TGutterPaintEvent = TEvent<void(TObject* Sender, int ALine, int X, int Y)>;
using TStatusChangeEvent = TEvent<void(TObject* Sender, TSynStatusChanges Changes)>;
using THookedCommandEvent = TEvent<void(TObject* Sender, bool AfterProcessing, bool& Handled,
                                        TSynTextEditorCommand& Command, char& AChar, void* Data, void* HandlerData)>;

// One hooked command handler; entries are equal when their handlers are.
struct THookedCommandHandlerEntry {
    THookedCommandEvent Event;
    void* Data = nullptr;
};

// A collapsed range by its first line and level, which find it again
// after a rescan made new ranges.
struct TSynFoldHead {
    int Line;
    int Level;
};
