#pragma once
// The Qt widget behind a windowed control, for the platform's own pieces and for tests, tools and
// benchmarks that look at the program from outside. Nothing else needs it: controls paint
// through their canvas and talk through messages.

#include "platform/Controls.h"

#include <memory>

QWidget* WidgetOf(const TWinControl* Control);
inline QWidget* WidgetOf(const TWinControl& Control) {
    return WidgetOf(&Control);
}
template <class T> QWidget* WidgetOf(const std::unique_ptr<T>& Control) {
    return WidgetOf(Control.get());
}
