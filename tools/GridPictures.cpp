// The sorting grid's six small pictures: sort arrows (8 x 7), check boxes (10 x 10) and the
// combo-box and ellipsis buttons (16 x 16), pixel-exact so they stay crisp at their size.
#include "PictureKit.h"

#include <QPainter>

namespace pictures {

namespace {

const QColor kFace(212, 208, 200);
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDark(64, 64, 64);
const QColor kMark(0, 0, 0);

// A solid triangle of rows widening (or narrowing) by one pixel on each side.
QImage Arrow(bool up) {
    QImage img = NewImage(8, 7, kFace);
    for (int row = 0; row < 4; ++row) {
        const int y = up ? 1 + row : 5 - row;
        for (int x = 3 - row; x <= 4 + row; ++x) img.setPixelColor(x, y, kShadow);
    }
    return img;
}

QImage CheckBox(bool checked) {
    QImage img = NewImage(10, 10, Qt::white);
    QPainter p(&img);
    p.setPen(kShadow);
    p.drawLine(0, 0, 9, 0);
    p.drawLine(0, 0, 0, 9);
    p.setPen(kDark);
    p.drawLine(1, 9, 9, 9);
    p.drawLine(9, 1, 9, 9);
    if (checked) {
        p.setPen(kMark);
        for (int i = 0; i < 2; ++i) {
            p.drawLine(2, 4 + i, 3, 5 + i);
            p.drawLine(4, 6 + i, 7, 3 + i);
        }
    }
    return img;
}

// A raised 16 x 16 button face.
QImage Button() {
    QImage img = NewImage(16, 16, kFace);
    QPainter p(&img);
    p.setPen(kLight);
    p.drawLine(0, 0, 14, 0);
    p.drawLine(0, 0, 0, 14);
    p.setPen(kShadow);
    p.drawLine(1, 14, 14, 14);
    p.drawLine(14, 1, 14, 14);
    p.setPen(kDark);
    p.drawLine(0, 15, 15, 15);
    p.drawLine(15, 0, 15, 15);
    return img;
}

QImage ComboButton() {
    QImage img = Button();
    for (int row = 0; row < 4; ++row)
        for (int x = 4 + row; x <= 10 - row; ++x) img.setPixelColor(x, 6 + row, kMark);
    return img;
}

QImage EllipsisButton() {
    QImage img = Button();
    for (int x : {4, 7, 10}) {
        img.setPixelColor(x, 10, kMark);
        img.setPixelColor(x + 1, 10, kMark);
    }
    return img;
}

} // namespace

std::vector<Picture> GridPictures() {
    return {{QStringLiteral("up.bmp"), Arrow(true)},
            {QStringLiteral("down.bmp"), Arrow(false)},
            {QStringLiteral("checked.bmp"), CheckBox(true)},
            {QStringLiteral("unchecked.bmp"), CheckBox(false)},
            {QStringLiteral("combobox.bmp"), ComboButton()},
            {QStringLiteral("ellipsis.bmp"), EllipsisButton()}};
}

} // namespace pictures
