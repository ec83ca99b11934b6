#include "platform/ImgList.h"

#include <QPainter>

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomImageList::SetWidth(int Value) {
    Value = std::clamp(Value, 1, 1024);
    if (Value == FWidth) return;
    FWidth = Value;
    Clear();
}

void TCustomImageList::SetHeight(int Value) {
    Value = std::clamp(Value, 1, 1024);
    if (Value == FHeight) return;
    FHeight = Value;
    Clear();
}

QImage TCustomImageList::Fit(const QImage& Source) const {
    QImage out(FWidth, FHeight, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, Source, 0, 0, FWidth, FHeight);
    return out;
}

namespace {

QImage KeyedOut(const QImage& Source, QRgb Key) {
    QImage img = Source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (Key & 0xFFFFFF)) line[x] = 0;
    }
    return img;
}

QRgb KeyOf(const TBitmap* Image, TColor MaskColor) {
    if (MaskColor == clDefault || MaskColor == clNone) {
        const QImage& img = Image->Image();
        return img.isNull() ? 0 : img.pixel(0, img.height() - 1);
    }
    return ToQColor(MaskColor).rgb();
}

} // namespace

int TCustomImageList::Add(const TBitmap* Image, const TBitmap* Mask) {
    if (!Image || Image->Empty()) return -1;
    QImage img = Image->Image().convertToFormat(QImage::Format_ARGB32);
    if (Mask && !Mask->Empty()) {
        const QImage& m = Mask->Image();
        for (int y = 0; y < std::min(img.height(), m.height()); ++y)
            for (int x = 0; x < std::min(img.width(), m.width()); ++x)
                if (qGray(m.pixel(x, y)) > 127) img.setPixel(x, y, 0);
    }
    FImages.push_back(Fit(img));
    Changed();
    return Count() - 1;
}

int TCustomImageList::AddMasked(const TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    FImages.push_back(Fit(KeyedOut(Image->Image(), KeyOf(Image, MaskColor))));
    Changed();
    return Count() - 1;
}

int TCustomImageList::AddStrip(const TBitmap* Strip, TColor MaskColor) {
    if (!Strip || Strip->Width() < FWidth) return -1;
    const QImage keyed = KeyedOut(Strip->Image(), KeyOf(Strip, MaskColor));
    const int first = Count();
    for (int x = 0; x + FWidth <= keyed.width(); x += FWidth)
        FImages.push_back(Fit(keyed.copy(x, 0, FWidth, FHeight)));
    Changed();
    return first;
}

void TCustomImageList::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    FImages.erase(FImages.begin() + Index);
    Changed();
}

void TCustomImageList::Clear() {
    if (FImages.empty()) return;
    FImages.clear();
    Changed();
}

void TCustomImageList::Replace(int Index, const TBitmap* Image, TColor MaskColor) {
    if (Index < 0 || Index >= Count() || !Image || Image->Empty()) return;
    FImages[Index] = Fit(KeyedOut(Image->Image(), KeyOf(Image, MaskColor)));
    Changed();
}

QImage TCustomImageList::Image(int Index) const {
    if (Index < 0 || Index >= Count()) return QImage();
    return FImages[Index];
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (!Image) return false;
    if (Index < 0 || Index >= Count()) {
        Image->SetSize(0, 0);
        return false;
    }
    // Without a background colour the transparent pixels get one that pictures rarely use.
    const TColor key = FBkColor == clNone ? clFuchsia : FBkColor;
    QImage out(FWidth, FHeight, QImage::Format_RGB32);
    out.fill(ToQColor(key));
    QPainter(&out).drawImage(0, 0, FImages[Index]);
    Image->SetImage(out);
    Image->SetTransparentColor(key);
    Image->SetTransparent(true);
    return true;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    QImage img = FImages[Index];
    if (!Enabled) {
        // The disabled look: one flat shade of the shadow colour where the picture has pixels.
        const QRgb shade = ToQColor(clBtnShadow).rgb();
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(line[x]) > 127) line[x] = shade;
        }
    }
    Canvas->DrawImage(Bounds(X, Y, FWidth, FHeight), img, Rect(0, 0, FWidth, FHeight));
}

void MapBitmapPixels(TBitmap& Bitmap, const std::function<TColor(TColor)>& Map, TColor Keep) {
    if (Bitmap.Empty() || !Map) return;
    QImage img = Bitmap.Image().convertToFormat(QImage::Format_RGB32);
    const QRgb keep = Keep == clNone ? 0 : ToQColor(Keep).rgb();
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (Keep != clNone && (line[x] & 0xFFFFFF) == (keep & 0xFFFFFF)) continue;
            line[x] = ToQColor(Map(FromQColor(QColor::fromRgb(line[x])))).rgb();
        }
    }
    Bitmap.SetImage(img);
}
