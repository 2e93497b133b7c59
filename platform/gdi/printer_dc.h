// The printer's device context: the same DC state, mapping and clipping as
// the raster DCs, but its drawing becomes PDF pages (vector paths, glyphs
// as text, bitmaps as images) at 600 units to the inch.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/device_context.h"

// A paper size by name, in tenths of a millimetre, portrait.
struct TPaperSize {
    const char* Name;
    int Width;
    int Height;
};
// The sizes offered, A4 (the default) first.
const std::vector<TPaperSize>& PaperSizes();

// A page as the printer lays it out, in device units (600 to the inch):
// the whole sheet, and the printable part's offset and size within it.
struct TPageSetup {
    TSize Paper;
    TPoint PrintableOffset;
    TSize Printable;
};
inline constexpr int PrinterDpi = 600;
// A sheet with no unprintable margin, turned for Landscape.
TPageSetup PageSetupFor(const TPaperSize& Paper, bool Landscape);

class TPrinterDC : public TDeviceContext {
public:
    explicit TPrinterDC(const TPageSetup& Setup);
    ~TPrinterDC() override;

    const TPageSetup& Setup() const { return setup_; }
    int DeviceCaps(int Index) const override;

    // A document in memory; pages open one at a time.
    void StartDoc();
    void StartPage();
    void EndPage();
    // Finishes the document and returns its PDF bytes; false when cairo
    // could not make it (the bytes are then dropped).
    bool EndDoc(std::string& Pdf);
    // Drops the document: nothing of it is kept.
    void AbortDoc();
    bool InDoc() const { return document_ != nullptr; }
    int PageCount() const { return pages_; }

private:
    class TDocument;
    TPageSetup setup_;
    std::unique_ptr<TDocument> document_;
    int pages_ = 0;
    bool pageOpen_ = false;
};

// A printer DC in the handle table.
HDC CreatePrinterDC(const TPageSetup& Setup);
// The printer DC behind a handle, or nullptr.
TPrinterDC* PrinterDCOf(HDC DC);
