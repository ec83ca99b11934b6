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

enum class FrameSymbol { Close, Maximize, Minimize, RollUp };

// The skinned frame's standard buttons act at fixed places of the window; nothing of the frame
// is drawn by the program, so the picture shows them. A button that does not act on this window
// is drawn faint.
void DrawFrameButton(QPainter& p, const QRect& place, FrameSymbol symbol, bool acts) {
    const QRectF r = QRectF(place).adjusted(0.5, 0.5, -0.5, -0.5);
    const int alpha = acts ? 255 : 90;
    QColor face = symbol == FrameSymbol::Close ? kRose : kCream;
    face.setAlpha(acts ? (symbol == FrameSymbol::Close ? 200 : 45) : 20);
    QColor edge = kCream;
    edge.setAlpha(acts ? 150 : 60);
    p.setPen(QPen(edge, 1));
    p.setBrush(face);
    p.drawRoundedRect(r, 4, 4);
    QColor ink = kCream;
    ink.setAlpha(alpha);
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF s = r.adjusted(6, 6, -6, -6);
    switch (symbol) {
    case FrameSymbol::Close:
        p.drawLine(s.topLeft(), s.bottomRight());
        p.drawLine(s.topRight(), s.bottomLeft());
        break;
    case FrameSymbol::Maximize:
        p.drawRect(s);
        p.drawLine(QPointF(s.left(), s.top() + 1.5), QPointF(s.right(), s.top() + 1.5));
        break;
    case FrameSymbol::Minimize:
        p.drawLine(QPointF(s.left(), s.bottom()), QPointF(s.right(), s.bottom()));
        break;
    case FrameSymbol::RollUp:
        p.drawLine(QPointF(s.left(), s.top()), QPointF(s.right(), s.top()));
        p.drawPolyline(
            QPolygonF({QPointF(s.left(), s.bottom()), QPointF(s.center().x(), s.top() + 3),
                       QPointF(s.right(), s.bottom())}));
        break;
    }
}

void DrawFrameButtons(QPainter& p) {
    // Roll-up needs a border icon the main window does not have.
    DrawFrameButton(p, QRect(QPoint(565, 4), QPoint(585, 24)), FrameSymbol::Close, true);
    DrawFrameButton(p, QRect(QPoint(542, 4), QPoint(562, 24)), FrameSymbol::Maximize, true);
    DrawFrameButton(p, QRect(QPoint(519, 4), QPoint(539, 24)), FrameSymbol::Minimize, true);
    DrawFrameButton(p, QRect(QPoint(496, 4), QPoint(516, 24)), FrameSymbol::RollUp, false);
}

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

    // The system menu button's place (6, 7, 23, 23) shows the window's flower.
    DrawFlower(p, QPointF(14.5, 15), 7, 5, 0, kRoseLight, kGold);
    p.setFont(UiFont(14));
    p.setPen(kCream);
    p.drawText(QRectF(30, 2, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, kTitle);
    // Small blossoms left of the frame's buttons balance the title.
    DrawFlower(p, QPointF(446, 10), 5, 5, 18, QColor(234, 184, 196, 200), kGold);
    DrawFlower(p, QPointF(464, 14), 4, 5, 40, QColor(250, 246, 234, 170), kGold);
    DrawFlower(p, QPointF(480, 9), 5.5, 5, 5, QColor(234, 184, 196, 200), kGold);
    DrawFrameButtons(p);

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
