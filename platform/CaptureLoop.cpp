#include "platform/CaptureLoop.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace {

// Watches the application's events while the loop runs.
class TLoopFilter : public QObject {
public:
    TLoopFilter(TWinControl* Control, const TCaptureLoop& Loop)
        : FControl(Control), FWidget(WidgetOf(*Control)), FLoop(Loop) {
        qApp->installEventFilter(this);
    }
    ~TLoopFilter() override { qApp->removeEventFilter(this); }

    bool Running() const {
        return !FQuit && !FReleased && FWidget && GetCaptureControl() == FControl;
    }
    bool QuitRequested() const { return FQuit; }

protected:
    bool eventFilter(QObject* Object, QEvent* Event) override {
        const QEvent::Type type = Event->type();
        if (!Running()) return false;
        if (type == QEvent::Quit && Object == qApp) {
            FQuit = true;
            return true;
        }
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
        // The capture sends the mouse to the control's own window; what reaches its children
        // comes on to it when they leave it.
        if (Object != FWidget) return false;
        auto* me = static_cast<QMouseEvent*>(Event);
        if (type == QEvent::MouseButtonRelease && me->button() != Qt::LeftButton) return false;
        const QPoint g = me->globalPosition().toPoint();
        const TPoint p = FControl->ScreenToClient({g.x(), g.y()});
        TMessage m{type == QEvent::MouseMove ? unsigned(WM_MOUSEMOVE) : unsigned(WM_LBUTTONUP),
                   (me->buttons() & Qt::LeftButton) ? WPARAM(MK_LBUTTON) : WPARAM(0),
                   MakeLParam(p.X, p.Y), 0};
        const bool eaten = FLoop.OnMessage && FLoop.OnMessage(m);
        if (type == QEvent::MouseButtonRelease) FReleased = true;
        return eaten;
    }

private:
    TWinControl* FControl;
    QPointer<QWidget> FWidget;
    const TCaptureLoop& FLoop;
    bool FQuit = false;
    bool FReleased = false;
};

} // namespace

bool TCaptureLoop::Run(TWinControl* Control) {
    bool quit = false;
    {
        SetCaptureControl(Control);
        TLoopFilter filter(Control, *this);
        QEventLoop loop;
        while (filter.Running()) loop.processEvents(QEventLoop::WaitForMoreEvents);
        quit = filter.QuitRequested();
    }
    if (GetCaptureControl() == Control) SetCaptureControl(nullptr);
    if (quit) QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    return !quit;
}

void DiscardMouseMoves(TWinControl* Control) {
    if (Control && Control->HandleAllocated())
        QCoreApplication::removePostedEvents(WidgetOf(*Control), QEvent::MouseMove);
}

bool StartSystemMove(TWinControl* Window) {
    if (!Window || !Window->HandleAllocated()) return false;
    QWindow* w = WidgetOf(*Window)->window()->windowHandle();
    return w && w->startSystemMove();
}
