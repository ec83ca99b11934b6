#pragma once
// The application's message filter: it sees key presses and mouse presses before any window
// does, as a hook on the thread's message loop did, and may keep them from the window.

#include "platform/Messages.h"
#include "platform/Types.h"

#include <functional>

// Messages a filter sees: WM_KEYDOWN and WM_SYSKEYDOWN (WParam = virtual key, LParam = shift
// state bits: 1 Shift, 2 Ctrl, 4 Alt), WM_LBUTTONDOWN, WM_RBUTTONDOWN and WM_MBUTTONDOWN
// (LParam = the screen point as MakeLParam packs it), and WM_ACTIVATEAPP with WParam 0 when the
// application loses the focus to another program. Returning true keeps the message from
// its window.
using TMessageFilter = std::function<bool(TMessage& Message)>;

// Installs Filter (nullptr: none) and returns the one it replaces, to be put back later.
TMessageFilter SetApplicationMessageFilter(TMessageFilter Filter);
bool ApplicationMessageFilterSet();
