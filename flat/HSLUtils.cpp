#include "flat/HSLUtils.h"

#include <algorithm>
#include <cmath>

namespace {

int gHSLRange = 240;

// Nearest integer, ties to even.
int RoundEven(double V) {
    return int(std::nearbyint(V));
}

double Channel(double M1, double M2, double H) {
    if (H < 0) H += 1;
    if (H > 1) H -= 1;
    if (6 * H < 1) return M1 + (M2 - M1) * H * 6;
    if (2 * H < 1) return M2;
    if (3 * H < 2) return M1 + (M2 - M1) * (2.0 / 3.0 - H) * 6;
    return M1;
}

} // namespace

int HSLRange() {
    return gHSLRange;
}

void SetHSLRange(int Value) {
    gHSLRange = Value;
}

void RGBtoHSL(TColor Color, double& H, double& S, double& L) {
    const TColor c = ColorToRGB(Color);
    const double r = GetRValue(c) / 255.0, g = GetGValue(c) / 255.0, b = GetBValue(c) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    L = (mx + mn) / 2;
    if (mx == mn) {
        H = 0;
        S = 0;
        return;
    }
    const double d = mx - mn;
    S = L < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    if (mx == r)
        H = (g - b) / d;
    else if (mx == g)
        H = (b - r) / d + 2;
    else
        H = (r - g) / d + 4;
    H /= 6;
    if (H < 0) H += 1;
}

void RGBtoHSLRange(TColor Color, int& H, int& S, int& L) {
    double h, s, l;
    RGBtoHSL(Color, h, s, l);
    H = RoundEven(h * (gHSLRange - 1));
    S = RoundEven(s * gHSLRange);
    L = RoundEven(l * gHSLRange);
}

TColor HSLRangeToRGB(int H, int S, int L) {
    return HSLtoRGB(double(H) / (gHSLRange - 1), double(S) / gHSLRange, double(L) / gHSLRange);
}

TColor HSLtoRGB(double H, double S, double L) {
    if (S == 0) {
        const int v = RoundEven(255 * L);
        return RGB(v, v, v);
    }
    const double m2 = L <= 0.5 ? L * (1 + S) : L + S - L * S;
    const double m1 = 2 * L - m2;
    return RGB(RoundEven(255 * Channel(m1, m2, H + 1.0 / 3.0)), RoundEven(255 * Channel(m1, m2, H)),
               RoundEven(255 * Channel(m1, m2, H - 1.0 / 3.0)));
}
