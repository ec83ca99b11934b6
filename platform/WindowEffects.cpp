#include "platform/WindowEffects.h"
#include "platform/WidgetOf.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

void SetWindowAlpha(TWinControl* Window, int Alpha) {
    if (!Window) return;
    WidgetOf(Window)->setWindowOpacity(std::clamp(Alpha, 0, 255) / 255.0);
}

int WindowAlpha(const TWinControl* Window) {
    if (!Window || !Window->HandleAllocated()) return 255;
    return qRound(WidgetOf(Window)->windowOpacity() * 255);
}

void CaptureScreen(int X, int Y, TBitmap& Bitmap) {
    if (Bitmap.Empty()) return;
    QImage shot(Bitmap.Width(), Bitmap.Height(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QImage grabbed =
            screen->grabWindow(0, X, Y, Bitmap.Width(), Bitmap.Height()).toImage();
        if (!grabbed.isNull()) {
            QPainter p(&shot);
            p.drawImage(0, 0, grabbed);
        }
    }
    Bitmap.SetImage(shot);
}

void RenderWindow(TWinControl* Control, TCanvas* Canvas, TPoint At, bool Children) {
    if (!Control || !Canvas || !Canvas->Image()) return;
    QPainter painter(Canvas->Image());
    const TPoint origin = Canvas->Origin();
    QWidget::RenderFlags flags = QWidget::DrawWindowBackground;
    if (Children) flags |= QWidget::DrawChildren;
    WidgetOf(Control)->render(&painter, QPoint(At.X + origin.X, At.Y + origin.Y), QRegion(), flags);
}
