#include "platform/db/text_in_pieces.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"
#include "platform/db/db_errors.h"
#include "platform/db/engine.h"

namespace {

// Large enough that a call costs little against its bytes, small enough to
// stay in the processor's cache while it is converted.
constexpr int PieceBytes = 256 * 1024;
// The most bytes of a character cut by a piece's end.
constexpr int CarriedBytes = 3;

// The engine's incremental reader, closed when it goes.
class TBlobReader {
public:
    TBlobReader(sqlite3* db, const std::string& Table, const std::string& Column, int64_t RowId) : db_(db)
    {
        if (sqlite3_blob_open(db, "main", Table.c_str(), Column.c_str(), RowId, 0, &blob_) != SQLITE_OK) {
            sqlite3_blob_close(blob_);
            RaiseEngineError(db);
        }
    }
    ~TBlobReader() { sqlite3_blob_close(blob_); }
    TBlobReader(const TBlobReader&) = delete;
    TBlobReader& operator=(const TBlobReader&) = delete;

    int Size() const { return sqlite3_blob_bytes(blob_); }
    void Read(char* Into, int Count, int Offset)
    {
        if (sqlite3_blob_read(blob_, Into, Count, Offset) != SQLITE_OK)
            RaiseEngineError(db_);
    }

private:
    sqlite3* db_;
    sqlite3_blob* blob_ = nullptr;
};

// The reader's value, each piece put through Convert(Piece, Last, Into),
// which answers the bytes it took; those it left wait at the front of the
// next piece.
template <typename TConvert>
AnsiString ReadPieces(TBlobReader& Reader, TConvert Convert)
{
    const int size = Reader.Size();
    AnsiString into;
    // Neither way makes the value longer: no character takes more bytes
    // in GBK than in UTF-8.
    into.reserve(static_cast<size_t>(size));
    std::string piece(PieceBytes + CarriedBytes, '\0');
    size_t carried = 0;
    for (int offset = 0; offset < size;) {
        const int count = std::min(PieceBytes, size - offset);
        Reader.Read(piece.data() + carried, count, offset);
        offset += count;
        const std::string_view read(piece.data(), carried + static_cast<size_t>(count));
        const size_t taken = Convert(read, offset == size, into);
        carried = read.size() - taken;
        std::memmove(piece.data(), read.data() + taken, carried);
    }
    return into;
}

size_t AppendBytes(std::string_view Piece, bool, AnsiString& Into)
{
    Into.append(Piece);
    return Piece.size();
}

}  // namespace

AnsiString ReadTextInPieces(sqlite3* db, const AnsiString& Table, const AnsiString& Column, int64_t RowId)
{
    const std::string table = GbkToUtf8(Table);
    const std::string column = GbkToUtf8(Column);
    // The type alone: the engine reads it without the value.
    TStatement kind(db, "SELECT typeof(" + QuotedIdentifier(column) + ") FROM " + QuotedIdentifier(table) + " WHERE rowid=?");
    sqlite3_bind_int64(kind.Handle(), 1, RowId);
    if (!kind.Step())
        throw EDatabaseError("要读取的记录已经不在数据库中。");
    const std::string type = reinterpret_cast<const char*>(sqlite3_column_text(kind.Handle(), 0));
    if (type == "text" || type == "blob") {
        TBlobReader reader(db, table, column, RowId);
        return type == "text" ? ReadPieces(reader, AppendUtf8AsGbk) : ReadPieces(reader, AppendBytes);
    }
    if (type == "null")
        return {};
    // A number, which is short.
    TStatement value(db, "SELECT " + QuotedIdentifier(column) + " FROM " + QuotedIdentifier(table) + " WHERE rowid=?");
    sqlite3_bind_int64(value.Handle(), 1, RowId);
    value.Step();
    return type == "integer" ? IntToStr(sqlite3_column_int64(value.Handle(), 0))
                             : FloatToStr(sqlite3_column_double(value.Handle(), 0));
}
