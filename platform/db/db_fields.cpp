// Reading and writing a column's value in the forms the callers ask for.
#include "platform/db/db_fields.h"

#include <cmath>
#include <cstdio>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "platform/base/sys_utils.h"
#include "platform/db/ado_query.h"
#include "platform/db/db_errors.h"
#include "platform/db/stored_date.h"

TField::TField(TADOQuery* DataSet, int Index, AnsiString FieldName, TFieldType DataType)
    : dataSet_(DataSet), index_(Index), fieldName_(std::move(FieldName)), dataType_(DataType)
{
}

const TFieldValue& TField::Value() const { return dataSet_->CurrentValue(index_); }

void TField::SetValue(TFieldValue Value) { dataSet_->SetFieldValue(index_, std::move(Value)); }

bool TField::IsNull() const { return Value().Kind == TFieldValue::vkNull; }

AnsiString TField::AsString() const
{
    const TFieldValue& v = Value();
    switch (v.Kind) {
    case TFieldValue::vkNull:
        return {};
    case TFieldValue::vkInteger:
        return IntToStr(v.Integer);
    case TFieldValue::vkFloat:
        return dataType_ == ftDateTime ? DateTimeToStr(v.Float) : FloatToStr(v.Float);
    case TFieldValue::vkText:
        if (dataType_ == ftDateTime)
            return DateTimeToStr(AsDateTime());
        return v.Bytes;
    case TFieldValue::vkBlob:
        return v.Bytes;
    }
    return {};
}

void TField::SetAsString(const AnsiString& Value)
{
    TFieldValue v;
    v.Kind = dataType_ == ftBlob ? TFieldValue::vkBlob : TFieldValue::vkText;
    v.Bytes = Value;
    SetValue(std::move(v));
}

int TField::AsInteger() const
{
    const TFieldValue& v = Value();
    switch (v.Kind) {
    case TFieldValue::vkNull:
        return 0;
    case TFieldValue::vkInteger:
        return static_cast<int>(v.Integer);
    case TFieldValue::vkFloat:
        return static_cast<int>(std::lround(v.Float));
    case TFieldValue::vkText:
    case TFieldValue::vkBlob:
        break;
    }
    return StrToInt(v.Bytes);
}

void TField::SetAsInteger(int Value)
{
    TFieldValue v;
    v.Kind = TFieldValue::vkInteger;
    v.Integer = Value;
    SetValue(std::move(v));
}

TDateTime TField::AsDateTime() const
{
    const TFieldValue& v = Value();
    switch (v.Kind) {
    case TFieldValue::vkNull:
        return 0;
    case TFieldValue::vkInteger:
        return static_cast<TDateTime>(v.Integer);
    case TFieldValue::vkFloat:
        return v.Float;
    case TFieldValue::vkText:
    case TFieldValue::vkBlob:
        break;
    }
    TDateTime result = 0;
    if (!TryParseStoredDate(v.Bytes, result))
        throw EConvertError("'" + v.Bytes + "' is not a valid date and time");
    return result;
}

void TField::SetAsDateTime(TDateTime Value)
{
    TFieldValue v;
    v.Kind = TFieldValue::vkText;
    v.Bytes = FormatStoredDate(Value);
    SetValue(std::move(v));
}

void TField::Clear() { SetValue(TFieldValue{}); }

int64_t TBlobField::BlobSize() const
{
    const TFieldValue& v = Value();
    return v.Kind == TFieldValue::vkNull ? 0 : static_cast<int64_t>(AsString().size());
}

void TBlobField::LoadFromFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TBlobField::SaveToFile(const AnsiString& FileName) const
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

void TBlobField::LoadFromStream(TStream* Stream)
{
    const int64_t size = Stream->Size();
    if (size > MaxBlobSize)
        throw EDatabaseError("数据超过了字段能容纳的大小（" + IntToStr(MaxBlobSize) + " 字节）。");
    TFieldValue v;
    v.Kind = TFieldValue::vkBlob;
    v.Bytes.resize(static_cast<size_t>(size));
    Stream->SetPosition(0);
    Stream->ReadBuffer(v.Bytes.data(), size);
    SetValue(std::move(v));
}

void TBlobField::SaveToStream(TStream* Stream) const
{
    const TFieldValue& v = Value();
    Stream->WriteBuffer(v.Bytes.data(), static_cast<int64_t>(v.Bytes.size()));
}

TField* TFields::FindField(const AnsiString& FieldName) const
{
    for (const auto& field : fields_)
        if (SameText(field->FieldName(), FieldName))
            return field.get();
    return nullptr;
}

TField* TFields::FieldByName(const AnsiString& FieldName) const
{
    TField* field = FindField(FieldName);
    if (!field)
        throw EDatabaseError("找不到字段“" + FieldName + "”。");
    return field;
}
