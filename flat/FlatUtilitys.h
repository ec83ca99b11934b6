#pragma once
// Drawing and colour routines shared by every flat control.

#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <memory>

// Where a button's glyph sits relative to its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TColorCalcType { lighten, darken };
// A percentage, 0 .. 100.
using TAdvColors = int;

// Width rings, each top and left in TopColor, bottom and right in BottomColor; the top-right
// and bottom-left corner pixels belong to the bottom side.
void Frame3DBorder(TCanvas& Canvas, TRect Rect, TColor TopColor, TColor BottomColor, int Width);

struct TButtonLayoutResult {
    TPoint GlyphPos;
    TRect TextBounds;
};
// Places glyph and one-line caption in Client; Margin -1 centres the block, Spacing -1 spreads
// glyph and caption evenly.
TButtonLayoutResult CalcButtonLayout(TCanvas& Canvas, const TRect& Client, TPoint Offset,
                                     const QString& Caption, TButtonLayout Layout, int Margin,
                                     int Spacing, const TBitmap* Glyph, int NumGlyphs);

// The embossed look of a glyph: face colour, the shape in ShadowColor, and (with Highlight) the
// shape again one pixel down and right in HighlightColor. Pixels of MaskColor and of the
// bitmap's transparent colour (its bottom-left pixel) are background; all others are shape.
std::unique_ptr<TBitmap> CreateDisabledBitmap(const TBitmap& Source, TColor MaskColor,
                                              TColor FaceColor, bool Highlight, TColor ShadowColor,
                                              TColor HighlightColor);

// Paints what the control's parent shows under the control (its background and graphic
// children, not its windowed children) onto Canvas, whose origin is the control's corner.
void DrawParentImage(TControl* Control, TCanvas& Canvas);

// ParentColor made lighter or darker by Percent on the 240 lightness scale (clamped at 100);
// Percent 0 keeps Fallback.
TColor CalcAdvancedColor(TColor ParentColor, TColor Fallback, TAdvColors Percent,
                         TColorCalcType Type);

bool RectInRect(const TRect& R1, const TRect& R2);
