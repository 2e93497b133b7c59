// TSynTextPrinterInfo: the page geometry of the chosen printer (sheet,
// printable area, unprintable strips, resolution) in printer pixels, and
// millimetre-to-pixel conversions measured from the printable area's edges.
#pragma once

class TSynTextPrinterInfo {
public:
    TSynTextPrinterInfo() { SetDefaults(); }

    // Reads the metrics of the platform printer's device context; with no
    // printer at all, SetDefaults.
    void Refresh();
    // An A4 sheet at 300 dots per inch.
    void SetDefaults();
    bool IsValid() const { return valid_; }

    // Every read refreshes first while the metrics have not been read.
    int PhysicalWidth() { return Fresh().physicalWidth_; }
    int PhysicalHeight() { return Fresh().physicalHeight_; }
    int PrintableWidth() { return Fresh().printableWidth_; }
    int PrintableHeight() { return Fresh().printableHeight_; }
    int LeftGutter() { return Fresh().leftGutter_; }
    int RightGutter() { return Fresh().rightGutter_; }
    int TopGutter() { return Fresh().topGutter_; }
    int BottomGutter() { return Fresh().bottomGutter_; }
    int XPixPrInch() { return Fresh().xPixPrInch_; }
    int YPixPrInch() { return Fresh().yPixPrInch_; }
    float XPixPrmm() { return Fresh().xPixPrmm_; }
    float YPixPrmm() { return Fresh().yPixPrmm_; }

    // round(mm * pixels per mm - the unprintable strip of that side): a
    // distance from the sheet's edge as a position in the printable area.
    int LeftToPixels(double Value);
    int RightToPixels(double Value);
    int TopToPixels(double Value);
    int BottomToPixels(double Value);

private:
    TSynTextPrinterInfo& Fresh();
    void SetResolution(int X, int Y);

    int physicalWidth_ = 0, physicalHeight_ = 0;
    int printableWidth_ = 0, printableHeight_ = 0;
    // physical = gutter + printable + gutter on each axis
    int leftGutter_ = 0, rightGutter_ = 0, topGutter_ = 0, bottomGutter_ = 0;
    int xPixPrInch_ = 0, yPixPrInch_ = 0;
    float xPixPrmm_ = 0, yPixPrmm_ = 0;  // always the resolution / 25.4
    bool valid_ = false;
};
