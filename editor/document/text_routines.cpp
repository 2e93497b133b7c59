#include "editor/document/text_routines.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/base/code_page.h"
#include "platform/base/files.h"

TSysCharSet CharSetOf(std::string_view Chars)
{
    TSysCharSet set;
    for (char c : Chars)
        set.set(static_cast<unsigned char>(c));
    return set;
}

void ExchangeInts(int& A, int& B) { std::swap(A, B); }

TBufferCoord EarlierCoord(const TBufferCoord& A, const TBufferCoord& B)
{
    return B < A ? B : A;
}

bool FindFirstTab(std::string_view Line, int& CountBefore)
{
    size_t tab = Line.find('\t');
    CountBefore = static_cast<int>(tab == std::string_view::npos ? Line.size() : tab);
    return tab != std::string_view::npos;
}

int ExpandedLength(const AnsiString& Line, int TabWidth)
{
    if (TabWidth < 1)
        TabWidth = 1;
    int64_t length = 0;
    for (char c : Line)
        length = c == '\t' ? length + TabWidth - length % TabWidth : length + 1;
    return static_cast<int>(length);
}

bool IsTabWidthPowerOfTwo(int TabWidth)
{
    int power = 2;
    while (power < TabWidth && power < 65536)
        power <<= 1;
    return power == TabWidth;
}

namespace {

// The cell that follows a tab standing at 0-based cell Position. The two
// forms give the same stop; the mask needs a power-of-two width.
struct MaskStop {
    static size_t Next(size_t Position, size_t TabWidth) { return (Position + TabWidth) & ~(TabWidth - 1); }
};
struct DivisionStop {
    static size_t Next(size_t Position, size_t TabWidth) { return Position + TabWidth - Position % TabWidth; }
};

template <typename Stop>
AnsiString ExpandWithStops(const AnsiString& Line, int TabWidth, bool& HasTabs)
{
    int before = 0;
    HasTabs = FindFirstTab(Line, before);
    if (!HasTabs)
        return Line;
    const size_t width = static_cast<size_t>(TabWidth);
    AnsiString result(Line, 0, static_cast<size_t>(before));
    result.reserve(Line.size() + width);
    size_t lastTab = Line.rfind('\t');
    for (size_t i = static_cast<size_t>(before); i <= lastTab; ++i) {
        if (Line[i] == '\t')
            result.append(Stop::Next(result.size(), width) - result.size(), '\t');
        else
            result += Line[i];
    }
    result.append(Line, lastTab + 1);
    return result;
}

AnsiString ExpandToSpacesEx(const AnsiString& Line, int, bool& HasTabs)
{
    int before = 0;
    HasTabs = FindFirstTab(Line, before);
    if (!HasTabs)
        return Line;
    AnsiString result(Line);
    for (size_t i = static_cast<size_t>(before); i < result.size(); ++i)
        if (result[i] == '\t')
            result[i] = ' ';
    return result;
}

AnsiString ExpandPowerOfTwoEx(const AnsiString& Line, int TabWidth, bool& HasTabs)
{
    return ExpandWithStops<MaskStop>(Line, TabWidth, HasTabs);
}

AnsiString ExpandAnyWidthEx(const AnsiString& Line, int TabWidth, bool& HasTabs)
{
    return ExpandWithStops<DivisionStop>(Line, TabWidth, HasTabs);
}

template <TExpandTabsProcEx Proc>
AnsiString WithoutFlag(const AnsiString& Line, int TabWidth)
{
    bool hasTabs = false;
    return Proc(Line, TabWidth, hasTabs);
}

}  // namespace

TExpandTabsProc GetTabExpandProc(int TabWidth)
{
    if (TabWidth < 2)
        return &WithoutFlag<&ExpandToSpacesEx>;
    if (IsTabWidthPowerOfTwo(TabWidth))
        return &WithoutFlag<&ExpandPowerOfTwoEx>;
    return &WithoutFlag<&ExpandAnyWidthEx>;
}

TExpandTabsProcEx GetTabExpandProcEx(int TabWidth)
{
    if (TabWidth < 2)
        return &ExpandToSpacesEx;
    if (IsTabWidthPowerOfTwo(TabWidth))
        return &ExpandPowerOfTwoEx;
    return &ExpandAnyWidthEx;
}

AnsiString ExpandTabs(const AnsiString& Line, int TabWidth) { return GetTabExpandProc(TabWidth)(Line, TabWidth); }

AnsiString ExpandTabs(const AnsiString& Line, int TabWidth, bool& HasTabs)
{
    return GetTabExpandProcEx(TabWidth)(Line, TabWidth, HasTabs);
}

int CharIndexToColumn(int Index, int TabWidth, std::string_view Line)
{
    if (Index < 2)
        return 1;
    // Only the characters before Index count: a caret early in a long line
    // reads no further.
    int before = 0;
    if (TabWidth < 2 || !FindFirstTab(Line.substr(0, static_cast<size_t>(Index - 1)), before))
        return Index;
    // Walk the characters before Index from the first tab on; column counts
    // cells from 0 until the end.
    int64_t column = before;
    const int64_t end = static_cast<int64_t>(Line.size());
    for (int64_t i = before; i < Index - 1; ++i) {
        if (i >= end) {
            column += Index - 1 - i;
            break;
        }
        column = Line[static_cast<size_t>(i)] == '\t' ? column + TabWidth - column % TabWidth : column + 1;
    }
    return static_cast<int>(column + 1);
}

int StrScanForCharInSet(const AnsiString& Line, int Start, const TSysCharSet& Chars)
{
    if (Start < 1 || static_cast<size_t>(Start) > Line.size())
        return 0;
    const size_t from = static_cast<size_t>(Start) - 1;
    // Characters are found from the start of the line: a byte alone can't
    // tell whether it is a trail byte.
    for (size_t i = 0; i < Line.size();) {
        size_t len = CharLengthAt(Line, i);
        if (i >= from && len == 1 && CharInSet(Line[i], Chars))
            return static_cast<int>(i) + 1;
        i += len;
    }
    return 0;
}

int StrRScanForCharInSet(const AnsiString& Line, int Start, const TSysCharSet& Chars)
{
    if (Start < 1 || Line.empty())
        return 0;
    const size_t last = std::min(static_cast<size_t>(Start), Line.size()) - 1;
    if (!SysLocale.FarEast) {
        for (size_t i = last + 1; i-- > 0;)
            if (CharInSet(Line[i], Chars))
                return static_cast<int>(i) + 1;
        return 0;
    }
    int found = 0;
    for (size_t i = 0; i <= last;) {
        size_t len = CharLengthAt(Line, i);
        if (len == 1 && CharInSet(Line[i], Chars))
            found = static_cast<int>(i) + 1;
        i += len;
    }
    return found;
}

int FindLeadByte(const AnsiString& Line, int Start)
{
    if (!SysLocale.FarEast || Start < 1 || static_cast<size_t>(Start) > Line.size())
        return 0;
    const size_t from = static_cast<size_t>(Start) - 1;
    for (size_t i = 0; i < Line.size();) {
        size_t len = CharLengthAt(Line, i);
        if (i >= from && len == 2)
            return static_cast<int>(i) + 1;
        i += len;
    }
    return 0;
}

int FindLastLeadByte(const AnsiString& Line, int Start)
{
    if (!SysLocale.FarEast || Start < 1)
        return 0;
    const size_t last = std::min(static_cast<size_t>(Start), Line.size());
    int found = 0;
    for (size_t i = 0; i < last;) {
        size_t len = CharLengthAt(Line, i);
        if (len == 2)
            found = static_cast<int>(i) + 1;
        i += len;
    }
    return found;
}

const char* FindLineEnd(const char* P)
{
    if (P == nullptr)
        return nullptr;
    while (*P != '\0' && *P != '\n' && *P != '\r')
        ++P;
    return P;
}

AnsiString TrimBlanksRight(const AnsiString& Line)
{
    size_t end = Line.find_last_not_of(" \t");
    return end == AnsiString::npos ? AnsiString() : Line.substr(0, end + 1);
}

namespace {

bool IsAbsoluteName(const AnsiString& Name)
{
    return Name.empty() || Name[0] == PathDelim || Name.starts_with("\\\\") || (Name.size() > 1 && Name[1] == ':');
}

AnsiString PrefixProgramFolder(const AnsiString& Name)
{
    return ProgramFolder() + (Name[0] == '\\' ? Name.substr(1) : Name);
}

}  // namespace

AnsiString ExpandAppRelativeDir(const AnsiString& Dir)
{
    AnsiString result = IsAbsoluteName(Dir) ? Dir : PrefixProgramFolder(Dir);
    if (!result.empty() && result.back() != PathDelim)
        result += PathDelim;
    return result;
}

AnsiString ExpandAppRelativeFileName(const AnsiString& FileName)
{
    return IsAbsoluteName(FileName) ? FileName : PrefixProgramFolder(FileName);
}

AnsiString ShortHighlighterName(const AnsiString& ClassName)
{
    AnsiString name = ClassName;
    if (!name.empty() && (name[0] == 'T' || name[0] == 't')) {
        if (LowerCase(std::string_view(name).substr(0, 4)) == "tsyn")
            name.erase(0, 4);
        else
            name.erase(0, 1);
    }
    if (name.size() >= 3 && LowerCase(std::string_view(name).substr(name.size() - 3)) == "syn")
        name.erase(name.size() - 3);
    return name;
}
