// TStatusPanels and TStatusPanel: each change repaints the bar that holds them.
#include "platform/ui/widgets/status_bar_panels.h"

#include <algorithm>

#include "platform/ui/widgets/status_bar.h"

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::SetText(const AnsiString& Value)
{
    text_ = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value)
{
    width_ = std::max(Value, 0);
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value)
{
    bevel_ = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value)
{
    style_ = Value;
    Changed(false);
}

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(TCollection::Of<TStatusPanel>()), statusBar_(StatusBar)
{
}

void TStatusPanels::Update(TCollectionItem*)
{
    statusBar_->Invalidate();
}

TPersistent* TStatusPanels::GetOwner()
{
    return statusBar_;
}
