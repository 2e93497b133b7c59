// Property streams in the class library's binary format: a writer puts an
// object's properties into a stream as (name, typed value) pairs, a reader
// hands them back to the object by name. Collections, lists, integers,
// strings, identifiers and Booleans are the values; an object can also keep
// properties of its own making through DefineProperty.
//
// Every value starts with one TValueType byte. Integers use the smallest of
// 1, 2 or 4 bytes, little-endian; strings and identifiers carry their length
// before their bytes; a list or a collection runs until a vaNull byte.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/event.h"
#include "platform/base/object.h"

class TCollection;
class TFiler;
class TReader;
class TStream;
class TWriter;

enum TValueType : uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
};

inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SUnknownProperty = "Property %s does not exist";

using TReaderProc = TEvent<void(TReader* Reader)>;
using TWriterProc = TEvent<void(TWriter* Writer)>;

// The streamed side of a persistent object. C++ keeps no list of published
// properties, so an object that goes through the filer names its own.
class IStreamedProperties {
public:
    virtual ~IStreamedProperties() = default;
    // Writes every published property that is stored (not at its default):
    // its name (TWriter::WritePropName), then its value.
    virtual void WritePublished(TWriter* Writer) = 0;
    // Reads the value of the published property Name, matched without regard
    // to case; false, with the value left unread, when there is none.
    virtual bool ReadPublished(const AnsiString& Name, TReader* Reader) = 0;
    // Declares the properties streamed by handlers of the object's own
    // (TFiler::DefineProperty); they follow the published ones.
    virtual void DefineProperties(TFiler* /*Filer*/) {}
};

class TFiler : public TObject {
public:
    explicit TFiler(TStream* Stream) : stream_(Stream) {}

    TStream* Stream() const { return stream_; }
    // What the object being written is compared with to leave out what it
    // inherits (the ancestor of an inherited form); nullptr for none.
    TPersistent* Ancestor() const { return ancestor_; }
    void SetAncestor(TPersistent* Value) { ancestor_ = Value; }

    // A property the object streams itself: the writer writes Name and calls
    // WriteData when HasData; the reader calls ReadData when the property in
    // the stream is Name.
    virtual void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData,
                                bool HasData) = 0;

protected:
    TStream* stream_;
    TPersistent* ancestor_ = nullptr;
};

class TWriter : public TFiler {
public:
    using TFiler::TFiler;

    void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;

    void WriteValue(TValueType Value);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    // As vaInt8, vaInt16 or vaInt32, whichever is the smallest that holds it.
    void WriteInteger(int Value);
    void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
    // vaString up to 255 bytes, vaLString beyond.
    void WriteString(const AnsiString& Value);
    // "False", "True", "Null" and "nil" (in any case) become their own value
    // types; anything else is a vaIdent.
    void WriteIdent(const AnsiString& Ident);
    // Value as the identifier that the converters registered for
    // IntegerType give it, or as a number when they give none.
    void WriteIntegerConst(const AnsiString& IntegerType, int Value);
    // A length byte and the bytes, without a value type: property names.
    // Longer than 255 bytes raises EWriteError.
    void WriteStr(const AnsiString& Value);
    void WritePropName(const AnsiString& Name) { WriteStr(Name); }

    // vaCollection, then each item's properties as a list, then vaNull.
    // Items are written in full: no ancestor applies inside a collection.
    void WriteCollection(TCollection* Value);
    // The published properties of Instance, then the ones it defines.
    void WriteProperties(TPersistent* Instance);
};

class TReader : public TFiler {
public:
    using TFiler::TFiler;

    void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;

    TValueType ReadValue();
    // The type of the next value, left unread.
    TValueType NextValue();
    // True at the vaNull that ends a list; it is left unread.
    bool EndOfList() { return NextValue() == vaNull; }
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }

    // A value of the wrong type raises EReadError "Invalid property value".
    int ReadInteger();
    bool ReadBoolean();
    AnsiString ReadString();
    // vaFalse, vaTrue, vaNull and vaNil read as "False", "True", "Null", "nil".
    AnsiString ReadIdent();
    // An identifier known to the converters registered for IntegerType, or
    // a number.
    int ReadIntegerConst(const AnsiString& IntegerType);
    // A length byte and the bytes, without a value type.
    AnsiString ReadStr();

    // Replaces the items of Collection with the ones of a vaCollection value.
    void ReadCollection(TCollection* Collection);
    // One property of Instance: its name, then its value through the
    // published properties or a defined property of that name. A name the
    // object does not know raises EReadError "Property <name> does not exist"
    // after its value is skipped.
    void ReadProperty(TPersistent* Instance);
    // Steps over the next value, whatever its type.
    void SkipValue();

private:
    void CheckValue(TValueType Value);
    void SkipBytes(int64_t Count);
    // Raises EReadError unless Length bytes are left in the stream.
    void CheckLength(int64_t Length);

    AnsiString propName_;  // the property being read, until a DefineProperty of that name takes it
};

// Converters between identifiers and the values of an integer type, so that
// its properties stream as names ("ecUp") instead of numbers.
using TIdentToInt = bool (*)(const AnsiString& Ident, int& Int);
using TIntToIdent = bool (*)(int Int, AnsiString& Ident);

// Registers the converters of the integer type named IntegerType; a later
// registration of the same type replaces the earlier.
void RegisterIntegerConsts(const AnsiString& IntegerType, TIdentToInt IdentToInt, TIntToIdent IntToIdent);
// nullptr when none is registered.
TIdentToInt FindIdentToInt(const AnsiString& IntegerType);
TIntToIdent FindIntToIdent(const AnsiString& IntegerType);

// True when both collections are of one class and stream to the same bytes.
bool CollectionsEqual(TCollection* C1, TCollection* C2);
