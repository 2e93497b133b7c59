// TStatusPanels and TStatusPanel: the panels of a status bar, left to right,
// each with its text, width, alignment, bevel and way of being drawn.
#pragma once

#include "platform/base/alignment.h"
#include "platform/base/collection.h"

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
// psOwnerDraw panels are drawn by the bar's OnDrawPanel.
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TCollectionItem {
public:
    explicit TStatusPanel(TCollection* Collection);

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& Value);
    // The last panel takes the rest of the bar whatever its width says.
    int Width() const { return width_; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel Value);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle Value);

private:
    AnsiString text_;
    int width_ = 50;  // at least 0
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
    TStatusPanelStyle style_ = psText;
};

class TStatusPanels : public TCollection {
public:
    explicit TStatusPanels(TStatusBar* StatusBar);

    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(GetItem(Index)); }

protected:
    // Any change repaints the bar.
    void Update(TCollectionItem* Item) override;
    TPersistent* GetOwner() override;

private:
    TStatusBar* statusBar_;  // owns this collection
};
