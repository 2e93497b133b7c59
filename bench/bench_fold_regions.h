// The fold regions the code folding benchmarks give an editor: braces,
// with strings, line comments and block comments skipped; or those of the
// C scheme, whose block comments and #if blocks fold too, with a C text
// that has every kind of block.
#pragma once

#include <iterator>

#include "editor/folding/fold_regions.h"
#include "editor/folding/syn_code_folding.h"
#include "platform/base/ansi_string.h"

// Folds on braces outside strings and comments, in place of the
// highlighter's fold regions.
inline void UseBraceFoldRegions(TSynCodeFolding* Folding)
{
    TFoldRegions* regions = Folding->FoldRegions();
    regions->Add(frtOneChar, false, false, false, "{", "}");
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->SkipRegions()->Add("//", "", "", srtLineEnd);
    regions->SkipRegions()->Add("/*", "*/", "", srtCloseString);
    Folding->SetHighlighterFoldRegions(false);
}

// The C scheme's folding: braces outside strings and comments (as the
// highlighter paints them), block comments found by their marks alone, and
// #if blocks.
inline void UseCFoldRegions(TSynCodeFolding* Folding)
{
    TFoldRegions* regions = Folding->FoldRegions();
    regions->SkipRegions()->Add("\"", "\"", "\\", srtCloseChar);
    regions->Add(frtOneChar, false, false, false, "{", "}");
    regions->Add(frtToken, false, true, false, "/*", "*/");
    regions->Add(frtToken, false, false, false, "#if", "#endif");
    Folding->SetHighlighterFoldRegions(false);
}

// Lines of C in units of 14 lines, each a comment of two lines, an #if
// block and a function of three nested blocks, with Chinese (GBK) in
// comments and strings; 68 bytes a line. Line 1 of every unit opens the
// comment.
inline AnsiString CFoldText(int Lines)
{
    const AnsiString han = "\xD6\xD0\xCE\xC4\xB1\xE0\xBC\xAD\xD5\x66\xC3\xF7";
    const AnsiString unit[] = {
        "/* " + han + " f: reads the ready flag and calls the handler for each item of the list, " + han,
        " * then answers nothing at all; the caller checks the flag again afterwards. " + han + han + " */",
        "#if defined(WITH_HANDLERS) && !defined(NO_READY_FLAG) && WITH_HANDLERS > 2 /* " + han + han + " */",
        "void f(struct handler_list* handlers, int count, const char* name, unsigned flags, void* context) {",
        "    if (ready && handlers != NULL && count > 0 && (flags & 4) != 0) { // " + han + han,
        "        s = \"} { " + han + "\";  // braces in a string, " + han + han + han,
        "        for (i = 0; i < count; ++i) {  // every handler of the list in turn, " + han + han,
        "            call(handlers[i], name, i, flags, context); /* { " + han + han + " */",
        "        }",
        "    } else {",
        "        " + han + "(name, \"" + han + han + "\", flags, context);  // " + han + han + han,
        "    }",
        "}",
        "#endif",
    };
    AnsiString text;
    text.reserve(static_cast<size_t>(Lines) * 70);
    for (size_t i = 0; i < static_cast<size_t>(Lines); ++i) {
        text += unit[i % std::size(unit)];
        text += "\r\n";
    }
    return text;
}
