#include "platform/ui/graphics/picture.h"

#include <vector>

#include "platform/base/code_page.h"
#include "platform/base/files.h"
#include "platform/base/streams.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/graphics/bitmap.h"
#include "platform/ui/graphics/icon.h"

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> Value)
{
    graphic_ = std::move(Value);
    if (graphic_)
        graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
    GraphicChanged(this);
}

void TPicture::GraphicChanged(TObject*)
{
    if (OnChange)
        OnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    std::unique_ptr<TGraphic> copy;
    if (Value) {
        copy = Value->NewEmpty();
        copy->Assign(Value);
    }
    TakeGraphic(std::move(copy));
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(graphic_.get()))
        TakeGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(graphic_.get()))
        TakeGraphic(std::make_unique<TIcon>());
    return static_cast<TIcon*>(graphic_.get());
}

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }

int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::LoadFromFile(const AnsiString& FileName)
{
    AnsiString ext = LowerCase(ExtractFileExt(FileName));
    std::unique_ptr<TGraphic> loaded;
    if (ext == ".bmp") {
        loaded = std::make_unique<TBitmap>();
        loaded->LoadFromFile(FileName);
    } else if (ext == ".ico") {
        loaded = std::make_unique<TIcon>();
        loaded->LoadFromFile(FileName);
    } else if (ext == ".png") {
        TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
        std::vector<uint8_t> data(static_cast<size_t>(stream.Size()));
        stream.ReadBuffer(data.data(), static_cast<int64_t>(data.size()));
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->AssignImage(ReadPng(data));
        loaded = std::move(bitmap);
    } else {
        throw EInvalidGraphic("Unknown picture file extension (." + ext.substr(ext.empty() ? 0 : 1) + ")");
    }
    TakeGraphic(std::move(loaded));
}

void TPicture::SaveToFile(const AnsiString& FileName)
{
    if (graphic_)
        graphic_->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source)
{
    if (!Source)
        SetGraphic(nullptr);
    else if (auto* picture = dynamic_cast<TPicture*>(Source))
        SetGraphic(picture->graphic_.get());
    else if (auto* graphic = dynamic_cast<TGraphic*>(Source))
        SetGraphic(graphic);
    else
        TPersistent::Assign(Source);
}
