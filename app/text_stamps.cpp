// The stamps' tables and triggers and adding them to a file.
#include "app/text_stamps.h"

#include "app/db_transaction.h"
#include "app/node_rows.h"
#include "platform/db/ado_connection.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_fields.h"

namespace {

// The triggers fire for whatever program writes. Every write of a text is
// a new version: telling a text saved unchanged from a changed one would
// read the old text back, all of it, in every save (this program writes
// no unchanged tab). A node id is counted only when it is a whole number
// of 32 bits, as a damaged id stands for no node.
const char* const kStampObjects[] = {
    "CREATE TABLE IF NOT EXISTS TEXTSTAMPS (标识 INT PRIMARY KEY, 行 INT NOT NULL, 版本 INT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS SERIALS (名称 VARCHAR PRIMARY KEY, 值 INT NOT NULL)",
    "CREATE TRIGGER IF NOT EXISTS TEXTSTAMPS_MADE AFTER INSERT ON CONTENTS BEGIN "
    "UPDATE SERIALS SET 值=值+1 WHERE 名称='版本'; "
    "INSERT OR REPLACE INTO TEXTSTAMPS SELECT new.标识, 值, 值 FROM SERIALS WHERE 名称='版本'; END",
    "CREATE TRIGGER IF NOT EXISTS TEXTSTAMPS_CHANGED AFTER UPDATE OF 内容 ON CONTENTS BEGIN "
    "UPDATE SERIALS SET 值=值+1 WHERE 名称='版本'; "
    "UPDATE TEXTSTAMPS SET 版本=(SELECT 值 FROM SERIALS WHERE 名称='版本') WHERE 标识=new.标识; END",
    "CREATE TRIGGER IF NOT EXISTS TEXTSTAMPS_GONE AFTER DELETE ON CONTENTS BEGIN "
    "DELETE FROM TEXTSTAMPS WHERE 标识=old.标识; END",
    "CREATE TRIGGER IF NOT EXISTS SERIALS_NODE AFTER INSERT ON NODES "
    "WHEN typeof(new.标识)='integer' AND new.标识 BETWEEN 1 AND 2147483647 BEGIN "
    "UPDATE SERIALS SET 值=new.标识 WHERE 名称='标识' AND 值<new.标识; END",
};

// Whether the file keeps the version trigger of earlier versions, which
// compared the old text with the new: a trigger that names old.内容 makes
// every update of the text read the stored one first, however long.
bool ComparesTexts(TADOConnection* DataBase)
{
    TADOQuery query(nullptr);
    query.SetConnection(DataBase);
    query.SQL()->SetText("select count(*) from sqlite_master where name='TEXTSTAMPS_CHANGED' and "
                         "instr(sql, 'old.内容') > 0");
    query.Open();
    return query.Fields()->Fields(0)->AsInteger() != 0;
}

}  // namespace

const char* const kTextStampColumns = "ifnull(TEXTSTAMPS.行, 0), ifnull(TEXTSTAMPS.版本, 0)";
const char* const kTextStampJoin = " left join TEXTSTAMPS on TEXTSTAMPS.标识=CONTENTS.标识";
const char* const kLargestNodeIdEver = "(select 值 from SERIALS where 名称='标识')";

TTextStamp TextStampAt(TADOQuery* Query, int First)
{
    return {Query->Fields()->Fields(First)->Value().Integer, Query->Fields()->Fields(First + 1)->Value().Integer};
}

bool HasTextStamps(TADOConnection* DataBase)
{
    TADOQuery query(nullptr);
    query.SetConnection(DataBase);
    query.SQL()->SetText("select count(*) from sqlite_master where name in ('TEXTSTAMPS', 'SERIALS', "
                         "'TEXTSTAMPS_MADE', 'TEXTSTAMPS_CHANGED', 'TEXTSTAMPS_GONE', 'SERIALS_NODE')");
    query.Open();
    return query.Fields()->Fields(0)->AsInteger() == static_cast<int>(std::size(kStampObjects));
}

void AddTextStamps(TADOConnection* DataBase)
{
    if (HasTextStamps(DataBase) && !ComparesTexts(DataBase))
        return;
    TDBTransaction transaction(DataBase);
    // Another program may have added them while this one waited to write.
    // The earlier version trigger gives way to this one; a program of that
    // version keeps what it finds, as it asks only that the names be there.
    if (ComparesTexts(DataBase))
        DataBase->Execute("DROP TRIGGER TEXTSTAMPS_CHANGED");
    for (const char* statement : kStampObjects)
        DataBase->Execute(statement);
    const AnsiString soundId = WholeNumberIn32Bits("标识");
    DataBase->Execute("INSERT OR IGNORE INTO SERIALS VALUES ('版本', 0), ('标识', max(0, "
                      "ifnull((select max(标识) from NODES where " + soundId + "), 0), "
                      "ifnull((select max(标识) from CONTENTS where " + soundId + "), 0)))");
    DataBase->Execute("INSERT OR IGNORE INTO TEXTSTAMPS SELECT 标识, 0, 0 FROM CONTENTS WHERE 标识 IS NOT NULL");
    transaction.Commit();
}
