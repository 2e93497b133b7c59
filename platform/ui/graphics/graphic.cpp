#include "platform/ui/graphics/graphic.h"

#include <string_view>

#include "platform/base/atomic_file.h"
#include "platform/base/streams.h"
#include "platform/ui/graphics/canvas.h"

void TGraphic::SetTransparent(bool Value)
{
    if (Value != transparent_) {
        transparent_ = Value;
        Changed();
    }
}

void TGraphic::LoadFromFile(const AnsiString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

// A failed save leaves the old file as it was.
void TGraphic::SaveToFile(const AnsiString& FileName)
{
    TMemoryStream stream;
    SaveToStream(&stream);
    WriteFileAtomically(FileName, std::string_view(static_cast<const char*>(stream.Memory()),
                                                   static_cast<size_t>(stream.Size())));
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

HDC TGraphic::DrawingHandle(TCanvas* ACanvas)
{
    ACanvas->RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
    return ACanvas->handle_;
}
