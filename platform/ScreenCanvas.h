#pragma once
// Drawing on the screen itself, as drag outlines were drawn over every window. A Qt program
// cannot draw outside its windows, so the figures show in a transparent top-level window that
// takes no input and lies over everything. Only focus rectangles are drawn: each is an
// exclusive-or figure, so drawing the same rectangle again removes it.

#include "platform/Types.h"

#include <memory>
#include <vector>

class QWidget;

class TScreenCanvas {
public:
    TScreenCanvas();
    ~TScreenCanvas();
    TScreenCanvas(const TScreenCanvas&) = delete;
    TScreenCanvas& operator=(const TScreenCanvas&) = delete;

    // R in screen coordinates.
    void DrawFocusRect(const TRect& R);
    // The rectangles on the screen now, in the order they were drawn.
    const std::vector<TRect>& FocusRects() const { return FRects; }
    // Where the window that shows them lies (empty when nothing is drawn).
    TRect WindowRect() const;

private:
    void UpdateWindow();

    std::vector<TRect> FRects;
    std::unique_ptr<QWidget> FWindow;
};

// The screen's drawing surface.
TScreenCanvas& ScreenCanvas();
