// TSynExporterHTML: an XHTML document with one style class per highlighter
// attribute and one span per attribute run, in the clipboard form (with its
// description and fragment markers) or the file form.
#pragma once

#include <unordered_map>

#include "editor_services/export/syn_exporter.h"

class TSynExporterHTML : public TSynCustomExporter {
public:
    explicit TSynExporterHTML(TComponent* AOwner);

    // In the file form: no prologue and no closing body and html tags.
    bool CreateHTMLFragment = false;

    AnsiString GetFormatName() const override { return "HTML"; }

protected:
    void CloseAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) override;
    void OpenAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) override;
    void AfterLastAttribute() override;
    void BeforeFirstAttribute(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStyles) override;
    // Characters above 127 become character references.
    void AddToken(const AnsiString& Token) override;
    void AddNewLine() override { AddLineBreak(); }
    AnsiString GetFooter() override;
    AnsiString GetHeader() override;
    void SetTokenAttribute(TSynHighlighterAttributes* Attribute) override;
    void BeginExport() override;

private:
    AnsiString Prologue();
    AnsiString StyleSheet();

    TSynHighlighterAttributes* currentAttribute_ = nullptr;  // of the token being written
    // Each attribute's class, from the first of its unique names; made
    // anew for every export, as the highlighter may have changed.
    std::unordered_map<TSynHighlighterAttributes*, AnsiString> classNames_;
};

// Text with every character above 127 as "&#n;" (n its code point), the
// rest unchanged: the document is declared iso-8859-1.
AnsiString HtmlCharacterReferences(const AnsiString& Text);
