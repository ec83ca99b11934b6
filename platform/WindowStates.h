#pragma once
// Window states the window system keeps (minimized) and work for later in the event loop.

#include "platform/Controls.h"

#include <functional>

// Minimizes the window through the window system; restores it from there.
void MinimizeWindow(TWinControl* Window);
void RestoreMinimizedWindow(TWinControl* Window);
bool WindowMinimized(const TWinControl* Window);

// Runs Fn from the event loop once the message being handled is done; dropped when the window
// has gone by then.
void PostToWindow(TWinControl* Window, std::function<void()> Fn);
