// An in-memory INI that logs every string read ("R section.key"), write
// ("W section.key=value") and section erase ("E section") in order; the
// typed reads and writes of the INI classes all pass through those.
#pragma once

#include <string>
#include <vector>

#include "platform/base/ini_files.h"
#include "platform/base/string_list.h"

class TRecordingIni : public TMemIniFile {
public:
    explicit TRecordingIni(const AnsiString& Text = "") : TMemIniFile("")
    {
        TStringList lines;
        lines.SetText(Text);
        SetStrings(&lines);
    }

    AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident,
                          const AnsiString& Default) const override
    {
        Log.push_back("R " + Section + "." + Ident);
        return TMemIniFile::ReadString(Section, Ident, Default);
    }
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override
    {
        Log.push_back("W " + Section + "." + Ident + "=" + Value);
        TMemIniFile::WriteString(Section, Ident, Value);
    }
    void EraseSection(const AnsiString& Section) override
    {
        Log.push_back("E " + Section);
        TMemIniFile::EraseSection(Section);
    }

    // The content as it would be saved, lines joined by CR LF.
    AnsiString Content() const
    {
        TStringList lines;
        GetStrings(&lines);
        return lines.Text();
    }

    mutable std::vector<AnsiString> Log;
};
