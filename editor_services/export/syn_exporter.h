// TSynCustomExporter: turns a range of lines into a formatted document by
// walking them with a highlighter and handing every token and every change
// of colour or style to the operations a format (RTF, HTML, TeX) fills in.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "editor/document/editor_types.h"
#include "editor/highlighting/syn_highlighter_attributes.h"
#include "platform/base/ansi_string.h"
#include "platform/base/component.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/font.h"

class TStrings;
class TSynCustomHighlighter;

using TExportAttributeProc = std::function<void(TSynHighlighterAttributes* Attribute, const AnsiString& UniqueName)>;

class TSynCustomExporter : public TComponent {
public:
    explicit TSynCustomExporter(TComponent* AOwner);
    ~TSynCustomExporter() override;

    // Document background; with UseBackground it follows the highlighter's
    // whitespace background.
    TColor Color = clWindow;
    // The file dialog filter of the format.
    AnsiString DefaultFilter;
    // The file form instead of the clipboard form, where a format has both.
    bool ExportAsDocument = false;

    TFont* Font() const { return font_.get(); }
    // Copies Value; nullptr restores "Courier New", 10 points, clWindowText.
    void SetFont(TFont* Value);
    TSynCustomHighlighter* Highlighter() const { return highlighter_; }
    void SetHighlighter(TSynCustomHighlighter* Value);
    const AnsiString& Title() const { return title_; }
    // An empty title stores "Untitled".
    void SetTitle(const AnsiString& Value);
    bool UseBackground() const { return useBackground_; }
    void SetUseBackground(bool Value);

    // Builds the whole document (header, body, footer) from Lines, Start up
    // to but not including Stop (1-based characters and lines, clamped to
    // the text). An empty or inverted range raises EAbort and keeps the
    // document built before. Without a highlighter every line is one token
    // in the exporter's font.
    void ExportRange(TStrings* Lines, TBufferCoord Start, TBufferCoord Stop);
    // The whole text, also an empty one (as one empty line).
    void ExportAll(TStrings* Lines);
    // The token with the format's replacement table and double-byte escape.
    AnsiString ReplaceReservedChars(const AnsiString& Token);
    // Replaces FileName with the document; EFCreateError or EWriteError
    // when it can't, the document kept.
    void SaveToFile(const AnsiString& FileName) const;
    int64_t BufferSize() const { return static_cast<int64_t>(buffer_.size()); }

    // Value resolved to RGB, or Default resolved when Value is clNone.
    static TColor ValidatedColor(TColor Value, TColor Default);

    virtual uint32_t GetClipboardFormat() const { return clipboardFormat_; }
    virtual AnsiString GetFormatName() const { return {}; }

protected:
    virtual void CloseAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) = 0;
    virtual void OpenAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) = 0;
    virtual void AfterLastAttribute() = 0;
    virtual void BeforeFirstAttribute(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStyles) = 0;
    virtual void AddToken(const AnsiString& Token) { AddData(Token); }
    virtual void AddNewLine() = 0;
    virtual AnsiString GetFooter() = 0;
    virtual AnsiString GetHeader() = 0;
    virtual AnsiString EscapeChar(char Lead, char Trail) { return AnsiString{Lead, Trail}; }
    // The attribute-run protocol: Before/Close/Open at each change.
    virtual void SetTokenAttribute(TSynHighlighterAttributes* Attribute);
    // Resets the run state (last colours and style).
    virtual void Clear();
    // Called before the walk of every export, once PlainAttribute has the
    // font's style: the place to name the attributes or reset what a format
    // collects over one body.
    virtual void BeginExport() {}

    void Notification(TComponent* AComponent, TOperation Operation) override;

    void AddData(const AnsiString& Text) { buffer_ += Text; }
    void AddLineBreak() { buffer_ += "\r\n"; }
    // Puts Text in front of everything written so far.
    void InsertData(const AnsiString& Text) { buffer_.insert(0, Text); }

    // The attribute of lines without a highlighter and of tokens the
    // highlighter gives none: no colours of its own, the font's style.
    TSynHighlighterAttributes* PlainAttribute() const { return plainAttribute_.get(); }
    // Whether this export's body used PlainAttribute.
    bool PlainAttributeUsed() const { return plainAttributeUsed_; }
    // Calls Proc with every attribute the document may name and its unique
    // name: the highlighter's (see EnumHighlighterAttributes), then
    // PlainAttribute as "Text". With Used only, PlainAttribute comes only
    // when the body used it.
    void EnumExportAttributes(bool SkipDuplicates, bool Used, const TExportAttributeProc& Proc) const;

    // Per-byte replacement texts; an empty entry leaves the byte alone.
    std::array<AnsiString, 256> ReplaceTable;
    uint32_t clipboardFormat_ = 1;

    // The current attribute run, as resolved colours.
    TColor lastBackground_ = clWindow;
    TColor lastForeground_ = clWindowText;
    TFontStyles lastStyle_;

private:
    // Header, body and footer of a range already clamped to Lines.
    void WriteDocument(TStrings* Lines, TBufferCoord Start, TBufferCoord Stop);
    void ExportLine(const AnsiString& Text, int LineNumber);

    AnsiString buffer_;  // exactly the document after an export
    bool firstAttribute_ = true;  // no token seen yet in the current export
    std::unique_ptr<TFont> font_;
    TSynCustomHighlighter* highlighter_ = nullptr;  // told when it goes
    AnsiString title_;
    bool useBackground_ = false;
    std::unique_ptr<TSynHighlighterAttributes> plainAttribute_;
    bool plainAttributeUsed_ = false;
};

// The styles of A that B lacks.
TFontStyles StylesWithout(TFontStyles A, TFontStyles B);
