// Geometry and range rules of the skinned scroll bar: where its buttons,
// track and thumb lie for a size, a range and a position, which part a
// point hits, and which position a thumb drag gives. Pure functions, so
// the control and its tests share one answer.
#pragma once

#include <cstdint>

#include "platform/base/geometry.h"

// Round to nearest, ties to the even neighbour, saturated to int.
int RoundHalfEven(double V);

// The scrolled range as the bar holds it. Nothing keeps Min <= Max or the
// page inside the range: owners mirror whatever they scroll.
struct TbsScrollRange {
    int Min = 0;
    int Max = 100;
    int PageSize = 0;
    int Position = 0;
};

// Value kept in the range: Min at the least; at the most Max - PageSize + 1
// with a page, Max without one. The lower bound is applied first, so a page
// wider than the range leaves the position below Min.
int ClampScrollPosition(const TbsScrollRange& R, int Value);
// The position after Max changed to R.Max: with a page, one past the last
// whole page at the most, but never below Min; without one, Max at the most.
int PositionAfterMaxChange(const TbsScrollRange& R);
// A page of Value fits from the position to the end of the range.
bool PageSizeFits(const TbsScrollRange& R, int Value);
// How far along the track the thumb is, 0 at Min to 1 at the last position.
// A page that covers the whole range puts a horizontal thumb at the end and
// a vertical one at the start.
double ScrollFraction(const TbsScrollRange& R, bool Vertical);
// The position a thumb F along the track (limited to 0..1) stands for.
int PositionAtFraction(const TbsScrollRange& R, double F);

// What the layout takes from a skin's scroll bar description; every place
// is relative to SkinRect's top-left.
struct TbsScrollBarSkinPlaces {
    TRect SkinRect;
    TPoint RightTopPoint;
    TPoint LeftBottomPoint;
    TRect TrackArea;
    TRect UpButtonRect;
    TRect DownButtonRect;
    TRect ThumbRect;
    int ThumbMinSize = 0;
    int ThumbMinPageSize = 0;
};

enum TbsScrollBarPart { sbpNone = -1, sbpThumb = 0, sbpUpButton = 1, sbpDownButton = 2 };

struct TbsScrollBarLayoutInput {
    bool Vertical = false;
    int Width = 0;
    int Height = 0;
    // A horizontal plain bar leaves BothMarkerWidth free at its right end.
    bool Both = false;
    int BothMarkerWidth = 19;
    TbsScrollRange Range;
    // Null: the plain look.
    const TbsScrollBarSkinPlaces* Skin = nullptr;
};

struct TbsScrollBarLayout {
    // Indexed by TbsScrollBarPart.
    TRect Parts[3];
    TRect Track;
    // Centre of the thumb at the first and the last position, along the bar;
    // the thumb's centre is ThumbStart + ThumbOffset.
    int ThumbStart = 0;
    int ThumbEnd = 0;
    int ThumbOffset = 0;

    const TRect& Thumb() const { return Parts[sbpThumb]; }
};

TbsScrollBarLayout LayoutScrollBar(const TbsScrollBarLayoutInput& In);

// The part under P (thumb first, then the up and the down button), or
// sbpNone; OnTrack tells whether P is on the track then.
TbsScrollBarPart HitTestScrollBar(const TbsScrollBarLayout& L, TPoint P, bool* OnTrack = nullptr);

// The position a drag of the thumb to ThumbOffset = StartOffset + Moved
// stands for.
int DraggedPosition(const TbsScrollRange& R, const TbsScrollBarLayout& L, int StartOffset, int Moved);
