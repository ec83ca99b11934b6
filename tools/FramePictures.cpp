// The window's own pictures: its outline and title band, the tool bar background, the window icon
// and the legend's colour swatches.
#include "PictureKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QString kTitle = QStringLiteral("\"Soveli\"女性安全期测试");
// The outline of the window is its whole rectangle less the bottom-left pixel, whose colour must
// therefore occur nowhere else in the picture.
const QColor kOutlineKey{255, 0, 255};

QImage WindowPicture() {
    constexpr int W = 590;
    constexpr int H = 403;
    QImage image = NewImage(W, H, kPanel);
    QPainter p(&image);
    Prepare(p);

    // Title band: deeper on the left under the title, rising in a gentle wave to the right.
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(W, 0);
    band.lineTo(W, 21);
    band.cubicTo(W * 0.72, 31, W * 0.42, 15, W * 0.22, 24);
    band.cubicTo(W * 0.12, 28.5, W * 0.05, 29, 0, 28);
    band.closeSubpath();
    QLinearGradient shade(0, 0, 0, 30);
    shade.setColorAt(0, kOlive.lighter(118));
    shade.setColorAt(1, kOliveDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(band);
    // A fine sage line under the wave lifts the band off the background.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kSage.red(), kSage.green(), kSage.blue(), 150), 1.2));
    p.translate(0, 2.5);
    p.drawPath(band);
    p.translate(0, -2.5);
    // The band's top edge stays square to the window; repaint over the line's stray top part.
    p.fillRect(QRectF(0, 0, W, 3), kOlive.lighter(118));

    DrawFlower(p, QPointF(16, 13), 7, 5, 0, kRoseLight, kGold);
    p.setFont(UiFont(14));
    p.setPen(kCream);
    p.drawText(QRectF(30, 2, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, kTitle);
    // Small blossoms on the right of the band balance the title.
    DrawFlower(p, QPointF(528, 10), 5, 5, 18, QColor(234, 184, 196, 200), kGold);
    DrawFlower(p, QPointF(546, 14), 4, 5, 40, QColor(250, 246, 234, 170), kGold);
    DrawFlower(p, QPointF(562, 9), 5.5, 5, 5, QColor(234, 184, 196, 200), kGold);

    // A subtle frame around the whole window edge.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kPanel.darker(135));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, W - 1, H - 1);
    p.setPen(QColor(246, 248, 240));
    p.drawLine(1, 31, 1, H - 2);
    p.drawLine(1, H - 2, W - 2, H - 2);
    p.end();

    image.setPixelColor(0, H - 1, kOutlineKey);
    return image;
}

QImage ToolbarPicture() {
    QImage image = NewImage(121, 335, Qt::white);
    QPainter p(&image);
    p.setPen(QColor(224, 232, 222));
    for (int y = 1; y < image.height(); y += 3) p.drawLine(0, y, image.width() - 1, y);
    return image;
}

// Drawn on a 32-pixel grid and scaled, so every size of the desktop icon is the same picture.
QImage IconPicture(int size = 32) {
    QImage image = NewImage(size, size, Qt::transparent, QImage::Format_ARGB32);
    QPainter p(&image);
    Prepare(p);
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, kRose.lighter(112));
    fill.setColorAt(1, kPlum);
    p.setPen(QPen(kPlum.darker(130), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 7, 7);
    DrawHeart(p, QPointF(16, 17.5), 17, kCream);
    DrawFlower(p, QPointF(24.5, 8.5), 4.5, 5, 0, kRosePale, kGold);
    return image;
}

QImage Swatch(const QColor& colour, const QColor& edge) {
    QImage image = NewImage(40, 15, colour);
    QPainter p(&image);
    p.setPen(edge);
    p.drawRect(0, 0, 39, 14);
    return image;
}

} // namespace

std::vector<Picture> DesktopIcons() {
    std::vector<Picture> icons;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icons.push_back({QStringLiteral("%1x%1.png").arg(size), IconPicture(size)});
    return icons;
}

std::vector<Picture> FramePictures() {
    return {
        {"window.bmp", WindowPicture()},
        {"toolbar.jpg", ToolbarPicture(), 92},
        {"icon.png", IconPicture()},
        {"swatch_green.jpg", Swatch(QColor(0, 128, 0), QColor(0, 88, 0)), 95},
        {"swatch_red.jpg", Swatch(QColor(255, 0, 0), QColor(176, 0, 0)), 95},
        {"swatch_black.jpg", Swatch(QColor(0, 0, 0), QColor(96, 96, 96)), 95},
    };
}

} // namespace pictures
