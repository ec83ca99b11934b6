#pragma once
// The colour rules of the XP-style painter: lightening, darkening, greying, readable text.

#include "platform/Colors.h"

// Rounds halves to the even neighbour, as the painter's arithmetic always did.
int XPRound(double Value);
// Each channel moved towards white by Percent (limited to 100) of its distance, then the
// nearest colour a display of Depth bits can show.
TColor Lighten(TColor Color, int Percent, int Depth = 32);
// Red and blue less by Amount, green less by Amount - 2, each kept within 0..255.
TColor Darken(TColor Color, int Amount);
// The mean of the channels plus Amount, at most 240, as a grey.
TColor GrayColor(TColor Color, int Amount);
// FontColor when it reads well over Background, else a light shade of the background.
TColor ReadableTextColor(TColor FontColor, TColor Background);
