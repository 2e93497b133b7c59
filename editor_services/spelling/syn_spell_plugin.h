// TDrawAutoSpellCheckPlugin: after its editor paints, underlines with a
// wavy line the words its spell checker does not know, in the text a
// highlighter marks with one of the checker's attributes (or all text
// without a highlighter).
#pragma once

#include "editor/syn_text_plugin.h"
#include "editor_services/spelling/syn_spell_check.h"

class TDrawAutoSpellCheckPlugin : public TSynTextPlugin {
public:
    TDrawAutoSpellCheckPlugin(TCustomSynText* AOwner, TZavIdiziCheck* AChecker);

    TColor PenColor() const { return penColor_; }
    // A new colour or style repaints the editor.
    void SetPenColor(TColor Value);
    TUnderlineStyle UnderlineStyle() const { return underlineStyle_; }
    void SetUnderlineStyle(TUnderlineStyle Value);

    // FirstRow and LastRow are the painted display rows.
    void AfterPaint(TCanvas* ACanvas, const TRect& AClip, int FirstRow, int LastRow) override;
    void LinesInserted(int, int) override {}
    void LinesDeleted(int, int) override {}

private:
    void UnderlineLine(TCanvas* ACanvas, const TRect& AClip, int Line);
    // The wave under Width pixels from Left on the text row at Top.
    void DrawWave(TCanvas* ACanvas, const TRect& AClip, int Left, int Width, int Top);

    TZavIdiziCheck* checker_;  // outlives the plug-in: it frees its plug-ins when it goes
    TColor penColor_ = clRed;
    TUnderlineStyle underlineStyle_ = usMicrosoftWord;
};
