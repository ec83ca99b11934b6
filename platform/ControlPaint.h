#pragma once
// Drawing over what a windowed control painted itself, from a hook on its window procedure.

#include "platform/Controls.h"

// Runs Paint with a canvas on Control's whole window while the window is being painted (a hook
// that sees WM_PAINT after the control calls it). Returns false, drawing nothing, outside a
// paint pass.
bool PaintOverControl(TWinControl* Control, const std::function<void(TCanvas& Canvas)>& Paint);
