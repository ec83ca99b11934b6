#include "platform/NonClient.h"
#include "platform/WidgetOf.h"

#include "platform/CaptureLoop.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {

bool HitHasLeft(int H) {
    return H == HTLEFT || H == HTTOPLEFT || H == HTBOTTOMLEFT;
}
bool HitHasRight(int H) {
    return H == HTRIGHT || H == HTTOPRIGHT || H == HTBOTTOMRIGHT;
}
bool HitHasTop(int H) {
    return H == HTTOP || H == HTTOPLEFT || H == HTTOPRIGHT;
}
bool HitHasBottom(int H) {
    return H == HTBOTTOM || H == HTBOTTOMLEFT || H == HTBOTTOMRIGHT;
}

Qt::Edges HitEdges(int H) {
    Qt::Edges e;
    if (HitHasLeft(H)) e |= Qt::LeftEdge;
    if (HitHasRight(H)) e |= Qt::RightEdge;
    if (HitHasTop(H)) e |= Qt::TopEdge;
    if (HitHasBottom(H)) e |= Qt::BottomEdge;
    return e;
}

// Lets the window system move or size the window from here on, when it offers that.
bool HandOverToWindowSystem(TWinControl* Window, int HitCode) {
    if (HitCode == HTCAPTION) return StartSystemMove(Window);
    QWidget* w = WidgetOf(Window);
    QWindow* win = w->windowHandle();
    if (!win) return false;
    // The window system keeps to the window's limits only when it knows them.
    const TMinMaxInfo info = QueryMinMaxInfo(Window);
    w->setMinimumSize(std::max(0, info.MinTrackSize.X), std::max(0, info.MinTrackSize.Y));
    return win->startSystemResize(HitEdges(HitCode));
}

// The non-client press in progress: which window and button it was made on.
struct TNonClientPress {
    QPointer<QWidget> Widget;
    Qt::MouseButton Button = Qt::NoButton;
};
TNonClientPress& Press() {
    static TNonClientPress press;
    return press;
}

// The window that shows a border cursor now.
QPointer<QWidget>& CursorWidget() {
    static QPointer<QWidget> widget;
    return widget;
}

void ShowHitCursor(TWinControl* Window, int HitCode) {
    QWidget* w = WidgetOf(Window);
    const TCursor shape = HitTestCursor(HitCode);
    if (shape != crDefault) {
        Window->SetShownCursor(shape);
        CursorWidget() = w;
    } else if (CursorWidget() == w) {
        Window->SetShownCursor(Window->Cursor());
        CursorWidget() = nullptr;
    }
}

bool IsClientHit(int HitCode) {
    return HitCode == HTCLIENT || HitCode == HTNOWHERE || HitCode == HTTRANSPARENT ||
           HitCode == HTERROR;
}

unsigned NonClientButtonMessage(Qt::MouseButton B, QEvent::Type T) {
    const bool right = B == Qt::RightButton;
    switch (T) {
    case QEvent::MouseButtonPress:
        return right ? WM_NCRBUTTONDOWN : WM_NCLBUTTONDOWN;
    case QEvent::MouseButtonDblClick:
        return right ? unsigned(WM_NCRBUTTONDBLCLK) : unsigned(WM_NCLBUTTONDBLCLK);
    default:
        return right ? WM_NCRBUTTONUP : WM_NCLBUTTONUP;
    }
}

} // namespace

TCursor HitTestCursor(int HitCode) {
    switch (HitCode) {
    case HTLEFT:
    case HTRIGHT:
        return crSizeWE;
    case HTTOP:
    case HTBOTTOM:
        return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return crSizeNESW;
    default:
        return crDefault;
    }
}

TMinMaxInfo QueryMinMaxInfo(TWinControl* Window) {
    TMinMaxInfo info;
    info.MinTrackSize = {1, 1};
    info.MaxTrackSize = {1 << 15, 1 << 15};
    Window->SendWindowMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

TWindowSizeMove::TWindowSizeMove(TWinControl* Window, int HitCode, TPoint ScreenCursor)
    : FWindow(Window), FHitCode(HitCode), FStartCursor(ScreenCursor),
      FStartRect(Window->BoundsRect()) {
    Window->SendWindowMessage(WM_ENTERSIZEMOVE);
    const TMinMaxInfo info = QueryMinMaxInfo(Window);
    FMinTrack = {std::max(1, info.MinTrackSize.X), std::max(1, info.MinTrackSize.Y)};
    FMaxTrack = {std::max(FMinTrack.cx, info.MaxTrackSize.X),
                 std::max(FMinTrack.cy, info.MaxTrackSize.Y)};
}

TWindowSizeMove::~TWindowSizeMove() {
    Finish();
}

void TWindowSizeMove::Finish() {
    if (FFinished) return;
    FFinished = true;
    FWindow->SendWindowMessage(WM_EXITSIZEMOVE);
}

TRect TWindowSizeMove::SizedRect(const TRect& Start, int HitCode, int DX, int DY, TSize MinTrack,
                                 TSize MaxTrack) {
    TRect r = Start;
    if (HitHasLeft(HitCode))
        r.Left = std::clamp(Start.Left + DX, Start.Right - MaxTrack.cx, Start.Right - MinTrack.cx);
    if (HitHasRight(HitCode))
        r.Right = std::clamp(Start.Right + DX, Start.Left + MinTrack.cx, Start.Left + MaxTrack.cx);
    if (HitHasTop(HitCode))
        r.Top = std::clamp(Start.Top + DY, Start.Bottom - MaxTrack.cy, Start.Bottom - MinTrack.cy);
    if (HitHasBottom(HitCode))
        r.Bottom = std::clamp(Start.Bottom + DY, Start.Top + MinTrack.cy, Start.Top + MaxTrack.cy);
    return r;
}

TRect TWindowSizeMove::Step(TPoint ScreenCursor) {
    const int dx = ScreenCursor.X - FStartCursor.X;
    const int dy = ScreenCursor.Y - FStartCursor.Y;
    TRect r;
    if (FHitCode == HTCAPTION) {
        r = FStartRect;
        OffsetRect(r, dx, dy);
        FWindow->SendWindowMessage(WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    } else {
        r = SizedRect(FStartRect, FHitCode, dx, dy, FMinTrack, FMaxTrack);
        FWindow->SendWindowMessage(WM_SIZING, WPARAM(FHitCode - 9), reinterpret_cast<LPARAM>(&r));
    }
    FWindow->SetBoundsRect(r);
    return r;
}

void NonClientDragDefault(TWinControl* Window, int HitCode, TPoint ScreenCursor) {
    if (HitCode != HTCAPTION && !IsBorderHit(HitCode)) return;
    std::optional<TWindowSizeMove> live;
    TCaptureLoop loop;
    loop.OnMessage = [&](TMessage& M) {
        if (M.Msg != WM_MOUSEMOVE) return true; // the release ends the drag and goes no further
        const TPoint p = Window->ClientToScreen(PointFromLParam(M.LParam));
        if (!live) {
            if (p == ScreenCursor) return true;
            if (HandOverToWindowSystem(Window, HitCode)) {
                SetCaptureControl(nullptr);
                return true;
            }
            live.emplace(Window, HitCode, ScreenCursor);
        }
        live->Step(p);
        return true;
    };
    loop.Run(Window);
    if (live) live->Finish();
}

bool NonClientMouseEvent(TWinControl* Window, QMouseEvent* Event) {
    // A window holding the mouse gets client messages wherever the mouse is.
    if (GetCaptureControl()) return false;
    QWidget* widget = WidgetOf(Window);
    const QPoint g = Event->globalPosition().toPoint();
    const LPARAM at = MakeLParam(g.x(), g.y());
    const int hit = int(Window->SendWindowMessage(WM_NCHITTEST, 0, at));
    const bool client = IsClientHit(hit);
    TNonClientPress& press = Press();
    switch (Event->type()) {
    case QEvent::MouseMove:
        if (Event->buttons() == Qt::NoButton) ShowHitCursor(Window, hit);
        if (client) return false;
        Window->SendWindowMessage(WM_NCMOUSEMOVE, WPARAM(hit), at);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        press = {};
        if (client) return false;
        if (Event->button() != Qt::LeftButton && Event->button() != Qt::RightButton) return true;
        press = {widget, Event->button()};
        Window->SendWindowMessage(NonClientButtonMessage(Event->button(), Event->type()),
                                  WPARAM(hit), at);
        return true;
    case QEvent::MouseButtonRelease:
        if (press.Widget != widget || press.Button != Event->button()) return false;
        press = {};
        Window->SendWindowMessage(NonClientButtonMessage(Event->button(), Event->type()),
                                  WPARAM(hit), at);
        return true;
    default:
        return false;
    }
}
