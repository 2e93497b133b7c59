// The ten numbered bookmarks. Each is a mark owned by the mark list and
// also held in its slot; numbers or lines out of range do nothing.
#include <algorithm>
#include <memory>

#include "editor/document/syn_bookmark_opt.h"
#include "editor/syn_custom_text.h"
#include "editor/document/syn_text_mark.h"

namespace {

bool ValidBookmark(int BookMark) { return BookMark >= 0 && BookMark <= 9; }

}  // namespace

void TCustomSynText::SetBookMark(int BookMark, int X, int Y)
{
    if (!ValidBookmark(BookMark) || Y < 1 || Y > std::max(1, lines_->Count()))
        return;
    auto made = std::make_unique<TSynTextMark>(this);
    made->SetLine(Y);
    made->SetChar(X);
    made->SetImageIndex(BookMark);
    made->SetBookmarkNumber(BookMark);
    made->SetVisible(true);
    made->SetInternalImage(bookMarkOpt_->BookmarkImages() == nullptr);
    TSynTextMark* mark = made.get();
    DoOnPlaceBookmark(mark);
    // The handler may cancel the mark (nil) or hand over one of its own,
    // which the mark list then owns; our own is freed either way.
    if (!mark)
        return;
    if (mark == made.get())
        made.release();
    if (bookmarks_[static_cast<size_t>(BookMark)])
        ClearBookMark(BookMark);
    bookmarks_[static_cast<size_t>(BookMark)] = mark;
    marks_->Add(mark);
}

void TCustomSynText::ClearBookMark(int BookMark)
{
    if (!ValidBookmark(BookMark) || !bookmarks_[static_cast<size_t>(BookMark)])
        return;
    TSynTextMark* const mark = bookmarks_[static_cast<size_t>(BookMark)];
    TSynTextMark* reported = mark;
    DoOnClearBookmark(reported);
    bookmarks_[static_cast<size_t>(BookMark)] = nullptr;
    marks_->Remove(mark);
}

void TCustomSynText::GotoBookMark(int BookMark)
{
    if (!ValidBookmark(BookMark))
        return;
    const TSynTextMark* mark = bookmarks_[static_cast<size_t>(BookMark)];
    if (!mark || mark->Line() > lines_->Count())
        return;
    BeginUpdate();
    PlaceCaretEx(false, BufferCoord(mark->Char(), mark->Line()));
    EnsureCursorPosVisibleEx(true);
    SetBlockBegin(CaretXY());
    EndUpdate();
}

bool TCustomSynText::GetBookMark(int BookMark, int& X, int& Y) const
{
    if (!IsBookmark(BookMark))
        return false;
    X = bookmarks_[static_cast<size_t>(BookMark)]->Char();
    Y = bookmarks_[static_cast<size_t>(BookMark)]->Line();
    return true;
}

bool TCustomSynText::IsBookmark(int BookMark) const
{
    return ValidBookmark(BookMark) && bookmarks_[static_cast<size_t>(BookMark)] != nullptr;
}

void TCustomSynText::GotoLineAndCenter(int ALine)
{
    BeginUpdate();
    SetCaretXY(BufferCoord(1, ALine));
    const int row = BufferToDisplayPos(CaretXY()).Row;
    SetTopLine(std::max(1, row - linesInWindow_ / 2));
    EndUpdate();
}
