#pragma once
// Effects on 24-bit pixel buffers: mixing two images (morphing between a normal and an active
// face, translucent controls and menus) and a soft band that widens from the middle.

#include "skin/SPUtils.h"

class TspEffectBmp : public TFBitmap {
public:
    explicit TspEffectBmp(const TBitmap& Source) : TFBitmap(Source) {}
    TspEffectBmp(int W, int H) : TFBitmap(W, H) {}

    // Copies row Y out of or into Buffer (Width() * 3 bytes).
    void GetRow(int Y, uint8_t* Buffer) const;
    void SetRow(int Y, const uint8_t* Buffer);

    // Every channel becomes round((1 - K) * own + K * other), ties to even, K clamped to 0..1;
    // nothing happens when the sizes differ.
    void Blend(const TspEffectBmp& Other, double K);
    // The same for the pixels of Area, taking Other's pixels from (OtherColumn, OtherRow) on.
    void BlendRect(const TspEffectBmp& Other, const TRect& Area, int OtherRow, int OtherColumn,
                   double K);
    // Other shows in a band round the middle whose width is K of the whole, fading into this
    // image towards the edges; along the longer side.
    void BlendGradient(const TspEffectBmp& Other, double K);
    void Draw(TCanvas* Canvas, int X, int Y) const;
};
