// A canvas whose device context records what is drawn instead of making
// pixels: every text output as one run (its text, the pen positions of its
// characters, the cell top, colour and style), every filled rectangle and
// every line. The print engine's pages are checked on it.
#pragma once

#include <memory>
#include <vector>

#include "platform/base/ansi_string.h"
#include "platform/base/geometry.h"
#include "platform/gdi/colors.h"
#include "platform/ui/graphics/canvas.h"

struct TRecordedText {
    AnsiString Text;         // GBK
    std::vector<int> PenX;   // where each character starts
    int Left = 0, Top = 0;   // the first character's cell
    COLORREF Color = 0;
    bool Bold = false, Italic = false;
};

class TRecordingCanvas {
public:
    TRecordingCanvas();
    ~TRecordingCanvas();
    TRecordingCanvas(const TRecordingCanvas&) = delete;
    TRecordingCanvas& operator=(const TRecordingCanvas&) = delete;

    TCanvas* Canvas() { return canvas_.get(); }
    void Clear();
    // The texts in the order drawn, and just their strings.
    const std::vector<TRecordedText>& Texts() const;
    std::vector<AnsiString> Strings() const;
    const std::vector<std::pair<TRect, COLORREF>>& Fills() const;
    // Lines and outlines, as their points.
    const std::vector<std::vector<TPoint>>& Paths() const;

private:
    class TRecordingDC;
    TRecordingDC* dc_;
    HDC handle_;
    std::unique_ptr<TCanvas> canvas_;
};
