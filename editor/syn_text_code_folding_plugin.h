// The editor's code-folding plug-in: keeps the fold ranges on their lines
// while the editor inserts and deletes lines.
#pragma once

#include "editor/syn_text_plugin.h"

class TSynTextAllFoldRanges;

class TSynTextCodeFoldingPlugin : public TSynTextPlugin {
public:
    using TSynTextPlugin::TSynTextPlugin;

    void AfterPaint(TCanvas* ACanvas, const TRect& AClip, int FirstLine, int LastLine) override;
    bool PaintsOverText() const override { return false; }
    // Count lines now stand before line FirstLine (counted from 1).
    void LinesInserted(int FirstLine, int Count) override;
    // Lines FirstLine .. FirstLine + Count - 1 are gone.
    void LinesDeleted(int FirstLine, int Count) override;

private:
    void SettleWhenIdle(const TSynTextAllFoldRanges& Ranges);
};
