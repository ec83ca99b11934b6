#pragma once
// Hue, saturation and lightness of colours: reals in [0, 1], or integers on a shared scale
// (hue 0 .. range - 1, saturation and lightness 0 .. range).

#include "platform/Colors.h"

int HSLRange();
void SetHSLRange(int Value);

void RGBtoHSL(TColor Color, double& H, double& S, double& L);
void RGBtoHSLRange(TColor Color, int& H, int& S, int& L);
TColor HSLRangeToRGB(int H, int S, int L);
TColor HSLtoRGB(double H, double S, double L);
