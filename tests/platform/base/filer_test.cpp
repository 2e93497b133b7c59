#include "platform/base/filer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "platform/base/code_page.h"
#include "platform/base/collection.h"
#include "platform/base/exceptions.h"
#include "platform/base/streams.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

// A name as the stream keeps it: a length byte, then the bytes.
std::string Str(const std::string& s)
{
    return static_cast<char>(s.size()) + s;
}

class TPart : public TCollectionItem, public IStreamedProperties {
public:
    using TCollectionItem::TCollectionItem;

    void WritePublished(TWriter* Writer) override
    {
        if (!Name.empty()) {
            Writer->WritePropName("Name");
            Writer->WriteString(Name);
        }
        if (Size != 0) {
            Writer->WritePropName("Size");
            Writer->WriteInteger(Size);
        }
    }

    bool ReadPublished(const AnsiString& Name, TReader* Reader) override
    {
        if (SameText(Name, "Name"))
            this->Name = Reader->ReadString();
        else if (SameText(Name, "Size"))
            Size = Reader->ReadInteger();
        else
            return false;
        return true;
    }

    AnsiString Name;
    int Size = 0;
};

class TParts : public TCollection {
public:
    TParts() : TCollection(Of<TPart>()) {}
    TPart* Add() { return static_cast<TPart*>(TCollection::Add()); }
    TPart* Items(int Index) const { return static_cast<TPart*>(GetItem(Index)); }
};

// Keeps "Notes" through a handler that takes strings only, as handlers that
// check NextValue do.
class TShelf : public TPersistent, public IStreamedProperties {
public:
    void WritePublished(TWriter* Writer) override
    {
        Writer->WritePropName("Caption");
        Writer->WriteString(Caption);
    }

    bool ReadPublished(const AnsiString& Name, TReader* Reader) override
    {
        if (!SameText(Name, "Caption"))
            return false;
        Caption = Reader->ReadString();
        return true;
    }

    void DefineProperties(TFiler* Filer) override
    {
        Filer->DefineProperty(
            "Notes",
            TReaderProc::FromCallable([this](TReader* r) {
                if (r->NextValue() == vaString)
                    Notes = r->ReadString();
            }),
            TWriterProc::FromCallable([this](TWriter* w) { w->WriteString(Notes); }), !Notes.empty());
    }

    AnsiString Caption;
    AnsiString Notes;
};

bool ColorToIdent(int Int, AnsiString& Ident)
{
    if (Int != 0xFF)
        return false;
    Ident = "clRed";
    return true;
}

bool IdentToColor(const AnsiString& Ident, int& Int)
{
    if (!SameText(Ident, "clRed"))
        return false;
    Int = 0xFF;
    return true;
}

}  // namespace

TEST(Filer, ValuesUseTheSmallestEncodingAndReadBack)
{
    TStringStream stream;
    TWriter writer(&stream);
    writer.WriteInteger(-128);
    writer.WriteInteger(128);
    writer.WriteInteger(40968);
    writer.WriteInteger(-32769);
    writer.WriteString("說門");
    writer.WriteString(std::string(256, 'x'));
    writer.WriteIdent("ecUp");
    writer.WriteIdent("true");
    writer.WriteIdent("nil");
    writer.WriteBoolean(false);
    writer.WriteListBegin();
    writer.WriteListEnd();
    const std::string& bytes = stream.DataString();
    EXPECT_EQ(bytes.substr(0, 30), Bytes({vaInt8, 0x80, vaInt16, 0x80, 0x00, vaInt32, 0x08, 0xA0, 0x00, 0x00,
                                          vaInt32, 0xFF, 0x7F, 0xFF, 0xFF, vaString, 4, 0xD5, 0x66, 0xE9, 0x54,
                                          vaLString, 0x00, 0x01, 0x00, 0x00, 'x', 'x', 'x', 'x'}));
    EXPECT_EQ(bytes.substr(282), Bytes({vaIdent, 4, 'e', 'c', 'U', 'p', vaTrue, vaNil, vaFalse, vaList, vaNull}));

    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(reader.ReadInteger(), -128);
    EXPECT_EQ(reader.ReadInteger(), 128);
    EXPECT_EQ(reader.ReadInteger(), 40968);
    EXPECT_EQ(reader.ReadInteger(), -32769);
    EXPECT_EQ(reader.ReadString(), "說門");
    EXPECT_EQ(reader.ReadString(), std::string(256, 'x'));
    EXPECT_EQ(reader.ReadIdent(), "ecUp");
    EXPECT_EQ(reader.ReadIdent(), "True");
    EXPECT_EQ(reader.NextValue(), vaNil);
    EXPECT_EQ(reader.ReadIdent(), "nil");
    EXPECT_FALSE(reader.ReadBoolean());
    reader.ReadListBegin();
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
    EXPECT_THROW(reader.ReadValue(), EReadError);

    // A value of the wrong type is refused, and a length past the end of
    // the stream is not believed.
    TStringStream wrong(Bytes({vaString, 1, 'a'}) + Bytes({vaLString, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}));
    TReader wrongReader(&wrong);
    try {
        wrongReader.ReadInteger();
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Invalid property value");
    }
    EXPECT_THROW(wrongReader.ReadString(), EReadError);
}

TEST(Filer, CollectionsStreamItemByItem)
{
    TParts parts;
    parts.Add()->Name = "中";
    TPart* second = parts.Add();
    second->Size = 300;

    TStringStream stream;
    TWriter(&stream).WriteCollection(&parts);
    const std::string& bytes = stream.DataString();
    EXPECT_EQ(bytes, Bytes({vaCollection, vaList}) + Str("Name") + Bytes({vaString, 2, 0xD6, 0xD0, vaNull, vaList}) +
                         Str("Size") + Bytes({vaInt16, 0x2C, 0x01, vaNull, vaNull}));

    // Reading replaces what the collection held.
    TParts copy;
    copy.Add()->Name = "old";
    stream.SetPosition(0);
    TReader(&stream).ReadCollection(&copy);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Items(0)->Name, "中");
    EXPECT_EQ(copy.Items(1)->Size, 300);
    EXPECT_TRUE(CollectionsEqual(&parts, &copy));
    copy.Items(0)->Size = 1;
    EXPECT_FALSE(CollectionsEqual(&parts, &copy));

    // An item may carry its order number first; it is passed over.
    TStringStream ordered(Bytes({vaCollection, vaInt8, 7, vaList}) + Str("Size") + Bytes({vaInt8, 5, vaNull, vaNull}));
    TReader(&ordered).ReadCollection(&copy);
    ASSERT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Items(0)->Size, 5);
}

TEST(Filer, DefinedPropertiesStayInStepWhateverTheirHandlerTakes)
{
    TShelf shelf;
    shelf.Caption = "說";
    shelf.Notes = "門";
    TStringStream stream;
    TWriter(&stream).WriteProperties(&shelf);
    const std::string& bytes = stream.DataString();
    EXPECT_EQ(bytes,
              Str("Caption") + Bytes({vaString, 2, 0xD5, 0x66}) + Str("Notes") + Bytes({vaString, 2, 0xE9, 0x54}));
    shelf.Notes.clear();
    TStringStream without;
    TWriter(&without).WriteProperties(&shelf);
    EXPECT_EQ(without.Size(), 1 + 7 + 4);

    // "Notes" holds a list its handler does not take; the reader steps over
    // it and the properties after it still read.
    TStringStream foreign(Str("NOTES") + Bytes({vaList, vaInt16, 1, 2, vaSet}) + Str("a") + Str("") +
                          Bytes({vaList, vaNull, vaNull}) + Str("Caption") + Bytes({vaString, 1, 'c', vaNull}));
    TShelf read;
    TReader reader(&foreign);
    while (!reader.EndOfList())
        reader.ReadProperty(&read);
    reader.ReadListEnd();
    EXPECT_EQ(read.Notes, "");
    EXPECT_EQ(read.Caption, "c");

    // Values of every kind can be stepped over, unknown properties too.
    TStringStream unknown(Str("Bogus") + Bytes({vaCollection, vaInt8, 0, vaList}) + Str("X") +
                          Bytes({vaExtended, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, vaNull, vaNull}) + Str("Bogus2") +
                          Bytes({vaWString, 1, 0, 0, 0, 'a', 0}) + Str("Bogus3") + Bytes({vaBinary, 2, 0, 0, 0, 1, 2}) +
                          Str("Caption") + Bytes({vaString, 1, 'd'}));
    TReader unknownReader(&unknown);
    for (const char* name : {"Bogus", "Bogus2", "Bogus3"}) {
        try {
            unknownReader.ReadProperty(&read);
            FAIL();
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), std::string("Property ") + name + " does not exist");
        }
    }
    unknownReader.ReadProperty(&read);
    EXPECT_EQ(read.Caption, "d");
}

TEST(Filer, IntegerConstantsStreamByIdentifier)
{
    RegisterIntegerConsts("TTestColor", IdentToColor, ColorToIdent);
    EXPECT_EQ(FindIdentToInt("ttestcolor"), &IdentToColor);
    EXPECT_EQ(FindIntToIdent("TOtherType"), nullptr);

    TStringStream stream;
    TWriter writer(&stream);
    writer.WriteIntegerConst("TTestColor", 0xFF);
    writer.WriteIntegerConst("TTestColor", 0x80);
    writer.WriteIntegerConst("TOtherType", 0xFF);
    const std::string& bytes = stream.DataString();
    EXPECT_EQ(bytes, Bytes({vaIdent, 5, 'c', 'l', 'R', 'e', 'd', vaInt16, 0x80, 0, vaInt16, 0xFF, 0}));

    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(reader.ReadIntegerConst("TTestColor"), 0xFF);
    EXPECT_EQ(reader.ReadIntegerConst("TTestColor"), 0x80);
    EXPECT_EQ(reader.ReadIntegerConst("TTestColor"), 0xFF);
    TStringStream unknown(Bytes({vaIdent, 6, 'c', 'l', 'B', 'l', 'u', 'e'}));
    EXPECT_THROW(TReader(&unknown).ReadIntegerConst("TTestColor"), EReadError);
}
