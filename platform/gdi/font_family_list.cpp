#include "platform/gdi/font_family_list.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/base/code_page.h"

namespace {

TFaceStyle StyleOf(FcPattern* Face)
{
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(Face, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(Face, FC_SLANT, 0, &slant);
    const bool bold = weight >= FC_WEIGHT_DEMIBOLD;
    const bool italic = slant != FC_SLANT_ROMAN;
    if (bold)
        return italic ? TFaceStyle::BoldItalic : TFaceStyle::Bold;
    return italic ? TFaceStyle::Italic : TFaceStyle::Regular;
}

// A face without FC_SPACING is proportional.
bool IsFixedPitch(FcPattern* Face)
{
    int spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(Face, FC_SPACING, 0, &spacing);
    return spacing == FC_MONO || spacing == FC_CHARCELL;
}

}  // namespace

std::vector<TInstalledFamily> InstalledFamilies()
{
    FcInit();
    FcPattern* scalable = FcPatternCreate();
    FcPatternAddBool(scalable, FC_SCALABLE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_SPACING, FC_WEIGHT, FC_SLANT, static_cast<char*>(nullptr));
    FcFontSet* faces = FcFontList(nullptr, scalable, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(scalable);

    std::vector<TInstalledFamily> families;
    for (int i = 0; faces && i < faces->nfont; ++i) {
        FcPattern* face = faces->fonts[i];
        FcChar8* utf8 = nullptr;
        if (FcPatternGetString(face, FC_FAMILY, 0, &utf8) != FcResultMatch)
            continue;
        const std::string name = reinterpret_cast<const char*>(utf8);
        AnsiString gbk = Utf8ToGbk(name);
        if (GbkToUtf8(gbk) != name)
            continue;
        auto same = [&](const TInstalledFamily& f) { return f.Name == gbk; };
        auto it = std::find_if(families.begin(), families.end(), same);
        if (it == families.end()) {
            families.push_back({std::move(gbk), true, {}});
            it = families.end() - 1;
        }
        it->FixedPitch = it->FixedPitch && IsFixedPitch(face);
        it->Styles.Include(StyleOf(face));
    }
    if (faces)
        FcFontSetDestroy(faces);
    std::sort(families.begin(), families.end(), [](const TInstalledFamily& a, const TInstalledFamily& b) {
        return CompareText(a.Name, b.Name) < 0;
    });
    return families;
}
