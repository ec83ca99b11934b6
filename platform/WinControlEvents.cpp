// Qt events of a control's widget become the control's messages.

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/HostWidget.h"
#include "platform/NonClient.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimerEvent>
#include <QToolTip>
#include <QWheelEvent>

namespace {

unsigned MouseKeys(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Mods) {
    unsigned k = 0;
    if (Buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (Buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton) k |= MK_MBUTTON;
    if (Mods & Qt::ShiftModifier) k |= MK_SHIFT;
    if (Mods & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

unsigned ButtonMessage(Qt::MouseButton B, QEvent::Type T) {
    unsigned base = B == Qt::RightButton    ? WM_RBUTTONDOWN
                    : B == Qt::MiddleButton ? WM_MBUTTONDOWN
                                            : WM_LBUTTONDOWN;
    if (T == QEvent::MouseButtonRelease) return base + 1;
    if (T == QEvent::MouseButtonDblClick) return base + 2;
    return base;
}

// A window without a parent may say that parts of its own surface are its frame.
bool NonClientMouse(TWinControl& C, QEvent* Event) {
    if (C.Parent() || !dynamic_cast<TCustomForm*>(&C)) return false;
    if (!NonClientMouseEvent(&C, static_cast<QMouseEvent*>(Event))) return false;
    Event->accept();
    return true;
}

// Widget positions become client positions past a border outside the client area.
QPoint ClientOffsetOf(const TWinControl* Control) {
    const TPoint o = Control->ClientOffset();
    return {o.X, o.Y};
}

} // namespace

unsigned QtKeyToVirtualKey(int Key) {
    if (Key >= Qt::Key_A && Key <= Qt::Key_Z) return unsigned('A' + (Key - Qt::Key_A));
    if (Key >= Qt::Key_0 && Key <= Qt::Key_9) return unsigned('0' + (Key - Qt::Key_0));
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F24) return VK_F1 + unsigned(Key - Qt::Key_F1);
    switch (Key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Clear:
        return VK_CLEAR;
    default:
        return 0;
    }
}

void TWinControl::Dispatch(TMessage& Message, QEvent* Event,
                           const std::function<bool(QEvent*)>* Default) {
    QEvent* savedEvent = FCurrentEvent;
    const std::function<bool(QEvent*)>* savedDefault = FCurrentDefault;
    const TMessage* savedMessage = FCurrentMessage;
    FCurrentMessage = &Message;
    const bool savedResult = FDefaultResult;
    FCurrentEvent = Event;
    FCurrentDefault = Default;
    FDefaultResult = false;
    try {
        WindowProcedure(Message);
    } catch (...) {
        FCurrentEvent = savedEvent;
        FCurrentDefault = savedDefault;
        FCurrentMessage = savedMessage;
        FDefaultResult = savedResult;
        throw;
    }
    FCurrentEvent = savedEvent;
    FCurrentDefault = savedDefault;
    FCurrentMessage = savedMessage;
    FDefaultResult = savedResult;
}

void TWinControl::DeliverKey(QEvent* Event, const std::function<bool(QEvent*)>& Default) {
    auto* ke = static_cast<QKeyEvent*>(Event);
    const unsigned vk = QtKeyToVirtualKey(ke->key());
    const bool alt =
        (ke->modifiers() & Qt::AltModifier) && !(ke->modifiers() & Qt::ControlModifier);
    const QString text = ke->text();
    if (Event->type() == QEvent::KeyRelease) {
        TMessage up{alt ? WM_SYSKEYUP : WM_KEYUP, vk, 0, 0};
        Dispatch(up, Event, &Default);
        return;
    }
    TMessage cn{alt ? unsigned(CN_SYSKEYDOWN) : unsigned(CN_KEYDOWN), vk, 0, 0};
    WndProc(cn);
    if (cn.Result != 0) return;
    const bool chars = !text.isEmpty() && text[0].unicode() != 0x7F;
    TMessage down{alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0, 0};
    // A key that also types characters reaches Qt's own handling with its character message.
    Dispatch(down, chars ? nullptr : Event, chars ? nullptr : &Default);
    if (!chars) return;
    bool first = true;
    for (QChar ch : text) {
        if (alt) {
            TMessage sys{CN_SYSCHAR, ch.toUpper().unicode(), 0, 0};
            WndProc(sys);
            continue;
        }
        TMessage cc{CN_CHAR, ch.unicode(), 0, 0};
        WndProc(cc);
        if (cc.Result != 0) continue;
        TMessage wc{WM_CHAR, ch.unicode(), 0, 0};
        Dispatch(wc, first ? Event : nullptr, first ? &Default : nullptr);
        first = false;
    }
}

// One function a Qt event: each turns its event into the control's messages.
struct TQtEventTranslation {
    using TDefault = std::function<bool(QEvent*)>;

    static bool Paint(TWinControl& C, QEvent* Event, const TDefault& Default) {
        auto* pe = static_cast<QPaintEvent*>(Event);
        TMessage m{WM_PAINT, 0, 0, 0};
        if (C.FNative) {
            C.Dispatch(m, Event, &Default);
        } else {
            QPainter painter(C.FWidget);
            C.PaintHandler(painter, pe->region());
        }
        if (C.FOverlay) {
            QPainter p(C.FWidget);
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.drawImage(0, 0, *C.FOverlay);
        }
        return true;
    }

    static bool MouseButton(TWinControl& C, QEvent* Event, const TDefault& Default) {
        if (NonClientMouse(C, Event)) return true;
        auto* me = static_cast<QMouseEvent*>(Event);
        const QPoint p = me->position().toPoint() - ClientOffsetOf(&C);
        TMessage m{ButtonMessage(me->button(), Event->type()),
                   MouseKeys(me->buttons(), me->modifiers()), MakeLParam(p.x(), p.y()), 0};
        C.Dispatch(m, Event, &Default);
        // The press belongs to this control: Qt must not hand it on to the parent widget.
        Event->accept();
        return true;
    }

    static bool MouseMove(TWinControl& C, QEvent* Event, const TDefault& Default) {
        if (NonClientMouse(C, Event)) return true;
        auto* me = static_cast<QMouseEvent*>(Event);
        const QPoint p = me->position().toPoint() - ClientOffsetOf(&C);
        TMessage m{WM_MOUSEMOVE, MouseKeys(me->buttons(), me->modifiers()),
                   MakeLParam(p.x(), p.y()), 0};
        C.Dispatch(m, Event, &Default);
        Event->accept();
        return true;
    }

    static bool Wheel(TWinControl& C, QEvent* Event, const TDefault& Default) {
        auto* we = static_cast<QWheelEvent*>(Event);
        const QPoint g = we->globalPosition().toPoint();
        const int delta = we->angleDelta().y();
        TMessage m{WM_MOUSEWHEEL,
                   WPARAM(MakeLong(uint16_t(MouseKeys(we->buttons(), we->modifiers())),
                                   uint16_t(int16_t(delta)))),
                   MakeLParam(g.x(), g.y()), 0};
        C.Dispatch(m, Event, &Default);
        return true;
    }

    static bool Key(TWinControl& C, QEvent* Event, const TDefault& Default) {
        C.DeliverKey(Event, Default);
        return true;
    }

    static bool FocusIn(TWinControl& C, QEvent* Event, const TDefault& Default) {
        if (FocusedWinControl() == &C) return Default(Event);
        TWinControl* old = FocusedWinControl();
        SetFocusedWinControlRaw(&C);
        if (old) old->Perform(WM_KILLFOCUS);
        TMessage m{WM_SETFOCUS, 0, 0, 0};
        C.Dispatch(m, Event, &Default);
        return true;
    }

    static bool FocusOut(TWinControl& C, QEvent* Event, const TDefault& Default) {
        auto* fe = static_cast<QFocusEvent*>(Event);
        // Focus that only moves to a pop-up or leaves with the window stays ours.
        if (FocusedWinControl() != &C || fe->reason() == Qt::PopupFocusReason ||
            fe->reason() == Qt::ActiveWindowFocusReason)
            return Default(Event);
        SetFocusedWinControlRaw(nullptr);
        TMessage m{WM_KILLFOCUS, 0, 0, 0};
        C.Dispatch(m, Event, &Default);
        return true;
    }

    static bool Resize(TWinControl& C, QEvent* Event, const TDefault& Default) {
        const QSize s = C.FWidget->size();
        // A top-level window resized by the window system: take its new size.
        if (!C.Parent() && (s.width() != C.Width() || s.height() != C.Height()))
            C.SetBoundsRaw(C.Left(), C.Top(), s.width(), s.height());
        if (C.FOverlay) C.FOverlay.reset();
        Default(Event);
        TMessage m{WM_SIZE, 0, MakeLParam(s.width(), s.height()), 0};
        C.Dispatch(m, nullptr, nullptr);
        return true;
    }

    static bool Move(TWinControl& C, QEvent* Event, const TDefault& Default) {
        if (!C.Parent()) {
            const QPoint p = C.FWidget->pos();
            C.SetBoundsRaw(p.x(), p.y(), C.Width(), C.Height());
        }
        Default(Event);
        TMessage m{WM_MOVE, 0, MakeLParam(C.Left(), C.Top()), 0};
        C.Dispatch(m, nullptr, nullptr);
        return true;
    }

    static bool Timer(TWinControl& C, QEvent* Event, const TDefault& Default) {
        auto* te = static_cast<QTimerEvent*>(Event);
        auto it = C.FTimers.find(te->timerId());
        if (it == C.FTimers.end()) return Default(Event);
        TMessage m{WM_TIMER, it->second, 0, 0};
        C.Dispatch(m, nullptr, nullptr);
        return true;
    }

    static bool Enter(TWinControl& C, QEvent* Event, const TDefault& Default) {
        Default(Event);
        if (GetCaptureControl() == nullptr) {
            const QPoint p = C.FWidget->mapFromGlobal(QCursor::pos()) - ClientOffsetOf(&C);
            C.UpdateMouseControl({p.x(), p.y()});
        }
        return true;
    }

    static bool Leave(TWinControl& C, QEvent* Event, const TDefault& Default) {
        Default(Event);
        TControl* mc = MouseControl();
        if (mc && (mc == &C || (!mc->IsWindowed() && mc->Parent() == &C))) {
            ForgetMouseControl(mc);
            mc->Perform(CM_MOUSELEAVE);
        }
        return true;
    }

    static bool ToolTip(TWinControl& C, QEvent* Event, const TDefault&) {
        auto* he = static_cast<QHelpEvent*>(Event);
        const QPoint hp = he->pos() - ClientOffsetOf(&C);
        TControl* target = C.ControlAtPos({hp.x(), hp.y()}, true);
        if (!target) target = &C;
        if (target->EffectiveShowHint() && !target->Hint().isEmpty() && Application->ShowHint()) {
            const TRect b = target == &C ? C.ClientRect() : target->BoundsRect();
            QToolTip::showText(
                he->globalPos(), target->Hint(), C.FWidget,
                QRect(b.Left, b.Top, b.Width(), b.Height()).translated(ClientOffsetOf(&C)));
        } else {
            QToolTip::hideText();
            Event->ignore();
        }
        return true;
    }

    static bool Close(TWinControl& C, QEvent* Event, const TDefault& Default) {
        TMessage m{WM_CLOSE, 0, 0, 0};
        C.Dispatch(m, Event, &Default);
        return true;
    }

    static bool Activation(TWinControl& C, QEvent* Event, const TDefault& Default) {
        Default(Event);
        TMessage m{WM_ACTIVATE, Event->type() == QEvent::WindowActivate ? 1u : 0u, 0, 0};
        C.Dispatch(m, nullptr, nullptr);
        return true;
    }

    static bool ContextMenu(TWinControl& C, QEvent* Event, const TDefault& Default) {
        auto* ce = static_cast<QContextMenuEvent*>(Event);
        TMessage m{WM_CONTEXTMENU, 0, MakeLParam(ce->globalPos().x(), ce->globalPos().y()), 0};
        C.Dispatch(m, Event, &Default);
        return true;
    }
};

bool TWinControl::HandleQtEvent(QEvent* Event, const std::function<bool(QEvent*)>& Default) {
    using T = TQtEventTranslation;
    try {
        switch (Event->type()) {
        case QEvent::Paint:
            return T::Paint(*this, Event, Default);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return T::MouseButton(*this, Event, Default);
        case QEvent::MouseMove:
            return T::MouseMove(*this, Event, Default);
        case QEvent::Wheel:
            return T::Wheel(*this, Event, Default);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return T::Key(*this, Event, Default);
        case QEvent::FocusIn:
            return T::FocusIn(*this, Event, Default);
        case QEvent::FocusOut:
            return T::FocusOut(*this, Event, Default);
        case QEvent::Resize:
            return T::Resize(*this, Event, Default);
        case QEvent::Move:
            return T::Move(*this, Event, Default);
        case QEvent::Timer:
            return T::Timer(*this, Event, Default);
        case QEvent::Enter:
            return T::Enter(*this, Event, Default);
        case QEvent::Leave:
            return T::Leave(*this, Event, Default);
        case QEvent::ToolTip:
            return T::ToolTip(*this, Event, Default);
        case QEvent::Close:
            return T::Close(*this, Event, Default);
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            return T::Activation(*this, Event, Default);
        case QEvent::ContextMenu:
            return T::ContextMenu(*this, Event, Default);
        default:
            return Default(Event);
        }
    } catch (...) {
        ApplicationHandleException(this);
        return true;
    }
}
