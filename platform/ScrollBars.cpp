#include "platform/ScrollBars.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

int ScrollBarExtent() {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

TWindowScrollBars::TWindowScrollBars(TWinControl* Control) : FControl(Control) {}

// The bar widgets are children of the control's widget and go with it.
TWindowScrollBars::~TWindowScrollBars() = default;

QScrollBar* TWindowScrollBars::Widget(int Bar) {
    TBar& b = BarOf(Bar);
    if (b.Widget) return b.Widget;
    auto* w = new QScrollBar(Bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, WidgetOf(*FControl));
    w->setFocusPolicy(Qt::NoFocus);
    w->setTracking(false);
    w->setSingleStep(1);
    w->setPageStep(1);
    w->hide();
    b.Widget = w;
    QObject::connect(w, &QAbstractSlider::actionTriggered, w,
                     [this, Bar](int A) { Action(Bar, A); });
    QObject::connect(w, &QAbstractSlider::sliderMoved, w,
                     [this, Bar](int P) { Send(Bar, SB_THUMBTRACK, P); });
    QObject::connect(w, &QAbstractSlider::sliderReleased, w, [this, Bar] {
        QScrollBar* s = BarOf(Bar).Widget;
        Send(Bar, SB_THUMBPOSITION, s->sliderPosition());
        Send(Bar, SB_ENDSCROLL, 0);
        Sync(Bar);
    });
    Sync(Bar);
    return w;
}

void TWindowScrollBars::Send(int Bar, unsigned Code, int Pos) {
    try {
        FControl->Perform(Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                          WPARAM(MakeLong(uint16_t(Code), uint16_t(Pos))), 0);
    } catch (...) {
        ApplicationHandleException(FControl);
    }
}

void TWindowScrollBars::Action(int Bar, int QtAction) {
    unsigned code;
    switch (QtAction) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    default:
        return; // thumb drags are reported by sliderMoved / sliderReleased
    }
    Send(Bar, code, BarOf(Bar).Pos);
    // The thumb stays where the control put it, not where Qt would have moved it.
    if (QScrollBar* w = BarOf(Bar).Widget) w->setSliderPosition(BarOf(Bar).Pos);
}

void TWindowScrollBars::Sync(int Bar) {
    TBar& b = BarOf(Bar);
    if (!b.Widget) return;
    const QSignalBlocker block(b.Widget);
    b.Widget->setRange(b.Min, b.Max);
    b.Widget->setPageStep(std::max(1, b.Page));
    b.Widget->setValue(b.Pos);
    b.Widget->setSliderPosition(b.Pos);
}

void TWindowScrollBars::SetScrollPage(int Bar, int Page) {
    BarOf(Bar).Page = std::max(0, Page);
    Sync(Bar);
}

bool TWindowScrollBars::BarShowing(int Bar) const {
    const TBar& b = BarOf(Bar);
    return b.Has && b.Max > b.Min;
}

void TWindowScrollBars::ShowScrollBar(int Bar, bool Show) {
    const bool h = BarShowing(SB_HORZ), v = BarShowing(SB_VERT);
    if (Bar == SB_HORZ || Bar == SB_BOTH) FHorz.Has = Show;
    if (Bar == SB_VERT || Bar == SB_BOTH) FVert.Has = Show;
    Changed(h, v);
}

void TWindowScrollBars::SetScrollRange(int Bar, int Min, int Max) {
    const bool h = BarShowing(SB_HORZ), v = BarShowing(SB_VERT);
    TBar& b = BarOf(Bar);
    b.Min = Min;
    b.Max = std::max(Min, Max);
    b.Pos = std::clamp(b.Pos, b.Min, b.Max);
    Sync(Bar);
    Changed(h, v);
}

void TWindowScrollBars::GetScrollRange(int Bar, int& Min, int& Max) const {
    Min = BarOf(Bar).Min;
    Max = BarOf(Bar).Max;
}

int TWindowScrollBars::SetScrollPos(int Bar, int Pos) {
    TBar& b = BarOf(Bar);
    const int old = b.Pos;
    b.Pos = std::clamp(Pos, b.Min, b.Max);
    Sync(Bar);
    return old;
}

int TWindowScrollBars::GetScrollPos(int Bar) const {
    return BarOf(Bar).Pos;
}

TRect TWindowScrollBars::ClientRect(const TRect& Full) const {
    TRect r = Full;
    if (BarShowing(SB_VERT)) r.Right = std::max(r.Left, r.Right - ScrollBarExtent());
    if (BarShowing(SB_HORZ)) r.Bottom = std::max(r.Top, r.Bottom - ScrollBarExtent());
    return r;
}

void TWindowScrollBars::Changed(bool WasHorz, bool WasVert) {
    const bool h = BarShowing(SB_HORZ), v = BarShowing(SB_VERT);
    if (h == WasHorz && v == WasVert) return;
    Layout();
    // What a bar leaves uncovered belongs to the client area again.
    const int ext = ScrollBarExtent();
    // In client coordinates, which start inside the frame.
    const TRect full = Rect(0, 0, FControl->Width() - 2 * FFrame, FControl->Height() - 2 * FFrame);
    if (WasVert && !v) FControl->InvalidateRect(Rect(full.Right - ext, 0, full.Right, full.Bottom));
    if (WasHorz && !h)
        FControl->InvalidateRect(Rect(0, full.Bottom - ext, full.Right, full.Bottom));
}

void TWindowScrollBars::Layout() {
    // Without a widget yet the bars are laid out when it is made and sized.
    if (!FControl->HandleAllocated()) return;
    const TRect client =
        ClientRect(Rect(FFrame, FFrame, FControl->Width() - FFrame, FControl->Height() - FFrame));
    const int ext = ScrollBarExtent();
    for (int bar : {SB_HORZ, SB_VERT}) {
        const bool show = BarShowing(bar);
        if (!show && !BarOf(bar).Widget) continue;
        QScrollBar* w = Widget(bar);
        if (bar == SB_VERT)
            w->setGeometry(client.Right, client.Top, ext, client.Height());
        else
            w->setGeometry(client.Left, client.Bottom, client.Width(), ext);
        w->setVisible(show);
    }
}
