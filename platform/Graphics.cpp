#include "platform/Graphics.h"

#include "platform/SysUtils.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cstring>

void TGraphic::LoadFromFile(const QString& FileName) {
    QFile f(FileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(QString("Cannot open file \"%1\". %2").arg(FileName, f.errorString()));
    LoadFromData(f.readAll());
}

void TGraphic::SaveToFile(const QString& FileName) const {
    QFile f(FileName);
    if (!f.open(QIODevice::WriteOnly))
        throw EFCreateError(
            QString("Cannot create file \"%1\". %2").arg(FileName, f.errorString()));
    f.write(SaveToData());
}

void TGraphic::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Changed();
}

namespace {

QImage::Format FormatFor(TPixelFormat F) {
    switch (F) {
    case TPixelFormat::pf24bit:
        return QImage::Format_BGR888;
    default:
        return QImage::Format_RGB32;
    }
}

QByteArray Encode(const QImage& Image, const char* Format) {
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    Image.save(&buf, Format);
    return out;
}

QImage Decode(const QByteArray& Data, const char* Kind) {
    QImage image;
    if (!image.loadFromData(Data))
        throw EInvalidGraphic(QString("%1: the picture data cannot be read").arg(Kind));
    return image;
}

} // namespace

TBitmap::TBitmap() {
    Rebind();
}

TBitmap::TBitmap(const TBitmap& Other) : TGraphic() {
    FImage = Other.FImage.copy();
    FPixelFormat = Other.FPixelFormat;
    FTransparentMode = Other.FTransparentMode;
    FTransparentColor = Other.FTransparentColor;
    FTransparent = Other.FTransparent;
    Rebind();
}

TBitmap& TBitmap::operator=(const TBitmap& Other) {
    if (this != &Other) {
        Assign(Other);
    }
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Rebind() {
    FCanvas.BindImage(&FImage);
    FCanvas.OnChange = [this](TObject*) { Changed(); };
}

void TBitmap::SetSize(int W, int H) {
    W = std::max(0, W);
    H = std::max(0, H);
    if (W == Width() && H == Height()) return;
    QImage next(W, H, FormatFor(FPixelFormat));
    next.fill(Qt::black);
    if (!FImage.isNull() && W > 0 && H > 0) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, FImage);
    }
    FImage = next;
    Rebind();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (FPixelFormat == Value) return;
    FPixelFormat = Value;
    if (!FImage.isNull()) FImage = FImage.convertToFormat(FormatFor(Value));
    Rebind();
    Changed();
}

uchar* TBitmap::ScanLine(int Y) {
    if (Y < 0 || Y >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
    return FImage.scanLine(Y);
}

const uchar* TBitmap::ScanLine(int Y) const {
    if (Y < 0 || Y >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
    return FImage.constScanLine(Y);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (FTransparentMode == Value) return;
    FTransparentMode = Value;
    if (Value == TTransparentMode::tmAuto) FTransparentColor = clDefault;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == TTransparentMode::tmFixed && FTransparentColor != clDefault)
        return FTransparentColor;
    if (Empty()) return clDefault;
    return FromQColor(FImage.pixelColor(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor Value) {
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

QImage TBitmap::DrawingImage() const {
    if (!FTransparent || Empty()) return FImage;
    QImage out = FImage.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    return out;
}

void TBitmap::SetImage(const QImage& Image) {
    FImage = Image.convertToFormat(FormatFor(FPixelFormat));
    Rebind();
    Changed();
}

void TBitmap::LoadFromData(const QByteArray& Data) {
    QImage image = Decode(Data, "Bitmap");
    // A 24-bit file keeps its three-byte pixels so that scan lines read as they were stored.
    int bits = 0;
    if (Data.size() >= 30 && Data.startsWith("BM")) bits = uchar(Data[28]) | (uchar(Data[29]) << 8);
    FPixelFormat = bits == 24   ? TPixelFormat::pf24bit
                   : bits == 32 ? TPixelFormat::pf32bit
                                : TPixelFormat::pfDevice;
    FImage = image.convertToFormat(FormatFor(FPixelFormat));
    Rebind();
    Changed();
}

QByteArray TBitmap::SaveToData() const {
    return Encode(FImage, "BMP");
}

void TBitmap::Assign(const TGraphic& Source) {
    if (&Source == this) return;
    if (auto* b = dynamic_cast<const TBitmap*>(&Source)) {
        FPixelFormat = b->FPixelFormat;
        FImage = b->FImage.copy();
        FTransparentMode = b->FTransparentMode;
        FTransparentColor = b->FTransparentColor;
        FTransparent = b->FTransparent;
    } else {
        FImage = Source.DrawingImage().convertToFormat(FormatFor(FPixelFormat));
    }
    Rebind();
    Changed();
}

void TJPEGImage::LoadFromData(const QByteArray& Data) {
    QBuffer buffer(const_cast<QByteArray*>(&Data));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        throw EInvalidGraphic("JPEG image: the picture data cannot be read");
    FData = Data;
    FSize = size;
    FImage = QImage();
    Changed();
}

const QImage& TJPEGImage::Image() const {
    if (FImage.isNull() && !FData.isEmpty())
        FImage = Decode(FData, "JPEG image").convertToFormat(QImage::Format_RGB32);
    return FImage;
}

void TIcon::LoadFromData(const QByteArray& Data) {
    FImage = Decode(Data, "Icon").convertToFormat(QImage::Format_ARGB32);
    Changed();
}

QByteArray TIcon::SaveToData() const {
    return Encode(FImage, "PNG");
}

std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString& ClassName) {
    if (ClassName == "TBitmap") return std::make_unique<TBitmap>();
    if (ClassName == "TJPEGImage") return std::make_unique<TJPEGImage>();
    if (ClassName == "TIcon") return std::make_unique<TIcon>();
    throw EInvalidGraphic(QString("Unknown picture class %1").arg(ClassName));
}

void TPicture::Adopt(std::unique_ptr<TGraphic> G) {
    FGraphic = std::move(G);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* Value) {
    Adopt(Value ? Value->Clone() : nullptr);
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Adopt(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::LoadFromFile(const QString& FileName) {
    const QString ext = QFileInfo(FileName).suffix().toLower();
    std::unique_ptr<TGraphic> g;
    if (ext == "jpg" || ext == "jpeg")
        g = std::make_unique<TJPEGImage>();
    else if (ext == "ico")
        g = std::make_unique<TIcon>();
    else
        g = std::make_unique<TBitmap>();
    g->LoadFromFile(FileName);
    Adopt(std::move(g));
}

void TPicture::ReadData(const QByteArray& Data) {
    if (Data.isEmpty()) {
        Adopt(nullptr);
        return;
    }
    const int nameLen = uchar(Data[0]);
    if (Data.size() < 1 + nameLen) throw EReadError("Picture data is truncated");
    const QString className = QString::fromLatin1(Data.mid(1, nameLen));
    QByteArray payload = Data.mid(1 + nameLen);
    std::unique_ptr<TGraphic> g = CreateGraphicByClassName(className);
    if (className != "TIcon") {
        if (payload.size() < 4) throw EReadError("Picture data is truncated");
        uint32_t size = 0;
        std::memcpy(&size, payload.constData(), 4);
        payload = payload.mid(4, int(size));
    }
    if (!payload.isEmpty()) g->LoadFromData(payload);
    Adopt(std::move(g));
}

QByteArray TPicture::WriteData() const {
    if (!FGraphic) return {};
    QByteArray out;
    const QByteArray name(FGraphic->ClassName());
    out.append(char(name.size()));
    out.append(name);
    const QByteArray payload = FGraphic->Empty() ? QByteArray() : FGraphic->SaveToData();
    if (std::strcmp(FGraphic->ClassName(), "TIcon") != 0) {
        const uint32_t size = uint32_t(payload.size());
        out.append(reinterpret_cast<const char*>(&size), 4);
    }
    out.append(payload);
    return out;
}
