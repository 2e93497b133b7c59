// The printer DC's pages through cairo's PDF surface. Device units are 1/600
// inch from the printable area's corner; cairo works in points, so the page
// is scaled once and every path and glyph is given in device units.
#include "platform/gdi/printer_dc.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/base/sys_utils.h"
#include "platform/gdi/font_instance.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/vector_sink.h"

namespace {

constexpr double PointsPerUnit = 72.0 / PrinterDpi;
// Slant of a synthesised italic, as the screen's fonts give it.
constexpr double ObliqueShear = 0.2;

void SetColor(cairo_t* cr, COLORREF color)
{
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

const std::vector<TPaperSize>& PaperSizes()
{
    static const std::vector<TPaperSize> sizes = {
        {"A4", 2100, 2970}, {"Letter", 2159, 2794}, {"Legal", 2159, 3556}, {"A3", 2970, 4200},
        {"A5", 1480, 2100}, {"B5", 1760, 2500},
    };
    return sizes;
}

TPageSetup PageSetupFor(const TPaperSize& Paper, bool Landscape)
{
    // Tenths of a millimetre to 600ths of an inch.
    TSize size{MulDiv(Paper.Width, PrinterDpi, 254), MulDiv(Paper.Height, PrinterDpi, 254)};
    if (Landscape)
        std::swap(size.cx, size.cy);
    return {size, TPoint{0, 0}, size};
}

// One PDF document being made: the surface writing into Pdf, the drawing
// context of the open page, and the cairo faces made from the font files.
class TPrinterDC::TDocument : public TVectorSink {
public:
    TDocument(TPrinterDC& dc) : dc_(dc)
    {
        const TPageSetup& s = dc.Setup();
        surface_ = cairo_pdf_surface_create_for_stream(AppendBytes, &pdf_, s.Paper.cx * PointsPerUnit,
                                                       s.Paper.cy * PointsPerUnit);
        cr_ = cairo_create(surface_);
        cairo_scale(cr_, PointsPerUnit, PointsPerUnit);
        cairo_translate(cr_, s.PrintableOffset.X, s.PrintableOffset.Y);
        options_ = cairo_font_options_create();
        // Glyphs go exactly where the screen's advances put them.
        cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
        cairo_set_font_options(cr_, options_);
    }
    ~TDocument() override
    {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        for (auto& [key, face] : faces_)
            cairo_font_face_destroy(face);
        cairo_font_options_destroy(options_);
    }
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    void ShowPage() { cairo_show_page(cr_); }
    bool Finish(std::string& pdf)
    {
        cairo_surface_finish(surface_);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
            return false;
        pdf = std::move(pdf_);
        return true;
    }

    void FillRect(const TRect& r, COLORREF color) override
    {
        Clipped([&] {
            cairo_rectangle(cr_, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
            SetColor(cr_, color);
            cairo_fill(cr_);
        });
    }

    void Path(const std::vector<TPoint>& points, bool closed, const TVectorPaint& fill, bool winding,
              const TVectorPaint& pen) override
    {
        if (points.empty())
            return;
        Clipped([&] {
            // Through pixel centres, where the raster lines run.
            for (const TPoint& p : points)
                cairo_line_to(cr_, p.X + 0.5, p.Y + 0.5);
            if (closed)
                cairo_close_path(cr_);
            Paint(fill, winding, pen);
        });
    }

    void Ellipse(const TRect& box, const TVectorPaint& fill, const TVectorPaint& pen) override
    {
        const double w = box.Right - box.Left - 1, h = box.Bottom - box.Top - 1;
        if (w <= 0 || h <= 0)
            return;
        Clipped([&] {
            cairo_save(cr_);
            cairo_translate(cr_, box.Left + 0.5 + w / 2, box.Top + 0.5 + h / 2);
            cairo_scale(cr_, w / 2, h / 2);
            cairo_arc(cr_, 0, 0, 1, 0, 2 * 3.14159265358979323846);
            cairo_restore(cr_);
            Paint(fill, false, pen);
        });
    }

    void Glyphs(TFontInstance& font, const std::vector<TPlacedGlyph>& glyphs, COLORREF color,
                const TRect* limit) override
    {
        Clipped([&] {
            if (limit) {
                cairo_rectangle(cr_, limit->Left, limit->Top, limit->Right - limit->Left, limit->Bottom - limit->Top);
                cairo_clip(cr_);
            }
            SetColor(cr_, color);
            // Runs of glyphs from one face go out in one call: setting the
            // font for each glyph costs more than drawing it.
            TGlyphSource runSource;
            std::vector<cairo_glyph_t> run;
            std::vector<cairo_text_cluster_t> clusters;
            std::string utf8;
            auto flush = [&] {
                if (run.empty())
                    return;
                cairo_set_font_face(cr_, Face(runSource));
                cairo_matrix_t m;
                cairo_matrix_init(&m, runSource.EmX, 0, runSource.Oblique ? -ObliqueShear * runSource.EmY : 0,
                                  runSource.EmY, 0, 0);
                cairo_set_font_matrix(cr_, &m);
                // The Unicode text goes with the glyphs, so that the PDF's
                // text can be searched and copied.
                cairo_show_text_glyphs(cr_, utf8.data(), static_cast<int>(utf8.size()), run.data(),
                                       static_cast<int>(run.size()), clusters.data(), static_cast<int>(clusters.size()),
                                       cairo_text_cluster_flags_t(0));
                run.clear();
                clusters.clear();
                utf8.clear();
            };
            for (const TPlacedGlyph& g : glyphs) {
                if (g.Code < 0x20)
                    continue;
                TGlyphSource source = font.Source(g.Code);
                if (source.File.empty())
                    continue;
                if (source.File != runSource.File || source.Index != runSource.Index || source.EmX != runSource.EmX ||
                    source.EmY != runSource.EmY || source.Embolden != runSource.Embolden ||
                    source.Oblique != runSource.Oblique) {
                    flush();
                    runSource = source;
                }
                const size_t before = utf8.size();
                // Bytes GBK has no Unicode for arrive as lone surrogates,
                // which cairo refuses, failing the whole document; the glyph
                // stays as the screen draws it, its text is the replacement.
                AppendUtf8(utf8, (g.Code >= 0xD800 && g.Code < 0xE000) || g.Code > 0x10FFFF ? U'\uFFFD' : g.Code);
                run.push_back({source.GlyphIndex, static_cast<double>(g.Pen.X), static_cast<double>(g.Pen.Y)});
                clusters.push_back({static_cast<int>(utf8.size() - before), 1});
            }
            flush();
        });
    }

    void Image(const TRect& dest, const TSurface& source, const TRect& from) override
    {
        const int w = from.Right - from.Left, h = from.Bottom - from.Top;
        if (w <= 0 || h <= 0 || dest.Right == dest.Left || dest.Bottom == dest.Top)
            return;
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_surface_flush(image);
        unsigned char* data = cairo_image_surface_get_data(image);
        const int stride = cairo_image_surface_get_stride(image);
        for (int y = 0; y < h; ++y)
            source.ReadRow(from.Left, from.Top + y, w, reinterpret_cast<uint32_t*>(data + y * stride));
        cairo_surface_mark_dirty(image);
        Clipped([&] {
            cairo_translate(cr_, dest.Left, dest.Top);
            cairo_scale(cr_, static_cast<double>(dest.Right - dest.Left) / w, static_cast<double>(dest.Bottom - dest.Top) / h);
            cairo_set_source_surface(cr_, image, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
            cairo_paint(cr_);
        });
        cairo_surface_destroy(image);
    }

private:
    // Runs Draw limited to the DC's clip region.
    template <typename F>
    void Clipped(F&& draw)
    {
        cairo_save(cr_);
        cairo_new_path(cr_);
        if (const std::optional<TRegion>& clip = dc_.State().Clip) {
            for (const TRect& r : clip->Rects())
                cairo_rectangle(cr_, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
            cairo_clip(cr_);
        }
        draw();
        cairo_restore(cr_);
    }

    void Paint(const TVectorPaint& fill, bool winding, const TVectorPaint& pen)
    {
        if (!fill.Null) {
            cairo_set_fill_rule(cr_, winding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
            SetColor(cr_, fill.Color);
            cairo_fill_preserve(cr_);
        }
        if (!pen.Null) {
            SetColor(cr_, pen.Color);
            cairo_set_line_width(cr_, pen.Width);
            // Wide pens end and join round, as the raster strokes do.
            cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr_);
        }
        cairo_new_path(cr_);
    }

    cairo_font_face_t* Face(const TGlyphSource& source)
    {
        auto key = std::make_tuple(source.File, source.Index, source.Embolden);
        auto it = faces_.find(key);
        if (it != faces_.end())
            return it->second;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(source.File.c_str()));
        FcPatternAddInteger(pattern, FC_INDEX, source.Index);
        cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
        FcPatternDestroy(pattern);
        if (source.Embolden)
            cairo_ft_font_face_set_synthesize(face, CAIRO_FT_SYNTHESIZE_BOLD);
        faces_.emplace(key, face);
        return face;
    }

    static void AppendUtf8(std::string& s, char32_t c)
    {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (c >> 18));
            s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    TPrinterDC& dc_;
    std::string pdf_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    cairo_font_options_t* options_ = nullptr;
    std::map<std::tuple<std::string, int, bool>, cairo_font_face_t*> faces_;
};

TPrinterDC::TPrinterDC(const TPageSetup& Setup) : TDeviceContext(OBJ_DC), setup_(Setup)
{
    SetDeviceSize(Setup.Printable);
}

TPrinterDC::~TPrinterDC() = default;

int TPrinterDC::DeviceCaps(int Index) const
{
    switch (Index) {
    case TECHNOLOGY: return DT_RASPRINTER;
    case HORZSIZE: return MulDiv(setup_.Printable.cx, 254, PrinterDpi * 10);
    case VERTSIZE: return MulDiv(setup_.Printable.cy, 254, PrinterDpi * 10);
    case HORZRES: return setup_.Printable.cx;
    case VERTRES: return setup_.Printable.cy;
    case LOGPIXELSX:
    case LOGPIXELSY: return PrinterDpi;
    case PHYSICALWIDTH: return setup_.Paper.cx;
    case PHYSICALHEIGHT: return setup_.Paper.cy;
    case PHYSICALOFFSETX: return setup_.PrintableOffset.X;
    case PHYSICALOFFSETY: return setup_.PrintableOffset.Y;
    default: return TDeviceContext::DeviceCaps(Index);
    }
}

void TPrinterDC::StartDoc()
{
    AbortDoc();
    document_ = std::make_unique<TDocument>(*this);
    SetVectorSink(document_.get());
}

void TPrinterDC::StartPage()
{
    if (document_ && !pageOpen_) {
        pageOpen_ = true;
        ++pages_;
    }
}

void TPrinterDC::EndPage()
{
    if (document_ && pageOpen_) {
        document_->ShowPage();
        pageOpen_ = false;
    }
}

bool TPrinterDC::EndDoc(std::string& Pdf)
{
    if (!document_)
        return false;
    EndPage();
    bool made = document_->Finish(Pdf);
    AbortDoc();
    return made;
}

void TPrinterDC::AbortDoc()
{
    SetVectorSink(nullptr);
    document_.reset();
    pages_ = 0;
    pageOpen_ = false;
}

HDC CreatePrinterDC(const TPageSetup& Setup)
{
    return TDeviceContext::Create(std::make_unique<TPrinterDC>(Setup));
}

TPrinterDC* PrinterDCOf(HDC DC)
{
    return dynamic_cast<TPrinterDC*>(DeviceContextOf(DC));
}
