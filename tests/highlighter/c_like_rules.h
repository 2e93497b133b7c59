// A C-like scheme built in code: keywords, numbers, strings, characters,
// block and line comments, preprocessor lines and operators. Shared by the
// tests and the benchmark.
#pragma once

#include "highlighter/syn_lex_syn.h"

inline void BuildCLikeRules(TSynLexSyn& Syn)
{
    TSynRange* root = Syn.MainRules();
    root->Name = "Text";
    root->SetCaseSensitive(true);

    auto* keywords = new TSynKeyList(
        "auto\nbreak\ncase\nchar\nconst\ncontinue\ndefault\ndo\ndouble\nelse\nenum\nextern\nfloat\nfor\ngoto\n"
        "if\nint\nlong\nregister\nreturn\nshort\nsigned\nsizeof\nstatic\nstruct\nswitch\ntypedef\nunion\n"
        "unsigned\nvoid\nvolatile\nwhile");
    keywords->Name = "Keyword";
    keywords->Attributes()->SetForeground(clNavy);
    root->AddKeyList(keywords);

    auto* operators = new TSynKeyList("==\n!=\n<=\n>=\n&&\n||\n++\n--\n->\n<<\n>>\n+=\n-=");
    operators->Name = "Operator";
    root->AddKeyList(operators);

    auto* numbers = new TSynSet(CharSetOf("0123456789"));
    numbers->Name = "Number";
    numbers->Attributes()->SetForeground(clPurple);
    root->AddSet(numbers);

    auto* string = new TSynRange("\"", "\"");
    string->Name = "String";
    string->CloseOnEol = true;
    string->Attributes()->SetForeground(clMaroon);
    string->AddKeyList(new TSynKeyList("\\\"\n\\\\"));
    root->AddRange(string);

    auto* character = new TSynRange("'", "'");
    character->Name = "Character";
    character->CloseOnEol = true;
    character->AddKeyList(new TSynKeyList("\\'\n\\\\"));
    root->AddRange(character);

    auto* comment = new TSynRange("/*", "*/");
    comment->Name = "Comment";
    comment->Attributes()->SetForeground(clGreen);
    root->AddRange(comment);

    auto* lineComment = new TSynRange("//", "");
    lineComment->Name = "Comment";
    lineComment->CloseOnEol = true;
    root->AddRange(lineComment);

    auto* preprocessor = new TSynRange("#", "");
    preprocessor->Name = "Preprocessor";
    preprocessor->OpenToken()->StartLine = kStartLineAfterBlanks;
    preprocessor->CloseOnEol = true;
    preprocessor->Attributes()->SetForeground(clTeal);
    preprocessor->AddRange(new TSynRange("/*", "*/"));
    root->AddRange(preprocessor);
}
