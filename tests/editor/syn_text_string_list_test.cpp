#include "editor/document/syn_text_string_list.h"

#include <gtest/gtest.h>

#include <sys/mman.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "editor/document/syn_text_file_writer.h"
#include "platform/base/streams.h"
#include "platform/base/string_list.h"
#include "tests/support/test_random.h"

namespace {

std::vector<AnsiString> LinesOf(TSynTextStringList& list)
{
    std::vector<AnsiString> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

AnsiString Saved(TSynTextStringList& list)
{
    TStringStream out;
    list.SaveToStream(&out);
    return out.DataString();
}

void Load(TSynTextStringList& list, const AnsiString& bytes)
{
    TStringStream in(bytes);
    in.SetPosition(bytes.size());  // a load reads from the start wherever the stream stands
    list.LoadFromStream(&in);
}

class TempFile {
public:
    TempFile()
        : path_(std::filesystem::temp_directory_path() /
                ("tandril_lines_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
    }
    ~TempFile() { std::filesystem::remove(path_); }
    AnsiString Name() const { return path_.string(); }
    AnsiString Bytes() const
    {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path path_;
};

// A stream whose reads fail, as a vanished network file does.
class TFailingStream : public TStringStream {
public:
    using TStringStream::TStringStream;
    int64_t Read(void*, int64_t) override { return 0; }
};

TEST(SynTextStringList, LoadFindsLineBreaksAndSavesThemBack)
{
    struct Case {
        AnsiString bytes;
        std::vector<AnsiString> lines;
        TSynTextFileFormat format;
        AnsiString saved;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}, sffDos, "a\r\nb"},
        {"a\n\n\n", {"a"}, sffUnix, "a"},
        {"a\rb", {"a", "b"}, sffMac, "a\rb"},
        {"a\r\nb\n", {"a", "b"}, sffDos, "a\r\nb"},
        {"a\n\rb", {"a", "", "b"}, sffDos, "a\r\n\r\nb"},
        {"說門", {"說門"}, sffDos, "說門"},
        {"說\n\n門\t乗\n中 \n \t\x01\n", {"說", "", "門\t乗", "中 "}, sffUnix, "說\n\n門\t乗\n中 "},
        {"這\r\r乗\\\r", {"這", "", "乗\\"}, sffMac, "這\r\r乗\\"},
        {"\n\n", {}, sffUnix, ""},
        {"", {}, sffDos, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        TSynTextStringList list;
        list.FileFormat = sffMac;
        Load(list, c.bytes);
        EXPECT_EQ(LinesOf(list), c.lines);
        EXPECT_EQ(list.FileFormat, c.format);
        EXPECT_EQ(Saved(list), c.saved);
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.GetLineState(i)->Modified, lmUnchanged);
    }

    // Without trimming, the empty line of the final break stays, as a new line.
    TSynTextStringList untrimmed;
    untrimmed.TrimTrailingBlankLines = false;
    Load(untrimmed, "a\n \n");
    EXPECT_EQ(LinesOf(untrimmed), (std::vector<AnsiString>{"a", " ", ""}));
    EXPECT_EQ(untrimmed.GetLineState(1)->Modified, lmUnchanged);
    EXPECT_EQ(untrimmed.GetLineState(2)->Modified, lmModified);
    EXPECT_EQ(Saved(untrimmed), "a\n \n");

    // Through files, byte for byte, with a line far beyond the writer's buffer.
    const AnsiString longLine(40000, 'x');
    for (const AnsiString& bytes : {"說\r\n" + longLine + "\r\n\r\n中", "a\r" + longLine + "\rb", AnsiString("門\n\n")}) {
        TempFile file;
        {
            std::ofstream(file.Name(), std::ios::binary) << bytes;
        }
        TSynTextStringList list;
        list.LoadFromFile(file.Name());
        list.SaveToFile(file.Name());
        EXPECT_EQ(file.Bytes(), bytes == "門\n\n" ? "門" : bytes);
    }
}

TEST(SynTextStringList, TextSplitsAndJoinsWithoutTrimming)
{
    TSynTextStringList list;
    list.FileFormat = sffUnix;
    list.SetText("x\r\n");
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"x", ""}));
    EXPECT_EQ(list.Text(), "x\r\n");
    EXPECT_EQ(list.FileFormat, sffUnix);
    EXPECT_EQ(list.GetLineState(0)->Modified, lmModified);

    list.SetText("說\n\r門\r乗 \n\n");
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"說", "", "門", "乗 ", "", ""}));
    EXPECT_EQ(list.Text(), "說\r\n\r\n門\r\n乗 \r\n\r\n");
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
    list.SetText("\r\n");
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"", ""}));
}

// A line longer than a column can count is refused with a reason, not kept
// with a length that reads back negative. Its bytes are address space
// reserved and never touched, so the test costs no memory.
TEST(SynTextStringList, ALineLongerThanAColumnCountsIsRefused)
{
    const size_t size = static_cast<size_t>(MaxLineLength) + 1;
    void* bytes = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(bytes, MAP_FAILED);
    try {
        TSynLineText::Make(std::string_view(static_cast<const char*>(bytes), size));
        ADD_FAILURE() << "the line was taken";
    } catch (const ESynTextStringList& e) {
        EXPECT_EQ(e.Message(), "Line too long: 2147483647 bytes, where a line holds at most 2147483646");
    }
    munmap(bytes, size);
}

namespace {

// A stream of Size bytes that reads as nothing but leaves the reader's
// buffer untouched: a large buffer then stays zero pages the scan never
// has to fault in.
class TUntouchedStream : public TStream {
public:
    explicit TUntouchedStream(int64_t Size) : size_(Size) {}
    int64_t Read(void*, int64_t Count) override
    {
        const int64_t n = std::min(Count, size_ - position_);
        position_ += n;
        return n;
    }
    int64_t Write(const void*, int64_t) override { return 0; }
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override
    {
        position_ = (Origin == soBeginning ? 0 : Origin == soCurrent ? position_ : size_) + Offset;
        return position_;
    }
    void SetSize(int64_t NewSize) override { size_ = NewSize; }

private:
    int64_t size_;
    int64_t position_ = 0;
};

}  // namespace

// A file holding a line too long to keep is refused before anything of the
// old text goes.
TEST(SynTextStringList, LoadingALineTooLongKeepsTheOldLines)
{
    TSynTextStringList list;
    list.SetText("kept\r\n\xD5\x66");
    TUntouchedStream stream(static_cast<int64_t>(MaxLineLength) + 1);
    EXPECT_THROW(list.LoadFromStream(&stream), ESynTextStringList);
    EXPECT_EQ(list.Text(), "kept\r\n\xD5\x66");
}

TEST(SynTextStringList, BadIndexesRaiseAndChangeNothing)
{
    TSynTextStringList list;
    list.SetText("a\nb\nc");
    int changes = 0;
    list.OnChange = TNotifyEvent::FromCallable([&](TObject*) { ++changes; });

    auto expectIndexError = [&](auto action, int index) {
        try {
            action();
            ADD_FAILURE() << "no error for index " << index;
        } catch (const ESynTextStringList& e) {
            EXPECT_EQ(e.Message(), "Invalid stringlist index " + std::to_string(index));
        }
        EXPECT_EQ(list.Text(), "a\r\nb\r\nc");
    };
    expectIndexError([&] { list.Delete(3); }, 3);
    expectIndexError([&] { list.Delete(-1); }, -1);
    expectIndexError([&] { list.SetStrings(-1, "z"); }, -1);
    expectIndexError([&] { list.SetStrings(4, "z"); }, 4);
    expectIndexError([&] { list.SetObjects(3, &list); }, 3);
    expectIndexError([&] { list.SetRange(-2, 5); }, -2);
    expectIndexError([&] { list.Insert(4, "z"); }, 4);
    expectIndexError([&] { list.InsertLines(-1, 2); }, -1);
    expectIndexError([&] { list.DeleteLines(3, 1); }, 3);
    expectIndexError([&] { list.Exchange(5, 7); }, 5);
    expectIndexError([&] { list.Exchange(0, 7); }, 7);
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(list.SetCapacityValue(2), EListError);

    // Reads never raise.
    EXPECT_EQ(list[-1], "");
    EXPECT_EQ(list[3], "");
    EXPECT_EQ(list.Objects(3), nullptr);
    EXPECT_EQ(list.GetRange(-1), 0);
    EXPECT_EQ(list.GetExpandedString(3), "");
    EXPECT_EQ(list.GetExpandedLength(-1), 0);
    EXPECT_EQ(list.GetLineState(3), nullptr);

    // Put at Count appends; counts of nothing do nothing; DeleteLines stops at the end.
    list.SetStrings(3, "d");
    list.InsertLines(4, 0);
    list.DeleteLines(9, 0);
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd");
    list.DeleteLines(1, 100);
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"a"}));
}

TEST(SynTextStringList, EventsFireInOrder)
{
    TSynTextStringList list;
    list.SetText("a\nb\nc");
    std::vector<AnsiString> log;
    auto notify = [&](const char* name) {
        return TNotifyEvent::FromCallable([&log, name](TObject*) { log.push_back(name); });
    };
    auto lines = [&](const char* name) {
        return TSynLinesEvent::FromCallable([&log, name](TObject*, int index, int count) {
            log.push_back(AnsiString(name) + " " + std::to_string(index) + " " + std::to_string(count));
        });
    };
    list.OnChanging = notify("Changing");
    list.OnCleared = notify("Cleared");
    list.OnBeforeInserted = lines("BeforeInserted");
    list.OnInserted = lines("Inserted");
    list.OnBeforeDeleted = lines("BeforeDeleted");
    list.OnDeleted = lines("Deleted");
    list.OnBeforePut = lines("BeforePut");
    list.OnPut = lines("Put");
    // The list is whole whenever OnChange runs.
    list.OnChange = TNotifyEvent::FromCallable([&](TObject*) {
        log.push_back("Change " + std::to_string(list.Count()) + " " + list.Text());
    });
    auto take = [&] { return std::exchange(log, {}); };
    using Log = std::vector<AnsiString>;

    list.Insert(1, "x");
    EXPECT_EQ(take(), (Log{"Changing", "BeforeInserted 1 1", "Inserted 1 1", "Change 4 a\r\nx\r\nb\r\nc"}));
    list.SetStrings(0, "y");
    EXPECT_EQ(take(), (Log{"BeforePut 0 1", "Changing", "Put 0 1", "Change 4 y\r\nx\r\nb\r\nc"}));
    list.Delete(3);
    EXPECT_EQ(take(), (Log{"Changing", "BeforeDeleted 3 1", "Deleted 3 1", "Change 3 y\r\nx\r\nb"}));
    list.InsertLines(3, 2);
    EXPECT_EQ(take(), (Log{"Changing", "BeforeInserted 3 2", "Inserted 3 2", "Change 5 y\r\nx\r\nb\r\n\r\n"}));
    list.DeleteLines(1, 2);
    EXPECT_EQ(take(), (Log{"BeforeDeleted 1 2", "Changing", "Change 3 y\r\n\r\n", "Deleted 1 2"}));
    TStringList other;
    other.Add("p");
    other.Add("q");
    list.AddStrings(&other);
    EXPECT_EQ(take(), (Log{"Changing", "Inserted 3 2", "Change 5 y\r\n\r\n\r\np\r\nq"}));
    list.SetRange(0, 7);
    list.SetObjects(0, &other);
    list.Exchange(0, 1);
    EXPECT_EQ(take(), (Log{"Changing", "Change 5 y\r\n\r\n\r\np\r\nq", "Changing", "Change 5 y\r\n\r\n\r\np\r\nq"}));

    // Inside an outer update only the outermost bracket reports.
    list.BeginUpdate();
    list.Add("r");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(take(), (Log{"Changing", "BeforeInserted 5 1", "Inserted 5 1", "BeforeDeleted 0 1", "Deleted 0 1",
                           "Change 5 y\r\n\r\np\r\nq\r\nr"}));

    Load(list, "a\nb\n");
    EXPECT_EQ(take(), (Log{"Changing", "Cleared", "BeforeInserted 0 1", "Inserted 0 1", "BeforeInserted 1 1",
                           "Inserted 1 1", "BeforeInserted 2 1", "Inserted 2 1", "BeforeDeleted 2 1", "Deleted 2 1",
                           "Change 2 a\r\nb"}));
    list.Clear();
    list.Clear();
    EXPECT_EQ(take(), (Log{"Changing", "Cleared", "Change 0 "}));

    // Lines put as a block are told once, as a block; a block reaching
    // past the end raises before anything changes.
    list.SetText("a\nb\nc");
    take();
    const std::array<std::string_view, 2> block{"m", "n"};
    list.PutLines(1, block);
    EXPECT_EQ(take(), (Log{"BeforePut 1 2", "Changing", "Put 1 2", "Change 3 a\r\nm\r\nn"}));
    EXPECT_THROW(list.PutLines(2, block), ESynTextStringList);
    EXPECT_TRUE(take().empty());

    // A failing read raises, keeps the lines and closes the update.
    list.SetText("keep");
    take();
    TFailingStream broken("new text");
    EXPECT_THROW(list.LoadFromStream(&broken), EReadError);
    EXPECT_EQ(take(), (Log{"Changing", "Change 1 keep"}));
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_THROW(list.LoadFromFile("/nonexistent/tandril.txt"), EFOpenError);
    EXPECT_EQ(list.Text(), "keep");

    {
        TSynTextStringList dying;
        dying.Add("a");
        dying.OnChange = notify("Change");
        dying.OnChanging = notify("Changing");
        dying.OnCleared = notify("Cleared");
        dying.OnDeleted = lines("Deleted");
    }
    EXPECT_TRUE(log.empty());
}

TEST(SynTextStringList, RecordsKeepTheirFieldsAndCapacityGrows)
{
    TSynTextStringList list;
    for (int i = 0; i < 17; ++i)
        list.Add("line");
    EXPECT_EQ(list.Capacity(), 32);
    while (list.Count() < 65)
        list.Add("line");
    EXPECT_EQ(list.Capacity(), 80);
    while (list.Count() < 81)
        list.Add("line");
    EXPECT_EQ(list.Capacity(), 100);
    list.InsertLines(0, 30);
    EXPECT_EQ(list.Capacity(), 111);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);

    list.SetText("a\nb");
    EXPECT_EQ(list.GetRange(1), -1);
    EXPECT_EQ(list.GetLineState(1)->Foreground, 0x1FFFFFFF);
    EXPECT_EQ(list.GetLineState(1)->Background, 0x1FFFFFFF);
    EXPECT_EQ(list.GetLineState(1)->ColorFlags, 0);
    list.SetRange(0, 42);
    list.SetObjects(0, &list);
    *list.GetLineState(0) = {0x0000FF, 0x00FF00, lcBackground | lcForeground, lmSaved};
    list.SetStrings(0, "說");
    EXPECT_EQ(list.GetRange(0), 42);
    EXPECT_EQ(list.Objects(0), &list);
    EXPECT_EQ(list.GetLineState(0)->Background, 0x00FF00);
    EXPECT_EQ(list.GetLineState(0)->Modified, lmModified);
    list.GetLineState(0)->Modified = lmSaved;

    list.Exchange(0, 1);
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"b", "說"}));
    EXPECT_EQ(list.GetRange(1), 42);
    EXPECT_EQ(list.Objects(1), &list);
    EXPECT_EQ(list.GetLineState(1)->Foreground, 0x0000FF);

    // Copies keep the states of a line list, objects of any list, never ranges.
    TSynTextStringList copy;
    copy.AddStrings(&list);
    copy.AddStrings(&copy);
    EXPECT_EQ(LinesOf(copy), (std::vector<AnsiString>{"b", "說", "b", "說"}));
    EXPECT_EQ(copy.Capacity(), 16);
    EXPECT_EQ(copy.GetRange(3), -1);
    EXPECT_EQ(copy.Objects(3), &list);
    EXPECT_EQ(copy.GetLineState(3)->Modified, lmSaved);
    EXPECT_EQ(copy.GetLineState(3)->ColorFlags, lcBackground | lcForeground);
    TStringList plain;
    plain.AddObject("中", &plain);
    copy.AddStrings(&plain);
    EXPECT_EQ(copy.Objects(4), &plain);
    EXPECT_EQ(copy.GetLineState(4)->Modified, lmModified);
}

// Lines inserted, deleted, put and exchanged at random places, singly and in
// runs, interleaved with appends, copies, capacity changes and runs put
// into one block: every line keeps its text and fields in order.
TEST(SynTextStringList, RandomEditsKeepEveryLineInOrder)
{
    struct TLine {
        AnsiString Text;
        intptr_t Range;
    };
    TRandom random(3);
    const char* const texts[] = {"說", "門中", "", "a", "\tb", "line"};
    TSynTextStringList list;
    std::vector<TLine> model;
    auto text = [&] { return AnsiString(random.Pick(texts)) + std::to_string(random.Below(1000)); };
    for (int step = 0; step < 3000; ++step) {
        const int count = static_cast<int>(model.size());
        const int index = random.Between(0, count);
        switch (random.Below(count == 0 ? 2 : 10)) {
        case 0: {
            const AnsiString line = text();
            list.Insert(index, line);
            model.insert(model.begin() + index, {line, -1});
            break;
        }
        case 1: {
            const int lines = random.Between(1, 40);
            list.InsertLines(index, lines);
            model.insert(model.begin() + index, lines, {"", -1});
            break;
        }
        case 2:
            if (index < count) {
                list.Delete(index);
                model.erase(model.begin() + index);
            }
            break;
        case 3:
            if (index < count) {
                const int lines = random.Between(1, 40);
                list.DeleteLines(index, lines);
                model.erase(model.begin() + index, model.begin() + std::min(index + lines, count));
            }
            break;
        case 4:
            if (index < count) {
                const AnsiString line = text();
                list.SetStrings(index, line);
                model[index].Text = line;
            }
            break;
        case 5:
            if (index < count) {
                list.SetRange(index, step);
                model[index].Range = step;
            }
            break;
        case 6:
            if (index < count) {
                const int other = random.Below(count);
                list.Exchange(index, other);
                std::swap(model[index], model[other]);
            }
            break;
        case 7: {
            const AnsiString line = text();
            list.Add(line);
            model.push_back({line, -1});
            break;
        }
        case 8:
            // A run of lines put into one block, which may run out on the
            // way; lines of earlier blocks are put, deleted and freed
            // among the others.
            if (index < count) {
                const TSynBulkPut bulk(list, static_cast<size_t>(random.Below(200)));
                const int end = std::min(index + random.Between(1, 30), count);
                for (int i = index; i < end; ++i) {
                    const AnsiString line = text();
                    list.SetStrings(i, line);
                    model[i].Text = line;
                }
            }
            break;
        default:
            if (random.Chance(30)) {
                list.SetCapacityValue(count + random.Below(20));
            } else if (random.Chance(50)) {
                list.MoveGapToward(random.Between(-5, count + 5), random.Between(1, 60));
            } else {
                TStringList more;
                more.Add(text());
                list.AddStrings(&more);
                model.push_back({more[0], -1});
            }
            break;
        }
        ASSERT_EQ(list.Count(), static_cast<int>(model.size())) << step;
        for (int i = 0; i < list.Count(); ++i) {
            ASSERT_EQ(list[i], model[i].Text) << step << " line " << i;
            ASSERT_EQ(list.GetRange(i), model[i].Range) << step << " line " << i;
        }
    }
    AnsiString joined;
    for (size_t i = 0; i < model.size(); ++i)
        joined += (i ? "\r\n" : "") + model[i].Text;
    EXPECT_EQ(list.Text(), joined);
}

TEST(SynTextStringList, ExpandedLengthsAndTheLongestLine)
{
    TSynTextStringList list;
    list.SetText("abc\nabcdefgh\nab\tc\n說\t門");
    EXPECT_EQ(list.GetExpandedString(2), "ab" + AnsiString(6, '\t') + "c");
    EXPECT_EQ(list.GetExpandedLength(3), 10);
    EXPECT_EQ(list.GetLongestLineLength(), 10);

    // Shrinking the longest line makes the next scan find the new one.
    list.SetStrings(3, "a");
    EXPECT_EQ(list.GetLongestLineLength(), 9);
    list.SetStrings(2, "");
    EXPECT_EQ(list.GetLongestLineLength(), 8);
    list.Exchange(1, 0);
    list.SetStrings(1, "abcdefghij");
    EXPECT_EQ(list.GetLongestLineLength(), 10);

    list.SetText("\t說\nabcdef");
    EXPECT_EQ(list.GetLongestLineLength(), 10);
    list.SetTabWidth(4);
    EXPECT_EQ(list.GetExpandedLength(0), 6);
    EXPECT_EQ(list.GetExpandedString(0), "\t\t\t\t說");
    EXPECT_EQ(list.GetExpandedString(1), "abcdef");
    EXPECT_EQ(list.GetLongestLineLength(), 6);
    list.SetTabWidth(1);
    EXPECT_EQ(list.GetExpandedString(0), " 說");
    EXPECT_EQ(list.GetLongestLineLength(), 6);
    EXPECT_EQ(list.TabWidth(), 1);

    list.SetText("\n");
    EXPECT_EQ(list.GetLongestLineLength(), 0);
}

TEST(SynTextFileWriter, BuffersLinesOfAnyLength)
{
    TempFile file;
    const AnsiString big(20000, 'x');
    AnsiString expected;
    {
        std::ofstream(file.Name()) << "old content that must go";
        TSynTextFileWriter writer(file.Name());
        EXPECT_EQ(writer.FileFormat, sffUnix);
        writer.WriteLine("說");
        expected += "說\n";
        writer.FileFormat = sffDos;
        for (int i = 0; i < 1000; ++i) {
            writer.WriteLine("line " + std::to_string(i));
            expected += "line " + std::to_string(i) + "\r\n";
        }
        writer.WriteLine(big);
        writer.Write(big + "y");
        writer.FileFormat = sffMac;
        writer.WriteLine("");
        writer.Write("門");
        expected += big + "\r\n" + big + "y\r門";
    }
    EXPECT_EQ(file.Bytes(), expected);

    TSynTextStringList list;
    list.Add("a");
    list.Add(big);
    list.Add("");
    list.FileFormat = sffMac;
    list.SaveToFile(file.Name());
    EXPECT_EQ(file.Bytes(), "a\r" + big + "\r");
    list.Clear();
    list.SaveToFile(file.Name());
    EXPECT_EQ(file.Bytes(), "");
}

}  // namespace
