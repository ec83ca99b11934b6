#pragma once
// The frame of a top-level window that has none from the window system. For every press and
// move on its own surface the window is asked WM_NCHITTEST; where it answers other than client
// the mouse makes non-client messages, and their default handling moves or sizes the window as
// a system frame would: through the window system where it offers that, else live, here.

#include "platform/Controls.h"

class QMouseEvent;

// Window messages of moving and sizing (the platform's numbers).
enum : unsigned {
    WM_NCRBUTTONDBLCLK = 0x00A6,
    WM_SIZING = 0x0214,
    WM_MOVING = 0x0216,
    WM_ENTERSIZEMOVE = 0x0231,
    WM_EXITSIZEMOVE = 0x0232,
};

// WParam of WM_SIZING: the edge being dragged (a border hit code less 9).
enum : unsigned {
    WMSZ_LEFT = 1,
    WMSZ_RIGHT = 2,
    WMSZ_TOP = 3,
    WMSZ_TOPLEFT = 4,
    WMSZ_TOPRIGHT = 5,
    WMSZ_BOTTOM = 6,
    WMSZ_BOTTOMLEFT = 7,
    WMSZ_BOTTOMRIGHT = 8
};

// WParam of WM_SYSCOMMAND.
enum : unsigned {
    SC_SIZE = 0xF000,
    SC_MOVE = 0xF010,
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_KEYMENU = 0xF100,
    SC_RESTORE = 0xF120
};

// LParam of WM_GETMINMAXINFO points at one; the window may lower or raise the limits.
struct TMinMaxInfo {
    TPoint Reserved;
    TPoint MaxSize;
    TPoint MaxPosition;
    TPoint MinTrackSize;
    TPoint MaxTrackSize;
};

inline bool IsBorderHit(int HitCode) {
    return HitCode >= HTLEFT && HitCode <= HTBOTTOMRIGHT;
}
// The sizing cursor of a border hit code; crDefault for any other code.
TCursor HitTestCursor(int HitCode);

// Moving (HTCAPTION) or sizing (a border code) a window live, one mouse position at a time, as
// the window system's frame does: WM_ENTERSIZEMOVE first, WM_GETMINMAXINFO for the limits, then
// per step WM_MOVING or WM_SIZING with the proposed rectangle (which the window may change)
// before the window takes it, and WM_EXITSIZEMOVE at the end.
class TWindowSizeMove {
public:
    TWindowSizeMove(TWinControl* Window, int HitCode, TPoint ScreenCursor);
    ~TWindowSizeMove();
    TWindowSizeMove(const TWindowSizeMove&) = delete;
    TWindowSizeMove& operator=(const TWindowSizeMove&) = delete;

    // Applies the cursor's new screen position; returns the rectangle the window took.
    TRect Step(TPoint ScreenCursor);
    void Finish();

    // Start resized by the cursor's travel (DX, DY) at the edges of HitCode, kept within the
    // track sizes; the edges opposite the dragged ones stay.
    static TRect SizedRect(const TRect& Start, int HitCode, int DX, int DY, TSize MinTrack,
                           TSize MaxTrack);

private:
    TWinControl* FWindow;
    int FHitCode;
    TPoint FStartCursor;
    TRect FStartRect;
    TSize FMinTrack{1, 1};
    TSize FMaxTrack{1 << 15, 1 << 15};
    bool FFinished = false;
};

// The window's limits as WM_GETMINMAXINFO answers them (a window that does not answer: from
// 1 x 1 up to the whole screen's coordinates).
TMinMaxInfo QueryMinMaxInfo(TWinControl* Window);

// The default of WM_NCLBUTTONDOWN on a caption or border code: follows the mouse until the
// left button is released, moving or sizing the window. On the first move the window system is
// asked to take over; where it cannot, the window moves and sizes live here.
void NonClientDragDefault(TWinControl* Window, int HitCode, TPoint ScreenCursor);

// For the host widget of a top-level window: turns a mouse event into non-client messages when
// the window's hit test says so. False when the event stays a client one.
bool NonClientMouseEvent(TWinControl* Window, QMouseEvent* Event);
