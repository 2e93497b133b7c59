// The recording device context: a vector DC whose sink keeps the calls.
#include "tests/editor_services/printing/print_recording_canvas.h"

#include "platform/base/code_page.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_instance.h"
#include "platform/gdi/vector_sink.h"

class TRecordingCanvas::TRecordingDC : public TDeviceContext, public TVectorSink {
public:
    TRecordingDC() : TDeviceContext(OBJ_DC)
    {
        SetDeviceSize(TSize{20000, 20000});
        SetVectorSink(this);
    }

    void FillRect(const TRect& R, COLORREF Color) override { Fills.emplace_back(R, Color); }
    void Path(const std::vector<TPoint>& Points, bool, const TVectorPaint& Fill, bool, const TVectorPaint& Pen) override
    {
        if (!Fill.Null && Points.size() > 2) {
            // A filled rectangle drawn as a figure.
            TRect box{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
            for (const TPoint& p : Points)
                box = TRect{std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X),
                            std::max(box.Bottom, p.Y)};
            Fills.emplace_back(box, Fill.Color);
        }
        if (!Pen.Null)
            Paths.push_back(Points);
    }
    void Ellipse(const TRect&, const TVectorPaint&, const TVectorPaint&) override {}
    void Glyphs(TFontInstance& Font, const std::vector<TPlacedGlyph>& Glyphs, COLORREF Color, const TRect*) override
    {
        if (Glyphs.empty())
            return;
        TRecordedText text;
        std::u32string codes;
        for (const TPlacedGlyph& glyph : Glyphs) {
            codes += glyph.Code;
            text.PenX.push_back(glyph.Pen.X);
        }
        text.Text = Utf32ToGbk(codes);
        text.Left = Glyphs[0].Pen.X;
        text.Top = Glyphs[0].Pen.Y - Font.Metrics().Ascent;
        text.Color = Color;
        text.Bold = Font.Metrics().Weight >= FW_BOLD;
        text.Italic = Font.Metrics().Italic;
        Texts.push_back(std::move(text));
    }
    void Image(const TRect&, const TSurface&, const TRect&) override {}

    std::vector<TRecordedText> Texts;
    std::vector<std::pair<TRect, COLORREF>> Fills;
    std::vector<std::vector<TPoint>> Paths;
};

TRecordingCanvas::TRecordingCanvas()
{
    auto dc = std::make_unique<TRecordingDC>();
    dc_ = dc.get();
    handle_ = TDeviceContext::Create(std::move(dc));
    canvas_ = std::make_unique<TCanvas>();
    canvas_->SetHandle(handle_);
}

TRecordingCanvas::~TRecordingCanvas()
{
    canvas_.reset();
    DeleteDC(handle_);
}

void TRecordingCanvas::Clear()
{
    dc_->Texts.clear();
    dc_->Fills.clear();
    dc_->Paths.clear();
}

const std::vector<TRecordedText>& TRecordingCanvas::Texts() const { return dc_->Texts; }

std::vector<AnsiString> TRecordingCanvas::Strings() const
{
    std::vector<AnsiString> strings;
    for (const TRecordedText& text : dc_->Texts)
        strings.push_back(text.Text);
    return strings;
}

const std::vector<std::pair<TRect, COLORREF>>& TRecordingCanvas::Fills() const { return dc_->Fills; }

const std::vector<std::vector<TPoint>>& TRecordingCanvas::Paths() const { return dc_->Paths; }
