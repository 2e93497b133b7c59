#include "skin/data/bs_std_command.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> kStdCommandWords = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                         "cmdefault", "cmrollup",   "cmminimizetotray"};

}  // namespace

TbsStdCommand ReadStdCommand(const TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident)
{
    AnsiString word = IniFile->ReadString(Section, Ident, "cmdefault");
    for (int i = cmclose; i < cmminimizetotray; ++i)
        if (word == kStdCommandWords[i])
            return static_cast<TbsStdCommand>(i);
    return cmminimizetotray;
}

void WriteStdCommand(TCustomIniFile* IniFile, const AnsiString& Section, const AnsiString& Ident,
                     TbsStdCommand Value)
{
    IniFile->WriteString(Section, Ident, kStdCommandWords[Value <= cmminimizetotray ? Value : cmminimizetotray]);
}
