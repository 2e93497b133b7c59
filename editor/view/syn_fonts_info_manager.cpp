#include "editor/view/syn_fonts_info_manager.h"

#include <algorithm>
#include <cstring>

#include "editor/document/syn_assert.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text_measure.h"

namespace {

void DeleteFontHandles(TheSharedFontsInfo& info)
{
    for (TheFontData& data : info.FontsData) {
        if (data.Handle) {
            DeleteObject(data.Handle);
            data.Handle = nullptr;
        }
    }
}

// A memory DC stands in for the screen: measuring needs no pixels.
bool IsDBCSFont(TFont* font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font->Handle());
    const bool dbcs = (GetFontLanguageInfo(dc) & GCP_DBCS) != 0;
    SelectObject(dc, old);
    DeleteDC(dc);
    return dbcs;
}

// The logical font of the font's handle as records are keyed: italic,
// underline and strike-out cleared (the variants carry them), and every byte
// after the face name's terminating zero cleared, so that two descriptions
// of one font compare equal byte for byte. The weight is kept.
LOGFONT PrepareFontForComparison(TFont* Font)
{
    LOGFONT lf;
    GetObject(Font->Handle(), sizeof lf, &lf);
    lf.lfItalic = 0;
    lf.lfUnderline = 0;
    lf.lfStrikeOut = 0;
    char* name = lf.lfFaceName;
    char* end = std::find(name, name + LF_FACESIZE, '\0');
    std::fill(end, name + LF_FACESIZE, '\0');
    return lf;
}

}  // namespace

TheFontsInfoManager::~TheFontsInfoManager()
{
    while (!fontsInfo_.empty()) {
        DeleteFontHandles(*fontsInfo_.back());
        fontsInfo_.pop_back();
    }
}

TheSharedFontsInfo* TheFontsInfoManager::FindOrAddFontsInfo(TFont* BaseFont)
{
    SynAssert(BaseFont != nullptr, kSynTextDrawerUnit);
    const LOGFONT lf = PrepareFontForComparison(BaseFont);
    for (const auto& info : fontsInfo_) {
        if (std::memcmp(&info->BaseLF, &lf, sizeof lf) == 0) {
            ++info->RefCount;
            return info.get();
        }
    }
    auto info = std::make_unique<TheSharedFontsInfo>();
    info->BaseFont = std::make_unique<TFont>();
    info->BaseFont->Assign(BaseFont);
    info->BaseLF = lf;
    info->IsTrueType = (lf.lfPitchAndFamily & TMPF_TRUETYPE) != 0;
    info->IsDBCSFont = IsDBCSFont(info->BaseFont.get());
    info->RefCount = 1;
    fontsInfo_.push_back(std::move(info));
    return fontsInfo_.back().get();
}

void TheFontsInfoManager::UnrefFontsInfo(TheSharedFontsInfo* FontsInfo)
{
    SynAssert(FontsInfo != nullptr, kSynTextDrawerUnit);
    SynAssert(FontsInfo->LockCount < FontsInfo->RefCount, kSynTextDrawerUnit,
              "Call DeactivateFontsInfo before calling this.");
    if (FontsInfo->RefCount > 1) {
        --FontsInfo->RefCount;
        return;
    }
    auto it = std::find_if(fontsInfo_.begin(), fontsInfo_.end(),
                           [FontsInfo](const auto& info) { return info.get() == FontsInfo; });
    SynAssert(it != fontsInfo_.end(), kSynTextDrawerUnit);
    fontsInfo_.erase(it);
}

void TheFontsInfoManager::ActivateFontsInfo(TheSharedFontsInfo* FontsInfo) { ++FontsInfo->LockCount; }

void TheFontsInfoManager::DeactivateFontsInfo(TheSharedFontsInfo* FontsInfo)
{
    SynAssert(FontsInfo->LockCount > 0, kSynTextDrawerUnit);
    if (--FontsInfo->LockCount == 0)
        DeleteFontHandles(*FontsInfo);
}

TheFontsInfoManager* GetFontsInfoManager()
{
    // The handle table is made before the manager so that it is still there
    // when the manager, freed at exit, deletes the handles it holds.
    static const std::unique_ptr<TheFontsInfoManager> manager =
        (GdiObjectCount(), std::make_unique<TheFontsInfoManager>());
    return manager.get();
}
