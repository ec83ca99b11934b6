#include "platform/PopupControl.h"

#include "platform/HostWidget.h"
#include "platform/Regions.h"

TPopupControl::TPopupControl(TComponent* AOwner) : TCustomControl(AOwner) {
    TControl::SetVisible(false);
}

TPopupControl::~TPopupControl() = default;

QWidget* TPopupControl::CreateWidget(QWidget*) {
    // A tool tip's kind of window is never activated and needs no window manager's frame.
    auto* w = new THost<QWidget>(this, nullptr,
                                 Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                     Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    return w;
}

void TPopupControl::SetVisible(bool Value) {
    if (Visible() == Value) return;
    TControl::SetVisible(Value);
    QWidget* w = Handle();
    w->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()));
    if (Value)
        w->show();
    else
        w->hide();
}

bool TPopupControl::Showing() const {
    return Visible() && HandleAllocated() && Handle()->isVisible();
}

bool TPopupControl::ContainsScreenPoint(TPoint P) const {
    if (!Visible()) return false;
    const TPoint local{P.X - Left(), P.Y - Top()};
    if (local.X < 0 || local.Y < 0 || local.X >= Width() || local.Y >= Height()) return false;
    const TRegion outline = WindowRegion(this);
    return outline.IsEmpty() || outline.Contains(local);
}
