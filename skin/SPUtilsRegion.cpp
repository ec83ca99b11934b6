// Window outlines from mask pictures: black pixels are inside.
#include "skin/SPUtils.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlack(const uchar* P) {
    return (P[0] | P[1] | P[2]) == 0;
}

// True when all N 32-bit pixels are black; eight pixels a step, as the sweep runs over nearly
// every row of a window mask.
bool AllBlack(const uint32_t* Px, int N) {
    uint64_t acc[4] = {0, 0, 0, 0};
    int i = 0;
    for (; i + 8 <= N; i += 8)
        for (int k = 0; k < 4; ++k) {
            uint64_t v;
            std::memcpy(&v, Px + i + 2 * k, 8);
            acc[k] |= v;
        }
    uint64_t any = acc[0] | acc[1] | acc[2] | acc[3];
    for (; i < N; ++i) any |= Px[i];
    return (any & 0x00FFFFFF00FFFFFFull) == 0;
}

// Adds the black runs of one mask row (columns Left..Right) as rectangles one pixel high.
template <class Black>
void AddRuns(TRegionBuilder& Builder, Black IsInside, int Left, int Right, int X0, int Y) {
    int x = Left;
    while (x < Right) {
        while (x < Right && !IsInside(x)) ++x;
        const int start = x;
        while (x < Right && IsInside(x)) ++x;
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
    for (int y = a.Top; y < a.Bottom; ++y) {
        const uchar* line = Mask.ScanLine(y);
        const int x0 = DX - Area.Left, row = y - Area.Top + DY;
        if (bytes == 4) {
            // Whole pixels at a time; the fourth byte is not colour. Most rows of a window mask
            // are black from edge to edge, which one sweep over the row tells.
            const auto* px = reinterpret_cast<const uint32_t*>(line);
            if (AllBlack(px + a.Left, a.Right - a.Left)) {
                builder.Add(a.Left + x0, row, a.Right + x0, row + 1);
                continue;
            }
            AddRuns(
                builder, [px](int X) { return (px[X] & 0xFFFFFFu) == 0; }, a.Left, a.Right, x0,
                row);
        } else {
            AddRuns(
                builder, [line](int X) { return IsBlack(line + 3 * X); }, a.Left, a.Right, x0, row);
        }
    }
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
