// Random C text for the folding sessions: pieces that fold in every way the
// schemes know, some of them wrapped in namespaces and #ifdef blocks.
#pragma once

#include "platform/base/strings.h"

class TRandom;

// One piece of C, a few lines each ending with a line break.
const AnsiString& RandomCPiece(TRandom& R);

// A piece, or now and then a line of 2,000 to 30,000 bytes or lines with a
// quote character outside any string.
AnsiString WideCPiece(TRandom& R);

// Pieces and wrapped runs of pieces until the text has at least Lines
// lines; Wide: some of them wide pieces.
AnsiString RandomCText(TRandom& R, int Lines, bool Wide = false);
