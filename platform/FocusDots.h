#pragma once
// The dotted focus outline: every other pixel of a rectangle's one-pixel border, on the pixel
// grid (x + y even), so that outlines drawn by XOR cancel where they meet.

#include "platform/Types.h"

template <class TPlot> void ForEachFocusDot(const TRect& R, TPlot&& Plot) {
    auto dot = [&](int X, int Y) {
        if (((X + Y) & 1) == 0) Plot(X, Y);
    };
    for (int x = R.Left; x < R.Right; ++x) {
        dot(x, R.Top);
        if (R.Bottom - 1 > R.Top) dot(x, R.Bottom - 1);
    }
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y) {
        dot(R.Left, y);
        if (R.Right - 1 > R.Left) dot(R.Right - 1, y);
    }
}
