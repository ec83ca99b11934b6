// The diary form's pictures: its grey-blue background and the notebook icon beside its title.
#include "PictureKit.h"

#include <QLinearGradient>
#include <QPainter>

namespace pictures {

namespace {

QImage FormPicture() {
    QImage image = NewImage(169, 297, Qt::white);
    QPainter p(&image);
    QLinearGradient wash(0, 0, 0, 297);
    wash.setColorAt(0, QColor(236, 240, 246));
    wash.setColorAt(0.5, QColor(206, 216, 230));
    wash.setColorAt(1, QColor(168, 184, 206));
    p.fillRect(image.rect(), wash);
    return image;
}

// A small notebook with a heart on its cover, on a transparent ground.
QImage IconPicture() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    Prepare(p);
    p.setPen(QPen(kPlum, 1.2));
    p.setBrush(kCream);
    p.drawRoundedRect(QRectF(6.5, 3.5, 21, 26), 2, 2);
    p.setBrush(kRoseLight);
    p.drawRect(QRectF(6.5, 3.5, 5, 26));
    p.setPen(QPen(kSage.darker(110), 1));
    for (int y = 20; y <= 26; y += 3) p.drawLine(QPointF(14, y), QPointF(25, y));
    DrawHeart(p, QPointF(19.5, 12), 9, kRose);
    return image;
}

} // namespace

std::vector<Picture> DiaryPictures() {
    return {
        {"diary_form.jpg", FormPicture(), 92},
        {"diary_icon.png", IconPicture()},
    };
}

} // namespace pictures
