// The large pictures of the fixed views: the home title, the about page and the tall side picture
// of the knowledge and detail views.
#include "PictureKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QString kTitle = QStringLiteral("\"Soveli\"女性安全期测试");

// A spray of three blossoms with leaves on a curved stem, rooted at `base` and leaning by `lean`.
void DrawSpray(QPainter& p, const QPointF& base, qreal height, qreal lean, qreal scale) {
    const QPointF tip(base.x() + lean, base.y() - height);
    QPainterPath stem;
    stem.moveTo(base);
    stem.quadTo(QPointF(base.x() - lean * 0.4, base.y() - height * 0.55), tip);
    p.save();
    p.setPen(QPen(kSage.darker(115), 1.6 * scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    p.restore();
    const qreal leafLength = 22 * scale;
    DrawLeaf(p, stem.pointAtPercent(0.3), leafLength, -150, kSage);
    DrawLeaf(p, stem.pointAtPercent(0.45), leafLength * 0.9, -30, kSageLight.darker(108));
    DrawLeaf(p, stem.pointAtPercent(0.68), leafLength * 0.75, -160, kSageLight.darker(104));
    DrawFlower(p, tip, 14 * scale, 5, 10, kRoseLight, kGold);
    DrawFlower(p, stem.pointAtPercent(0.55) + QPointF(10 * scale, -4 * scale), 10 * scale, 5, 35,
               kRosePale.darker(104), kGold);
    DrawFlower(p, stem.pointAtPercent(0.8) + QPointF(-9 * scale, 0), 8 * scale, 6, 0,
               kRose.lighter(118), kCream);
}

void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

QImage HomePicture() {
    QImage image = NewImage(438, 337, kCream);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient wash(0, 0, 438, 337);
    wash.setColorAt(0, QColor(251, 248, 240));
    wash.setColorAt(0.55, QColor(247, 236, 236));
    wash.setColorAt(1, QColor(232, 238, 222));
    p.fillRect(image.rect(), wash);

    DrawBubble(p, QPointF(40, 300), 120, kSageLight, 120);
    DrawBubble(p, QPointF(410, 30), 110, kRoseLight, 110);
    DrawBubble(p, QPointF(360, 290), 60, kRosePale.darker(106), 120);
    DrawBubble(p, QPointF(90, 50), 50, kSageLight.lighter(104), 80);

    DrawSpray(p, QPointF(392, 337), 150, -26, 1.0);
    DrawSpray(p, QPointF(30, 337), 96, 18, 0.7);

    // Emblem: a heart inside a ring of small petals.
    const QPointF emblem(219, 78);
    p.setPen(QPen(kRoseLight, 1.5));
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(emblem, 34, 34);
    for (int i = 0; i < 12; ++i) {
        QPointF dot = emblem + QPointF(34 * qCos(i * M_PI / 6), 34 * qSin(i * M_PI / 6));
        DrawFlower(p, dot, 5, 5, i * 15, kRosePale.darker(110), kGold);
    }
    DrawHeart(p, emblem + QPointF(0, 2), 34, kRose);

    DrawCentredText(p, QRectF(0, 128, 438, 40), kTitle, UiFont(28), kPlum);
    p.setPen(QPen(kRoseLight, 1.2));
    p.drawLine(QPointF(109, 180), QPointF(199, 180));
    p.drawLine(QPointF(239, 180), QPointF(329, 180));
    DrawHeart(p, QPointF(219, 180), 9, kRose);
    DrawCentredText(p, QRectF(0, 192, 438, 24),
                    QStringLiteral("安全期计算  ·  例假备忘  ·  避孕常识"), UiFont(15), kInk);
    DrawCentredText(p, QRectF(0, 226, 438, 20), QStringLiteral("了解自己的周期，科学地呵护健康"),
                    UiFont(13), kSage.darker(140));
    return image;
}

QImage AboutPicture() {
    QImage image = NewImage(438, 336, kPanel);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient wash(0, 0, 0, 336);
    wash.setColorAt(0, QColor(238, 241, 230));
    wash.setColorAt(1, QColor(218, 225, 205));
    p.fillRect(image.rect(), wash);
    DrawBubble(p, QPointF(420, 320), 110, kRoseLight, 100);
    DrawBubble(p, QPointF(20, 20), 90, kSageLight, 120);

    const QRectF card(34, 26, 370, 284);
    p.setPen(QPen(kSageLight.darker(112), 1));
    p.setBrush(QColor(255, 255, 255, 205));
    p.drawRoundedRect(card, 14, 14);

    DrawFlower(p, QPointF(219, 60), 17, 6, 0, kRoseLight, kGold);
    DrawLeaf(p, QPointF(204, 64), 20, 160, kSage);
    DrawLeaf(p, QPointF(234, 64), 20, 20, kSage);
    DrawCentredText(p, QRectF(card.left(), 84, card.width(), 32), kTitle, UiFont(22), kPlum);
    DrawCentredText(p, QRectF(card.left(), 118, card.width(), 22), QStringLiteral("作者：Kelvaro"),
                    UiFont(14), kInk);
    p.setPen(QPen(kRoseLight, 1));
    p.drawLine(QPointF(84, 150), QPointF(354, 150));

    const QStringList lines = {
        QStringLiteral("本程序根据您的例假日期和月经周期，按日历法"),
        QStringLiteral("（安全期推算法）推算排卵日、危险期和安全期，"),
        QStringLiteral("并可记录例假备忘。"),
        QString(),
        QStringLiteral("请注意：日历法单独使用并不是可靠的避孕方法。"),
        QStringLiteral("月经周期会因情绪、疾病、旅行等而变化，"),
        QStringLiteral("推算结果仅供参考，请同时采用避孕套等"),
        QStringLiteral("其他避孕措施。"),
    };
    p.setFont(UiFont(13));
    qreal y = 162;
    for (int i = 0; i < lines.size(); ++i) {
        p.setPen(i >= 4 ? kPlum : kInk);
        p.drawText(QRectF(56, y, 330, 17), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
        y += lines[i].isEmpty() ? 8 : 17;
    }
    return image;
}

QImage SidePicture() {
    QImage image = NewImage(85, 317, kPanel);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient wash(0, 0, 0, 317);
    wash.setColorAt(0, QColor(248, 236, 238));
    wash.setColorAt(0.5, QColor(246, 244, 236));
    wash.setColorAt(1, QColor(214, 226, 200));
    p.fillRect(image.rect(), wash);
    DrawBubble(p, QPointF(70, 40), 40, kRoseLight, 110);
    DrawBubble(p, QPointF(10, 250), 46, kSageLight, 120);

    // A vine climbing the whole height, with blossoms along it.
    QPainterPath vine;
    vine.moveTo(30, 317);
    vine.cubicTo(4, 250, 60, 190, 30, 130);
    vine.cubicTo(10, 90, 50, 50, 36, 12);
    p.setPen(QPen(kSage.darker(115), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vine);
    const qreal leaves[] = {0.08, 0.2, 0.33, 0.47, 0.6, 0.74, 0.86};
    for (int i = 0; i < 7; ++i)
        DrawLeaf(p, vine.pointAtPercent(leaves[i]), 15, i % 2 ? -30 : -150,
                 i % 2 ? kSage : kSageLight.darker(106));
    DrawFlower(p, vine.pointAtPercent(1.0), 11, 5, 0, kRoseLight, kGold);
    DrawFlower(p, vine.pointAtPercent(0.66) + QPointF(3, 0), 9, 5, 30, kRosePale.darker(106),
               kGold);
    DrawFlower(p, vine.pointAtPercent(0.4) + QPointF(-2, 0), 10, 6, 12, kRose.lighter(118), kCream);
    DrawFlower(p, vine.pointAtPercent(0.14), 8, 5, 20, kRoseLight, kGold);
    DrawHeart(p, QPointF(56, 226), 11, kRose.lighter(110));
    DrawHeart(p, QPointF(18, 70), 8, kRoseLight);

    // The theme, written downwards as Chinese is written on a scroll.
    p.setFont(UiFont(15));
    p.setPen(kPlum);
    const QString words = QStringLiteral("关爱自己");
    for (int i = 0; i < words.size(); ++i)
        p.drawText(QRectF(52, 70 + i * 22, 24, 22), Qt::AlignCenter, words.mid(i, 1));
    return image;
}

} // namespace

std::vector<Picture> PanelPictures() {
    return {
        {"home.jpg", HomePicture(), 92},
        {"about.jpg", AboutPicture(), 92},
        {"side.jpg", SidePicture(), 92},
    };
}

} // namespace pictures
