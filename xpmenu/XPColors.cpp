#include "xpmenu/XPColors.h"

#include <algorithm>
#include <cmath>

int XPRound(double Value) {
    return static_cast<int>(std::nearbyint(Value));
}

namespace {

int Clamp255(int V) {
    return std::clamp(V, 0, 255);
}

// The value a channel of Bits bits shows for V, back on the 0..255 scale.
int Quantize(int V, int Bits) {
    const int levels = (1 << Bits) - 1;
    return XPRound(XPRound(V * levels / 255.0) * 255.0 / levels);
}

} // namespace

TColor Lighten(TColor Color, int Percent, int Depth) {
    const TColor c = ColorToRGB(Color);
    const int p = std::min(Percent, 100);
    auto up = [p](int V) { return Clamp255(V + XPRound((255 - V) * p / 100.0)); };
    int r = up(GetRValue(c)), g = up(GetGValue(c)), b = up(GetBValue(c));
    if (Depth == 15 || Depth == 16) {
        r = Quantize(r, 5);
        g = Quantize(g, Depth == 16 ? 6 : 5);
        b = Quantize(b, 5);
    }
    return RGB(r, g, b);
}

TColor Darken(TColor Color, int Amount) {
    const TColor c = ColorToRGB(Color);
    return RGB(Clamp255(GetRValue(c) - Amount), Clamp255(GetGValue(c) - Amount + 2),
               Clamp255(GetBValue(c) - Amount));
}

TColor GrayColor(TColor Color, int Amount) {
    const TColor c = ColorToRGB(Color);
    const int g = std::min((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3 + Amount, 240);
    const int v = Clamp255(g);
    return RGB(v, v, v);
}

TColor ReadableTextColor(TColor FontColor, TColor Background) {
    const TColor c = ColorToRGB(Background);
    if ((GetRValue(c) + GetBValue(c)) / 2 > 150 || GetGValue(c) > 200) return FontColor;
    return Lighten(c, 90);
}
