// A value given to one '?' of a prepared statement, as the data layer's
// queries and commands give them: text converted from GBK to UTF-8, blobs as
// they are.
#pragma once

#include <string>

#include "platform/db/db_fields.h"

struct sqlite3_stmt;

// Neither the value nor Utf8, which holds a text's UTF-8 form, is copied:
// both must outlive the statement's next step (a text of 100 MB is not
// worth a third copy).
void BindValue(sqlite3_stmt* Statement, int Parameter, const TFieldValue& Value, std::string& Utf8);
