// Editor commands: every action of the editor is a numbered command. Numbers
// below ecUserFirst are built in; from ecUserFirst up they belong to the
// host, which the editor hands them to instead of running them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/ansi_string.h"

using TSynTextEditorCommand = uint16_t;

inline constexpr TSynTextEditorCommand ecNone = 0;

// Caret moves; the same number plus 100 moves and extends the selection.
inline constexpr TSynTextEditorCommand ecLeft = 1;
inline constexpr TSynTextEditorCommand ecRight = 2;
inline constexpr TSynTextEditorCommand ecUp = 3;
inline constexpr TSynTextEditorCommand ecDown = 4;
inline constexpr TSynTextEditorCommand ecWordLeft = 5;
inline constexpr TSynTextEditorCommand ecWordRight = 6;
inline constexpr TSynTextEditorCommand ecLineStart = 7;
inline constexpr TSynTextEditorCommand ecLineEnd = 8;
inline constexpr TSynTextEditorCommand ecPageUp = 9;
inline constexpr TSynTextEditorCommand ecPageDown = 10;
inline constexpr TSynTextEditorCommand ecPageLeft = 11;
inline constexpr TSynTextEditorCommand ecPageRight = 12;
inline constexpr TSynTextEditorCommand ecPageTop = 13;
inline constexpr TSynTextEditorCommand ecPageBottom = 14;
inline constexpr TSynTextEditorCommand ecEditorTop = 15;
inline constexpr TSynTextEditorCommand ecEditorBottom = 16;
inline constexpr TSynTextEditorCommand ecGotoXY = 17;  // data: the TBufferCoord to go to

inline constexpr TSynTextEditorCommand ecSelLeft = 101;
inline constexpr TSynTextEditorCommand ecSelRight = 102;
inline constexpr TSynTextEditorCommand ecSelUp = 103;
inline constexpr TSynTextEditorCommand ecSelDown = 104;
inline constexpr TSynTextEditorCommand ecSelWordLeft = 105;
inline constexpr TSynTextEditorCommand ecSelWordRight = 106;
inline constexpr TSynTextEditorCommand ecSelLineStart = 107;
inline constexpr TSynTextEditorCommand ecSelLineEnd = 108;
inline constexpr TSynTextEditorCommand ecSelPageUp = 109;
inline constexpr TSynTextEditorCommand ecSelPageDown = 110;
inline constexpr TSynTextEditorCommand ecSelPageLeft = 111;
inline constexpr TSynTextEditorCommand ecSelPageRight = 112;
inline constexpr TSynTextEditorCommand ecSelPageTop = 113;
inline constexpr TSynTextEditorCommand ecSelPageBottom = 114;
inline constexpr TSynTextEditorCommand ecSelEditorTop = 115;
inline constexpr TSynTextEditorCommand ecSelEditorBottom = 116;
inline constexpr TSynTextEditorCommand ecSelGotoXY = 117;

inline constexpr TSynTextEditorCommand ecSelWord = 198;
inline constexpr TSynTextEditorCommand ecSelectAll = 199;
inline constexpr TSynTextEditorCommand ecCopy = 201;

inline constexpr TSynTextEditorCommand ecScrollUp = 211;
inline constexpr TSynTextEditorCommand ecScrollDown = 212;
inline constexpr TSynTextEditorCommand ecScrollLeft = 213;
inline constexpr TSynTextEditorCommand ecScrollRight = 214;

inline constexpr TSynTextEditorCommand ecInsertMode = 221;
inline constexpr TSynTextEditorCommand ecOverwriteMode = 222;
inline constexpr TSynTextEditorCommand ecToggleMode = 223;

inline constexpr TSynTextEditorCommand ecNormalSelect = 231;
inline constexpr TSynTextEditorCommand ecColumnSelect = 232;
inline constexpr TSynTextEditorCommand ecLineSelect = 233;

inline constexpr TSynTextEditorCommand ecMatchBracket = 250;
inline constexpr TSynTextEditorCommand ecCommentBlock = 251;

// Bookmark n goes to ecGotoMarker0 + n and is set by ecSetMarker0 + n.
inline constexpr TSynTextEditorCommand ecGotoMarker0 = 301;
inline constexpr TSynTextEditorCommand ecGotoMarker1 = 302;
inline constexpr TSynTextEditorCommand ecGotoMarker2 = 303;
inline constexpr TSynTextEditorCommand ecGotoMarker3 = 304;
inline constexpr TSynTextEditorCommand ecGotoMarker4 = 305;
inline constexpr TSynTextEditorCommand ecGotoMarker5 = 306;
inline constexpr TSynTextEditorCommand ecGotoMarker6 = 307;
inline constexpr TSynTextEditorCommand ecGotoMarker7 = 308;
inline constexpr TSynTextEditorCommand ecGotoMarker8 = 309;
inline constexpr TSynTextEditorCommand ecGotoMarker9 = 310;
inline constexpr TSynTextEditorCommand ecSetMarker0 = 351;
inline constexpr TSynTextEditorCommand ecSetMarker1 = 352;
inline constexpr TSynTextEditorCommand ecSetMarker2 = 353;
inline constexpr TSynTextEditorCommand ecSetMarker3 = 354;
inline constexpr TSynTextEditorCommand ecSetMarker4 = 355;
inline constexpr TSynTextEditorCommand ecSetMarker5 = 356;
inline constexpr TSynTextEditorCommand ecSetMarker6 = 357;
inline constexpr TSynTextEditorCommand ecSetMarker7 = 358;
inline constexpr TSynTextEditorCommand ecSetMarker8 = 359;
inline constexpr TSynTextEditorCommand ecSetMarker9 = 360;

inline constexpr TSynTextEditorCommand ecContextHelp = 490;

inline constexpr TSynTextEditorCommand ecDeleteLastChar = 501;
inline constexpr TSynTextEditorCommand ecDeleteChar = 502;
inline constexpr TSynTextEditorCommand ecDeleteWord = 503;
inline constexpr TSynTextEditorCommand ecDeleteLastWord = 504;
inline constexpr TSynTextEditorCommand ecDeleteBOL = 505;
inline constexpr TSynTextEditorCommand ecDeleteEOL = 506;
inline constexpr TSynTextEditorCommand ecDeleteLine = 507;
inline constexpr TSynTextEditorCommand ecClearAll = 508;
inline constexpr TSynTextEditorCommand ecLineBreak = 509;
inline constexpr TSynTextEditorCommand ecInsertLine = 510;
inline constexpr TSynTextEditorCommand ecChar = 511;
inline constexpr TSynTextEditorCommand ecImeStr = 550;  // data: the zero-terminated string

inline constexpr TSynTextEditorCommand ecUndo = 601;
inline constexpr TSynTextEditorCommand ecRedo = 602;
inline constexpr TSynTextEditorCommand ecCut = 603;
inline constexpr TSynTextEditorCommand ecPaste = 604;
inline constexpr TSynTextEditorCommand ecBlockIndent = 610;
inline constexpr TSynTextEditorCommand ecBlockUnindent = 611;
inline constexpr TSynTextEditorCommand ecTab = 612;
inline constexpr TSynTextEditorCommand ecShiftTab = 613;

inline constexpr TSynTextEditorCommand ecUpperCase = 620;
inline constexpr TSynTextEditorCommand ecLowerCase = 621;
inline constexpr TSynTextEditorCommand ecToggleCase = 622;
inline constexpr TSynTextEditorCommand ecTitleCase = 623;
inline constexpr TSynTextEditorCommand ecUpperCaseBlock = 625;
inline constexpr TSynTextEditorCommand ecLowerCaseBlock = 626;
inline constexpr TSynTextEditorCommand ecToggleCaseBlock = 627;
inline constexpr TSynTextEditorCommand ecString = 630;

inline constexpr TSynTextEditorCommand ecAutoCompletion = 650;

inline constexpr TSynTextEditorCommand ecUserFirst = 1001;

// The built-in commands a command runs on the text, in their order (ecNone
// where there is no step): how the fold guard learns what a command it
// does not know does.
struct TSynCommandSteps {
    TSynTextEditorCommand First = ecNone;
    TSynTextEditorCommand Then = ecNone;
    bool operator==(const TSynCommandSteps&) const = default;
};

// The name under which the command identifiers are registered with the
// property streams (RegisterIntegerConsts), so that Command properties are
// streamed by name.
inline constexpr const char* SynTextEditorCommandType = "TSynTextEditorCommand";

// The identifier of Command ("ecUp"); false when it has none.
bool CommandToIdent(int Command, AnsiString& Ident);
// The command of an identifier, whatever the case of its letters; false
// when it names none.
bool IdentToCommand(const AnsiString& Ident, int& Command);
// The identifier, or the number in decimal when there is none.
AnsiString CommandToText(TSynTextEditorCommand Command);
