#include "platform/base/filer.h"

#include <cstdint>

#include "platform/base/code_page.h"
#include "platform/base/collection.h"
#include "platform/base/exceptions.h"
#include "platform/base/streams.h"

namespace {

void WriteLittleEndian(TStream* stream, uint32_t value, int size)
{
    unsigned char bytes[4];
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    stream->WriteBuffer(bytes, size);
}

}  // namespace

void TWriter::DefineProperty(const AnsiString& Name, TReaderProc /*ReadData*/, TWriterProc WriteData, bool HasData)
{
    if (HasData && WriteData) {
        WritePropName(Name);
        WriteData(this);
    }
}

void TWriter::WriteValue(TValueType Value)
{
    stream_->WriteBuffer(&Value, 1);
}

void TWriter::WriteInteger(int Value)
{
    if (Value >= INT8_MIN && Value <= INT8_MAX) {
        WriteValue(vaInt8);
        WriteLittleEndian(stream_, static_cast<uint32_t>(Value), 1);
    } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
        WriteValue(vaInt16);
        WriteLittleEndian(stream_, static_cast<uint32_t>(Value), 2);
    } else {
        WriteValue(vaInt32);
        WriteLittleEndian(stream_, static_cast<uint32_t>(Value), 4);
    }
}

void TWriter::WriteString(const AnsiString& Value)
{
    if (Value.size() <= 255) {
        WriteValue(vaString);
        WriteLittleEndian(stream_, static_cast<uint32_t>(Value.size()), 1);
    } else {
        WriteValue(vaLString);
        WriteLittleEndian(stream_, static_cast<uint32_t>(Value.size()), 4);
    }
    stream_->WriteBuffer(Value.data(), static_cast<int64_t>(Value.size()));
}

void TWriter::WriteIdent(const AnsiString& Ident)
{
    if (SameText(Ident, "False"))
        WriteValue(vaFalse);
    else if (SameText(Ident, "True"))
        WriteValue(vaTrue);
    else if (SameText(Ident, "Null"))
        WriteValue(vaNull);
    else if (SameText(Ident, "nil"))
        WriteValue(vaNil);
    else {
        WriteValue(vaIdent);
        WriteStr(Ident);
    }
}

void TWriter::WriteIntegerConst(const AnsiString& IntegerType, int Value)
{
    AnsiString ident;
    TIntToIdent toIdent = FindIntToIdent(IntegerType);
    if (toIdent && toIdent(Value, ident))
        WriteIdent(ident);
    else
        WriteInteger(Value);
}

void TWriter::WriteStr(const AnsiString& Value)
{
    // A cut name would read back as another property.
    if (Value.size() > 255)
        throw EWriteError("Stream write error");
    WriteLittleEndian(stream_, static_cast<uint32_t>(Value.size()), 1);
    stream_->WriteBuffer(Value.data(), static_cast<int64_t>(Value.size()));
}

void TWriter::WriteCollection(TCollection* Value)
{
    struct TAncestorSaver {
        TWriter* writer;
        TPersistent* saved;
        ~TAncestorSaver() { writer->ancestor_ = saved; }
    } saver{this, ancestor_};
    ancestor_ = nullptr;
    WriteValue(vaCollection);
    if (Value) {
        for (int i = 0; i < Value->Count(); ++i) {
            WriteListBegin();
            WriteProperties(Value->Items(i));
            WriteListEnd();
        }
    }
    WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance)
{
    auto* streamed = dynamic_cast<IStreamedProperties*>(Instance);
    if (!streamed)
        return;
    streamed->WritePublished(this);
    streamed->DefineProperties(this);
}
