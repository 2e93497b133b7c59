// The common part of the small highlighters that tests and benchmarks use:
// it keeps the line and the current token. A subclass's ScanToken steps run_
// past the token that starts at pos_ and sets attr_.
#pragma once

#include "editor/highlighting/syn_highlighter.h"
#include "editor/highlighting/syn_highlighter_attributes.h"

class TLineScanSyn : public TSynCustomHighlighter {
public:
    TLineScanSyn() : TSynCustomHighlighter(nullptr) {}

    TSynHighlighterAttributes* GetDefaultAttribute(int) const override { return nullptr; }
    bool GetEol() const override { return eol_; }
    AnsiString GetToken() const override { return line_.substr(pos_, run_ - pos_); }
    TSynHighlighterAttributes* GetTokenAttribute() const override { return attr_; }
    int GetTokenKind() const override { return 0; }
    int GetTokenPos() const override { return static_cast<int>(pos_); }
    void SetLine(const AnsiString& NewValue, int) override
    {
        line_ = NewValue;
        run_ = 0;
        eol_ = false;
        Next();
    }
    void Next() override
    {
        pos_ = run_;
        if (run_ >= line_.size())
            eol_ = true;
        else
            ScanToken();
    }

protected:
    virtual void ScanToken() = 0;

    TSynHighlighterAttributes* NewAttribute(const char* Name, TColor Foreground = clNone, TFontStyles Style = {})
    {
        auto* attr = new TSynHighlighterAttributes(Name);
        attr->SetForeground(Foreground);
        attr->SetStyle(Style);
        TSynCustomHighlighter::AddAttribute(attr);
        return attr;
    }

    AnsiString line_;
    size_t run_ = 0;
    size_t pos_ = 0;
    bool eol_ = true;
    TSynHighlighterAttributes* attr_ = nullptr;
};
