// The process-wide registry of editor fonts. Every editor draws its text in
// up to 16 style variants of its base font; editors with the same base font
// share one record, so each variant's handle is made and measured once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/ui/graphics/font.h"

// The unit named by the assertions of the text drawer and its fonts.
inline constexpr const char* kSynTextDrawerUnit = "SynTextDrawer";

// One style variant of a shared font. Handle is 0 until a font stock needs
// the variant; the measures are valid while Handle is not 0.
struct TheFontData {
    uint8_t Style = 0;  // the style set value: bit 0 bold, 1 italic, 2 underline, 3 strike-out
    HFONT Handle = nullptr;
    int32_t CharAdv = 0;
    int32_t DBCharAdv = 0;  // 0x7FFFFFFF: no fixed advance for double-byte characters
    int32_t CharHeight = 0;
};

// What the editors with one base font share.
struct TheSharedFontsInfo {
    // The font stocks that use the record; the record goes with the last.
    int32_t RefCount = 0;
    // The font stocks holding font handles; the 16 handles live while it is
    // above 0, and it never exceeds RefCount.
    int32_t LockCount = 0;
    std::unique_ptr<TFont> BaseFont;
    LOGFONT BaseLF;  // the key, as prepared for comparison
    bool IsDBCSFont = false;
    bool IsTrueType = false;
    std::array<TheFontData, 16> FontsData;  // indexed by the style set value
};

class TheFontsInfoManager {
public:
    TheFontsInfoManager() = default;
    TheFontsInfoManager(const TheFontsInfoManager&) = delete;
    TheFontsInfoManager& operator=(const TheFontsInfoManager&) = delete;
    // Frees the records still registered, with their handles.
    ~TheFontsInfoManager();

    // The record of the font, made when there is none yet; its reference
    // count is raised by one for the caller.
    TheSharedFontsInfo* FindOrAddFontsInfo(TFont* BaseFont);
    // Gives up one reference; the last one frees the record. Handles must
    // be unlocked first.
    void UnrefFontsInfo(TheSharedFontsInfo* FontsInfo);
    void ActivateFontsInfo(TheSharedFontsInfo* FontsInfo);
    // The last unlock deletes the record's font handles.
    void DeactivateFontsInfo(TheSharedFontsInfo* FontsInfo);

    int Count() const { return static_cast<int>(fontsInfo_.size()); }

private:
    std::vector<std::unique_ptr<TheSharedFontsInfo>> fontsInfo_;
};

// The one manager of the process, made on first request and freed at exit.
TheFontsInfoManager* GetFontsInfoManager();
