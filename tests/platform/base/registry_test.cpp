#include "platform/base/registry.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "tests/platform/base/temp_folder.h"

namespace {

class Registry : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        storage_ = Folder() + "config/tandril/registry.ini";
        TRegistry::SetStorageFileName(storage_);
    }
    void TearDown() override
    {
        TRegistry::SetStorageFileName("");
        TempFolderTest::TearDown();
    }
    // Forgets the tree in memory, so the next use reads the file again.
    void Reload() { TRegistry::SetStorageFileName(storage_); }

    AnsiString storage_;
};

AnsiString RegistryErrorOf(auto f)
{
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.Message();
    }
    return "";
}

}  // namespace

TEST_F(Registry, WriteCloseAndReadBackThroughTheFile)
{
    {
        TRegistry reg;
        EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
        ASSERT_TRUE(reg.OpenKey("\\Software\\Tandril\\Highlighters", true));
        EXPECT_EQ(reg.CurrentPath(), "Software\\Tandril\\Highlighters");
        reg.WriteString("Name", "say \"hi\" C:\\乗\r\n");
        reg.WriteInteger("Count", -2);
        reg.WriteBool("Enabled", true);
        reg.WriteString("", "default");
        ASSERT_TRUE(reg.OpenKey("說門\\Comment", true));  // relative; closing the last key saved it
        EXPECT_EQ(reg.CurrentPath(), "Software\\Tandril\\Highlighters\\說門\\Comment");
        reg.WriteInteger("Style", 8);
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion", true));
        reg.WriteString("CommonFilesDir", "/usr/share");
    }
    EXPECT_EQ(ReadBytes(storage_),
              "[HKEY_CURRENT_USER\\Software]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tandril]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tandril\\Highlighters]\n"
              "\"Name\"=\"say \\\"hi\\\" C:\\\\乗\\r\\n\"\n"
              "\"Count\"=dword:fffffffe\n"
              "\"Enabled\"=dword:00000001\n"
              "@=\"default\"\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tandril\\Highlighters\\說門]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tandril\\Highlighters\\說門\\Comment]\n"
              "\"Style\"=dword:00000008\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software]\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Microsoft]\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows]\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion]\n"
              "\"CommonFilesDir\"=\"/usr/share\"\n");

    Reload();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("SOFTWARE\\tandril\\HIGHLIGHTERS\\"));
    EXPECT_EQ(reg.CurrentPath(), "Software\\Tandril\\Highlighters");
    EXPECT_EQ(reg.ReadString("name"), "say \"hi\" C:\\乗\r\n");
    EXPECT_EQ(reg.ReadInteger("Count"), -2);
    EXPECT_TRUE(reg.ReadBool("Enabled"));
    EXPECT_EQ(reg.ReadString(""), "default");
    TStringList names;
    reg.GetValueNames(&names);
    EXPECT_EQ(names.Text(), "Name\r\nCount\r\nEnabled\r\n\r\n");
    reg.GetKeyNames(&names);
    EXPECT_EQ(names.Text(), "說門\r\n");

    // The attribute pattern: remember the path, open a subkey, reopen the path.
    const AnsiString path = reg.CurrentPath();
    ASSERT_TRUE(reg.OpenKeyReadOnly("說門\\comment"));
    EXPECT_EQ(reg.ReadInteger("Style"), 8);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\" + path));
    EXPECT_TRUE(reg.ValueExists("Count"));
    EXPECT_FALSE(reg.OpenKeyReadOnly("Missing"));
    EXPECT_EQ(reg.CurrentPath(), path);  // a failed open leaves the open key alone

    EXPECT_FALSE(reg.KeyExists("\\Software\\Microsoft"));  // that one is under another root
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(machine.OpenKeyReadOnly("Software\\Microsoft\\Windows\\CurrentVersion"));
    EXPECT_EQ(machine.ReadString("CommonFilesDir"), "/usr/share");
}

TEST_F(Registry, TypedValuesAndAccess)
{
    TRegistry reg;
    EXPECT_EQ(RegistryErrorOf([&] { reg.WriteString("Early", "x"); }), "Failed to set data for 'Early'");
    EXPECT_EQ(reg.ReadString("Early"), "");
    ASSERT_TRUE(reg.OpenKey("Software\\Test", true));
    reg.WriteString("Text", "12");
    reg.WriteInteger("Number", 12);
    EXPECT_EQ(RegistryErrorOf([&] { reg.ReadInteger("Text"); }), "Invalid data type for 'Text'");
    EXPECT_EQ(RegistryErrorOf([&] { reg.ReadBool("Text"); }), "Invalid data type for 'Text'");
    EXPECT_EQ(RegistryErrorOf([&] { reg.ReadString("Number"); }), "Invalid data type for 'Number'");
    EXPECT_EQ(RegistryErrorOf([&] { reg.ReadInteger("Missing"); }), "Invalid data type for 'Missing'");
    EXPECT_EQ(reg.ReadString("Missing"), "");
    reg.WriteInteger("TEXT", 5);  // a value may change its type; the name keeps its spelling
    EXPECT_EQ(reg.ReadInteger("text"), 5);
    TStringList names;
    reg.GetValueNames(&names);
    EXPECT_EQ(names.CommaText(), "Text,Number");

    EXPECT_TRUE(reg.DeleteValue("number"));
    EXPECT_FALSE(reg.DeleteValue("number"));
    EXPECT_FALSE(reg.OpenKey("Sub", false));
    EXPECT_TRUE(reg.OpenKey("Sub\\Deeper", true));
    EXPECT_TRUE(reg.KeyExists("\\Software\\Test\\Sub"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Test"));
    EXPECT_EQ(RegistryErrorOf([&] { reg.WriteInteger("Number", 1); }), "Failed to set data for 'Number'");
    EXPECT_FALSE(reg.DeleteValue("Text"));
    EXPECT_TRUE(reg.DeleteKey("SUB"));
    EXPECT_FALSE(reg.KeyExists("Sub"));
    EXPECT_FALSE(reg.DeleteKey("Sub"));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    EXPECT_THROW(reg.SetRootKey(7), ERegistryException);

    // Another object sees the same tree at once, and a key deleted under an
    // open object just reads as empty.
    TRegistry other;
    ASSERT_TRUE(other.OpenKey("\\Software\\Test", false));
    EXPECT_EQ(other.ReadInteger("Text"), 5);
    ASSERT_TRUE(reg.OpenKey("\\Software", false));
    EXPECT_TRUE(reg.DeleteKey("Test"));
    EXPECT_FALSE(other.ValueExists("Text"));
    EXPECT_EQ(RegistryErrorOf([&] { other.WriteString("X", "y"); }), "Failed to set data for 'X'");
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_EQ(ReadBytes(storage_), "[HKEY_CURRENT_USER\\Software]\n");
}

TEST_F(Registry, WhenTheFileIsWritten)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software", true));
    reg.WriteInteger("A", 1);
    EXPECT_FALSE(FileExists(storage_));  // lazily: at close
    reg.SetLazyWrite(false);
    reg.WriteInteger("B", 2);
    EXPECT_EQ(ReadBytes(storage_), "[HKEY_CURRENT_USER\\Software]\n\"A\"=dword:00000001\n\"B\"=dword:00000002\n");

    // A damaged file loses only the lines that don't parse.
    WriteBytes(storage_,
               "[HKEY_CURRENT_USER\\Software\\乗]\r\n"
               "\"Good\"=\"1\"\r\n"
               "\"Broken=\"2\"\n"
               "\"Hex\"=dword:zz\n"
               "[NOT_A_ROOT\\Key]\n"
               "\"Lost\"=\"3\"\n");
    Reload();
    TRegistry fresh;
    ASSERT_TRUE(fresh.OpenKey("Software\\乗", false));
    EXPECT_EQ(fresh.ReadString("Good"), "1");
    // Stray lead bytes (not valid GBK) must not swallow the quote or the
    // escape after them.
    const AnsiString odd = "\x81\n\x81\\\x81";
    fresh.WriteString("Odd", odd);
    fresh.CloseKey();
    Reload();
    ASSERT_TRUE(fresh.OpenKey("Software\\乗", false));
    EXPECT_EQ(fresh.ReadString("Odd"), odd);
    fresh.DeleteValue("Odd");
    TStringList names;
    fresh.GetValueNames(&names);
    EXPECT_EQ(names.Count(), 1);
    EXPECT_FALSE(fresh.KeyExists("\\Key"));
}
