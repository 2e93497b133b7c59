// INI files: named sections of key=value lines.
//
// Format: "[Section]" lines open sections, "key=value" lines fill them; on
// reading, key and value are trimmed of blanks, blank lines and lines
// starting with ';' are skipped, and lines before the first section are
// ignored. A line without a key (no '=' or nothing before it) is kept
// verbatim: ReadSectionValues returns it as it was, and saving writes it
// back, so lists stored in a section (code templates) survive. Repeated keys
// are kept; reads and writes use the first. Files are written with CR LF
// line breaks, one blank line between sections; text is GBK and passes
// through unchanged. Section and key names are compared without case.
#pragma once

#include <string>
#include <vector>

#include "platform/base/object.h"
#include "platform/base/ansi_string.h"

class TStrings;

// The operations every INI store offers; the typed reads and writes are
// built on ReadString and WriteString.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(AnsiString FileName) : fileName_(std::move(FileName)) {}

    const AnsiString& FileName() const { return fileName_; }

    virtual AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident,
                                  const AnsiString& Default) const = 0;
    virtual void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) = 0;
    // Decimal, or hexadecimal after "$" or "0x"; Default for anything else.
    int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) const;
    void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
    // An integer other than 0 is true; Default for anything that is not an
    // integer.
    bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) const;
    // Writes "1" or "0".
    void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);
    // With FormatSettings.DecimalSeparator; Default for anything that is not
    // a number.
    double ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) const;
    void WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value);

    // The key names of Section, in file order (Strings is cleared first).
    virtual void ReadSection(const AnsiString& Section, TStrings* Strings) const = 0;
    // The section names, in file order.
    virtual void ReadSections(TStrings* Strings) const = 0;
    // The lines of Section as "key=value" (verbatim lines as they were).
    virtual void ReadSectionValues(const AnsiString& Section, TStrings* Strings) const = 0;
    // Whether Section holds at least one line: an empty section counts as
    // absent, as it reads the same.
    virtual bool SectionExists(const AnsiString& Section) const;
    bool ValueExists(const AnsiString& Section, const AnsiString& Ident) const;
    virtual void EraseSection(const AnsiString& Section) = 0;
    // Removes every line of Section with the key Ident.
    virtual void DeleteKey(const AnsiString& Section, const AnsiString& Ident) = 0;
    // Writes the content to FileName.
    virtual void UpdateFile() = 0;

private:
    AnsiString fileName_;
};

// The whole file held in memory: reads come from memory, and writes stay
// there until UpdateFile saves them (atomically). A missing file reads as
// empty; its folder is never created.
class TMemIniFile : public TCustomIniFile {
public:
    // Loads FileName when it exists; raises EFOpenError when it exists but
    // can't be read.
    explicit TMemIniFile(const AnsiString& FileName);

    AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident,
                          const AnsiString& Default) const override;
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override;
    void ReadSection(const AnsiString& Section, TStrings* Strings) const override;
    void ReadSections(TStrings* Strings) const override;
    void ReadSectionValues(const AnsiString& Section, TStrings* Strings) const override;
    void EraseSection(const AnsiString& Section) override;
    void DeleteKey(const AnsiString& Section, const AnsiString& Ident) override;
    // Raises EFCreateError or EWriteError when the file can't be written.
    void UpdateFile() override;

    void Clear();
    // The content as the lines of the file / replaced by parsed lines.
    void GetStrings(TStrings* List) const;
    void SetStrings(TStrings* List);

protected:
    // Set by every change, cleared by UpdateFile.
    bool Modified() const { return modified_; }

private:
    struct TIniLine {
        AnsiString Key;    // "" on a verbatim line
        AnsiString Value;  // the whole line on a verbatim line
    };
    struct TIniSection {
        AnsiString Name;
        std::vector<TIniLine> Lines;
    };

    void Parse(std::string_view text);
    AnsiString Text() const;
    const TIniSection* FindSection(const AnsiString& Section) const;
    TIniSection* FindSection(const AnsiString& Section);

    std::vector<TIniSection> sections_;  // in file order, then in the order added
    bool modified_ = false;
};

// An INI file on disk, with the same in-memory model as TMemIniFile. It is
// not write-through: writes reach the file at UpdateFile, or when the object
// is destroyed after any change. A save that fails in the destructor can't
// be reported; callers that must know call UpdateFile first.
class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    ~TIniFile() override;
    // A copy would write the file a second time when it goes.
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;
};
