#include "platform/base/ini_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "tests/platform/base/temp_folder.h"

namespace {

using IniFiles = TempFolderTest;

AnsiString Lines(void (TMemIniFile::*read)(const AnsiString&, TStrings*) const, const TMemIniFile& ini,
                 const AnsiString& section)
{
    TStringList list;
    (ini.*read)(section, &list);
    return list.Text();
}

}  // namespace

TEST_F(IniFiles, WriteSaveAndReadBack)
{
    const AnsiString name = Folder() + "EditorOptions.ini";
    {
        TMemIniFile ini(name);
        ini.WriteString("Editor Store", "Font", "宋体,-12,B,0,clWindowText,134");
        ini.WriteInteger("Editor Store", "TabWidth", 4);
        ini.WriteBool("Editor Store", "WantTabs", true);
        ini.WriteBool("Editor Store", "AutoIndent", false);
        ini.WriteFloat("Editor Store", "Zoom", 1.25);
        ini.WriteString("History", "LastDataBase", "/home/說門/筆記.vek");
        ini.WriteString("editor store", "TABWIDTH", "8");  // same section and key
        EXPECT_FALSE(FileExists(name));  // nothing reaches the disk before UpdateFile
        ini.UpdateFile();
    }
    EXPECT_EQ(ReadBytes(name),
              "[Editor Store]\n"
              "Font=宋体,-12,B,0,clWindowText,134\n"
              "TabWidth=8\n"
              "WantTabs=1\n"
              "AutoIndent=0\n"
              "Zoom=1.25\n"
              "\n"
              "[History]\n"
              "LastDataBase=/home/說門/筆記.vek\n");

    TMemIniFile ini(name);
    EXPECT_EQ(ini.FileName(), name);
    EXPECT_EQ(ini.ReadString("EDITOR STORE", "font", ""), "宋体,-12,B,0,clWindowText,134");
    EXPECT_EQ(ini.ReadInteger("Editor Store", "TabWidth", 0), 8);
    EXPECT_TRUE(ini.ReadBool("Editor Store", "WantTabs", false));
    EXPECT_FALSE(ini.ReadBool("Editor Store", "AutoIndent", true));
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Editor Store", "Zoom", 0), 1.25);
    EXPECT_EQ(ini.ReadString("History", "LastDataBase", ""), "/home/說門/筆記.vek");
    EXPECT_EQ(ini.ReadString("History", "Missing", "默認"), "默認");
    EXPECT_EQ(ini.ReadString("Nowhere", "Font", "d"), "d");
    EXPECT_EQ(Lines(&TMemIniFile::ReadSection, ini, "editor store"),
              "Font\r\nTabWidth\r\nWantTabs\r\nAutoIndent\r\nZoom\r\n");
    EXPECT_EQ(Lines(&TMemIniFile::ReadSectionValues, ini, "History"), "LastDataBase=/home/說門/筆記.vek\r\n");
    TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.Text(), "Editor Store\r\nHistory\r\n");
}

TEST_F(IniFiles, ParsingTypedValuesAndEditing)
{
    const AnsiString name = Folder() + "skin.ini";
    WriteBytes(name,
               "stray=before any section\n"
               "; a comment\n"
               "[ Colors ]\r\n"
               "  Back  =  $1F  \n"
               "Fore=0x1f\r"
               "Bad=12abc\n"
               "\n"
               "Flag=2\n"
               "Neg=-7\n"
               "Empty=\n"
               "[說門]\n"
               "乗=值\\\n"
               "[CodeTemplate]\n"
               "ifb\n"
               "|if block\n"
               "=if (|) {\n"
               "=    body;\n"
               "[colors]\n"
               "Late=1\n");
    TMemIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("Colors", "Back", 0), 31);
    EXPECT_EQ(ini.ReadInteger("Colors", "Fore", 0), 31);
    EXPECT_EQ(ini.ReadInteger("Colors", "Bad", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Colors", "Neg", 0), -7);
    EXPECT_TRUE(ini.ReadBool("Colors", "Flag", false));
    EXPECT_TRUE(ini.ReadBool("Colors", "Bad", true));
    EXPECT_FALSE(ini.ReadBool("Colors", "Bad", false));
    EXPECT_EQ(ini.ReadString("Colors", "Empty", "d"), "");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("Colors", "Bad", 2.5), 2.5);
    EXPECT_EQ(ini.ReadString("Colors", "Late", ""), "1");  // a repeated header joins the first
    EXPECT_EQ(ini.ReadString("說門", "乗", ""), "值\\");
    EXPECT_EQ(ini.ReadString("", "stray", "none"), "none");
    // Lines without a key come back verbatim, indentation and all.
    EXPECT_EQ(Lines(&TMemIniFile::ReadSectionValues, ini, "CodeTemplate"),
              "ifb\r\n|if block\r\n=if (|) {\r\n=    body;\r\n");
    EXPECT_EQ(Lines(&TMemIniFile::ReadSection, ini, "CodeTemplate"), "");
    EXPECT_TRUE(ini.SectionExists("codetemplate"));
    EXPECT_TRUE(ini.ValueExists("COLORS", "empty"));
    EXPECT_FALSE(ini.ValueExists("Colors", "Missing"));

    ini.DeleteKey("Colors", "BACK");
    EXPECT_FALSE(ini.ValueExists("Colors", "Back"));
    ini.EraseSection("說門");
    EXPECT_FALSE(ini.SectionExists("說門"));
    ini.EraseSection("CodeTemplate");
    ini.EraseSection("Colors");
    ini.WriteString("New", "K", "v");
    TStringList lines;
    ini.GetStrings(&lines);
    EXPECT_EQ(lines.Text(), "[New]\r\nK=v\r\n");

    lines.SetText("[A]\nx=1\n[B]\ny = 2\n");
    ini.SetStrings(&lines);
    EXPECT_EQ(ini.ReadString("b", "Y", ""), "2");
    EXPECT_FALSE(ini.SectionExists("New"));
    ini.Clear();
    TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.Count(), 0);
}

TEST_F(IniFiles, WhenFilesAreWritten)
{
    // A missing file reads as empty, and nothing creates its folder.
    const AnsiString lost = Folder() + "missing/x.ini";
    {
        TIniFile ini(lost);
        EXPECT_FALSE(ini.SectionExists("History"));
    }
    EXPECT_FALSE(DirectoryExists(Folder() + "missing"));
    TMemIniFile mem(lost);
    mem.WriteString("a", "b", "c");
    EXPECT_THROW(mem.UpdateFile(), EFCreateError);

    // TIniFile saves itself when destroyed, but only after a change.
    const AnsiString name = Folder() + "Tandril.ini";
    {
        TIniFile ini(name);
        ini.WriteString("History", "LastDataBase", "/a.vek");
    }
    EXPECT_EQ(ReadBytes(name), "[History]\nLastDataBase=/a.vek\n");
    WriteBytes(name, "[History]\nLastDataBase = /b.vek\n");
    {
        TIniFile ini(name);
        EXPECT_EQ(ini.ReadString("History", "LastDataBase", ""), "/b.vek");
    }
    EXPECT_EQ(ReadBytes(name), "[History]\nLastDataBase = /b.vek\n");  // untouched

    // A file written elsewhere with CR LF reads the same, and a change
    // writes it back with LF alone.
    WriteBytes(name, "[History]\r\nLastDataBase=/說門.vek\r\n\r\n[Window]\r\nTop=5\r\n");
    {
        TIniFile ini(name);
        EXPECT_EQ(ini.ReadString("History", "LastDataBase", ""), "/說門.vek");
        EXPECT_EQ(ini.ReadInteger("Window", "Top", 0), 5);
        ini.WriteInteger("Window", "Top", 6);
    }
    EXPECT_EQ(ReadBytes(name), "[History]\nLastDataBase=/說門.vek\n\n[Window]\nTop=6\n");
    WriteBytes(name, "[History]\nLastDataBase = /b.vek\n");

    // The abstract interface, as the settings code holds it.
    std::unique_ptr<TCustomIniFile> ini = std::make_unique<TIniFile>(name);
    ini->WriteInteger("History", "Count", 3);
    ini->UpdateFile();
    EXPECT_EQ(ReadBytes(name), "[History]\nLastDataBase=/b.vek\nCount=3\n");
    ini.reset();

    // A file the user made read-only is never replaced: UpdateFile says so,
    // and a TIniFile going away keeps quiet but leaves it too.
    ASSERT_EQ(chmod(name.c_str(), 0444), 0);
    TMemIniFile readOnly(name);
    readOnly.WriteInteger("History", "Count", 4);
    EXPECT_THROW(readOnly.UpdateFile(), EFCreateError);
    {
        TIniFile quiet(name);
        quiet.WriteInteger("History", "Count", 5);
    }
    EXPECT_EQ(ReadBytes(name), "[History]\nLastDataBase=/b.vek\nCount=3\n");
}
