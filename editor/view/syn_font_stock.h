// TheFontStock: one user's view of a base font from the shared registry. It
// selects a style variant, makes the variant's handle on first use and
// measures it.
#pragma once

#include "editor/view/syn_fonts_info_manager.h"
#include "platform/base/exceptions.h"
#include "platform/gdi/gdi_object.h"
#include "platform/ui/graphics/font.h"

TANDRIL_EXCEPTION(EheFontStockException, Exception);

class TheFontStock {
public:
    explicit TheFontStock(TFont* InitialFont);
    TheFontStock(const TheFontStock&) = delete;
    TheFontStock& operator=(const TheFontStock&) = delete;
    virtual ~TheFontStock();

    // Takes the record of the font (raises EheFontStockException for none)
    // and selects the font's own style.
    virtual void SetBaseFont(TFont* Value);
    virtual void SelectStyle(TFontStyles Style);
    // Lets go of the font handles; the next SelectStyle takes them again.
    virtual void UnlockHandles();

    // The measures of the selected style, 0 when none is selected.
    virtual int StyleCharAdvance() const;
    virtual int StyleCharHeight() const;
    virtual int StyleDBCharAdvance() const;
    virtual TheFontData* StyleFontData(TFontStyles Style);

    TheSharedFontsInfo* FontsInfo() const { return fontsInfo_; }
    // The registry's copy of the base font.
    TFont* BaseFont() const { return fontsInfo_->BaseFont.get(); }
    TFontStyles Style() const { return style_; }
    HFONT FontHandle() const { return fontHandle_; }

protected:
    // A context for measuring, taken on first use and counted.
    virtual HDC AcquireScreenDC();
    virtual void ReleaseScreenDC();
    virtual HFONT MakeStyleFont(TFontStyles Style);
    // Measures the font selected into DC: returns the character advance and
    // sets CharHeight, and DBCharAdvance when it is given.
    virtual int MeasureFont(HDC DC, int& CharHeight, int* DBCharAdvance);

private:
    void UseFontHandles();
    void ReleaseFontsInfo();

    HDC dc_ = nullptr;
    int dcRefCount_ = 0;  // dc_ is held while it is above 0
    TheSharedFontsInfo* fontsInfo_ = nullptr;
    bool usingFontHandles_ = false;  // this stock holds one lock on fontsInfo_
    HFONT fontHandle_ = nullptr;
    TFontStyles style_;
    TheFontData* fontData_ = nullptr;  // the entry of style_ in fontsInfo_, or null before SelectStyle
    LOGFONT baseLF_;
};
