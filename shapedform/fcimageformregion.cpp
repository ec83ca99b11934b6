// The image-shaped form's outline: built from the picture, or read from the stored region data.

#include "shapedform/fcimageform.h"

#include "platform/Forms.h"

#include <QtEndian>

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

} // namespace

std::unique_ptr<TRegion> fcCreateRegionFromBitmap(const TBitmap& Bitmap, TColor TransparentColor) {
    const int w = Bitmap.Width(), h = Bitmap.Height();
    if (w == 0 || h == 0) return nullptr;
    TRegionBuilder builder;
    if (Bitmap.PixelFormat() == TPixelFormat::pf24bit) {
        // Stored blue, green, red read as one number give the colour value 0x00BBGGRR.
        const uint32_t key = static_cast<uint32_t>(TransparentColor);
        const uchar* line = nullptr;
        int lineY = -1;
        AddRuns(builder, w, h, [&](int Y, int X) {
            if (Y != lineY) line = Bitmap.ScanLine(lineY = Y);
            const uchar* p = line + 3 * X;
            return ((uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]) == key;
        });
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
    const int32_t n = qFromLittleEndian<int32_t>(Data.constData());
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
    char count[4];
    qToLittleEndian<int32_t>(static_cast<int32_t>(data.size()), count);
    return QByteArray(count, 4) + data;
}
