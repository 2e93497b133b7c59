// TStrings: the abstract list of strings, each with an associated object.
// Indexes count from 0. Descendants store the strings; the base builds
// everything else (text, comma text, name=value pairs, loading and saving)
// on the virtual access operations.
#pragma once

#include <string>

#include "platform/base/event.h"
#include "platform/base/list_errors.h"
#include "platform/base/object.h"

class TStream;

// The line break that Text and SaveToStream write.
inline constexpr const char* sLineBreak = "\r\n";

class TStrings : public TPersistent {
public:
    ~TStrings() override = default;

    // Element access. Reads and writes go through Get/Put and friends.
    AnsiString Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const AnsiString& S) { Put(Index, S); }
    AnsiString operator[](int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* Object) { PutObject(Index, Object); }
    int Count() const { return GetCount(); }
    int Capacity() const { return GetCapacity(); }
    void SetCapacityValue(int NewCapacity) { SetCapacity(NewCapacity); }

    // The whole list as one text: every string followed by sLineBreak.
    // Setting it splits at CR LF, LF or CR; a break at the very end adds no
    // empty string.
    AnsiString Text() const { return GetTextStr(); }
    void SetText(const AnsiString& Value) { SetTextStr(Value); }

    // Comma text: strings separated by ','; a string holding a space, a
    // comma, a quote or a control character is written in double quotes with
    // inner quotes doubled, and a list of one empty string is written as "".
    // Reading also splits at unquoted spaces; an empty text gives no strings.
    AnsiString CommaText() const;
    void SetCommaText(const AnsiString& Value);
    // The same with Delimiter and QuoteChar; with StrictDelimiter, spaces
    // neither force quotes nor split.
    AnsiString DelimitedText() const;
    void SetDelimitedText(const AnsiString& Value);
    char Delimiter = ',';
    char QuoteChar = '"';
    bool StrictDelimiter = false;  // split only at the delimiter, not at spaces

    // name=value pairs.
    char NameValueSeparator = '=';
    AnsiString Names(int Index) const;
    AnsiString ValueFromIndex(int Index) const;
    AnsiString Values(const AnsiString& Name) const;
    // Sets the value of Name, adding "Name=Value" when absent; an empty
    // Value deletes the entry.
    void SetValues(const AnsiString& Name, const AnsiString& Value);

    virtual int Add(const AnsiString& S);
    virtual int AddObject(const AnsiString& S, TObject* Object);
    void Append(const AnsiString& S) { Add(S); }
    virtual void AddStrings(TStrings* Strings);
    virtual void Clear() = 0;
    virtual void Delete(int Index) = 0;
    virtual void Insert(int Index, const AnsiString& S) = 0;
    virtual void InsertObject(int Index, const AnsiString& S, TObject* Object);
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    virtual int IndexOf(const AnsiString& S) const;
    int IndexOfName(const AnsiString& Name) const;
    int IndexOfObject(TObject* Object) const;
    // Same count and the same strings, compared with case.
    bool Equals(TStrings* Strings) const;

    // Nested update brackets: SetUpdateState(true) when the outermost one
    // begins, SetUpdateState(false) when it ends.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    virtual void LoadFromFile(const AnsiString& FileName);
    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToFile(const AnsiString& FileName);
    virtual void SaveToStream(TStream* Stream);

    // From another TStrings: its strings with their objects, and its
    // delimiter, quote and name-value settings.
    void Assign(TPersistent* Source) override;

protected:
    virtual AnsiString Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int Index) const;
    virtual void Put(int Index, const AnsiString& S);
    virtual void PutObject(int Index, TObject* Object);
    virtual int GetCapacity() const { return GetCount(); }
    virtual void SetCapacity(int NewCapacity);
    virtual AnsiString GetTextStr() const;
    virtual void SetTextStr(const AnsiString& Value);
    virtual void SetUpdateState(bool Updating);
    // How IndexOf, IndexOfName and Values compare: without case by default.
    virtual int CompareStrings(const AnsiString& S1, const AnsiString& S2) const;

    // Raises EStringListError with Message, "%d" filled with Data.
    [[noreturn]] void Error(const char* Message, int Data) const;

    // Runs Work inside BeginUpdate/EndUpdate; the bracket is closed when Work
    // throws too.
    template <typename F>
    void WithUpdate(F&& Work)
    {
        BeginUpdate();
        try {
            Work();
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }

private:
    int updateCount_ = 0;
};

inline constexpr const char* SDuplicateString = "String list does not allow duplicates";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";
