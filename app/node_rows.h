// Which NODES rows the program shows and works on, and the report of the
// others. A damaged or hand-edited file may hold an id such as 3.5, 0.4 or
// '12abc': read as a tree node's whole number it would stand for another
// row (3.5 for 4), so every statement that reads node ids takes only rows
// whose 标识, 目录 and 类型 are whole numbers of 32 bits, and the rest are
// left as they are and named to the user.
#pragma once

#include "platform/base/ansi_string.h"

class TADOConnection;

// The condition on Column of a row whose value a 32-bit int holds exactly.
AnsiString WholeNumberIn32Bits(const AnsiString& Column);
// The condition on a NODES row the program may show, open and delete.
AnsiString SoundNodeRow();
// "" when every NODES row is sound, else a message for the user naming the
// others by title and stored values (the first twenty, then how many more).
AnsiString DamagedNodeRowsReport(TADOConnection* DataBase);
// The index on the parent column a folder's subtree is found through; files
// of older versions and of other programs lack it.
extern const char* const kParentIndexStatement;
