#include "skin/SPEffBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// round((1 - K) * a + K * b) for every difference d = b - a, as a + Add[a & 1][d + 255]: the
// parity of a settles the ties (to even). One table per call keeps the loop integer.
struct MixTable {
    explicit MixTable(double K) {
        for (int d = -255; d <= 255; ++d) {
            const double v = K * d;
            const int t = int(v);
            const int f = v < t ? t - 1 : t; // floor
            const double frac = v - f;
            for (int odd = 0; odd < 2; ++odd) {
                const bool up = frac > 0.5 || (frac == 0.5 && ((odd + f) & 1));
                Add[odd][d + 255] = int16_t(f + (up ? 1 : 0));
            }
        }
    }
    // With K in 0..1 the result lies between a and b, so it needs no clamping.
    uint8_t Mix(int A, int B) const { return uint8_t(A + Add[A & 1][B - A + 255]); }
    int16_t Add[2][511];
};

double Clamp01(double K) {
    return std::isnan(K) ? 0.0 : std::clamp(K, 0.0, 1.0);
}

void MixRun(uint8_t* Own, const uint8_t* Other, int Bytes, const MixTable& T) {
    for (int i = 0; i < Bytes; ++i) Own[i] = T.Mix(Own[i], Other[i]);
}

} // namespace

void TspEffectBmp::GetRow(int Y, uint8_t* Buffer) const {
    std::memcpy(Buffer, Row(Y), size_t(FWidth) * 3);
}

void TspEffectBmp::SetRow(int Y, const uint8_t* Buffer) {
    std::memcpy(Row(Y), Buffer, size_t(FWidth) * 3);
}

void TspEffectBmp::Blend(const TspEffectBmp& Other, double K) {
    if (Other.FWidth != FWidth || Other.FHeight != FHeight) return;
    const MixTable t(Clamp01(K));
    for (int y = 0; y < FHeight; ++y) MixRun(Row(y), Other.Row(y), FWidth * 3, t);
}

void TspEffectBmp::BlendRect(const TspEffectBmp& Other, const TRect& Area, int OtherRow,
                             int OtherColumn, double K) {
    const MixTable t(Clamp01(K));
    for (int y = std::max(0, Area.Top); y < std::min(FHeight, Area.Bottom); ++y) {
        const int oy = OtherRow + y - Area.Top;
        if (oy < 0 || oy >= Other.FHeight) continue;
        int x0 = std::max(0, Area.Left), x1 = std::min(FWidth, Area.Right);
        // Columns must exist in the other image too.
        x0 = std::max(x0, Area.Left - OtherColumn);
        x1 = std::min(x1, Other.FWidth - OtherColumn + Area.Left);
        if (x1 <= x0) continue;
        const int ox = OtherColumn + x0 - Area.Left;
        MixRun(Row(y) + x0 * 3, Other.Row(oy) + ox * 3, (x1 - x0) * 3, t);
    }
}

void TspEffectBmp::BlendGradient(const TspEffectBmp& Other, double K) {
    if (Other.FWidth != FWidth || Other.FHeight != FHeight || FWidth == 0 || FHeight == 0) return;
    const bool vertical = FWidth < FHeight;
    const int length = vertical ? FHeight : FWidth;
    const int band = int(std::nearbyint(length * Clamp01(K)));
    const int first = std::max(0, length / 2 - band / 2);
    const int last = std::min(length - 1, length / 2 + band / 2);
    const int fade = (length - band) / 2;
    const double step = fade == 0 ? 1.0 : 1.0 / fade;
    // Mixes line i (a column, or a row of the vertical form) with weight H of this image.
    auto line = [&](int I, double H) {
        const MixTable t(Clamp01(1.0 - H));
        if (vertical) {
            MixRun(Row(I), Other.Row(I), FWidth * 3, t);
            return;
        }
        for (int y = 0; y < FHeight; ++y) MixRun(Row(y) + I * 3, Other.Row(y) + I * 3, 3, t);
    };
    for (int i = first; i <= last; ++i) line(i, 0.0);
    for (int j = 1; first - j >= 0; ++j) line(first - j, std::min(1.0, j * step));
    for (int j = 1; last + j < length; ++j) line(last + j, std::min(1.0, j * step));
}

void TspEffectBmp::Draw(TCanvas* Canvas, int X, int Y) const {
    if (!Canvas || FWidth == 0 || FHeight == 0) return;
    TBitmap b;
    AssignTo(b);
    Canvas->Draw(X, Y, &b);
}
