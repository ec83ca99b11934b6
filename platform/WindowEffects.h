#pragma once
// Window services of skinned windows: whole-window translucency, copies of the screen, and a
// control's window drawn onto another canvas (to show what lies under a transparent control).

#include "platform/Controls.h"
#include "platform/Graphics.h"

// Opacity of a top-level window, 0 (invisible) to 255 (opaque); where the window system cannot
// show it the value is still kept.
void SetWindowAlpha(TWinControl* Window, int Alpha);
int WindowAlpha(const TWinControl* Window);
// Fills Bitmap with the screen's pixels at (X, Y); black where there is no screen to read.
void CaptureScreen(int X, int Y, TBitmap& Bitmap);
// Draws Control's window (background and own painting, graphic children included; its windowed
// children only with Children) onto Canvas at At in the canvas's coordinates. Only canvases that
// draw onto a bitmap take it.
void RenderWindow(TWinControl* Control, TCanvas* Canvas, TPoint At, bool Children);
