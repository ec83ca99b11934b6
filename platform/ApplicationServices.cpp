// What components ask of the application beyond their own window: the control that holds the
// keyboard focus right now, and keys typed into a control from code.

#include "platform/Forms.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QKeyEvent>

TWinControl* TApplication::FocusedControl() const {
    return FindControl(QApplication::focusWidget());
}

void TApplication::PostKeyChar(TWinControl* Target, QChar Ch) {
    if (!Target || !Target->HandleAllocated()) return;
    const int key = Ch.unicode() == 8 ? int(Qt::Key_Backspace) : int(Qt::Key_unknown);
    QCoreApplication::postEvent(WidgetOf(Target),
                                new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(Ch)));
}
