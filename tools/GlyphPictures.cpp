// The flat speed buttons' glyphs: an icon over a short caption, on the button face colour that
// the buttons draw transparent.
#include "PictureKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

namespace pictures {

namespace {

constexpr int kGlyphWidth = 62;
constexpr int kGlyphHeight = 60;
const QPen kOutline(QColor(90, 100, 66), 1.2);

using IconDrawer = std::function<void(QPainter&)>;

// Draws the icon in the upper 44 pixels and the caption under it.
QImage Glyph(const IconDrawer& drawIcon, const QString& caption) {
    QImage drawing = NewImage(kGlyphWidth, kGlyphHeight, Qt::transparent, QImage::Format_ARGB32);
    QPainter p(&drawing);
    Prepare(p);
    drawIcon(p);
    p.setFont(UiFont(12));
    p.setPen(kInk);
    p.drawText(QRectF(0, 44, kGlyphWidth, 14), Qt::AlignCenter, caption);
    p.end();
    return OnButtonFace(drawing);
}

// A wall calendar page with two binding rings; returns the area under its header.
QRectF DrawCalendar(QPainter& p, const QRectF& page) {
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 3, 3);
    const QRectF header(page.left(), page.top(), page.width(), page.height() * 0.28);
    QPainterPath top;
    top.addRoundedRect(header, 3, 3);
    top.addRect(header.adjusted(0, header.height() / 2, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kRose);
    p.drawPath(top.simplified());
    p.setPen(kOutline);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page, 3, 3);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    const qreal ringY = page.top();
    p.drawLine(QPointF(page.left() + page.width() * 0.28, ringY - 3),
               QPointF(page.left() + page.width() * 0.28, ringY + 3));
    p.drawLine(QPointF(page.right() - page.width() * 0.28, ringY - 3),
               QPointF(page.right() - page.width() * 0.28, ringY + 3));
    return QRectF(page.left(), header.bottom(), page.width(), page.bottom() - header.bottom());
}

// Day dots on a calendar body, `columns` by `rows`.
void DrawDays(QPainter& p, const QRectF& body, int columns, int rows, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal dx = body.width() / (columns + 1);
    const qreal dy = body.height() / (rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            p.drawRect(QRectF(body.left() + c * dx - 1.5, body.top() + r * dy - 1, 3, 2));
}

void TestIcon(QPainter& p) {
    const QRectF body = DrawCalendar(p, QRectF(13, 6, 36, 34));
    DrawDays(p, body, 5, 3, kSageLight.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(31, 27), 9, 8);
    DrawHeart(p, QPointF(31, 28), 14, QColor(214, 60, 90));
}

void SettingsIcon(QPainter& p) {
    // A gear: teeth as a polygon around a ring, a hole in the middle.
    const QPointF c(31, 22);
    QPolygonF gear;
    constexpr int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal a = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const qreal r = (i % 4 < 2) ? 18 : 13.5;
        gear << c + QPointF(r * qCos(a), r * qSin(a));
    }
    QLinearGradient metal(0, 4, 0, 40);
    metal.setColorAt(0, kSage.lighter(115));
    metal.setColorAt(1, kSage.darker(120));
    p.setPen(kOutline);
    p.setBrush(metal);
    p.drawPolygon(gear);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 7, 7);
    DrawHeart(p, c + QPointF(0, 0.5), 8, kRose);
}

void KnowledgeIcon(QPainter& p) {
    // An open book seen from the front, its pages curving down to the spine.
    auto page = [&](qreal sign) {
        QPainterPath path;
        path.moveTo(31, 14);
        path.cubicTo(31 - sign * 6, 9, 31 - sign * 14, 9, 31 - sign * 20, 11);
        path.lineTo(31 - sign * 20, 37);
        path.cubicTo(31 - sign * 14, 35, 31 - sign * 6, 35, 31, 40);
        path.closeSubpath();
        return path;
    };
    p.setPen(kOutline);
    p.setBrush(kPlum);
    p.drawRoundedRect(QRectF(9, 12, 44, 30), 3, 3);
    p.setBrush(QColor(255, 252, 244));
    p.drawPath(page(1));
    p.drawPath(page(-1));
    p.setPen(QPen(kSageLight.darker(120), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 18 + i * 5;
        p.drawLine(QPointF(15, y), QPointF(28, y + 0.5));
        p.drawLine(QPointF(34, y + 0.5), QPointF(47, y));
    }
    // A ribbon bookmark hanging out of the spine.
    QPolygonF ribbon;
    ribbon << QPointF(37, 8) << QPointF(42, 8) << QPointF(42, 19) << QPointF(39.5, 16.5)
           << QPointF(37, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(kRose);
    p.drawPolygon(ribbon);
}

void AboutIcon(QPainter& p) {
    const QPointF c(31, 22);
    QRadialGradient fill(c + QPointF(-5, -6), 22);
    fill.setColorAt(0, kTeal.lighter(135));
    fill.setColorAt(1, kTeal.darker(110));
    p.setPen(QPen(kTeal.darker(150), 1.2));
    p.setBrush(fill);
    p.drawEllipse(c, 17, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(31, 13.5), 2.8, 2.8);
    p.drawRoundedRect(QRectF(28.5, 18.5, 5, 14), 1.5, 1.5);
    p.drawRect(QRectF(26.5, 30, 9, 2.5));
}

void ExitIcon(QPainter& p) {
    // A door standing open, with an arrow leaving through it.
    p.setPen(kOutline);
    p.setBrush(QColor(236, 226, 206));
    p.drawRect(QRectF(12, 6, 24, 35));
    QPolygonF leaf;
    leaf << QPointF(12, 6) << QPointF(24, 10) << QPointF(24, 45) << QPointF(12, 41);
    QLinearGradient wood(12, 0, 24, 0);
    wood.setColorAt(0, QColor(184, 140, 104));
    wood.setColorAt(1, QColor(150, 108, 76));
    p.setBrush(wood);
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(21.5, 26), 1.5, 1.5);
    QPolygonF arrow;
    arrow << QPointF(29, 20) << QPointF(41, 20) << QPointF(41, 14) << QPointF(52, 24)
          << QPointF(41, 34) << QPointF(41, 28) << QPointF(29, 28);
    p.setPen(QPen(kRose.darker(130), 1));
    p.setBrush(kRose);
    p.drawPolygon(arrow);
}

// A small calendar with a big arrow across it, pointing back (-1) or forward (+1).
void StepIcon(QPainter& p, int direction) {
    const qreal calendarLeft = direction < 0 ? 27 : 9;
    const QRectF body = DrawCalendar(p, QRectF(calendarLeft, 8, 26, 26));
    DrawDays(p, body, 4, 3, kSageLight.darker(115));
    const qreal tipX = direction < 0 ? 6 : 56;
    const qreal tailX = direction < 0 ? 30 : 32;
    const qreal neckX = tipX - direction * 11;
    QPolygonF arrow;
    arrow << QPointF(tailX, 26) << QPointF(neckX, 26) << QPointF(neckX, 20) << QPointF(tipX, 31)
          << QPointF(neckX, 42) << QPointF(neckX, 36) << QPointF(tailX, 36);
    QLinearGradient fill(0, 20, 0, 42);
    fill.setColorAt(0, kRose.lighter(115));
    fill.setColorAt(1, kRose.darker(115));
    p.setPen(QPen(kRose.darker(140), 1));
    p.setBrush(fill);
    p.drawPolygon(arrow);
}

void DetailIcon(QPainter& p) {
    // A calendar page with coloured phase rows under a magnifying glass.
    const QRectF body = DrawCalendar(p, QRectF(9, 6, 34, 32));
    DrawDays(p, body, 5, 1, QColor(214, 60, 90));
    DrawDays(p, body.adjusted(0, body.height() / 3, 0, 0), 5, 1, kSageLight.darker(130));
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 34), QPointF(54, 42));
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(40, 28), 8, 8);
}

void DiaryIcon(QPainter& p) {
    // A notebook with spiral rings and ruled lines, and a pencil across it.
    QLinearGradient cover(0, 6, 0, 42);
    cover.setColorAt(0, kRoseLight);
    cover.setColorAt(1, kRose);
    p.setPen(kOutline);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(15, 5, 32, 37), 3, 3);
    p.setBrush(QColor(255, 252, 244));
    p.drawRect(QRectF(20, 9, 23, 29));
    p.setPen(QPen(kSageLight.darker(120), 1));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(23, 15 + i * 5), QPointF(40, 15 + i * 5));
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) p.drawArc(QRectF(11.5, 8 + i * 6.5, 7, 4), 0, 180 * 16);
    p.save();
    p.translate(46, 26);
    p.rotate(-55);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kGold);
    p.drawRect(QRectF(-2.5, -16, 5, 20));
    p.setBrush(QColor(236, 210, 170));
    p.drawPolygon(QPolygonF{QPointF(-2.5, 4), QPointF(2.5, 4), QPointF(0, 9)});
    p.setBrush(kRoseLight);
    p.drawRect(QRectF(-2.5, -19, 5, 3));
    p.restore();
    DrawHeart(p, QPointF(31.5, 25), 9, kRose);
}

} // namespace

std::vector<Picture> GlyphPictures() {
    using namespace std::placeholders;
    return {
        {"btn_test.bmp", Glyph(TestIcon, QStringLiteral("测试"))},
        {"btn_settings.bmp", Glyph(SettingsIcon, QStringLiteral("设置"))},
        {"btn_knowledge.bmp", Glyph(KnowledgeIcon, QStringLiteral("常识"))},
        {"btn_about.bmp", Glyph(AboutIcon, QStringLiteral("关于"))},
        {"btn_exit.bmp", Glyph(ExitIcon, QStringLiteral("退出"))},
        {"btn_prev.bmp", Glyph(std::bind(StepIcon, _1, -1), QStringLiteral("上一周期"))},
        {"btn_next.bmp", Glyph(std::bind(StepIcon, _1, 1), QStringLiteral("下一周期"))},
        {"btn_detail.bmp", Glyph(DetailIcon, QStringLiteral("详细资料"))},
        {"diary.bmp", Glyph(DiaryIcon, QStringLiteral("备忘录"))},
    };
}

} // namespace pictures
