// A value given to one '?' of a prepared statement, as the data layer's
// queries and commands give them: text converted from GBK to UTF-8, blobs as
// they are.
#pragma once

#include "platform/db/db_fields.h"

struct sqlite3_stmt;

// The value must outlive the statement's next step (a blob is not copied).
void BindValue(sqlite3_stmt* Statement, int Parameter, const TFieldValue& Value);
