#include "platform/gdi/png_codec.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

// libpng reports errors by calling our error handler, which must not return:
// it notes the message and longjmps back to the setjmp of the step that
// called libpng. Those steps (the functions that call setjmp) hold no C++
// object with a destructor, so the jump skips nothing; the C++ callers
// around them own the memory and raise the exception.

namespace {

constexpr size_t kSignatureSize = 8;
// Deflate never expands data more than 1032 times; a picture whose raw rows
// need more than that of the file cannot be complete, so it is refused
// before its pixels are allocated.
constexpr uint64_t kMaxInflateRatio = 1032;

// What libpng's callbacks see. Plain data only (see above).
struct TPngContext {
    const uint8_t* Data = nullptr;
    size_t Size = 0;
    size_t Position = 0;
    std::vector<uint8_t>* Output = nullptr;
    char Error[200] = {};
};

TPngContext* ContextOf(png_structp png) { return static_cast<TPngContext*>(png_get_error_ptr(png)); }

void OnError(png_structp png, png_const_charp message)
{
    std::snprintf(ContextOf(png)->Error, sizeof ContextOf(png)->Error, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, size_t count)
{
    TPngContext* c = ContextOf(png);
    if (count > c->Size - c->Position)
        png_error(png, "file is cut short");
    std::memcpy(out, c->Data + c->Position, count);
    c->Position += count;
}

void OnWrite(png_structp png, png_bytep data, size_t count)
{
    bool failed = false;
    try {
        ContextOf(png)->Output->insert(ContextOf(png)->Output->end(), data, data + count);
    } catch (...) {
        failed = true;
    }
    if (failed)
        png_error(png, "out of memory");
}

void OnFlush(png_structp) {}

struct TPngHeader {
    uint32_t Width = 0;
    uint32_t Height = 0;
    uint64_t RawBytes = 0;  // the filtered rows before compression
    bool HasAlpha = false;
};

// Reads the chunks before the pixels and asks libpng for 8-bit B, G, R, A
// rows whatever the file holds.
bool ReadHeader(png_structp png, png_infop info, TPngHeader* header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    header->Width = png_get_image_width(png, info);
    header->Height = png_get_image_height(png, info);
    const int colorType = png_get_color_type(png, info);
    const uint64_t bitsPerPixel = uint64_t(png_get_bit_depth(png, info)) * png_get_channels(png, info);
    header->RawBytes = header->Height * (1 + (header->Width * bitsPerPixel + 7) / 8);
    const bool transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    header->HasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) || transparency;

    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (transparency)
        png_set_tRNS_to_alpha(png);
    png_set_scale_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR))
        png_set_gray_to_rgb(png);
    if (!header->HasAlpha)
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(header->Width) * 4)
        png_error(png, "unexpected row layout");
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    // To the end chunk, which checks the last data chunk's CRC and refuses a
    // file cut short after its rows.
    png_read_end(png, nullptr);
    return true;
}

bool WriteRows(png_structp png, png_infop info, uint32_t width, uint32_t height, bool alpha, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, width, height, 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!alpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the fourth byte
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

class TPngReader {
public:
    explicit TPngReader(TPngContext* context)
    {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, context, OnError, OnWarning);
        if (png_)
            info_ = png_create_info_struct(png_);
        if (!png_ || !info_) {
            png_destroy_read_struct(&png_, &info_, nullptr);
            throw std::bad_alloc();
        }
        png_set_read_fn(png_, context, OnRead);
    }
    ~TPngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
    TPngReader(const TPngReader&) = delete;
    TPngReader& operator=(const TPngReader&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

class TPngWriter {
public:
    explicit TPngWriter(TPngContext* context)
    {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, context, OnError, OnWarning);
        if (png_)
            info_ = png_create_info_struct(png_);
        if (!png_ || !info_) {
            png_destroy_write_struct(&png_, &info_);
            throw std::bad_alloc();
        }
        png_set_write_fn(png_, context, OnWrite, OnFlush);
    }
    ~TPngWriter() { png_destroy_write_struct(&png_, &info_); }
    TPngWriter(const TPngWriter&) = delete;
    TPngWriter& operator=(const TPngWriter&) = delete;

    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

[[noreturn]] void Fail(const char* Reason)
{
    throw EInvalidGraphic(AnsiString("PNG image is not valid: ") + Reason);
}

}  // namespace

bool IsPngSignature(std::span<const uint8_t> Data)
{
    return Data.size() >= kSignatureSize && png_sig_cmp(Data.data(), 0, kSignatureSize) == 0;
}

TRasterImage ReadPng(std::span<const uint8_t> Data)
{
    if (!IsPngSignature(Data))
        Fail("no PNG signature");
    TPngContext context;
    context.Data = Data.data();
    context.Size = Data.size();
    TPngReader reader(&context);
    TPngHeader header;
    if (!ReadHeader(reader.Png(), reader.Info(), &header))
        Fail(context.Error);
    if (header.RawBytes > Data.size() * kMaxInflateRatio)
        Fail("image data is cut short");
    TRasterImage image = TRasterImage::Sized(static_cast<int>(header.Width), static_cast<int>(header.Height));
    std::vector<png_bytep> rows(header.Height);
    for (int y = 0; y < image.Height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(image.Row(y));
    if (!ReadRows(reader.Png(), rows.data()))
        Fail(context.Error);
    image.HasAlpha = header.HasAlpha;
    return image;
}

std::vector<uint8_t> WritePng(const TRasterImage& Image)
{
    if (Image.Empty())
        throw EInvalidGraphic("Cannot save an empty picture");
    std::vector<uint8_t> output;
    TPngContext context;
    context.Output = &output;
    TPngWriter writer(&context);
    std::vector<png_bytep> rows(Image.Height);
    for (int y = 0; y < Image.Height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(const_cast<uint32_t*>(Image.Row(y)));
    if (!WriteRows(writer.Png(), writer.Info(), Image.Width, Image.Height, Image.HasAlpha, rows.data()))
        throw EInvalidGraphic(AnsiString("Cannot write PNG image: ") + context.Error);
    return output;
}
