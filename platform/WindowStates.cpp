#include "platform/WidgetOf.h"
#include "platform/WindowStates.h"

#include <QMetaObject>
#include <QWidget>
#include <QWindow>

void MinimizeWindow(TWinControl* Window) {
    if (Window) WidgetOf(Window)->showMinimized();
}

void RestoreMinimizedWindow(TWinControl* Window) {
    if (Window && WindowMinimized(Window)) WidgetOf(Window)->showNormal();
}

bool WindowMinimized(const TWinControl* Window) {
    if (!Window || !Window->HandleAllocated()) return false;
    const QWidget* w = WidgetOf(Window);
    if (!w->isMinimized()) return false;
    // Without a window manager a minimize request changes nothing on the screen: a window that
    // still shows is not minimized, whatever Qt recorded.
    const QWindow* win = w->windowHandle();
    return !(win && win->isExposed());
}

void PostToWindow(TWinControl* Window, std::function<void()> Fn) {
    if (!Window) return;
    QMetaObject::invokeMethod(WidgetOf(Window), std::move(Fn), Qt::QueuedConnection);
}
