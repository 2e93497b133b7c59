#include "platform/base/streams.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/exceptions.h"
#include "tests/support/test_data.h"

namespace {

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/tandril-streams-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string Content(TMemoryStream& stream)
{
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

template <typename E, typename F>
AnsiString MessageOf(F action)
{
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    return "no error";
}

}  // namespace

TEST(Streams, MemoryStreamGrowsSeeksAndCopies)
{
    TMemoryStream stream;
    stream.WriteBuffer("說門abc", 7);
    EXPECT_EQ(stream.Position(), 7);
    EXPECT_EQ(stream.Seek(-3, soEnd), 4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 3);  // past the end: what is there
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    EXPECT_EQ(MessageOf<EReadError>([&] { stream.ReadBuffer(buffer, 1); }), "Stream read error");

    stream.Seek(2, soCurrent);  // beyond the end: the gap reads as zeros
    stream.WriteBuffer("z", 1);
    EXPECT_EQ(Content(stream), std::string("說門abc\0\0z", 10));
    stream.SetPosition(-1);
    EXPECT_EQ(stream.Write("q", 1), 0);
    EXPECT_EQ(stream.Read(buffer, 1), 0);

    stream.SetPosition(9);
    stream.SetSize(4);
    EXPECT_EQ(stream.Position(), 4);
    stream.SetSize(6);
    EXPECT_EQ(Content(stream), std::string("說門\0\0", 6));

    TStringStream source("0123456789");
    source.SetPosition(8);
    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(&source, 0), 10);  // 0 copies all of it from its start
    EXPECT_EQ(Content(copy), "0123456789");
    source.SetPosition(7);
    EXPECT_EQ(copy.CopyFrom(&source, 3), 3);
    EXPECT_EQ(Content(copy), "0123456789789");
    EXPECT_THROW(copy.CopyFrom(&source, 1), EReadError);
    EXPECT_THROW(copy.CopyFrom(&source, -1), EReadError);

    copy.SetPosition(5);
    copy.LoadFromStream(&stream);
    EXPECT_EQ(Content(copy), Content(stream));
    TStringStream saved;
    copy.SaveToStream(&saved);
    EXPECT_EQ(saved.DataString(), Content(stream));
    copy.Clear();
    EXPECT_EQ(copy.Size(), 0);
    EXPECT_EQ(copy.Position(), 0);
}

TEST(Streams, StringStreamOverwritesInTheMiddle)
{
    TStringStream stream("中文text");
    EXPECT_EQ(stream.ReadString(2), "中");
    stream.WriteString("XY");
    EXPECT_EQ(stream.DataString(), "中XYtext");
    EXPECT_EQ(stream.ReadString(100), "text");
    stream.WriteString("!");
    EXPECT_EQ(stream.DataString(), "中XYtext!");
    EXPECT_EQ(stream.Seek(5, soEnd), 9);  // kept inside the string
    EXPECT_EQ(stream.Seek(-20, soCurrent), 0);
    stream.SetPosition(7);
    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3);
    EXPECT_EQ(stream.DataString(), "中X");
    EXPECT_EQ(stream.ReadString(1), "");
}

TEST(Streams, FileStreamRoundTripAndErrors)
{
    TempFolder folder;
    AnsiString name = folder.Path() + "/說門.bin";
    std::string utf8Name = folder.Path() + reinterpret_cast<const char*>(u8"/說門.bin");
    {
        TFileStream stream(name, fmCreate);
        stream.WriteBuffer("hello, 乗", 9);
        EXPECT_EQ(stream.Size(), 9);
        stream.SetPosition(0);
        char buffer[5];
        stream.ReadBuffer(buffer, 5);
        EXPECT_EQ(std::string(buffer, 5), "hello");
    }
    EXPECT_EQ(ReadWholeFile(utf8Name), "hello, 乗");
    struct stat info;
    ASSERT_EQ(stat(utf8Name.c_str(), &info), 0);
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);

    {
        TFileStream stream(name, fmOpenReadWrite | fmShareExclusive);
        EXPECT_EQ(stream.Seek(-2, soEnd), 7);
        stream.WriteBuffer("J!", 2);
        stream.SetPosition(1);
        stream.SetSize(3);
        EXPECT_EQ(stream.Position(), 1);
        EXPECT_EQ(stream.Seek(-1, soBeginning), -1);
    }
    EXPECT_EQ(ReadWholeFile(utf8Name), "hel");
    {
        TFileStream stream(name, fmOpenRead | fmShareDenyNone);
        char buffer[4];
        EXPECT_EQ(stream.Read(buffer, 4), 3);
        EXPECT_THROW(stream.WriteBuffer("x", 1), EWriteError);
    }
    {
        TFileStream truncated(name, fmCreate);
    }
    EXPECT_EQ(ReadWholeFile(utf8Name), "");

    TMemoryStream memory;
    memory.WriteBuffer("\0\xFF\r\n", 4);
    memory.SaveToFile(name);
    TMemoryStream loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(Content(loaded), std::string("\0\xFF\r\n", 4));

    AnsiString missing = folder.Path() + "/none/x.txt";
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream(missing, fmOpenRead); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(MessageOf<EFCreateError>([&] { TFileStream(missing, fmCreate); }),
              "Cannot create file \"" + missing + "\". No such file or directory");
    EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream(folder.Path(), fmOpenRead); }),
              "Cannot open file \"" + folder.Path() + "\". Is a directory");
}
