#include "editor/syn_text_keystroke_streaming.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "editor/syn_text_keystrokes.h"
#include "platform/base/code_page.h"
#include "platform/base/component.h"
#include "platform/base/streams.h"

namespace {

// The least an editor does to keep its bindings with a form.
class TKeyOwner : public TComponent, public IStreamedProperties {
public:
    TKeyOwner() : TComponent(nullptr), Keystrokes(this) { Keystrokes.ResetToDefaults(); }

    void WritePublished(TWriter* Writer) override
    {
        if (Caption.empty())
            return;
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
        auto* ancestor = dynamic_cast<TKeyOwner*>(Filer->Ancestor());
        DefineKeystrokeProperties(Filer, &Keystrokes, ancestor ? &ancestor->Keystrokes : nullptr);
    }

    TSynTextKeyStrokes Keystrokes;
    AnsiString Caption;
};

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string Str(const std::string& s)
{
    return static_cast<char>(s.size()) + s;
}

std::string Write(TKeyOwner& owner, TKeyOwner* ancestor = nullptr)
{
    TStringStream stream;
    TWriter writer(&stream);
    writer.SetAncestor(ancestor);
    writer.WriteProperties(&owner);
    writer.WriteListEnd();
    return stream.DataString();
}

void Read(TKeyOwner& owner, const std::string& bytes)
{
    TStringStream stream(bytes);
    TReader reader(&stream);
    while (!reader.EndOfList())
        reader.ReadProperty(&owner);
    reader.ReadListEnd();
}

}  // namespace

TEST(SynTextKeystrokeStreaming, BindingsStreamAsDifferencesFromTheDefaults)
{
    TKeyOwner owner;
    EXPECT_EQ(Write(owner), Bytes({vaNull}));

    // Ctrl+Y no longer deletes the line; Ctrl+Q Ctrl+X runs a host command.
    owner.Keystrokes.Delete(owner.Keystrokes.FindShortCutPair(ShortCut('Y', {ssCtrl}), 0));
    TSynTextKeyStroke* added = owner.Keystrokes.Add();
    added->SetShortCut2(ShortCut('X', {ssCtrl}));
    added->SetShortCut(ShortCut('Q', {ssCtrl}));
    added->Command = ecUserFirst + 1;
    std::string bytes = Write(owner);
    EXPECT_EQ(bytes, Str("RemovedKeystrokes") + Bytes({vaCollection, vaList}) + Str("Command") + Bytes({vaIdent}) +
                         Str("ecDeleteLine") + Str("ShortCut") + Bytes({vaInt16, 0x59, 0x40, vaNull, vaNull}) +
                         Str("AddedKeystrokes") + Bytes({vaCollection, vaList}) + Str("Command") +
                         Bytes({vaInt16, 0xEA, 0x03}) + Str("ShortCut") + Bytes({vaInt16, 0x51, 0x40}) +
                         Str("ShortCut2") + Bytes({vaInt16, 0x58, 0x40, vaNull, vaNull, vaNull}));

    TKeyOwner loaded;
    Read(loaded, bytes);
    EXPECT_TRUE(CollectionsEqual(&loaded.Keystrokes, &owner.Keystrokes));

    // Against an ancestor with the same bindings there is nothing to keep.
    TKeyOwner ancestor;
    ancestor.Keystrokes.Assign(&owner.Keystrokes);
    EXPECT_EQ(Write(owner, &ancestor), Bytes({vaNull}));

    // A key bound to another command is one binding removed and one added.
    TKeyOwner rebound;
    rebound.Keystrokes.Items(46)->Command = ecUserFirst;
    bytes = Write(rebound);
    EXPECT_NE(bytes.find(Str("ecCopy")), std::string::npos);
    EXPECT_NE(bytes.find(Str("ecUserFirst")), std::string::npos);
    TKeyOwner reloaded;
    Read(reloaded, bytes);
    EXPECT_EQ(reloaded.Keystrokes.Count(), 82);
    EXPECT_EQ(reloaded.Keystrokes.Items(reloaded.Keystrokes.FindKey('C', {ssCtrl}))->Command, ecUserFirst);
}

TEST(SynTextKeystrokeStreaming, AValueTheReaderDeclinesIsSkipped)
{
    // "RemovedKeystrokes" holds a string, not a collection: nothing is
    // removed, and what follows still reads.
    TKeyOwner owner;
    Read(owner, Str("RemovedKeystrokes") + Bytes({vaString, 2, 0xDF, 0x40}) + Str("AddedKeystrokes") +
                    Bytes({vaCollection, vaList}) + Str("Command") + Bytes({vaIdent}) + Str("ecUndo") +
                    Str("ShortCut") + Bytes({vaInt8, 0x71, vaNull, vaNull}) + Str("Caption") +
                    Bytes({vaString, 2, 0xD6, 0xD0, vaNull}));
    EXPECT_EQ(owner.Keystrokes.Count(), 83);
    EXPECT_EQ(owner.Keystrokes.Items(82)->DisplayName(), "ecUndo - F2 ");
    EXPECT_EQ(owner.Caption, "中");

    TKeyOwner other;
    Read(other,
         Str("AddedKeystrokes") + Bytes({vaInt32, 1, 2, 3, 4}) + Str("Caption") + Bytes({vaString, 1, 'x', vaNull}));
    EXPECT_EQ(other.Keystrokes.Count(), 82);
    EXPECT_EQ(other.Caption, "x");
}
