// Sizes measured from text wait until the control is in sight: measuring loads the font
// database and the fonts, which the first screen does not need.

#include "platform/Controls.h"

void TControl::DeferSize() {
    // Bounds set since the last deferral were set on the measured size: measure it first.
    if (FSizeDeferred && FPartsSetWhileDeferred) SettleSize();
    FSizeDeferred = true;
}

void TControl::SettleDeferredSize() {
    FSizeDeferred = false;
    const TRect r = MeasuredBounds();
    int parts[4] = {r.Left, r.Top, r.Width(), r.Height()};
    for (int i = 0; i < 4; ++i)
        if (FPartsSetWhileDeferred & (1u << i)) parts[i] = FDeferredParts[i];
    FPartsSetWhileDeferred = 0;
    SetBounds(parts[0], parts[1], parts[2], parts[3]);
}

void TControl::SetBoundsPart(int Part, int Value) {
    if (FSizeDeferred) {
        FDeferredParts[Part] = Value;
        FPartsSetWhileDeferred |= static_cast<unsigned char>(1u << Part);
        return;
    }
    int parts[4] = {FLeft, FTop, FWidth, FHeight};
    parts[Part] = Value;
    SetBounds(parts[0], parts[1], parts[2], parts[3]);
}
