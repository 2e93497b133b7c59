#include "platform/base/strings.h"

#include <string_view>

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/streams.h"

namespace {

bool IsSpaceOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Whether S has to be quoted to survive a round trip through delimited text.
// Only single-byte characters count: a trail byte that equals the delimiter
// belongs to its character.
bool NeedsQuotes(std::string_view s, char delimiter, char quote, bool strict)
{
    for (size_t i = 0; i < s.size(); i += CharLengthAt(s, i)) {
        if (CharLengthAt(s, i) == 2)
            continue;
        char c = s[i];
        if (c == '\0' || c == delimiter || c == quote || (!strict && IsSpaceOrControl(c)))
            return true;
    }
    return false;
}

AnsiString QuotedStr(std::string_view s, char quote)
{
    AnsiString result(1, quote);
    for (size_t i = 0; i < s.size();) {
        size_t length = CharLengthAt(s, i);
        if (length == 1 && s[i] == quote)
            result += quote;
        result.append(s, i, length);
        i += length;
    }
    result += quote;
    return result;
}

AnsiString JoinDelimited(const TStrings& list, char delimiter, char quote, bool strict)
{
    int count = list.Count();
    // A lone empty string must not read back as an empty list.
    if (count == 1 && list.Strings(0).empty())
        return AnsiString(2, quote);
    AnsiString result;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            result += delimiter;
        AnsiString s = list.Strings(i);
        result += NeedsQuotes(s, delimiter, quote, strict) ? QuotedStr(s, quote) : s;
    }
    return result;
}

// Reads a quoted item starting at the quote at pos; doubled quotes stand for
// one. An item whose closing quote is missing runs to the end of the text.
AnsiString ExtractQuoted(std::string_view text, size_t& pos, char quote)
{
    AnsiString result;
    ++pos;
    while (pos < text.size()) {
        size_t length = CharLengthAt(text, pos);
        if (length == 1 && text[pos] == quote) {
            ++pos;
            if (pos >= text.size() || text[pos] != quote)
                return result;
        }
        result.append(text, pos, length);
        pos += length;
    }
    return result;
}

void SplitDelimited(TStrings& list, std::string_view text, char delimiter, char quote, bool strict)
{
    auto skipSpaces = [&](size_t& pos) {
        while (!strict && pos < text.size() && IsSpaceOrControl(text[pos]))
            ++pos;
    };
    list.Clear();
    size_t pos = 0;
    skipSpaces(pos);
    while (pos < text.size()) {
        if (text[pos] == quote) {
            list.Add(ExtractQuoted(text, pos, quote));
        } else {
            size_t start = pos;
            while (pos < text.size()) {
                size_t length = CharLengthAt(text, pos);
                if (length == 1 && (text[pos] == delimiter || (!strict && IsSpaceOrControl(text[pos]))))
                    break;
                pos += length;
            }
            list.Add(AnsiString(text.substr(start, pos - start)));
        }
        skipSpaces(pos);
        if (pos < text.size() && text[pos] == delimiter) {
            ++pos;
            if (pos == text.size())
                list.Add(AnsiString());
            skipSpaces(pos);
        }
    }
}

// The offset of the name-value separator in S, or npos. The walk goes by
// characters because the separator may equal a trail byte.
size_t SeparatorPos(std::string_view s, char separator)
{
    for (size_t i = 0; i < s.size(); i += CharLengthAt(s, i))
        if (s[i] == separator && CharLengthAt(s, i) == 1)
            return i;
    return std::string_view::npos;
}

}  // namespace

AnsiString TStrings::CommaText() const { return JoinDelimited(*this, ',', '"', false); }

void TStrings::SetCommaText(const AnsiString& Value)
{
    WithUpdate([&] { SplitDelimited(*this, Value, ',', '"', false); });
}

AnsiString TStrings::DelimitedText() const { return JoinDelimited(*this, Delimiter, QuoteChar, StrictDelimiter); }

void TStrings::SetDelimitedText(const AnsiString& Value)
{
    WithUpdate([&] { SplitDelimited(*this, Value, Delimiter, QuoteChar, StrictDelimiter); });
}

AnsiString TStrings::Names(int Index) const
{
    AnsiString s = Get(Index);
    size_t pos = SeparatorPos(s, NameValueSeparator);
    return pos == std::string_view::npos ? AnsiString() : s.substr(0, pos);
}

AnsiString TStrings::ValueFromIndex(int Index) const
{
    if (Index < 0)
        return {};
    AnsiString s = Get(Index);
    size_t pos = SeparatorPos(s, NameValueSeparator);
    return pos == std::string_view::npos ? AnsiString() : s.substr(pos + 1);
}

AnsiString TStrings::Values(const AnsiString& Name) const { return ValueFromIndex(IndexOfName(Name)); }

void TStrings::SetValues(const AnsiString& Name, const AnsiString& Value)
{
    int index = IndexOfName(Name);
    if (Value.empty()) {
        if (index >= 0)
            Delete(index);
    } else if (index < 0) {
        Add(Name + NameValueSeparator + Value);
    } else {
        Put(index, Name + NameValueSeparator + Value);
    }
}

int TStrings::Add(const AnsiString& S)
{
    int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const AnsiString& S, TObject* Object)
{
    int index = Add(S);
    PutObject(index, Object);
    return index;
}

void TStrings::AddStrings(TStrings* Strings)
{
    WithUpdate([&] {
        // The count is taken once so that adding a list to itself doubles it.
        int count = Strings->Count();
        for (int i = 0; i < count; ++i)
            AddObject(Strings->Get(i), Strings->GetObject(i));
    });
}

void TStrings::InsertObject(int Index, const AnsiString& S, TObject* Object)
{
    Insert(Index, S);
    PutObject(Index, Object);
}

void TStrings::Exchange(int Index1, int Index2)
{
    WithUpdate([&] {
        TObject* object = GetObject(Index1);
        AnsiString s = Get(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s);
        PutObject(Index2, object);
    });
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    WithUpdate([&] {
        AnsiString s = Get(CurIndex);
        TObject* object = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, s, object);
    });
}

int TStrings::IndexOf(const AnsiString& S) const
{
    int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const AnsiString& Name) const
{
    int count = GetCount();
    for (int i = 0; i < count; ++i) {
        AnsiString s = Get(i);
        size_t pos = SeparatorPos(s, NameValueSeparator);
        if (pos != std::string_view::npos && CompareStrings(s.substr(0, pos), Name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* Object) const
{
    int count = GetCount();
    for (int i = 0; i < count; ++i)
        if (GetObject(i) == Object)
            return i;
    return -1;
}

bool TStrings::Equals(TStrings* Strings) const
{
    int count = GetCount();
    if (count != Strings->GetCount())
        return false;
    for (int i = 0; i < count; ++i)
        if (Get(i) != Strings->Get(i))
            return false;
    return true;
}

void TStrings::BeginUpdate()
{
    if (updateCount_ == 0)
        SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate()
{
    // An unmatched EndUpdate must not leave the count negative, which would
    // silence every later change.
    if (updateCount_ == 0)
        return;
    --updateCount_;
    if (updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TStrings::LoadFromStream(TStream* Stream)
{
    WithUpdate([&] {
        int64_t size = Stream->Size() - Stream->Position();
        AnsiString text(size > 0 ? static_cast<size_t>(size) : 0, '\0');
        Stream->ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
        SetTextStr(text);
    });
}

void TStrings::SaveToFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

void TStrings::SaveToStream(TStream* Stream)
{
    AnsiString text = GetTextStr();
    Stream->WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStrings*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    WithUpdate([&] {
        Clear();
        Delimiter = source->Delimiter;
        QuoteChar = source->QuoteChar;
        StrictDelimiter = source->StrictDelimiter;
        NameValueSeparator = source->NameValueSeparator;
        AddStrings(source);
    });
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int Index, const AnsiString& S)
{
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetCapacity(int) {}

AnsiString TStrings::GetTextStr() const
{
    int count = GetCount();
    AnsiString result;
    for (int i = 0; i < count; ++i) {
        result += Get(i);
        result += sLineBreak;
    }
    return result;
}

void TStrings::SetTextStr(const AnsiString& Value)
{
    WithUpdate([&] {
        Clear();
        // CR and LF are never trail bytes, so a byte scan finds the breaks.
        size_t pos = 0;
        while (pos < Value.size()) {
            size_t end = Value.find_first_of("\r\n", pos);
            if (end == AnsiString::npos)
                end = Value.size();
            Add(Value.substr(pos, end - pos));
            pos = end;
            if (pos < Value.size() && Value[pos] == '\r')
                ++pos;
            if (pos < Value.size() && Value[pos] == '\n')
                ++pos;
        }
    });
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const AnsiString& S1, const AnsiString& S2) const { return CompareText(S1, S2); }

void TStrings::Error(const char* Message, int Data) const
{
    AnsiString text = Message;
    size_t pos = text.find("%d");
    if (pos != AnsiString::npos)
        text.replace(pos, 2, std::to_string(Data));
    throw EStringListError(text);
}
