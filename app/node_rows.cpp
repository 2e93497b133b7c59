// The sound NODES rows as a statement's condition, and the report of the
// damaged ones.
#include "app/node_rows.h"

#include "platform/base/sys_utils.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_fields.h"

namespace {

constexpr int kNamedRows = 20;  // a message box holds no more usefully

}  // namespace

const char* const kParentIndexStatement = "CREATE INDEX IF NOT EXISTS IX_NODES_目录 ON NODES (目录)";

AnsiString WholeNumberIn32Bits(const AnsiString& Column)
{
    // A real such as 4.0 is kept as an integer by the column's type; what
    // is left real, text, a blob or null is no id.
    return "(typeof(" + Column + ")='integer' and " + Column + " between -2147483648 and 2147483647)";
}

AnsiString SoundNodeRow()
{
    // The unary plus keeps the engine from reading the rows through an
    // index on a range that holds nearly all of them, one look-up a row.
    return "(" + WholeNumberIn32Bits("+标识") + " and " + WholeNumberIn32Bits("+目录") + " and " +
           WholeNumberIn32Bits("+类型") + ")";
}

AnsiString DamagedNodeRowsReport(TADOConnection* DataBase)
{
    TADOQuery query(nullptr);
    query.SetConnection(DataBase);
    query.SQL()->SetText("select 名称, quote(标识), quote(目录), quote(类型) from Nodes where not " + SoundNodeRow());
    query.Open();
    AnsiString rows;
    int count = 0;
    for (; !query.Eof(); query.Next()) {
        if (++count > kNamedRows)
            continue;
        TFields* fields = query.Fields();
        rows += "\r\n“" + fields->Fields(0)->AsString() + "”：标识 " + fields->Fields(1)->AsString() + "，目录 " +
                fields->Fields(2)->AsString() + "，类型 " + fields->Fields(3)->AsString();
    }
    if (count == 0)
        return {};
    if (count > kNamedRows)
        rows += "\r\n……另有 " + IntToStr(count - kNamedRows) + " 个";
    return "文章库中有 " + IntToStr(count) +
           " 个文章或目录的记录已经损坏（标识、目录和类型应当都是 32 位整数），没有显示在目录树中，"
           "也不会被打开或删除：" + rows;
}
