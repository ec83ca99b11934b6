#include "platform/WindowStates.h"

#include <QMetaObject>
#include <QWidget>

void MinimizeWindow(TWinControl* Window) {
    if (Window) Window->Handle()->showMinimized();
}

void RestoreMinimizedWindow(TWinControl* Window) {
    if (Window && WindowMinimized(Window)) Window->Handle()->showNormal();
}

bool WindowMinimized(const TWinControl* Window) {
    return Window && Window->HandleAllocated() && Window->Handle()->isMinimized();
}

void PostToWindow(TWinControl* Window, std::function<void()> Fn) {
    if (!Window) return;
    QMetaObject::invokeMethod(Window->Handle(), std::move(Fn), Qt::QueuedConnection);
}
