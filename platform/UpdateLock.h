#pragma once
// Holds a windowed control's paint lock for a scope (see TWinControl::LockUpdates).

#include "platform/Controls.h"

class TUpdateLock {
public:
    explicit TUpdateLock(TWinControl* Control) : FControl(Control) { FControl->LockUpdates(); }
    ~TUpdateLock() { FControl->UnlockUpdates(); }
    TUpdateLock(const TUpdateLock&) = delete;
    TUpdateLock& operator=(const TUpdateLock&) = delete;

private:
    TWinControl* FControl;
};
