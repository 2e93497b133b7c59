#include "editor/document/syn_bookmark_opt.h"

#include "platform/ui/graphics/image_list.h"

void TSynBookMarkOpt::SetBookmarkImages(TCustomImageList* Value)
{
    if (bookmarkImages_ == Value)
        return;
    bookmarkImages_ = Value;
    if (Value && owner_)
        Value->FreeNotification(owner_);
    Changed();
}

void TSynBookMarkOpt::SetDrawBookmarksFirst(bool Value)
{
    if (drawBookmarksFirst_ == Value)
        return;
    drawBookmarksFirst_ = Value;
    Changed();
}

void TSynBookMarkOpt::SetGlyphsVisible(bool Value)
{
    if (glyphsVisible_ == Value)
        return;
    glyphsVisible_ = Value;
    Changed();
}

void TSynBookMarkOpt::SetLeftMargin(int Value)
{
    if (leftMargin_ == Value)
        return;
    leftMargin_ = Value;
    Changed();
}

void TSynBookMarkOpt::SetXoffset(int Value)
{
    if (xoffset_ == Value)
        return;
    xoffset_ = Value;
    Changed();
}

void TSynBookMarkOpt::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSynBookMarkOpt*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    bookmarkImages_ = src->bookmarkImages_;
    if (bookmarkImages_ && owner_)
        bookmarkImages_->FreeNotification(owner_);
    drawBookmarksFirst_ = src->drawBookmarksFirst_;
    EnableKeys = src->EnableKeys;
    glyphsVisible_ = src->glyphsVisible_;
    leftMargin_ = src->leftMargin_;
    xoffset_ = src->xoffset_;
    Changed();
}

TPersistent* TSynBookMarkOpt::GetOwner() { return owner_; }

void TSynBookMarkOpt::Changed()
{
    if (OnChange)
        OnChange(this);
}
