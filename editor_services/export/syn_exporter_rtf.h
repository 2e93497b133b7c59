// TSynExporterRTF: a Rich Text Format document with one font, a colour
// table gathered during the walk, and one paragraph mark per source line.
#pragma once

#include <vector>

#include "editor_services/export/syn_exporter.h"

class TSynExporterRTF : public TSynCustomExporter {
public:
    explicit TSynExporterRTF(TComponent* AOwner);

    AnsiString GetFormatName() const override { return "RTF"; }

protected:
    void CloseAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) override;
    void OpenAttributeRun(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStylesChanged) override;
    void AfterLastAttribute() override {}
    void BeforeFirstAttribute(bool BackgroundChanged, bool ForegroundChanged, TFontStyles FontStyles) override;
    void AddNewLine() override;
    AnsiString GetFooter() override { return "}"; }
    AnsiString GetHeader() override;
    // "\'XX\'XX": the two bytes as hexadecimal escapes.
    AnsiString EscapeChar(char Lead, char Trail) override;
    void Clear() override;
    void BeginExport() override { doubleByteBody_ = false; }

private:
    // The colour's number in the table, appended on first use.
    int ColorIndex(TColor Value);
    AnsiString FontTable();

    bool attributesChanged_ = false;  // a control word waits for its separating space
    std::vector<TColor> colors_;      // the colour table; an entry's position is its number
    // The body escaped a double-byte character, so its font must be
    // declared with the GBK character set to be read as Chinese.
    bool doubleByteBody_ = false;
};
