// Random C text for the folding sessions (see the header).
#include "tests/highlighter/c_fold_session_text.h"

#include <algorithm>

#include "tests/support/test_random.h"

namespace {

// Balanced pieces: nested blocks, blocks whose last line opens the next
// (else branches, adjacent functions), comments holding braces, a block
// whose first line opens a comment its last line closes, #ifdef blocks
// holding braces and braces holding #ifdef blocks, braces in strings and
// line comments, tabs, and GBK text whose trail bytes read as '{', '\\',
// '@' and 'f'.
const AnsiString Pieces[] = {
    "int f(int a)\r\n{\r\n    if (a) {\r\n        for (;;) {\r\n            x(\"{\");\r\n        }\r\n"
    "    } else {\r\n        y();\r\n    }\r\n}\r\n",
    "/* \xD5\x66\xE9\x54 note\r\n   { still comment }\r\n */\r\n",
    "void g()\r\n{\r\n    if (b) { /* why\r\n        more */ }\r\n    return;\r\n}\r\n",
    "#ifdef WITH_X\r\nint v = 1; // {\r\n#ifdef WITH_Y\r\nint w;\r\n#endif\r\n#endif\r\n",
    "struct s {\r\n    char* p = \"\xDF\x40\\\"\x81\x5C\";  // \xD6\xD0 }\r\n    int q;\r\n};\r\n",
    "\r\n",
    "void h1() {\r\n    a();\r\n}\r\nvoid h2() {\r\n    b();\r\n}\r\n",
    "int k(int v)\r\n{\r\n    if (v == 1) {\r\n        return 1;\r\n    } else if (v == 2) {\r\n        return 2;\r\n"
    "    } else {\r\n        return 3;\r\n    }\r\n}\r\n",
    "#ifdef WIN\r\nstatic void w() {\r\n    z();\r\n#endif\r\n}\r\n",
    "void t()\r\n{\r\n\tswitch (x) {\r\n\tcase 1: {\r\n\t\tbreak;\r\n\t}\r\n\t}\r\n}\r\n",
    "int one() { return 1; }\r\n",
    "x = 1; /* { */ y = 2; {\r\n    \xD5\x66();\r\n}\r\n",
    "void d()\r\n{\r\n    {\r\n        {\r\n            q();\r\n        }\r\n    }\r\n}\r\n",
    "enum e {\r\n    A,\r\n}; struct t {\r\n    int b;\r\n};\r\n",
    "    /*\r\n     * {\r\n     */\r\n",
    "#ifdef A\r\n{\r\n#ifdef B\r\n}\r\n#endif\r\n#endif\r\n",
};

// Pieces that leave a brace, a comment or a string open, which changes how
// everything below folds: a few per text.
const AnsiString Unbalanced[] = {
    "char* u = \"{ never closed;\r\n",
    "int open() {\r\n",
    "}\r\n",
    "/* long comment\r\n",
    "*/\r\n",
    "#ifdef ALONE\r\n",
    "#endif\r\n",
};

// What a run of pieces is wrapped in, open and close.
const AnsiString Wrappers[][2] = {
    {"namespace n {\r\n", "}\r\n"},
    {"#ifdef WRAPPED\r\n", "#endif\r\n"},
    {"extern \"C\" {\r\n", "}\r\n"},
};

// Lines a quote character stands on outside any string (a line comment, a
// character literal): the rest of the line is no string, and the lines
// below fold as before.
const AnsiString QuoteLines[] = {
    "// \"\r\n",
    "    if (c == '\"') {\r\n        q();\r\n    }\r\n",
    "int c = '\"'; // it's {\r\n",
};

// The start and the repeated middle of a line of 2,000 to 30,000 bytes,
// and its end: data on one line, a string or a comment holding braces, a
// block opened at the end of a long line.
const char* const LongLines[][3] = {
    {"int table[] = {", " 1, 2, 3,", " };\r\n"},
    {"char* s = \"", "{ \xD5\x66 } ", "\";\r\n"},
    {"// ", "{ \" } ", "\r\n"},
    {"x = 1; /* ", "{ \xE9\x54 ", "*/ {\r\n    y();\r\n}\r\n"},
};

AnsiString LongLine(TRandom& R)
{
    const auto& parts = R.Pick(LongLines);
    AnsiString line = parts[0];
    const int length = R.Between(2000, 30000);
    while (static_cast<int>(line.size()) < length)
        line += parts[1];
    return line + parts[2];
}

int LineCount(const AnsiString& Text) { return static_cast<int>(std::count(Text.begin(), Text.end(), '\n')); }

}  // namespace

const AnsiString& RandomCPiece(TRandom& R) { return R.Chance(3) ? R.Pick(Unbalanced) : R.Pick(Pieces); }

AnsiString WideCPiece(TRandom& R)
{
    const int choice = R.Below(10);
    if (choice == 0)
        return LongLine(R);
    if (choice == 1)
        return R.Pick(QuoteLines);
    return RandomCPiece(R);
}

AnsiString RandomCText(TRandom& R, int Lines, bool Wide)
{
    AnsiString text;
    while (LineCount(text) < Lines) {
        if (Wide && R.Chance(10)) {
            text += WideCPiece(R);
        } else if (R.Chance(12)) {
            const auto& wrapper = R.Pick(Wrappers);
            text += wrapper[0];
            for (int n = R.Between(2, 8); n > 0; --n)
                text += RandomCPiece(R);
            text += wrapper[1];
        } else {
            text += RandomCPiece(R);
        }
    }
    return text;
}
