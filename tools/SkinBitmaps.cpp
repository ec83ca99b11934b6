// BMP files of the stored skin, written byte by byte so that depth and colour-table size are
// exactly what the skin asks for.
#include "SkinKit.h"

#include <QHash>
#include <algorithm>

namespace pictures {

namespace {

void Put16(QByteArray& Out, int V) {
    Out.append(char(V & 0xFF));
    Out.append(char((V >> 8) & 0xFF));
}

void Put32(QByteArray& Out, qint64 V) {
    for (int i = 0; i < 4; ++i) Out.append(char((V >> (8 * i)) & 0xFF));
}

QByteArray Header(int Width, int Height, int Bits, int Colours) {
    const int stride = ((Width * Bits + 31) / 32) * 4;
    const int offset = 14 + 40 + 4 * Colours;
    QByteArray out;
    out.append("BM");
    Put32(out, offset + qint64(stride) * Height);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, Width);
    Put32(out, Height);
    Put16(out, 1);
    Put16(out, Bits);
    Put32(out, 0); // no compression
    Put32(out, qint64(stride) * Height);
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, Colours);
    Put32(out, 0);
    return out;
}

void PutColour(QByteArray& Out, QRgb C) {
    Out.append(char(qBlue(C)));
    Out.append(char(qGreen(C)));
    Out.append(char(qRed(C)));
    Out.append(char(0));
}

// The most frequent colours (ties by value), padded with a grey ramp when the picture has fewer.
std::vector<QRgb> MakePalette(const QImage& Image, int Size) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < Image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int x = 0; x < Image.width(); ++x) ++counts[line[x] | 0xFF000000];
    }
    std::vector<std::pair<int, QRgb>> order;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        order.emplace_back(-it.value(), it.key());
    std::sort(order.begin(), order.end());
    std::vector<QRgb> palette;
    for (const auto& [n, c] : order) {
        if (int(palette.size()) == Size) break;
        palette.push_back(c);
    }
    for (int i = 0; int(palette.size()) < Size; ++i) palette.push_back(qRgb(i, i, i));
    return palette;
}

int Nearest(const std::vector<QRgb>& Palette, QRgb C) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < int(Palette.size()); ++i) {
        const int dr = qRed(C) - qRed(Palette[i]);
        const int dg = qGreen(C) - qGreen(Palette[i]);
        const int db = qBlue(C) - qBlue(Palette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QByteArray EncodeBmp8(const QImage& Source, int PaletteSize) {
    const QImage image = Source.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRgb> palette = MakePalette(image, PaletteSize);
    QHash<QRgb, int> index;
    QByteArray out = Header(image.width(), image.height(), 8, PaletteSize);
    for (QRgb c : palette) PutColour(out, c);
    const int stride = (image.width() + 3) / 4 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000;
            auto it = index.find(c);
            if (it == index.end()) it = index.insert(c, Nearest(palette, c));
            row[x] = char(*it);
        }
        out.append(row);
    }
    return out;
}

QByteArray EncodeBmp1(const QImage& Source) {
    const QImage image = Source.convertToFormat(QImage::Format_RGB32);
    QByteArray out = Header(image.width(), image.height(), 1, 2);
    PutColour(out, qRgb(0, 0, 0));
    PutColour(out, qRgb(255, 255, 255));
    const int stride = (image.width() + 31) / 32 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

std::vector<SkinFile> SkinFiles() {
    const std::vector<QImage> images = DrawSkinPictures();
    const std::vector<int>& palettes = SkinPaletteSizes();
    auto encode = [&](int at, int palette) {
        return palette == 2 ? EncodeBmp1(images[at]) : EncodeBmp8(images[at], palette);
    };
    QByteArray stream;
    stream.append(char(0));
    stream.append(EncodeBmp8(images[0], 255));
    stream.append(char(0));
    stream.append(EncodeBmp1(images[1]));
    stream.append(char(1)); // no roll-up picture
    stream.append(char(1)); // nor its mask
    Put32(stream, qint64(palettes.size()));
    for (size_t i = 0; i < palettes.size(); ++i) stream.append(encode(int(i) + 2, palettes[i]));
    return {{QStringLiteral("skin.ini"), SkinIniText().toUtf8()},
            {QStringLiteral("skin.pictures"), stream}};
}

} // namespace pictures
