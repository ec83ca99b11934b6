#include "PictureKit.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

namespace {
constexpr int kDotsPerMeter = 3780; // 96 dpi
}

QImage NewImage(int width, int height, const QColor& fill, QImage::Format format) {
    QImage image(width, height, format);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

QFont UiFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void DrawHeart(QPainter& painter, const QPointF& centre, qreal size, const QColor& colour) {
    // Two lobes and a point, drawn in a unit box centred on `centre`.
    const qreal s = size / 2;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path;
    path.moveTo(x, y + s);
    path.cubicTo(x - s * 1.1, y + s * 0.15, x - s * 1.05, y - s * 0.95, x, y - s * 0.35);
    path.cubicTo(x + s * 1.05, y - s * 0.95, x + s * 1.1, y + s * 0.15, x, y + s);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

void DrawFlower(QPainter& painter, const QPointF& centre, qreal radius, int petals, qreal turnDeg,
                const QColor& petal, const QColor& heart) {
    painter.save();
    painter.translate(centre);
    painter.rotate(turnDeg);
    painter.setPen(Qt::NoPen);
    painter.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        painter.drawEllipse(QRectF(-radius * 0.32, -radius, radius * 0.64, radius * 0.95));
        painter.rotate(360.0 / petals);
    }
    painter.setBrush(heart);
    painter.drawEllipse(QPointF(0, 0), radius * 0.28, radius * 0.28);
    painter.restore();
}

void DrawLeaf(QPainter& painter, const QPointF& base, qreal length, qreal angleDeg,
              const QColor& colour) {
    painter.save();
    painter.translate(base);
    painter.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length * 0.5, -length * 0.32, length, 0);
    path.quadTo(length * 0.5, length * 0.32, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.setPen(QPen(colour.darker(125), qMax<qreal>(0.6, length / 40)));
    painter.drawLine(QPointF(length * 0.08, 0), QPointF(length * 0.85, 0));
    painter.restore();
}

void DrawBubble(QPainter& painter, const QPointF& centre, qreal radius, QColor colour, int alpha) {
    QRadialGradient gradient(centre, radius);
    colour.setAlpha(alpha);
    gradient.setColorAt(0, colour);
    colour.setAlpha(alpha / 3);
    gradient.setColorAt(0.85, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QImage OnButtonFace(const QImage& drawing) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage out = NewImage(source.width(), source.height(), kButtonFace);
    {
        QPainter painter(&out);
        painter.drawImage(0, 0, source);
    }
    const QRgb face = kButtonFace.rgb();
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(source.pixel(x, y)) != 0 && out.pixel(x, y) == face)
                out.setPixel(x, y, qRgb(qRed(face), qGreen(face), qBlue(face) - 1));
        }
    }
    return out;
}

} // namespace pictures
