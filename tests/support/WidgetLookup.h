#pragma once
// The Qt widget a control shows itself with, found the way the platform finds a control from a
// widget (tests send Qt events to it without reaching into the control).

#include "platform/Controls.h"

#include <QApplication>
#include <QWidget>

inline QWidget* FindWidgetOf(const TWinControl* Control) {
    for (QWidget* w : QApplication::allWidgets())
        if (FindControl(w) == Control) return w;
    return nullptr;
}
