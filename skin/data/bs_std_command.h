// What a caption button or an animated caption object does when it is used,
// and its INI word ("cmclose" ...).
#pragma once

#include <cstdint>
#include <optional>

#include "skin/data/bs_key_table.h"

// The values are those the skin stores, in the order of their INI words.
enum TbsStdCommand : uint8_t { cmclose, cmmaximize, cmminimize, cmsysmenu, cmdefault, cmrollup, cmminimizetotray };

// Missing: cmdefault. The first six words are matched with case; any other
// word, "cmminimizetotray" among them, is cmminimizetotray.
TbsStdCommand ReadStdCommand(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident);
void WriteStdCommand(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident,
                     TbsStdCommand Value);

template <typename Owner>
TbsKey<Owner> StdCommandKey(const AnsiString& Name, TbsStdCommand Owner::*Field,
                            std::optional<TbsStdCommand> Created = std::nullopt)
{
    return MakeBsKey(Name, Field, &ReadStdCommand, &WriteStdCommand, Created.value_or(cmdefault));
}
