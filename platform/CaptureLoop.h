#pragma once
// A modal mouse loop: a windowed control takes the mouse capture and the thread's events run
// until it loses it, as a loop reading the thread's messages did while a window was dragged.

#include "platform/Controls.h"

#include <functional>

class TCaptureLoop {
public:
    // Sees every mouse move and the left button's release first, as WM_MOUSEMOVE and
    // WM_LBUTTONUP in the control's client coordinates; returns true to keep the message from
    // its normal delivery. The release ends the loop once it has been delivered.
    std::function<bool(TMessage& Message)> OnMessage;

    // Captures the mouse to Control and runs until Control no longer holds the capture; the
    // capture is released at the end if still held. A quit request ends the loop and is
    // issued again afterwards, so the application still ends. Returns false in that case.
    bool Run(TWinControl* Control);
};

// Drops the mouse moves still waiting for the control's window.
void DiscardMouseMoves(TWinControl* Control);
// Lets the window system move the window with the mouse, contents and all, as a drag by its
// caption does; false when the window system cannot.
bool StartSystemMove(TWinControl* Window);
