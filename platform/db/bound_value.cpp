// BindValue: one value into a prepared statement.
#include "platform/db/bound_value.h"

#include <sqlite3.h>

#include "platform/base/code_page.h"

void BindValue(sqlite3_stmt* stmt, int parameter, const TFieldValue& v)
{
    switch (v.Kind) {
    case TFieldValue::vkNull:
        sqlite3_bind_null(stmt, parameter);
        break;
    case TFieldValue::vkInteger:
        sqlite3_bind_int64(stmt, parameter, v.Integer);
        break;
    case TFieldValue::vkFloat:
        sqlite3_bind_double(stmt, parameter, v.Float);
        break;
    case TFieldValue::vkText: {
        const std::string utf8 = GbkToUtf8(v.Bytes);
        sqlite3_bind_text64(stmt, parameter, utf8.data(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    case TFieldValue::vkBlob:
        // The value outlives the statement's one step.
        sqlite3_bind_blob64(stmt, parameter, v.Bytes.data(), v.Bytes.size(), SQLITE_STATIC);
        break;
    }
}
