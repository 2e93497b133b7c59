#include "skin/data/bs_piece_copier.h"

#include <algorithm>

#include "platform/gdi/dc_attributes.h"
#include "platform/gdi/device_context.h"

namespace {

// Calls Each(start, length) for the tiles of Length laid from Start towards
// End, the last one cut at End, leaving out those that start at or past
// Limit or end before 0. Works in 64 bits so that no span overflows.
template <typename F>
void ForEachTile(int Start, int End, int Length, int Limit, F&& Each)
{
    if (Length <= 0 || End <= Start)
        return;
    long long at = Start;
    if (at < 0)
        at += -at / Length * Length;
    long long stop = std::min<long long>(End, Limit);
    for (; at < stop; at += Length)
        Each(static_cast<int>(at), static_cast<int>(std::min<long long>(Length, End - at)));
}

}  // namespace

TbsPieceCopier::TbsPieceCopier(TBitmap* Target, TBitmap* Source, TPoint Origin)
    : target_(Target->Canvas()),
      source_(Source->Canvas()),
      origin_(Origin),
      targetWidth_(Target->Width()),
      targetHeight_(Target->Height())
{
}

void TbsPieceCopier::Copy(const TRect& From, const TRect& To) const
{
    if (IsRectEmpty(From) || IsRectEmpty(To))
        return;
    target_->CopyRect(To, source_,
                      {From.Left + origin_.X, From.Top + origin_.Y, From.Right + origin_.X, From.Bottom + origin_.Y});
}

void TbsPieceCopier::Stretch(const TRect& From, const TRect& To) const
{
    if (IsRectEmpty(From) || IsRectEmpty(To))
        return;
    HDC dc = target_->Handle();
    int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    Copy(From, To);
    SetStretchBltMode(dc, oldMode);
}

void TbsPieceCopier::TileAcross(const TRect& From, const TRect& To) const
{
    ForEachTile(To.Left, To.Right, From.Width(), targetWidth_, [&](int x, int length) {
        Copy({From.Left, From.Top, From.Left + length, From.Bottom}, {x, To.Top, x + length, To.Bottom});
    });
}

void TbsPieceCopier::TileDown(const TRect& From, const TRect& To) const
{
    ForEachTile(To.Top, To.Bottom, From.Height(), targetHeight_, [&](int y, int length) {
        Copy({From.Left, From.Top, From.Right, From.Top + length}, {To.Left, y, To.Right, y + length});
    });
}

void TbsPieceCopier::TileBoth(const TRect& From, const TRect& To) const
{
    ForEachTile(To.Top, To.Bottom, From.Height(), targetHeight_, [&](int y, int length) {
        TileAcross({From.Left, From.Top, From.Right, From.Top + length}, {To.Left, y, To.Right, y + length});
    });
}

void DrawSideStrip(TBitmap* Strip, int W, int H, TBitmap* Source, TPoint Origin, int SrcLeft, int SrcRight, int MidTop,
                   int MidBottom, int ClTop, int ClBottom, bool Stretched)
{
    if (W <= 0 || H <= 0)
        return;
    Strip->SetSize(W, H);
    TbsPieceCopier c(Strip, Source, Origin);
    int topH = MidTop - ClTop;
    int bottomH = ClBottom - MidBottom;
    TRect middle{SrcLeft, MidTop, SrcRight, MidBottom};
    if (Stretched)
        c.Stretch(middle, {0, topH, W, H - bottomH});
    else
        c.TileDown(middle, {0, 0, W, H});
    c.Copy({SrcLeft, ClTop, SrcRight, MidTop}, {0, 0, W, topH});
    c.Copy({SrcLeft, MidBottom, SrcRight, ClBottom}, {0, H - bottomH, W, H});
}
