#include "editor/folding/syn_code_folding.h"

#include <algorithm>

#include "editor/folding/fold_regions.h"
#include "editor/document/hsl_colors.h"

namespace {

// clBtnFace with its lightness moved by Delta percent.
TColor ButtonFaceShade(int Delta)
{
    int h, s, l;
    RGBToHSL(clBtnFace, h, s, l);
    return HSLToRGB(h, s, std::clamp(l + Delta, 0, 100));
}

}  // namespace

TSynCodeFolding::TSynCodeFolding()
    : foldRegions_(std::make_unique<TFoldRegions>()), folderBarColor_(ButtonFaceShade(5)),
      folderBarLinesColor_(ButtonFaceShade(-20))
{
}

TSynCodeFolding::~TSynCodeFolding() = default;

void TSynCodeFolding::SetFolderBarColor(TColor Value)
{
    Update(folderBarColor_, Value == clDefault ? ButtonFaceShade(5) : Value, fcRefresh);
}

void TSynCodeFolding::SetFolderBarLinesColor(TColor Value)
{
    Update(folderBarLinesColor_, Value == clDefault ? ButtonFaceShade(-20) : Value, fcRefresh);
}

void TSynCodeFolding::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynCodeFolding*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    highlighterFoldRegions_ = src->highlighterFoldRegions_;
    collapsedCodeHint_ = src->collapsedCodeHint_;
    indentGuides_ = src->indentGuides_;
    showCollapsedLine_ = src->showCollapsedLine_;
    collapsedLineColor_ = src->collapsedLineColor_;
    enabled_ = src->enabled_;
    highlightIndentGuides_ = src->highlightIndentGuides_;
    folderBarColor_ = src->folderBarColor_;
    folderBarLinesColor_ = src->folderBarLinesColor_;
    collapsingMarkStyle_ = src->collapsingMarkStyle_;
    caseSensitive_ = src->caseSensitive_;
    Changed(fcRescan);
}

void TSynCodeFolding::Changed(TSynCodeFoldingChanges Event)
{
    if (OnChange)
        OnChange(Event);
}
