#include "platform/BmpFile.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

uint32_t U32(const uchar* P) {
    return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}
int32_t S32(const uchar* P) {
    return static_cast<int32_t>(U32(P));
}
uint16_t U16(const uchar* P) {
    return uint16_t(P[0] | P[1] << 8);
}

constexpr int kFileHeader = 14;
// Larger pictures than this are not skins or window pictures.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64(1) << 26;

bool Fail(QString& Error, const QString& Why) {
    Error = Why;
    return false;
}

} // namespace

bool CheckBmpFile(const uchar* Data, qsizetype Available, TBmpFileInfo& Info, QString& Error) {
    if (Available < kFileHeader + 12 || Data[0] != 'B' || Data[1] != 'M')
        return Fail(Error, QStringLiteral("不是 BMP 文件（缺少“BM”文件头）"));
    const qint64 fileSize = U32(Data + 2);
    const qint64 offBits = U32(Data + 10);
    const qint64 infoSize = U32(Data + 14);
    if (fileSize > Available)
        return Fail(Error, QStringLiteral("BMP 文件头所写的长度 %1 超出了现有的 %2 字节")
                               .arg(fileSize)
                               .arg(Available));
    const bool core = infoSize == 12;
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 64 &&
        infoSize != 108 && infoSize != 124)
        return Fail(Error, QStringLiteral("BMP 信息头的长度 %1 无效").arg(infoSize));
    if (fileSize < kFileHeader + infoSize)
        return Fail(Error, QStringLiteral("BMP 文件比它的文件头还短"));
    const uchar* h = Data + kFileHeader;
    const qint64 width = core ? U16(h + 4) : S32(h + 4);
    const qint64 rawHeight = core ? U16(h + 6) : S32(h + 8);
    const int planes = core ? U16(h + 8) : U16(h + 12);
    const int bits = core ? U16(h + 10) : U16(h + 14);
    const int compression = core ? 0 : int(U32(h + 16));
    const qint64 colorsUsed = core ? 0 : U32(h + 32);
    const qint64 height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || planes != 1)
        return Fail(Error, QStringLiteral("BMP 图片的尺寸 %1 x %2 无效").arg(width).arg(rawHeight));
    const bool rle = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    const bool fields = compression == 3 && (bits == 16 || bits == 32);
    const bool plain = compression == 0 && (bits == 1 || bits == 4 || bits == 8 || bits == 16 ||
                                            bits == 24 || bits == 32);
    if (!rle && !fields && !plain)
        return Fail(
            Error,
            QStringLiteral("不支持的 BMP 格式（%1 位，压缩方式 %2）").arg(bits).arg(compression));
    if (colorsUsed > (bits <= 8 ? (qint64(1) << bits) : 0) && bits <= 8)
        return Fail(Error, QStringLiteral("BMP 调色板的颜色数 %1 无效").arg(colorsUsed));
    const qint64 palette =
        bits <= 8 ? (colorsUsed ? colorsUsed : qint64(1) << bits) * (core ? 3 : 4) : 0;
    const qint64 masks = fields && infoSize == 40 ? 12 : 0;
    if (offBits < kFileHeader + infoSize + masks + palette || offBits > fileSize)
        return Fail(Error, QStringLiteral("BMP 像素数据的位置 %1 无效").arg(offBits));
    const qint64 data = fileSize - offBits;
    if (width * height > kMaxPixels)
        return Fail(Error, QStringLiteral("BMP 图片太大（%1 x %2）").arg(width).arg(height));
    if (rle) {
        if (rawHeight < 0) return Fail(Error, QStringLiteral("压缩的 BMP 不能自上而下存放"));
        // Run-length data can say "repeat" at most 255 times per two bytes.
        if (width * height > 256 * data + 256)
            return Fail(Error, QStringLiteral("BMP 压缩数据太短"));
    } else {
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        if (stride * height > data)
            return Fail(Error, QStringLiteral("BMP 像素数据不完整：需要 %1 字节，只有 %2 字节")
                                   .arg(stride * height)
                                   .arg(data));
    }
    Info = {int(width),
            int(height),
            bits,
            compression,
            qsizetype(fileSize),
            qsizetype(offBits),
            qsizetype(kFileHeader + infoSize + masks),
            int(palette / (core ? 3 : 4)),
            core ? 3 : 4,
            rawHeight < 0};
    return true;
}

namespace {

// Four-byte pixels whose fourth byte is not alpha: opaque.
void Row32(const uchar* In, QRgb* Out, int Width) {
    for (int x = 0; x < Width; ++x, In += 4)
        Out[x] = (uint32_t(In[0]) | uint32_t(In[1]) << 8 | uint32_t(In[2]) << 16) | 0xFF000000u;
}

// Two indexes a byte become one a byte.
void Row4(const uchar* In, uchar* Out, int Width) {
    int x = 0;
    for (; x + 2 <= Width; x += 2, ++In) {
        Out[x] = *In >> 4;
        Out[x + 1] = *In & 15;
    }
    if (x < Width) Out[x] = *In >> 4;
}

// Rows of palette indexes into colours.
void Row8(const uchar* In, QRgb* Out, int Width, const QRgb* Table) {
    for (int x = 0; x < Width; ++x) Out[x] = Table[In[x]];
}

void Row1(const uchar* In, QRgb* Out, int Width, const QRgb* Table) {
    const QRgb zero = Table[0], one = Table[1];
    int x = 0;
    for (; x + 8 <= Width; x += 8, ++In)
        for (int bit = 0; bit < 8; ++bit) Out[x + bit] = (*In << bit) & 0x80 ? one : zero;
    for (int bit = 0; x < Width; ++x, ++bit) Out[x] = (*In << bit) & 0x80 ? one : zero;
}

QImage::Format StoredFormat(int BitCount) {
    switch (BitCount) {
    case 1:
        return QImage::Format_Mono; // bits from the high one down, as the file has them
    case 4:
    case 8:
        return QImage::Format_Indexed8;
    case 24:
        return QImage::Format_BGR888;
    default:
        return QImage::Format_RGB32;
    }
}

// Every index a file can hold gets a colour: the ones its table lacks are black.
QList<QRgb> ColourTable(const uchar* Data, const TBmpFileInfo& I) {
    QList<QRgb> table(I.BitCount == 1 ? 2 : 256, qRgb(0, 0, 0));
    for (int i = 0; i < I.PaletteCount && i < table.size(); ++i) {
        const uchar* e = Data + I.PaletteOffset + qsizetype(i) * I.PaletteEntry;
        table[i] = qRgb(e[2], e[1], e[0]);
    }
    return table;
}

} // namespace

TBmpPixels::TBmpPixels(const uchar* Data, const TBmpFileInfo& I) : FBitCount(I.BitCount) {
    FImage = QImage(I.Width, I.Height, StoredFormat(I.BitCount));
    if (FImage.isNull()) throw EInvalidGraphic(QStringLiteral("BMP 图片太大，内存不足"));
    if (I.BitCount <= 8) FImage.setColorTable(ColourTable(Data, I));
    const qsizetype stride = ((qsizetype(I.Width) * I.BitCount + 31) / 32) * 4;
    const qsizetype copied = I.BitCount == 4 ? 0 : std::min(stride, FImage.bytesPerLine());
    // The file's rows go straight into the image's buffer, asked for once.
    uchar* const bits = FImage.bits();
    const qsizetype line = FImage.bytesPerLine();
    for (int y = 0; y < I.Height; ++y) {
        const uchar* in = Data + I.PixelOffset + stride * (I.TopDown ? y : I.Height - 1 - y);
        uchar* out = bits + line * y;
        if (I.BitCount == 32)
            Row32(in, reinterpret_cast<QRgb*>(out), I.Width);
        else if (I.BitCount == 4)
            Row4(in, out, I.Width);
        else
            std::memcpy(out, in, size_t(copied));
    }
}

void TBmpPixels::ToBitmap(TBitmap& Bitmap) const {
    Bitmap.SetPixelFormat(FBitCount == 24   ? TPixelFormat::pf24bit
                          : FBitCount == 32 ? TPixelFormat::pf32bit
                                            : TPixelFormat::pfDevice);
    if (FBitCount > 8) return Bitmap.SetImage(FImage);
    QImage whole(FImage.width(), FImage.height(), QImage::Format_RGB32);
    if (whole.isNull()) throw EInvalidGraphic(QStringLiteral("BMP 图片太大，内存不足"));
    // Every index has a colour (see ColourTable), so a lookup cannot leave the table.
    const QList<QRgb> table = FImage.colorTable();
    const bool mono = FImage.format() == QImage::Format_Mono;
    uchar* const bits = whole.bits();
    for (int y = 0; y < FImage.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(bits + whole.bytesPerLine() * y);
        (mono ? Row1 : Row8)(FImage.constScanLine(y), out, FImage.width(), table.constData());
    }
    Bitmap.SetImage(whole);
}

bool DecodesWithoutFail(const TBmpFileInfo& Info) {
    return Info.Compression == 0 && Info.BitCount != 16;
}

void LoadBmpFile(TBitmap& Bitmap, const uchar* Data, const TBmpFileInfo& Info) {
    if (!DecodesWithoutFail(Info)) {
        Bitmap.LoadFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(Data), Info.FileSize));
        return;
    }
    TBmpPixels(Data, Info).ToBitmap(Bitmap);
}
