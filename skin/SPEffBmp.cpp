#include "skin/SPEffBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

double Clamp01(double K) {
    return std::isnan(K) ? 0.0 : std::clamp(K, 0.0, 1.0);
}

// round((1 - K) * A + K * B) as A plus the double product K * (B - A), ties to the even result.
uint8_t MixExact(int A, int B, double K) {
    const double v = K * (B - A);
    const double f = std::floor(v);
    int r = A + int(f);
    if (v - f > 0.5 || (v - f == 0.5 && (r & 1))) ++r;
    return uint8_t(r);
}

// Integer weights out of 2^14 on both sides of K: for every difference d but 0, K * d lies more
// than d / 2^14 inside what the two give. Where both round a channel alike, so does K * d; where
// they differ, K * d is near a half (a tie among them) and the channel is mixed exactly.
struct TMixWeights {
    explicit TMixWeights(double Weight) : K(Clamp01(Weight)) {
        const int w = int(std::floor(K * 16384.0));
        Low = w - 1;
        High = w + 2;
    }
    int Round(int A, int B, int W) const { return A + ((W * (B - A) + 8192) >> 14); }
    double K;
    int Low, High;
};

#if defined(__SSE2__)
// Sixteen channels at a time: (own, other) pairs of 16-bit values times (2^14 - W, W).
int MixVector(uint8_t* Own, const uint8_t* Other, int Bytes, const TMixWeights& M) {
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi32(8192);
    auto pairWeights = [](int W) {
        return _mm_set1_epi32(int(uint32_t(W) << 16 | uint16_t(16384 - W)));
    };
    const __m128i low = pairWeights(M.Low), high = pairWeights(M.High);
    int i = 0;
    for (; i + 16 <= Bytes; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Own + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Other + i));
        const __m128i a0 = _mm_unpacklo_epi8(a, zero), a1 = _mm_unpackhi_epi8(a, zero);
        const __m128i b0 = _mm_unpacklo_epi8(b, zero), b1 = _mm_unpackhi_epi8(b, zero);
        const __m128i p[4] = {_mm_unpacklo_epi16(a0, b0), _mm_unpackhi_epi16(a0, b0),
                              _mm_unpacklo_epi16(a1, b1), _mm_unpackhi_epi16(a1, b1)};
        auto mix = [&](__m128i W) {
            __m128i r[4];
            for (int k = 0; k < 4; ++k)
                r[k] = _mm_srai_epi32(_mm_add_epi32(_mm_madd_epi16(p[k], W), half), 14);
            return _mm_packus_epi16(_mm_packs_epi32(r[0], r[1]), _mm_packs_epi32(r[2], r[3]));
        };
        const __m128i lo = mix(low), hi = mix(high);
        const int near = ~_mm_movemask_epi8(_mm_cmpeq_epi8(lo, hi)) & 0xFFFF;
        if (!near) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(Own + i), lo);
            continue;
        }
        alignas(16) uint8_t out[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(out), lo);
        for (int m = near; m; m &= m - 1) {
            const int k = __builtin_ctz(unsigned(m));
            out[k] = MixExact(Own[i + k], Other[i + k], M.K);
        }
        std::memcpy(Own + i, out, 16);
    }
    return i;
}
#endif

void MixRun(uint8_t* Own, const uint8_t* Other, int Bytes, const TMixWeights& M) {
    int i = 0;
#if defined(__SSE2__)
    i = MixVector(Own, Other, Bytes, M);
#endif
    for (; i < Bytes; ++i) {
        const int a = Own[i], b = Other[i];
        const int lo = M.Round(a, b, M.Low);
        Own[i] = lo == M.Round(a, b, M.High) ? uint8_t(lo) : MixExact(a, b, M.K);
    }
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
    // Same sizes, same row layout: the rows are mixed as one run, padding and all.
    MixRun(FPixels.data(), Other.FPixels.data(), Size(), TMixWeights(K));
}

void TspEffectBmp::BlendRect(const TspEffectBmp& Other, const TRect& Area, int OtherRow,
                             int OtherColumn, double K) {
    const TMixWeights t(K);
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
        const TMixWeights t(1.0 - H);
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
