// TSynExporterTeX: a LaTeX document with one macro per special character
// and per highlighter attribute; every token is wrapped in the macro of its
// attribute, without attribute runs.
#pragma once

#include <unordered_map>

#include "editor_services/export/syn_exporter.h"

class TSynExporterTeX : public TSynCustomExporter {
public:
    explicit TSynExporterTeX(TComponent* AOwner);

    int Margin = 2;  // page margin in centimetres
    // Leaves out the preamble and the document's end.
    bool CreateTeXFragment = false;
    int TabWidth = 2;  // in units of 0.6 em
    bool PageStyleEmpty = false;

    AnsiString GetFormatName() const override { return "TeX"; }

protected:
    void CloseAttributeRun(bool, bool, TFontStyles) override {}
    void OpenAttributeRun(bool, bool, TFontStyles) override {}
    void AfterLastAttribute() override {}
    void BeforeFirstAttribute(bool, bool, TFontStyles) override {}
    // "\Command{token}".
    void AddToken(const AnsiString& Token) override;
    void AddNewLine() override { AddData("\\\\\r\n"); }
    AnsiString GetFooter() override;
    AnsiString GetHeader() override;
    // Only remembers the attribute: every token carries its own macro.
    void SetTokenAttribute(TSynHighlighterAttributes* Attribute) override { currentAttribute_ = Attribute; }
    void BeginExport() override;

private:
    AnsiString Definitions();
    const AnsiString& CommandOf(TSynHighlighterAttributes* Attribute) const;

    TSynHighlighterAttributes* currentAttribute_ = nullptr;  // of the token being written
    // Each attribute's macro name: letters only, never empty, no two alike
    // and none a macro of the definitions block; made anew for every export.
    std::unordered_map<TSynHighlighterAttributes*, AnsiString> commands_;
};

// The letters of a unique name as a TeX command name: digits 1 to 9 become
// A to I, 0 becomes Z, everything but letters goes.
AnsiString TeXCommandLetters(const AnsiString& UniqueName);
// Value in "%1.<Precision>g" with "." whatever the locale; a value the
// format would put in exponent notation is written as a whole number.
AnsiString TeXNumber(double Value, int Precision);
