// Window outlines from mask pictures: black pixels are inside.
#include "skin/SPUtils.h"

#include <algorithm>

namespace {

bool IsBlack(const uchar* P) {
    return (P[0] | P[1] | P[2]) == 0;
}

// Adds the black runs of one mask row (columns Left..Right) as rectangles one pixel high.
void AddRuns(TRegionBuilder& Builder, const uchar* Line, int Bytes, int Left, int Right, int X0,
             int Y) {
    int x = Left;
    while (x < Right) {
        while (x < Right && !IsBlack(Line + x * Bytes)) ++x;
        const int start = x;
        while (x < Right && IsBlack(Line + x * Bytes)) ++x;
        if (x > start) Builder.Add(start + X0, Y, x + X0, Y + 1);
    }
}

} // namespace

std::unique_ptr<TRegion> BuildMaskRegion(const TBitmap& Mask, const TRect& Area, int DX, int DY) {
    if (Mask.Empty()) return nullptr;
    TRect a;
    IntersectRect(a, Area, Rect(0, 0, Mask.Width(), Mask.Height()));
    TRegionBuilder builder;
    const int bytes = PixelBytes(Mask);
    for (int y = a.Top; y < a.Bottom; ++y)
        AddRuns(builder, Mask.ScanLine(y), bytes, a.Left, a.Right, DX - Area.Left,
                y - Area.Top + DY);
    return std::make_unique<TRegion>(builder.Take());
}

std::unique_ptr<TRegion> BuildMaskRegion(const TBitmap& Mask, int DX, int DY) {
    return BuildMaskRegion(Mask, Rect(0, 0, Mask.Width(), Mask.Height()), DX, DY);
}

std::unique_ptr<TRegion> BuildFrameRegion(const TSkinPoints& O, const TSkinPoints& N,
                                          const TBitmap& Mask, const TRect& R, int W, int H) {
    if (Mask.Empty()) return nullptr;
    if (SkinResizeMode(O) == TSkinResizeMode::None) return BuildMaskRegion(Mask, R, 0, 0);
    if (N.RT.X < N.LT.X || N.LB.Y < N.LT.Y) return nullptr;
    TBitmap left, right, top, bottom;
    CutBorderStrips(O, N, Mask, R, left, right, top, bottom);
    auto region = std::make_unique<TRegion>(N.CR);
    const struct {
        const TBitmap& Strip;
        TPoint At;
    } parts[] = {{top, {0, 0}},
                 {bottom, {0, N.CR.Bottom}},
                 {left, {0, N.CR.Top}},
                 {right, {N.CR.Right, N.CR.Top}}};
    for (const auto& p : parts)
        if (auto r = BuildMaskRegion(p.Strip, p.At.X, p.At.Y)) region->Combine(*region, *r, RGN_OR);
    // Nothing of the outline lies outside the window.
    region->Combine(*region, TRegion(Rect(0, 0, W, H)), RGN_AND);
    return region;
}
