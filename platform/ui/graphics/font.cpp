#include "platform/ui/graphics/font.h"

#include <algorithm>
#include <cstring>

#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"

TFont::~TFont()
{
    if (handle_)
        DeleteObject(handle_);
}

void TFont::SetName(const AnsiString& Value)
{
    if (!Value.empty() && Value != name_) {
        name_ = Value;
        Changed();
    }
}

void TFont::SetHeight(int Value)
{
    if (Value != height_) {
        height_ = Value;
        Changed();
    }
}

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, pixelsPerInch_, 72)); }

void TFont::SetStyle(TFontStyles Value)
{
    if (Value != style_) {
        style_ = Value;
        Changed();
    }
}

void TFont::SetCharset(TFontCharset Value)
{
    if (Value != charset_) {
        charset_ = Value;
        Changed();
    }
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value != pitch_) {
        pitch_ = Value;
        Changed();
    }
}

void TFont::SetColor(TColor Value)
{
    if (Value != color_) {
        color_ = Value;
        Changed();
    }
}

LOGFONT TFont::LogFont() const
{
    LOGFONT log;
    log.lfHeight = height_;
    log.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = style_.Contains(fsItalic);
    log.lfUnderline = style_.Contains(fsUnderline);
    log.lfStrikeOut = style_.Contains(fsStrikeOut);
    log.lfCharSet = charset_;
    log.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    // The face name field keeps its terminating zero; a long name is cut
    // before a double-byte character rather than through it.
    size_t length = std::min(name_.size(), static_cast<size_t>(LF_FACESIZE - 1));
    if (length < name_.size())
        length = CharStartOf(name_, length);
    std::memcpy(log.lfFaceName, name_.data(), length);
    return log;
}

HFONT TFont::Handle()
{
    if (!handle_)
        handle_ = CreateFontIndirect(LogFont());
    return handle_;
}

void TFont::Assign(TPersistent* Source)
{
    if (auto* font = dynamic_cast<TFont*>(Source)) {
        name_ = font->name_;
        height_ = pixelsPerInch_ == font->pixelsPerInch_ ? font->height_
                                                         : -MulDiv(font->Size(), pixelsPerInch_, 72);
        style_ = font->style_;
        charset_ = font->charset_;
        pitch_ = font->pitch_;
        color_ = font->color_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::Changed()
{
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    TGraphicsObject::Changed();
}
