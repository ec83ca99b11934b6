#include "platform/ScreenCanvas.h"

#include "platform/FocusDots.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace {

// Shows an image with transparent parts, above every window, without taking the mouse or focus
// (a tool tip's kind of window is never activated).
class TOutlineWindow : public QWidget {
public:
    TOutlineWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                               Qt::NoDropShadowWindowHint) {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QImage Image;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, Image);
    }
};

} // namespace

TScreenCanvas::TScreenCanvas() = default;
TScreenCanvas::~TScreenCanvas() {
    // A window left at exit outlives the application object: it must not be freed then.
    if (FWindow && !QCoreApplication::instance()) (void)FWindow.release();
}

void TScreenCanvas::DrawFocusRect(const TRect& R) {
    if (R.IsEmpty()) return;
    auto it = std::find(FRects.begin(), FRects.end(), R);
    if (it != FRects.end())
        FRects.erase(it);
    else
        FRects.push_back(R);
    UpdateWindow();
}

TRect TScreenCanvas::WindowRect() const {
    TRect bound;
    for (const TRect& r : FRects) UnionRect(bound, bound, r);
    return bound;
}

void TScreenCanvas::UpdateWindow() {
    const TRect bound = WindowRect();
    if (bound.IsEmpty()) {
        FWindow.reset();
        return;
    }
    // The dots of every rectangle are inverted together, on the screen's own pixel grid, so
    // overlapping outlines cancel where they meet as they did on the screen.
    QImage img(bound.Width(), bound.Height(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    auto flip = [&](int X, int Y) {
        QRgb& px = reinterpret_cast<QRgb*>(img.scanLine(Y - bound.Top))[X - bound.Left];
        px = px ? 0 : qRgba(0, 0, 0, 255);
    };
    for (const TRect& r : FRects) ForEachFocusDot(r, flip);
    if (!FWindow) FWindow = std::make_unique<TOutlineWindow>();
    auto* w = static_cast<TOutlineWindow*>(FWindow.get());
    w->Image = img;
    w->setGeometry(bound.Left, bound.Top, bound.Width(), bound.Height());
    w->show();
    w->update();
}

TScreenCanvas& ScreenCanvas() {
    static TScreenCanvas canvas;
    return canvas;
}
