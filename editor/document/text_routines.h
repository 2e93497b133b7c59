// Free routines shared by the editor and the editor services: tab expansion,
// character index to caret column, scans that keep double-byte characters
// whole, program-relative names, and small integer and coordinate helpers.
// Lines are 8-bit strings in the system code page; positions count from 1.
#pragma once

#include <algorithm>
#include <bitset>
#include <string>
#include <string_view>

#include "editor/document/editor_types.h"
#include "platform/base/ansi_string.h"

// A set of byte values, indexed by the unsigned byte.
using TSysCharSet = std::bitset<256>;

// The set holding every byte of Chars.
TSysCharSet CharSetOf(std::string_view Chars);

inline bool CharInSet(char C, const TSysCharSet& Chars) { return Chars.test(static_cast<unsigned char>(C)); }

// Integer and coordinate routines.
inline int ClampInt(int X, int Lo, int Hi) { return std::max(std::min(X, Hi), Lo); }
void ExchangeInts(int& A, int& B);
// The earlier of two buffer positions, by line and then by character; A when
// they are equal.
TBufferCoord EarlierCoord(const TBufferCoord& A, const TBufferCoord& B);

// Tab expansion. The cells a tab takes are filled with the tab character
// itself, so that painting can tell them from typed spaces. With a tab width
// below 2 a tab becomes one space instead.
using TExpandTabsProc = AnsiString (*)(const AnsiString& Line, int TabWidth);
using TExpandTabsProcEx = AnsiString (*)(const AnsiString& Line, int TabWidth, bool& HasTabs);

// True when Line holds a tab; CountBefore is the number of bytes before the
// first tab (the whole length when there is none).
bool FindFirstTab(std::string_view Line, int& CountBefore);
// The length of Line after expansion at TabWidth.
int ExpandedLength(const AnsiString& Line, int TabWidth);
bool IsTabWidthPowerOfTwo(int TabWidth);
// The expansion routine suited to TabWidth; a line without tabs comes back
// unchanged (with HasTabs false).
TExpandTabsProc GetTabExpandProc(int TabWidth);
TExpandTabsProcEx GetTabExpandProcEx(int TabWidth);
AnsiString ExpandTabs(const AnsiString& Line, int TabWidth);
AnsiString ExpandTabs(const AnsiString& Line, int TabWidth, bool& HasTabs);

// The caret column (from 1) of the character index Index (from 1) in Line.
// An index past the end continues one column per missing character.
int CharIndexToColumn(int Index, int TabWidth, std::string_view Line);

// Scans that treat a double-byte character as one unit: its trail byte is
// never reported, even when its code is in the set. Positions count from 1;
// 0 means not found.
//
// The first position at or after Start whose single-byte character is in
// Chars; a Start on a trail byte begins at the next character.
int StrScanForCharInSet(const AnsiString& Line, int Start, const TSysCharSet& Chars);
// The last position at or before Start whose single-byte character is in
// Chars; a Start past the end counts from the last byte.
int StrRScanForCharInSet(const AnsiString& Line, int Start, const TSysCharSet& Chars);
// The first lead byte at or after Start (the next character when Start is a
// trail byte); 0 when the locale has no double-byte characters.
int FindLeadByte(const AnsiString& Line, int Start);
// The last lead byte at or before Start; 0 when the locale has no double-byte
// characters.
int FindLastLeadByte(const AnsiString& Line, int Start);

// The first NUL, LF or CR of a zero-terminated text; nullptr for nullptr.
const char* FindLineEnd(const char* P);
// Line without its trailing spaces and tabs.
AnsiString TrimBlanksRight(const AnsiString& Line);

// Folder and file names relative to the program folder. A name is absolute
// when it is empty, starts with '/' or with the two backslashes of a UNC
// name, or has a drive colon as its second character (settings written on
// other systems may hold such names). Any other name loses one leading
// backslash and gets the program folder put in front. A non-empty folder name
// always ends in a delimiter.
AnsiString ExpandAppRelativeDir(const AnsiString& Dir);
AnsiString ExpandAppRelativeFileName(const AnsiString& FileName);

// The short name of a highlighter class: "TSynLexSyn" gives "Lex".
AnsiString ShortHighlighterName(const AnsiString& ClassName);
