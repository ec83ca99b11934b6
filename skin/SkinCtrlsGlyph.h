#pragma once
// Placing a glyph and a caption together on a skinned button face.

#include "platform/Canvas.h"
#include "platform/Graphics.h"

enum class TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Top-left corners of the glyph cell and of the caption.
struct TGlyphTextPlaces {
    TPoint Glyph;
    TPoint Text;
};

// Where a glyph cell of GlyphSize and a caption of TextSize go inside R. Margin -1 centres the
// two as one block; a margin of 0 or more keeps the glyph that far from its edge. Shift moves
// both one pixel right and down (the pressed look).
TGlyphTextPlaces GlyphAndTextPlaces(const TRect& R, int Margin, bool Shift, TSize GlyphSize,
                                    TSize TextSize, TspButtonLayout Layout, int Spacing);

// The caption as drawn: "&x" shows x underlined and "&&" one "&".
QString CaptionWithoutAccel(const QString& Caption);

// Draws cell Cell of the glyph strip (transparent) and the caption (no background, accelerator
// underlined) at their places in R, in the canvas's font.
void DrawGlyphAndText(TCanvas& Canvas, const TRect& R, int Margin, bool Shift, int Cell,
                      int CellCount, const TBitmap& Glyph, const QString& Caption,
                      TspButtonLayout Layout, int Spacing);
