// A canvas drawing mirrored left to right, for controls laid out right to left, and the
// visibility test of a rectangle against the canvas's clip.

#include "platform/Canvas.h"

void TCanvas::SetMirrored(int Width) {
    FMirrorWidth = std::max(0, Width);
}

QRect TCanvas::DeviceRect(const TRect& R) const {
    if (FMirrorWidth > 0)
        return QRect(FOrigin.X + FMirrorWidth - R.Right, R.Top + FOrigin.Y, R.Width(), R.Height());
    return QRect(R.Left + FOrigin.X, R.Top + FOrigin.Y, R.Width(), R.Height());
}

TRect TCanvas::CanvasRect(const QRect& R) const {
    const int top = R.top() - FOrigin.Y, bottom = R.bottom() + 1 - FOrigin.Y;
    if (FMirrorWidth > 0)
        return {FOrigin.X + FMirrorWidth - (R.right() + 1), top,
                FOrigin.X + FMirrorWidth - R.left(), bottom};
    return {R.left() - FOrigin.X, top, R.right() + 1 - FOrigin.X, bottom};
}

bool TCanvas::RectVisible(const TRect& R) const {
    if (R.IsEmpty()) return false;
    if (!FHasClip) return true;
    return FClip.intersects(DeviceRect(R));
}
