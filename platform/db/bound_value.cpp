// BindValue: one value into a prepared statement.
#include "platform/db/bound_value.h"

#include <sqlite3.h>

#include "platform/base/code_page.h"

void BindValue(sqlite3_stmt* stmt, int parameter, const TFieldValue& v, std::string& Utf8)
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
    case TFieldValue::vkText:
        Utf8 = GbkToUtf8(v.Bytes);
        sqlite3_bind_text64(stmt, parameter, Utf8.data(), Utf8.size(), SQLITE_STATIC, SQLITE_UTF8);
        break;
    case TFieldValue::vkBlob:
        sqlite3_bind_blob64(stmt, parameter, v.Bytes.data(), v.Bytes.size(), SQLITE_STATIC);
        break;
    }
}
