#include "platform/base/strings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/support/test_data.h"

namespace {

std::vector<AnsiString> StringItems(const TStrings& list)
{
    std::vector<AnsiString> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list[i]);
    return items;
}

// The least a descendant must provide, so that the tests see the base
// class's own Put, Exchange, Move and update brackets.
class VectorStrings : public TStrings {
public:
    void Clear() override { items.clear(); }
    void Delete(int Index) override { items.erase(items.begin() + Index); }
    void Insert(int Index, const AnsiString& S) override { items.insert(items.begin() + Index, S); }

    std::vector<AnsiString> items;
    std::vector<bool> updateStates;

protected:
    AnsiString Get(int Index) const override { return items.at(Index); }
    int GetCount() const override { return static_cast<int>(items.size()); }
    void SetUpdateState(bool Updating) override { updateStates.push_back(Updating); }
};

class StringsTempFolder {
public:
    StringsTempFolder()
    {
        char pattern[] = "/tmp/tandril-strings-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~StringsTempFolder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

TEST(Strings, TextSplitsAtEveryKindOfLineBreak)
{
    TStringList list;
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(StringItems(list), (std::vector<AnsiString>{"a", "b", "c", "d"}));
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");

    list.SetText("a\r\n");
    EXPECT_EQ(StringItems(list), std::vector<AnsiString>{"a"});
    list.SetText("a\n\rb");  // LF CR is two breaks
    EXPECT_EQ(StringItems(list), (std::vector<AnsiString>{"a", "", "b"}));
    list.SetText("\r\n\r\n");
    EXPECT_EQ(StringItems(list), (std::vector<AnsiString>{"", ""}));
    list.SetText("說\r\n門乗\n\t中 ");
    EXPECT_EQ(StringItems(list), (std::vector<AnsiString>{"說", "門乗", "\t中 "}));
    list.SetText(AnsiString("x\0y\r", 4));
    EXPECT_EQ(StringItems(list), std::vector<AnsiString>{AnsiString("x\0y", 3)});
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
}

TEST(Strings, CommaTextQuotesWhatWouldNotSurviveAndReadsItBack)
{
    TStringList list;
    for (const char* s : {"a", "b c", "", "say \"hi\"", "說門", "x,y", "\t"})
        list.Add(s);
    AnsiString text = list.CommaText();
    EXPECT_EQ(text, "a,\"b c\",,\"say \"\"hi\"\"\",說門,\"x,y\",\"\t\"");
    TStringList back;
    back.SetCommaText(text);
    EXPECT_TRUE(back.Equals(&list));

    list.Clear();
    list.Add("");
    EXPECT_EQ(list.CommaText(), "\"\"");
    back.SetCommaText("\"\"");
    EXPECT_EQ(StringItems(back), std::vector<AnsiString>{""});
    list.Clear();
    EXPECT_EQ(list.CommaText(), "");
    back.SetCommaText("   ");
    EXPECT_EQ(back.Count(), 0);

    back.SetCommaText(" a b, c ,\"d e\"f,");
    EXPECT_EQ(StringItems(back), (std::vector<AnsiString>{"a", "b", "c", "d e", "f", ""}));
    back.SetCommaText(",x");
    EXPECT_EQ(StringItems(back), (std::vector<AnsiString>{"", "x"}));
    back.SetCommaText("\"open \"\"end");
    EXPECT_EQ(StringItems(back), std::vector<AnsiString>{"open \"end"});

    // 乗 ends in the byte '\\', which is not the delimiter inside the character.
    list.Delimiter = '\\';
    list.QuoteChar = '\'';
    list.StrictDelimiter = true;
    for (const char* s : {"乗", " a b", "c\\d", "it's"})
        list.Add(s);
    EXPECT_EQ(list.DelimitedText(), "乗\\ a b\\'c\\d'\\'it''s'");
    back.Delimiter = '\\';
    back.QuoteChar = '\'';
    back.StrictDelimiter = true;
    back.SetDelimitedText(list.DelimitedText());
    EXPECT_TRUE(back.Equals(&list));
    back.StrictDelimiter = false;
    back.SetDelimitedText("乗乗 x\\y");
    EXPECT_EQ(StringItems(back), (std::vector<AnsiString>{"乗乗", "x", "y"}));
    EXPECT_EQ(list.CommaText(), "乗,\" a b\",c\\d,it's");
}

TEST(Strings, NamesAndValues)
{
    TStringList list;
    list.SetText("Key=value\n說=門\nnoequals\nk2==x\n");
    EXPECT_EQ(list.Names(0), "Key");
    EXPECT_EQ(list.ValueFromIndex(0), "value");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.ValueFromIndex(2), "");
    EXPECT_EQ(list.ValueFromIndex(-1), "");
    EXPECT_EQ(list.Values("KEY"), "value");
    EXPECT_EQ(list.Values("說"), "門");
    EXPECT_EQ(list.Values("k2"), "=x");
    EXPECT_EQ(list.Values("missing"), "");
    EXPECT_EQ(list.IndexOfName("K2"), 3);
    EXPECT_EQ(list.IndexOfName("noequals"), -1);

    list.SetValues("new", "1");
    EXPECT_EQ(list[4], "new=1");
    list.SetValues("KEY", "2");
    EXPECT_EQ(list[0], "KEY=2");
    list.SetValues("key", "");
    EXPECT_EQ(list.IndexOfName("key"), -1);
    EXPECT_EQ(list.Count(), 4);

    // The separator may equal a trail byte: 乗 is 81 5C.
    list.NameValueSeparator = '\\';
    list.SetText("乗\\v");
    EXPECT_EQ(list.Names(0), "乗");
    EXPECT_EQ(list.Values("乗"), "v");
}

TEST(Strings, BaseOperationsGoThroughTheVirtualSlots)
{
    VectorStrings list;
    list.SetText("one\ntwo\nthree");
    EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false}));
    EXPECT_EQ(list.Add("Four"), 3);
    EXPECT_EQ(list.IndexOf("FOUR"), 3);
    EXPECT_EQ(list.IndexOf("five"), -1);
    TObject object;
    EXPECT_EQ(list.AddObject("five", &object), 4);
    EXPECT_EQ(list.Objects(4), nullptr);  // the base keeps no objects

    list.SetStrings(0, "ONE");
    list.Exchange(1, 2);
    list.Move(4, 0);
    EXPECT_EQ(list.items, (std::vector<AnsiString>{"five", "ONE", "three", "two", "Four"}));

    list.updateStates.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("x");
    list.EndUpdate();
    EXPECT_EQ(list.updateStates, std::vector<bool>{true});
    list.EndUpdate();
    list.EndUpdate();  // unmatched: ignored
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.updateStates, (std::vector<bool>{true, false}));

    TStringList source;
    source.SetCommaText("a,b");
    source.Delimiter = ';';
    source.SetObjects(1, &object);
    TStringList copy;
    copy.Assign(&list);
    copy.Assign(&source);
    EXPECT_TRUE(copy.Equals(&source));
    EXPECT_EQ(copy.Objects(1), &object);
    EXPECT_EQ(copy.Delimiter, ';');
    copy.Assign(&copy);
    EXPECT_EQ(copy.Count(), 2);
    copy.AddStrings(&copy);
    EXPECT_EQ(copy.CommaText(), "a,b,a,b");
    TStringList upper;
    upper.SetCommaText("A,b,a,b");
    EXPECT_FALSE(copy.Equals(&upper));
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}

TEST(Strings, LoadAndSaveThroughStreamsAndFiles)
{
    TStringStream stream("skip\r\n說\nb\r");
    stream.SetPosition(6);
    TStringList list;
    list.LoadFromStream(&stream);  // from the position on
    EXPECT_EQ(StringItems(list), (std::vector<AnsiString>{"說", "b"}));
    TStringStream out("old" + AnsiString(10, '!'));
    out.SetPosition(3);
    list.SaveToStream(&out);
    EXPECT_EQ(out.DataString(), "old說\r\nb\r\n!!!");

    StringsTempFolder folder;
    AnsiString name = folder.Path() + "/門中.txt";
    list.Add("");
    list.SaveToFile(name);
    EXPECT_EQ(ReadWholeFile(folder.Path() + reinterpret_cast<const char*>(u8"/門中.txt")), "說\r\nb\r\n\r\n");
    TStringList loaded;
    loaded.LoadFromFile(name);
    EXPECT_TRUE(loaded.Equals(&list));

    AnsiString missing = folder.Path() + "/none.txt";
    try {
        loaded.LoadFromFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_TRUE(loaded.Equals(&list));
}
