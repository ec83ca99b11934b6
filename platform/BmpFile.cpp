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

// Rows of palette indexes into colours, a whole byte of indexes per step.
void Row8(const uchar* In, QRgb* Out, int Width, const QRgb* Table) {
    int x = 0;
    for (; x + 4 <= Width; x += 4) {
        const QRgb a = Table[In[x]], b = Table[In[x + 1]], c = Table[In[x + 2]],
                   d = Table[In[x + 3]];
        Out[x] = a, Out[x + 1] = b, Out[x + 2] = c, Out[x + 3] = d;
    }
    for (; x < Width; ++x) Out[x] = Table[In[x]];
}

void Row4(const uchar* In, QRgb* Out, int Width, const QRgb* Table) {
    int x = 0;
    for (; x + 2 <= Width; x += 2, ++In) {
        Out[x] = Table[*In >> 4];
        Out[x + 1] = Table[*In & 15];
    }
    if (x < Width) Out[x] = Table[*In >> 4];
}

void Row1(const uchar* In, QRgb* Out, int Width, const QRgb* Table) {
    const QRgb zero = Table[0], one = Table[1];
    int x = 0;
    for (; x + 8 <= Width; x += 8, ++In)
        for (int bit = 0; bit < 8; ++bit) Out[x + bit] = (*In << bit) & 0x80 ? one : zero;
    for (int bit = 0; x < Width; ++x, ++bit) Out[x] = (*In << bit) & 0x80 ? one : zero;
}

// Four-byte pixels whose fourth byte is not alpha: opaque.
void Row32(const uchar* In, QRgb* Out, int Width) {
    for (int x = 0; x < Width; ++x, In += 4)
        Out[x] = (uint32_t(In[0]) | uint32_t(In[1]) << 8 | uint32_t(In[2]) << 16) | 0xFF000000u;
}

QImage DecodePlain(const uchar* Data, const TBmpFileInfo& I) {
    const bool packed = I.BitCount == 24;
    QImage image(I.Width, I.Height, packed ? QImage::Format_BGR888 : QImage::Format_RGB32);
    if (image.isNull()) throw EInvalidGraphic(QStringLiteral("BMP 图片太大，内存不足"));
    QRgb table[256];
    std::fill(std::begin(table), std::end(table), qRgb(0, 0, 0));
    for (int i = 0; i < I.PaletteCount && i < 256; ++i) {
        const uchar* e = Data + I.PaletteOffset + qsizetype(i) * I.PaletteEntry;
        table[i] = qRgb(e[2], e[1], e[0]);
    }
    const qsizetype stride = ((qsizetype(I.Width) * I.BitCount + 31) / 32) * 4;
    // The file's rows go straight into the image's buffer, asked for once.
    uchar* const bits = image.bits();
    const qsizetype line = image.bytesPerLine();
    for (int y = 0; y < I.Height; ++y) {
        const uchar* in = Data + I.PixelOffset + stride * (I.TopDown ? y : I.Height - 1 - y);
        uchar* out = bits + line * y;
        auto* px = reinterpret_cast<QRgb*>(out);
        switch (I.BitCount) {
        case 24:
            std::memcpy(out, in, size_t(I.Width) * 3);
            break;
        case 32:
            Row32(in, px, I.Width);
            break;
        case 8:
            Row8(in, px, I.Width, table);
            break;
        case 4:
            Row4(in, px, I.Width, table);
            break;
        default:
            Row1(in, px, I.Width, table);
            break;
        }
    }
    return image;
}

} // namespace

bool DecodesWithoutFail(const TBmpFileInfo& Info) {
    return Info.Compression == 0 && Info.BitCount != 16;
}

void LoadBmpFile(TBitmap& Bitmap, const uchar* Data, const TBmpFileInfo& Info) {
    if (!DecodesWithoutFail(Info)) {
        Bitmap.LoadFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(Data), Info.FileSize));
        return;
    }
    Bitmap.SetPixelFormat(Info.BitCount == 24   ? TPixelFormat::pf24bit
                          : Info.BitCount == 32 ? TPixelFormat::pf32bit
                                                : TPixelFormat::pfDevice);
    Bitmap.SetImage(DecodePlain(Data, Info));
}
