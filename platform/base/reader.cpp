#include "platform/base/filer.h"

#include <cstdint>

#include "platform/base/code_page.h"
#include "platform/base/collection.h"
#include "platform/base/exceptions.h"
#include "platform/base/format.h"
#include "platform/base/streams.h"

namespace {

[[noreturn]] void PropValueError()
{
    throw EReadError(SInvalidPropertyValue);
}

// Size bytes, little-endian, sign-extended from their width.
int32_t ReadLittleEndian(TStream* stream, int size)
{
    unsigned char bytes[4];
    stream->ReadBuffer(bytes, size);
    uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= uint32_t{bytes[i]} << (8 * i);
    int shift = 32 - 8 * size;
    return static_cast<int32_t>(value << shift) >> shift;
}

}  // namespace

void TReader::DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc /*WriteData*/, bool /*HasData*/)
{
    if (propName_.empty() || !ReadData || !SameText(Name, propName_))
        return;
    // Cleared first: ReadData may read properties of other objects.
    propName_.clear();
    int64_t start = stream_->Position();
    ReadData(this);
    // A handler that declined the value (it may only take one kind of value)
    // would leave the reader in the middle of the property.
    if (stream_->Position() == start)
        SkipValue();
}

TValueType TReader::ReadValue()
{
    TValueType value;
    stream_->ReadBuffer(&value, 1);
    return value;
}

TValueType TReader::NextValue()
{
    TValueType value = ReadValue();
    stream_->Seek(-1, soCurrent);
    return value;
}

void TReader::CheckValue(TValueType Value)
{
    if (ReadValue() != Value) {
        stream_->Seek(-1, soCurrent);
        SkipValue();
        PropValueError();
    }
}

int TReader::ReadInteger()
{
    switch (ReadValue()) {
    case vaInt8:
        return ReadLittleEndian(stream_, 1);
    case vaInt16:
        return ReadLittleEndian(stream_, 2);
    case vaInt32:
        return ReadLittleEndian(stream_, 4);
    default:
        PropValueError();
    }
}

bool TReader::ReadBoolean()
{
    switch (ReadValue()) {
    case vaTrue:
        return true;
    case vaFalse:
        return false;
    default:
        PropValueError();
    }
}

AnsiString TReader::ReadString()
{
    int64_t length;
    switch (ReadValue()) {
    case vaString:
        length = static_cast<uint8_t>(ReadLittleEndian(stream_, 1));
        break;
    case vaLString:
        length = ReadLittleEndian(stream_, 4);
        break;
    default:
        PropValueError();
    }
    CheckLength(length);
    AnsiString s(static_cast<size_t>(length), '\0');
    stream_->ReadBuffer(s.data(), length);
    return s;
}

AnsiString TReader::ReadIdent()
{
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNull:
        return "Null";
    case vaNil:
        return "nil";
    default:
        PropValueError();
    }
}

int TReader::ReadIntegerConst(const AnsiString& IntegerType)
{
    if (NextValue() != vaIdent)
        return ReadInteger();
    AnsiString ident = ReadIdent();
    int value = 0;
    TIdentToInt toInt = FindIdentToInt(IntegerType);
    if (!toInt || !toInt(ident, value))
        PropValueError();
    return value;
}

AnsiString TReader::ReadStr()
{
    uint8_t length;
    stream_->ReadBuffer(&length, 1);
    AnsiString s(length, '\0');
    stream_->ReadBuffer(s.data(), length);
    return s;
}

void TReader::ReadCollection(TCollection* Collection)
{
    CheckValue(vaCollection);
    Collection->BeginUpdate();
    try {
        Collection->Clear();
        while (!EndOfList()) {
            // An item may be preceded by its order number, which is not kept.
            TValueType next = NextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                ReadInteger();
            TCollectionItem* item = Collection->Add();
            ReadListBegin();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        Collection->EndUpdate();
        throw;
    }
    Collection->EndUpdate();
}

void TReader::ReadProperty(TPersistent* Instance)
{
    AnsiString name = ReadStr();
    auto* streamed = dynamic_cast<IStreamedProperties*>(Instance);
    if (streamed && streamed->ReadPublished(name, this))
        return;
    propName_ = name;
    if (streamed)
        streamed->DefineProperties(this);
    if (!propName_.empty()) {
        propName_.clear();
        SkipValue();
        throw EReadError(Format(SUnknownProperty, {name}));
    }
}

void TReader::SkipValue()
{
    switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        return;
    case vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        return;
    case vaInt8:
        SkipBytes(1);
        return;
    case vaInt16:
        SkipBytes(2);
        return;
    case vaInt32:
    case vaSingle:
        SkipBytes(4);
        return;
    case vaExtended:
        SkipBytes(10);
        return;
    case vaCurrency:
    case vaDate:
    case vaInt64:
        SkipBytes(8);
        return;
    case vaString:
    case vaIdent:
        SkipBytes(static_cast<uint8_t>(ReadLittleEndian(stream_, 1)));
        return;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        SkipBytes(ReadLittleEndian(stream_, 4));
        return;
    case vaWString:
        SkipBytes(int64_t{ReadLittleEndian(stream_, 4)} * 2);
        return;
    case vaSet:
        while (!ReadStr().empty()) {
        }
        return;
    case vaCollection:
        while (!EndOfList()) {
            TValueType next = NextValue();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                SkipValue();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        return;
    }
    PropValueError();
}

void TReader::SkipBytes(int64_t Count)
{
    CheckLength(Count);
    stream_->Seek(Count, soCurrent);
}

void TReader::CheckLength(int64_t Length)
{
    if (Length < 0 || Length > stream_->Size() - stream_->Position())
        throw EReadError("Stream read error");
}
