// The colour dialog's form: the basic and custom colour grids on the left;
// on the right, shown when the dialog opens full or the user asks for it,
// the spectrum, the luminance bar, a sample of the colour and its numbers
// as hue, saturation and luminance and as red, green and blue. Every way
// of choosing a colour updates all the others.
#pragma once

#include <array>

#include "platform/ui/dialogs/color_dialog_hls.h"
#include "platform/ui/kernel/custom_form.h"

class TButton;
class TColorGrid;
class TColorSpectrum;
class TEdit;
class TLuminanceBar;
class TPaintBox;
class TPanel;

inline constexpr int CustomColorCount = 16;
using TCustomColorArray = std::array<TColor, CustomColorCount>;

class TColorDialogForm : public TForm {
public:
    TColorDialogForm(TColor Color, const TCustomColorArray& CustomColors, bool FullOpen, bool PreventFullOpen);

    TColor Color() const { return color_; }
    TCustomColorArray CustomColors() const;

private:
    // The boxes of one way of writing the colour, in order.
    using TEditTrio = std::array<TEdit*, 3>;

    void BuildGrids(const TCustomColorArray& CustomColors, bool PreventFullOpen);
    void BuildMixer();
    TEdit* AddNumberBox(const char* Name, const char* Caption, int LabelLeft, int BoxLeft, int Top);
    void OpenFull();

    // Takes Color as the current colour and HLS as its numbers (the HLS
    // of a colour rounds, so both are kept as the user gave them), and
    // shows them everywhere but in the boxes of Typed (nullptr: none).
    void ShowColor(TColor Color, THls Hls, const TEditTrio* Typed);
    static void WriteBoxes(const TEditTrio& Boxes, const std::array<int, 3>& Values);
    static std::array<int, 3> ReadBoxes(const TEditTrio& Boxes, const std::array<int, 3>& Limits);

    void GridChanged(TObject* Sender);
    void PickerChanged(TObject* Sender);
    void HlsTyped(TObject* Sender);
    void RgbTyped(TObject* Sender);
    void BoxExited(TObject* Sender);
    void AddToCustomClick(TObject* Sender);
    void DefineCustomClick(TObject* Sender);
    void PaintSample(TObject* Sender);

    TColor color_;
    THls hls_;
    bool showing_ = false;  // ShowColor is writing the boxes: their changes are its own
    int nextCustom_ = 0;    // the custom slot "add" fills
    TColorGrid* basic_ = nullptr;
    TColorGrid* custom_ = nullptr;
    TButton* defineCustom_ = nullptr;
    TPanel* mixer_ = nullptr;  // the right half
    TColorSpectrum* spectrum_ = nullptr;
    TLuminanceBar* luminance_ = nullptr;
    TPaintBox* sample_ = nullptr;
    TEditTrio hlsBoxes_{};
    TEditTrio rgbBoxes_{};
};
