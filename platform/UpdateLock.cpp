#include "platform/UpdateLock.h"

#include <QWidget>

void TWinControl::LockUpdates() {
    if (FUpdateLocks++ == 0) Handle()->setUpdatesEnabled(false);
}

void TWinControl::UnlockUpdates() {
    if (FUpdateLocks == 0) return;
    if (--FUpdateLocks == 0 && FWidget) FWidget->setUpdatesEnabled(true);
}
