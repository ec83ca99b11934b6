// Painting over and next to the Qt widgets of windowed controls, so that the families never
// reach for a widget themselves.

#include "platform/Canvas.h"
#include "platform/ComboBox.h"
#include "platform/StdCtrls.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

int TFont::LineHeight() const {
    return QFontMetrics(ToQFont()).height();
}

void TWinControl::PaintAreaTo(const TRect& Area, TColor Background, TCanvas& Canvas,
                              const TRect& Dest) {
    QImage image(Area.Width(), Area.Height(), QImage::Format_RGB32);
    image.fill(ToQColor(Background));
    Handle()->render(&image, QPoint(0, 0),
                     QRegion(Area.Left, Area.Top, Area.Width(), Area.Height()),
                     QWidget::DrawWindowBackground);
    Canvas.DrawImage(Dest, image, Rect(0, 0, Area.Width(), Area.Height()));
}

void TCustomEdit::SetFrameSpace(int Width) {
    FFrameSpace = Width;
    if (HandleAllocated()) Handle()->setContentsMargins(Width, Width, Width, Width);
}

void TCustomMemo::SetFrameSpace(int Width) {
    FFrameSpace = Width;
    if (!HandleAllocated()) return;
    Memo()->setFrameStyle(QFrame::Box | QFrame::Plain);
    Memo()->setLineWidth(Width);
}

void TCustomComboBox::PlaceEditField(const TRect& R) {
    const QRect wanted(R.Left, R.Top, R.Width(), R.Height());
    if (QLineEdit* e = Combo()->lineEdit(); e && e->geometry() != wanted) e->setGeometry(wanted);
}
