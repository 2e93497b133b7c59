// Code-folding settings and the fold regions the editor folds by.
#pragma once

#include <memory>

#include "platform/base/event.h"
#include "platform/base/object.h"
#include "platform/gdi/colors.h"

class TFoldRegions;

enum TSynCollapsingMarkStyle { msSquare, msEllipse };

// What a change asks of the editor: fcEnabled folding switched, fcRefresh a
// repaint, fcRescan the fold ranges found again.
enum TSynCodeFoldingChanges { fcEnabled, fcRefresh, fcRescan };

using TCodeFoldingChangeEvent = TEvent<void(TSynCodeFoldingChanges Event)>;

// Every setter reports, also when it is given the current value, so that
// setting a value again is a way to ask for a refresh or a rescan.
class TSynCodeFolding : public TPersistent {
public:
    TSynCodeFolding();
    ~TSynCodeFolding() override;

    bool HighlighterFoldRegions() const { return highlighterFoldRegions_; }
    void SetHighlighterFoldRegions(bool Value) { Update(highlighterFoldRegions_, Value, fcRescan); }
    bool CollapsedCodeHint() const { return collapsedCodeHint_; }
    void SetCollapsedCodeHint(bool Value) { Update(collapsedCodeHint_, Value, fcRefresh); }
    bool IndentGuides() const { return indentGuides_; }
    void SetIndentGuides(bool Value) { Update(indentGuides_, Value, fcRefresh); }
    bool ShowCollapsedLine() const { return showCollapsedLine_; }
    void SetShowCollapsedLine(bool Value) { Update(showCollapsedLine_, Value, fcRefresh); }
    TColor CollapsedLineColor() const { return collapsedLineColor_; }
    void SetCollapsedLineColor(TColor Value) { Update(collapsedLineColor_, Value, fcRefresh); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value) { Update(enabled_, Value, fcEnabled); }
    bool HighlightIndentGuides() const { return highlightIndentGuides_; }
    void SetHighlightIndentGuides(bool Value) { Update(highlightIndentGuides_, Value, fcRefresh); }
    // clDefault stores a colour derived from clBtnFace: a little lighter for
    // the bar, darker for its lines.
    TColor FolderBarColor() const { return folderBarColor_; }
    void SetFolderBarColor(TColor Value);
    TColor FolderBarLinesColor() const { return folderBarLinesColor_; }
    void SetFolderBarLinesColor(TColor Value);
    TSynCollapsingMarkStyle CollapsingMarkStyle() const { return collapsingMarkStyle_; }
    void SetCollapsingMarkStyle(TSynCollapsingMarkStyle Value) { Update(collapsingMarkStyle_, Value, fcRefresh); }
    TFoldRegions* FoldRegions() const { return foldRegions_.get(); }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value) { Update(caseSensitive_, Value, fcRescan); }

    // Copies the settings (not the fold regions) and asks for a rescan.
    void Assign(TPersistent* Source) override;

    TCodeFoldingChangeEvent OnChange;

private:
    template <typename T>
    void Update(T& field, T value, TSynCodeFoldingChanges event)
    {
        field = value;
        Changed(event);
    }
    void Changed(TSynCodeFoldingChanges Event);

    std::unique_ptr<TFoldRegions> foldRegions_;
    bool highlighterFoldRegions_ = true;
    bool collapsedCodeHint_ = true;
    bool indentGuides_ = true;
    bool showCollapsedLine_ = true;
    TColor collapsedLineColor_ = clDefault;
    bool enabled_ = false;
    bool highlightIndentGuides_ = true;
    TColor folderBarColor_;
    TColor folderBarLinesColor_;
    TSynCollapsingMarkStyle collapsingMarkStyle_ = msSquare;
    bool caseSensitive_ = false;
};
