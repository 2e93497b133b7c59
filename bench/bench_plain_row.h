// What the engine alone costs to store a change to a large article's row,
// the figure the program's save and close of that article are held
// against: a table PLAIN of one row (id 1) holding the text as UTF-8,
// written anew from UTF-8 already made, in a transaction of its own.
#pragma once

#include <time.h>

#include <string>

#include "platform/base/code_page.h"
#include "platform/db/ado_connection.h"
#include "platform/db/db_fields.h"

namespace {

// Adds the table PLAIN to the open notes file, holding Text (GBK).
void AddPlainRow(TADOConnection* Connection, const AnsiString& Text)
{
    Connection->Execute("create table PLAIN (标识 INT PRIMARY KEY, 内容 TEXT)");
    Connection->Execute("insert into PLAIN values (1, ?)", {TFieldValue::OfText(Text)});
}

// The seconds the engine takes to write Utf8 into the plain row.
double PlainRowWrite(TADOConnection* Connection, const std::string& Utf8)
{
    const auto now = [] {
        timespec at{};
        clock_gettime(CLOCK_MONOTONIC, &at);
        return double(at.tv_sec) + double(at.tv_nsec) / 1e9;
    };
    const TFieldValue value{.Kind = TFieldValue::vkBlob, .Integer = 0, .Float = 0, .Bytes = Utf8};
    const double start = now();
    Connection->BeginTrans();
    Connection->Execute("update PLAIN set 内容=? where 标识=1", {value});
    Connection->CommitTrans();
    return now() - start;
}

// Round Round of closing a tab whose caret was stored at 7: the caret the
// tab then stores, with Utf8 (the plain row's text) changed as that close
// changes the article's row. A caret going between 5 and 7 stays in one
// byte: the engine rewrites the row in place, as one byte changed in the
// plain row. Going between 5 and 70,000 (Resized), as a language or
// options of another length do, it writes the whole row anew, as the plain
// row a byte longer or shorter.
int CloseRoundCaret(int Round, bool Resized, std::string& Utf8)
{
    const bool away = (Round + int(Resized)) % 2 != 0;
    if (!Resized)
        Utf8[0] ^= 1;
    else if (away)
        Utf8.push_back('\n');
    else
        Utf8.pop_back();
    return away ? (Resized ? 70000 : 7) : 5;
}

}  // namespace
