#include "platform/base/ini_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/base/atomic_file.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/files.h"
#include "platform/base/string_list.h"
#include "platform/base/strings.h"
#include "platform/base/sys_utils.h"

int TCustomIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const
{
    return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) const
{
    return StrToFloatDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value));
}

bool TCustomIniFile::SectionExists(const AnsiString& Section) const
{
    TStringList lines;
    ReadSectionValues(Section, &lines);
    return lines.Count() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) const
{
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}

TMemIniFile::TMemIniFile(const AnsiString& FileName) : TCustomIniFile(FileName)
{
    std::FILE* file = std::fopen(GbkToUtf8(FileName).c_str(), "rb");
    if (!file) {
        if (errno == ENOENT)
            return;  // a file not written yet reads as empty
        throw EFOpenError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
    }
    AnsiString text;
    char buffer[8192];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        throw EFOpenError("Cannot read file \"" + FileName + "\"");
    Parse(text);
}

void TMemIniFile::Parse(std::string_view text)
{
    TIniSection* section = nullptr;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);

        AnsiString line = Trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        // The closing bracket must be a character of its own, not the trail
        // byte of a double-byte character.
        if (line[0] == '[' && line.back() == ']' && ByteTypeAt(line, line.size() - 1) == mbSingleByte) {
            // A section named twice is one section, so no key hides behind
            // the first header.
            AnsiString name = Trim(std::string_view(line).substr(1, line.size() - 2));
            section = FindSection(name);
            if (!section) {
                sections_.push_back({name, {}});
                section = &sections_.back();
            }
            continue;
        }
        if (!section)
            continue;
        // '=' lies below the trail-byte range, so the first one found is a
        // character of its own.
        size_t equals = line.find('=');
        AnsiString key = equals == AnsiString::npos ? AnsiString() : Trim(std::string_view(line).substr(0, equals));
        if (key.empty())
            section->Lines.push_back({"", AnsiString(raw)});
        else
            section->Lines.push_back({key, Trim(std::string_view(line).substr(equals + 1))});
    }
}

AnsiString TMemIniFile::Text() const
{
    AnsiString text;
    // Written with the line ends of the system it runs on; Parse takes
    // CR LF as well, so files from elsewhere still read.
    for (const TIniSection& section : sections_) {
        if (!text.empty())
            text += "\n";
        text += "[" + section.Name + "]\n";
        for (const TIniLine& line : section.Lines)
            text += (line.Key.empty() ? line.Value : line.Key + "=" + line.Value) + "\n";
    }
    return text;
}

const TMemIniFile::TIniSection* TMemIniFile::FindSection(const AnsiString& Section) const
{
    for (const TIniSection& section : sections_)
        if (SameText(section.Name, Section))
            return &section;
    return nullptr;
}

TMemIniFile::TIniSection* TMemIniFile::FindSection(const AnsiString& Section)
{
    return const_cast<TIniSection*>(static_cast<const TMemIniFile*>(this)->FindSection(Section));
}

AnsiString TMemIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident,
                                   const AnsiString& Default) const
{
    if (const TIniSection* section = FindSection(Section))
        for (const TIniLine& line : section->Lines)
            if (!line.Key.empty() && SameText(line.Key, Ident))
                return line.Value;
    return Default;
}

void TMemIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value)
{
    modified_ = true;
    TIniSection* section = FindSection(Section);
    if (!section) {
        sections_.push_back({Section, {}});
        section = &sections_.back();
    }
    for (TIniLine& line : section->Lines) {
        if (!line.Key.empty() && SameText(line.Key, Ident)) {
            line.Value = Value;
            return;
        }
    }
    section->Lines.push_back({Ident, Value});
}

void TMemIniFile::ReadSection(const AnsiString& Section, TStrings* Strings) const
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TIniSection* section = FindSection(Section))
        for (const TIniLine& line : section->Lines)
            if (!line.Key.empty())
                Strings->Add(line.Key);
    Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) const
{
    Strings->BeginUpdate();
    Strings->Clear();
    for (const TIniSection& section : sections_)
        Strings->Add(section.Name);
    Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const AnsiString& Section, TStrings* Strings) const
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TIniSection* section = FindSection(Section))
        for (const TIniLine& line : section->Lines)
            Strings->Add(line.Key.empty() ? line.Value : line.Key + "=" + line.Value);
    Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const AnsiString& Section)
{
    std::erase_if(sections_, [&](const TIniSection& s) { return SameText(s.Name, Section); });
    modified_ = true;
}

void TMemIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident)
{
    if (TIniSection* section = FindSection(Section)) {
        std::erase_if(section->Lines, [&](const TIniLine& l) { return !l.Key.empty() && SameText(l.Key, Ident); });
        modified_ = true;
    }
}

void TMemIniFile::UpdateFile()
{
    WriteFileAtomically(FileName(), Text());
    modified_ = false;
}

void TMemIniFile::Clear()
{
    sections_.clear();
    modified_ = true;
}

void TMemIniFile::GetStrings(TStrings* List) const
{
    List->SetText(Text());
}

void TMemIniFile::SetStrings(TStrings* List)
{
    sections_.clear();
    Parse(List->Text());
    modified_ = true;
}

TIniFile::~TIniFile()
{
    if (!Modified())
        return;
    try {
        UpdateFile();
    } catch (const Exception&) {
        // Nothing can be reported from here; see the class comment.
    }
}
