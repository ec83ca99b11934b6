#pragma once
// Helpers of the flat control tests: rendering, pixel reads and a scripted world.

#include "platform/WidgetOf.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QImage>

inline QImage Render(TWinControl& C) {
    QWidget* w = WidgetOf(C);
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    w->render(&img);
    return img;
}

inline TColor At(const QImage& Img, int X, int Y) {
    return FromQColor(Img.pixelColor(X, Y));
}

// A borderless form in a scripted environment whose cursor the test moves.
struct TFlatWorld : TTestWorld {
    TFlatWorld() { NewForm(0, 0, 300, 200).SetColor(RGB(10, 20, 30)); }
};
