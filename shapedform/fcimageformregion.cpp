// The image-shaped form's outline: built from the picture, or read from the stored region data.

#include "shapedform/fcimageform.h"

#include "platform/Forms.h"

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Adds one rectangle per run of opaque pixels of every row, rows from the top.
template <class IsTransparent>
void AddRuns(TRegionBuilder& Builder, int Width, int Height, IsTransparent&& Transparent) {
    for (int y = 0; y < Height; ++y) {
        int x = 0;
        while (x < Width) {
            while (x < Width && Transparent(y, x)) ++x;
            if (x >= Width) break;
            const int start = x;
            while (x < Width && !Transparent(y, x)) ++x;
            Builder.Add(start, y, x, y + 1);
        }
    }
}

// A 3-byte pixel as stored (blue, green, red) in the low bytes of a little-endian word.
inline uint32_t Stored(const uchar* P) {
    return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16);
}

// The first pixel from X on whose stored bytes are Key, or Width. Long opaque runs are the
// common case, so many pixels are tested at a time: sixteen (48 bytes) with SSE2, else four.
int NextPixelOf(const uchar* Line, int X, int Width, uint32_t Key) {
#ifdef __SSE2__
    alignas(16) uchar pattern[48];
    for (int i = 0; i < 48; ++i) pattern[i] = uchar(Key >> (8 * (i % 3)));
    const __m128i p0 = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern));
    const __m128i p1 = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern + 16));
    const __m128i p2 = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern + 32));
    // A pixel matches where the bits of its three bytes are all set; bit 3i marks pixel i.
    constexpr uint64_t pixelStarts = 0x249249249249ull;
    for (; X + 16 <= Width; X += 16) {
        const auto* at = reinterpret_cast<const __m128i*>(Line + 3 * X);
        const uint64_t m =
            uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(at), p0)))) |
            (uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(at + 1), p1))))
             << 16) |
            (uint64_t(unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(at + 2), p2))))
             << 32);
        if (m & (m >> 1) & (m >> 2) & pixelStarts) break;
    }
#endif
    for (; X + 4 <= Width; X += 4) {
        uint32_t w[3];
        std::memcpy(w, Line + 3 * X, sizeof w);
        const bool hit = ((w[0] & 0xFFFFFF) == Key) |
                         (((w[0] >> 24) | ((w[1] & 0xFFFF) << 8)) == Key) |
                         (((w[1] >> 16) | ((w[2] & 0xFF) << 16)) == Key) | ((w[2] >> 8) == Key);
        if (hit) break;
    }
    while (X < Width && Stored(Line + 3 * X) != Key) ++X;
    return X;
}

} // namespace

std::unique_ptr<TRegion> fcCreateRegionFromBitmap(const TBitmap& Bitmap, TColor TransparentColor) {
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w == 0 || h == 0) return nullptr;
    TRegionBuilder builder;
    if (Bitmap.PixelFormat() == TPixelFormat::pf24bit) {
        // Stored blue, green, red read as one number give the colour value 0x00BBGGRR; a
        // colour outside that range matches no pixel.
        const uint32_t colour = static_cast<uint32_t>(TransparentColor);
        const uint32_t key = colour <= 0xFFFFFF ? ((colour >> 16) & 0xFF) | (colour & 0xFF00) |
                                                      ((colour & 0xFF) << 16)
                                                : 0xFFFFFFFF;
        for (int y = 0; y < h; ++y) {
            const uchar* line = Bitmap.ScanLine(y);
            int x = 0;
            while (x < w) {
                while (x < w && Stored(line + 3 * x) == key) ++x;
                if (x >= w) break;
                const int start = x;
                x = NextPixelOf(line, x, w, key);
                builder.Add(start, y, x, y + 1);
            }
        }
    } else {
        // Other depths: the mask of the transparent colour decides, after the colour is resolved.
        const QImage img = Bitmap.Image().convertToFormat(QImage::Format_RGB32);
        const QRgb key = ToQColor(ColorToRGB(TransparentColor)).rgb() & 0xFFFFFF;
        AddRuns(builder, w, h, [&](int Y, int X) {
            return (reinterpret_cast<const QRgb*>(img.constScanLine(Y))[X] & 0xFFFFFF) == key;
        });
    }
    if (builder.IsEmpty()) return nullptr;
    return std::make_unique<TRegion>(builder.Take());
}

void TfcCustomImageForm::SetRegion(std::unique_ptr<TRegion> Value) {
    FRegion = std::move(Value);
    if (IsDesigning() || !FRegion) return;
    if (TCustomForm* form = HostForm()) SetWindowRegion(form, FRegion.get(), true);
}

void TfcCustomImageForm::RebuildRegion() {
    TCustomForm* form = HostForm();
    if (form) SetWindowRegion(form, nullptr, false);
    FRegion.reset();
    TGraphic* g = Picture()->Graphic();
    if (!g || g->Empty()) return;
    // Another kind of picture is read through a bitmap copy of it.
    TBitmap copy;
    const TBitmap* bitmap = dynamic_cast<const TBitmap*>(g);
    if (!bitmap) {
        copy.Assign(*g);
        bitmap = &copy;
    }
    const TColor transparent = FTransparentColor == clNone
                                   ? FromQColor(bitmap->Image().pixelColor(0, bitmap->Height() - 1))
                                   : FTransparentColor;
    SetRegion(fcCreateRegionFromBitmap(*bitmap, transparent));
}

void TfcCustomImageForm::ReadRegionData(const QByteArray& Data) {
    if (Data.size() < 4) throw EReadError("Stream read error");
    const int32_t n = ReadInt32LE(Data, 0);
    if (n < 0 || Data.size() - 4 < n) throw EReadError("Stream read error");
    if (n == 0) {
        FRegion.reset();
        RebuildRegion();
        return;
    }
    SetRegion(TRegion::CreateFromData(Data.mid(4, n)));
}

QByteArray TfcCustomImageForm::WriteRegionData() {
    RebuildRegion();
    const QByteArray data = FRegion ? FRegion->Data() : QByteArray();
    return Int32sLE({static_cast<int32_t>(data.size())}) + data;
}
