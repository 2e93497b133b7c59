// The Jet syntax of the notes program's statements, turned into the
// engine's. Works on UTF-8 text (no ASCII byte occurs inside a character
// there, unlike in GBK).
//
// Only CREATE TABLE needs it: "nonclustered" goes; a COUNTER column becomes
// an auto-incrementing integer key that never hands out an id twice; the
// columns of a primary key become NOT NULL; OLEOBJECT becomes BLOB. Integer
// columns named after the table's key with something in front (文档标识 in
// a table keyed by 标识) hold another row's id and get an index, so that the
// rows of one article are found without reading the whole table.
#pragma once

#include <string>
#include <string_view>

// Statements other than CREATE TABLE come back as they are.
std::string TranslateJetSql(std::string_view Utf8Sql);
