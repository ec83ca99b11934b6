#include "platform/MessageFilter.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

TMessageFilter gFilter;

unsigned ShiftBits(Qt::KeyboardModifiers M) {
    return (M & Qt::ShiftModifier ? 1u : 0u) | (M & Qt::ControlModifier ? 2u : 0u) |
           (M & Qt::AltModifier ? 4u : 0u);
}

unsigned ButtonMessage(Qt::MouseButton B) {
    switch (B) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN;
    case Qt::RightButton:
        return WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return 0;
    }
}

// Turns the application's widget events into filter messages. Events that travel up to a
// parent widget pass the application's filter again: each input event is judged once.
class TFilterObject : public QObject {
public:
    bool eventFilter(QObject* Object, QEvent* Event) override {
        if (!gFilter) return false;
        if (Event->type() == QEvent::ApplicationStateChange) return Deactivated();
        if (!Object->isWidgetType()) return false;
        TMessage m{};
        if (Event->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(Event);
            m.WParam = QtKeyToVirtualKey(k->key());
            if (!m.WParam) return false;
            m.Msg = k->modifiers() & Qt::AltModifier ? WM_SYSKEYDOWN : WM_KEYDOWN;
            m.LParam = ShiftBits(k->modifiers());
        } else if (Event->type() == QEvent::MouseButtonPress ||
                   Event->type() == QEvent::MouseButtonDblClick) {
            auto* e = static_cast<QMouseEvent*>(Event);
            m.Msg = ButtonMessage(e->button());
            if (!m.Msg) return false;
            const QPoint g = e->globalPosition().toPoint();
            m.LParam = MakeLParam(g.x(), g.y());
        } else {
            return false;
        }
        const quint64 time = static_cast<QInputEvent*>(Event)->timestamp();
        if (Propagating(Object, Event->type(), time)) return FLastAnswer;
        FLastType = Event->type();
        FLastTime = time;
        FLastReceiver = Object;
        TMessageFilter filter = gFilter; // the filter may replace itself
        FLastAnswer = filter(m);
        return FLastAnswer;
    }

private:
    bool Deactivated() {
        if (QGuiApplication::applicationState() == Qt::ApplicationActive) return false;
        TMessage m{WM_ACTIVATEAPP, 0, 0, 0};
        TMessageFilter filter = gFilter;
        filter(m);
        return false;
    }
    // An event a widget left unhandled goes on to its parents: the same kind, at the same time,
    // to an ancestor of the widget that saw it last.
    bool Propagating(QObject* Object, QEvent::Type Type, quint64 Time) const {
        if (Type != FLastType || Time != FLastTime || !FLastReceiver) return false;
        for (QObject* o = FLastReceiver->parent(); o; o = o->parent())
            if (o == Object) return true;
        return false;
    }
    QEvent::Type FLastType = QEvent::None;
    quint64 FLastTime = 0;
    QPointer<QObject> FLastReceiver;
    bool FLastAnswer = false;
};

QPointer<TFilterObject> gFilterObject;

} // namespace

TMessageFilter SetApplicationMessageFilter(TMessageFilter Filter) {
    if (!gFilterObject && QCoreApplication::instance()) {
        gFilterObject = new TFilterObject;
        gFilterObject->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(gFilterObject);
    }
    TMessageFilter old = std::move(gFilter);
    gFilter = std::move(Filter);
    return old;
}

bool ApplicationMessageFilterSet() {
    return bool(gFilter);
}
