#include "platform/gdi/font_matching.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

#include "platform/base/code_page.h"
#include "platform/gdi/freetype_font.h"

namespace {

enum class TGeneric { Sans, Serif, Mono };

struct TSubstitute {
    const char* Name;  // GBK, as stored settings and programs write it
    TGeneric Generic;
    bool Chinese;  // prefer a face that covers Chinese
};

// The one substitution table. Chinese names are GBK literals, matching the
// face names programs hand us byte for byte (up to case).
const TSubstitute kSubstitutes[] = {
    {"Courier New", TGeneric::Mono, false},
    {"Courier", TGeneric::Mono, false},
    {"Consolas", TGeneric::Mono, false},
    {"Lucida Console", TGeneric::Mono, false},
    {"Fixedsys", TGeneric::Mono, false},
    {"Terminal", TGeneric::Mono, false},
    {"System", TGeneric::Sans, false},
    {"MS Sans Serif", TGeneric::Sans, false},
    {"Microsoft Sans Serif", TGeneric::Sans, false},
    {"MS Shell Dlg", TGeneric::Sans, false},
    {"MS Shell Dlg 2", TGeneric::Sans, false},
    {"Arial", TGeneric::Sans, false},
    {"Tahoma", TGeneric::Sans, false},
    {"Verdana", TGeneric::Sans, false},
    {"Segoe UI", TGeneric::Sans, false},
    {"Trebuchet MS", TGeneric::Sans, false},
    {"Lucida Sans Unicode", TGeneric::Sans, false},
    {"Times New Roman", TGeneric::Serif, false},
    {"MS Serif", TGeneric::Serif, false},
    {"Georgia", TGeneric::Serif, false},
    {"宋体", TGeneric::Mono, true},
    {"新宋体", TGeneric::Mono, true},
    {"SimSun", TGeneric::Mono, true},
    {"NSimSun", TGeneric::Mono, true},
    {"仿宋", TGeneric::Serif, true},
    {"仿宋_GB2312", TGeneric::Serif, true},
    {"FangSong", TGeneric::Serif, true},
    {"楷体", TGeneric::Serif, true},
    {"楷体_GB2312", TGeneric::Serif, true},
    {"KaiTi", TGeneric::Serif, true},
    {"黑体", TGeneric::Sans, true},
    {"SimHei", TGeneric::Sans, true},
    {"微软雅黑", TGeneric::Sans, true},
    {"Microsoft YaHei", TGeneric::Sans, true},
    {"新细明体", TGeneric::Serif, true},
    {"细明体", TGeneric::Mono, true},
    {"PMingLiU", TGeneric::Serif, true},
    {"MingLiU", TGeneric::Mono, true},
};

const char* GenericName(TGeneric g)
{
    switch (g) {
    case TGeneric::Serif:
        return "serif";
    case TGeneric::Mono:
        return "monospace";
    case TGeneric::Sans:
        break;
    }
    return "sans-serif";
}

const TSubstitute* FindSubstitute(std::string_view name)
{
    for (const TSubstitute& s : kSubstitutes)
        if (CompareText(name, s.Name) == 0)
            return &s;
    return nullptr;
}

std::string_view FaceNameOf(const LOGFONT& log)
{
    return std::string_view(log.lfFaceName, strnlen(log.lfFaceName, LF_FACESIZE));
}

void EnsureFontconfig()
{
    static const bool ready = FcInit() == FcTrue;
    (void)ready;
}

// Owns a fontconfig pattern for the length of a scope.
struct TPattern {
    FcPattern* P;
    explicit TPattern(FcPattern* p) : P(p) {}
    ~TPattern()
    {
        if (P)
            FcPatternDestroy(P);
    }
    TPattern(const TPattern&) = delete;
    TPattern& operator=(const TPattern&) = delete;
};

const FcChar8* Fc(const char* s) { return reinterpret_cast<const FcChar8*>(s); }

void AddStyle(FcPattern* p, int32_t weight, bool italic)
{
    FcPatternAddInteger(p, FC_WEIGHT, FcWeightFromOpenType(weight == FW_DONTCARE ? FW_NORMAL : weight));
    FcPatternAddInteger(p, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(p, FC_SCALABLE, FcTrue);
}

// Runs fontconfig's match and reads what we need from the face it chose.
// fontconfig always chooses some face; with MustHave it must have a glyph
// for that code point, else nothing is found.
TFaceSource Match(FcPattern* pattern, int32_t weight, bool italic, char32_t mustHave = 0)
{
    TFaceSource source;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    TPattern match(FcFontMatch(nullptr, pattern, &result));
    FcChar8* file = nullptr;
    if (!match.P || FcPatternGetString(match.P, FC_FILE, 0, &file) != FcResultMatch)
        return source;
    FcCharSet* charset = nullptr;
    if (mustHave && (FcPatternGetCharSet(match.P, FC_CHARSET, 0, &charset) != FcResultMatch ||
                     !FcCharSetHasChar(charset, mustHave)))
        return source;
    source.File = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.P, FC_INDEX, 0, &source.Index);
    FcChar8* family = nullptr;
    if (FcPatternGetString(match.P, FC_FAMILY, 0, &family) == FcResultMatch)
        source.Family = Utf8ToGbk(reinterpret_cast<const char*>(family));
    int matchedWeight = FC_WEIGHT_REGULAR;
    int matchedSlant = FC_SLANT_ROMAN;
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(match.P, FC_WEIGHT, 0, &matchedWeight);
    FcPatternGetInteger(match.P, FC_SLANT, 0, &matchedSlant);
    FcPatternGetInteger(match.P, FC_SPACING, 0, &spacing);
    source.Embolden = weight >= FW_SEMIBOLD && matchedWeight < FC_WEIGHT_DEMIBOLD;
    source.Oblique = italic && matchedSlant == FC_SLANT_ROMAN;
    source.FixedPitch = spacing >= FC_DUAL || HasFixedPitchAscii(source.File, source.Index);
    return source;
}

TGeneric GenericOfFamily(uint8_t pitchAndFamily)
{
    switch (pitchAndFamily & FAMILY_MASK) {
    case FF_ROMAN:
        return TGeneric::Serif;
    case FF_MODERN:
        return TGeneric::Mono;
    }
    return TGeneric::Sans;
}

TFaceSource MatchUncached(const LOGFONT& log)
{
    EnsureFontconfig();
    const std::string_view name = FaceNameOf(log);
    const TSubstitute* substitute = FindSubstitute(name);
    const bool fixed = (log.lfPitchAndFamily & PITCH_MASK) == FIXED_PITCH;
    TGeneric generic = substitute ? substitute->Generic : GenericOfFamily(log.lfPitchAndFamily);
    if (fixed)
        generic = TGeneric::Mono;

    TPattern pattern(FcPatternCreate());
    if (!substitute && !name.empty())
        FcPatternAddString(pattern.P, FC_FAMILY, Fc(GbkToUtf8(name).c_str()));
    FcPatternAddString(pattern.P, FC_FAMILY, Fc(GenericName(generic)));
    if (fixed)
        FcPatternAddInteger(pattern.P, FC_SPACING, FC_MONO);
    if (substitute && substitute->Chinese)
        FcPatternAddString(pattern.P, FC_LANG, Fc("zh-cn"));
    AddStyle(pattern.P, log.lfWeight, log.lfItalic != 0);
    return Match(pattern.P, log.lfWeight, log.lfItalic != 0);
}

}  // namespace

TFaceSource MatchFace(const LOGFONT& Log)
{
    // Only what the match looks at makes the key.
    std::string key(Log.lfFaceName, strnlen(Log.lfFaceName, LF_FACESIZE));
    key = UpperCase(key);
    key += '\0';
    key += static_cast<char>(Log.lfWeight >= FW_SEMIBOLD ? 1 : 0);
    key += static_cast<char>(Log.lfWeight / 100);
    key += static_cast<char>(Log.lfItalic ? 1 : 0);
    key += static_cast<char>(Log.lfPitchAndFamily);
    static std::map<std::string, TFaceSource> cache;
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(std::move(key), MatchUncached(Log)).first;
    return it->second;
}

TFaceSource FallbackFace(char32_t Code, int32_t Weight, bool Italic)
{
    const bool bold = Weight >= FW_SEMIBOLD;
    const uint64_t key = static_cast<uint64_t>(Code) << 2 | (bold ? 2u : 0u) | (Italic ? 1u : 0u);
    static std::map<uint64_t, TFaceSource> cache;
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;

    EnsureFontconfig();
    TPattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.P, FC_FAMILY, Fc("sans-serif"));
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, Code);
    FcPatternAddCharSet(pattern.P, FC_CHARSET, wanted);
    FcCharSetDestroy(wanted);
    AddStyle(pattern.P, Weight, Italic);
    TFaceSource source = Match(pattern.P, Weight, Italic, Code);
    cache.emplace(key, source);
    return source;
}

std::vector<TFontFamily> GetFontFamilies()
{
    EnsureFontconfig();
    std::vector<TFontFamily> families;
    TPattern all(FcPatternCreate());
    FcPatternAddBool(all.P, FC_SCALABLE, FcTrue);
    FcObjectSet* objects =
        FcObjectSetBuild(FC_FAMILY, FC_SPACING, FC_LANG, FC_FILE, FC_INDEX, static_cast<char*>(nullptr));
    FcFontSet* set = FcFontList(nullptr, all.P, objects);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        FcChar8* family = nullptr;
        if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch)
            continue;
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(font, FC_SPACING, 0, &spacing);
        FcLangSet* langs = nullptr;
        bool chinese = FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch &&
                       FcLangSetHasLang(langs, Fc("zh-cn")) != FcLangDifferentLang;
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        bool fixed = spacing >= FC_DUAL || (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch &&
                                            HasFixedPitchAscii(reinterpret_cast<const char*>(file), index));
        families.push_back({Utf8ToGbk(reinterpret_cast<const char*>(family)),
                            static_cast<uint8_t>(fixed ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_DONTCARE),
                            chinese ? GB2312_CHARSET : ANSI_CHARSET, true});
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);

    for (const TSubstitute& s : kSubstitutes) {
        LOGFONT log;
        std::strncpy(log.lfFaceName, s.Name, LF_FACESIZE - 1);
        TFaceSource face = MatchFace(log);
        if (!face.Found())
            continue;
        uint8_t family = s.Generic == TGeneric::Serif ? FF_ROMAN : s.Generic == TGeneric::Mono ? FF_MODERN : FF_SWISS;
        families.push_back({s.Name, static_cast<uint8_t>((face.FixedPitch ? FIXED_PITCH : VARIABLE_PITCH) | family),
                            s.Chinese ? GB2312_CHARSET : ANSI_CHARSET, true});
    }

    std::stable_sort(families.begin(), families.end(), [](const TFontFamily& a, const TFontFamily& b) {
        return CompareText(a.FaceName, b.FaceName) < 0;
    });
    families.erase(std::unique(families.begin(), families.end(),
                               [](const TFontFamily& a, const TFontFamily& b) {
                                   return CompareText(a.FaceName, b.FaceName) == 0;
                               }),
                   families.end());
    return families;
}

// GCC says it builds with the address sanitizer by a macro, clang by a
// feature test (the fuzz build).
#if defined(__SANITIZE_ADDRESS__)
#define TANDRIL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TANDRIL_ADDRESS_SANITIZER 1
#endif
#endif

#if defined(TANDRIL_ADDRESS_SANITIZER)
// fontconfig loses a block while it parses its configuration, once per
// process; the leak checker of sanitizer builds is told so here, beside the
// only code that loads fontconfig.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
