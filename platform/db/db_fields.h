// Fields of a query's current row: TField reads and writes one column's
// value, TBlobField adds byte-exact transfer to files and streams, and
// TFields is the ordered list of a query's fields.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/date_time.h"
#include "platform/base/object.h"

class TADOQuery;
class TStream;

// What a column was declared as (COUNTER columns are ftAutoInc; columns of
// an expression have no declaration and are ftUnknown).
enum TFieldType { ftUnknown, ftString, ftMemo, ftInteger, ftAutoInc, ftFloat, ftDateTime, ftBlob };

// One stored value as the engine gives it.
struct TFieldValue {
    enum TKind { vkNull, vkInteger, vkFloat, vkText, vkBlob };
    TKind Kind = vkNull;
    int64_t Integer = 0;
    double Float = 0;
    std::string Bytes;  // vkText: GBK text; vkBlob: the bytes

    static TFieldValue OfInteger(int64_t Value) { return {.Kind = vkInteger, .Integer = Value, .Float = 0, .Bytes = {}}; }
    static TFieldValue OfText(std::string Text) { return {.Kind = vkText, .Integer = 0, .Float = 0, .Bytes = std::move(Text)}; }
};

// One column of a query. Reading gives the current row's value (an empty
// query reads as null); writing needs the query in dsEdit or dsInsert and
// otherwise raises EDatabaseError "Dataset not in edit or insert mode".
//
// Dates are stored as text "YYYY-MM-DD HH:MM:SS.SSS" in local time, which
// sorts in time order and which the engine's date functions read.
class TField : public TObject {
public:
    TField(TADOQuery* DataSet, int Index, AnsiString FieldName, TFieldType DataType);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    const AnsiString& FieldName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    TADOQuery* DataSet() const { return dataSet_; }
    // The 0-based position among the query's fields.
    int Index() const { return index_; }

    bool IsNull() const;
    // Null reads as "", numbers as decimal text, dates by DateTimeToStr.
    AnsiString AsString() const;
    void SetAsString(const AnsiString& Value);
    // Null reads as 0; text that is no integer raises EConvertError.
    int AsInteger() const;
    void SetAsInteger(int Value);
    // Null reads as 0; text not in the stored date form raises EConvertError.
    TDateTime AsDateTime() const;
    void SetAsDateTime(TDateTime Value);
    void Clear();

    const TFieldValue& Value() const;
    void SetValue(TFieldValue Value);

private:
    TADOQuery* dataSet_;
    int index_;
    AnsiString fieldName_;
    TFieldType dataType_;
};

// A column of bytes (declared OLEOBJECT). The bytes go in and out exactly as
// they are, with no code page conversion.
class TBlobField : public TField {
public:
    using TField::TField;

    int64_t BlobSize() const;
    // Raise EFOpenError / EFCreateError / EReadError / EWriteError of the
    // streams when the file can't be read or written.
    void LoadFromFile(const AnsiString& FileName);
    void SaveToFile(const AnsiString& FileName) const;
    // LoadFromStream takes Stream from its start to its end; SaveToStream
    // writes at Stream's position.
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream) const;
};

// The largest blob the layer stores: the engine's limit on one value, less
// room for the rest of the row. Refuse larger files before reading them.
inline constexpr int64_t MaxBlobSize = 999'000'000;

// A query's fields in column order.
class TFields {
public:
    int Count() const { return static_cast<int>(fields_.size()); }
    TField* Fields(int Index) const { return fields_.at(static_cast<size_t>(Index)).get(); }
    TField* operator[](int Index) const { return Fields(Index); }
    // By name, without regard to the case of ASCII letters; nullptr when absent.
    TField* FindField(const AnsiString& FieldName) const;
    // Raises EDatabaseError "Field 'X' not found" when absent.
    TField* FieldByName(const AnsiString& FieldName) const;

    void Add(std::unique_ptr<TField> Field) { fields_.push_back(std::move(Field)); }
    void Clear() { fields_.clear(); }

private:
    std::vector<std::unique_ptr<TField>> fields_;
};
