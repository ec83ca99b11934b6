#pragma once
// Geometry and arithmetic of the platform: rectangles (Left, Top, Right, Bottom), points, sizes.

#include <algorithm>
#include <cstdint>

struct TPoint {
    int X = 0, Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0, cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// A rectangle covers Left <= x < Right and Top <= y < Bottom; it is empty when either side is
// not positive.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int X, int Y) {
    return {X, Y};
}
constexpr TRect Rect(int Left, int Top, int Right, int Bottom) {
    return {Left, Top, Right, Bottom};
}
constexpr TRect Bounds(int Left, int Top, int Width, int Height) {
    return {Left, Top, Left + Width, Top + Height};
}
constexpr bool PtInRect(const TRect& R, TPoint P) {
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
constexpr void OffsetRect(TRect& R, int DX, int DY) {
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
}
constexpr void InflateRect(TRect& R, int DX, int DY) {
    R.Left -= DX;
    R.Right += DX;
    R.Top -= DY;
    R.Bottom += DY;
}
// The common part of two rectangles; false (and an all-zero rectangle) when they do not meet.
constexpr bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B) {
    TRect R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
    if (R.IsEmpty()) {
        Dst = TRect{};
        return false;
    }
    Dst = R;
    return true;
}
constexpr bool UnionRect(TRect& Dst, const TRect& A, const TRect& B) {
    if (A.IsEmpty())
        Dst = B;
    else if (B.IsEmpty())
        Dst = A;
    else
        Dst = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
               std::max(A.Bottom, B.Bottom)};
    return !Dst.IsEmpty();
}

// Number * Numerator / Denominator with 64-bit intermediate and rounding half away from zero;
// -1 when the denominator is 0.
constexpr int MulDiv(int Number, int Numerator, int Denominator) {
    if (Denominator == 0) return -1;
    int64_t p = int64_t(Number) * Numerator;
    bool neg = (p < 0) != (Denominator < 0);
    int64_t a = p < 0 ? -p : p, d = Denominator < 0 ? -int64_t(Denominator) : Denominator;
    int64_t q = (a + d / 2) / d;
    return static_cast<int>(neg ? -q : q);
}

constexpr uint32_t MakeLong(uint16_t Lo, uint16_t Hi) {
    return uint32_t(Lo) | (uint32_t(Hi) << 16);
}
constexpr int16_t LoWordSigned(intptr_t V) {
    return static_cast<int16_t>(V & 0xFFFF);
}
constexpr int16_t HiWordSigned(intptr_t V) {
    return static_cast<int16_t>((V >> 16) & 0xFFFF);
}
constexpr uint16_t LoWord(intptr_t V) {
    return static_cast<uint16_t>(V & 0xFFFF);
}
constexpr uint16_t HiWord(intptr_t V) {
    return static_cast<uint16_t>((V >> 16) & 0xFFFF);
}
