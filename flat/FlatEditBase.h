#pragma once
// What the flat edit, masked edit and memo share: the platform control's editing inside a
// three-pixel frame (one pixel of border, two of face colour) whose face colour switches to the
// highlight colour while the control has the focus or the mouse is over it.

#include "flat/FlatAdvColors.h"
#include "flat/FlatUtilitys.h"

#include "platform/Mask.h"
#include "platform/StdCtrls.h"

template <class TBase> class TFlatEditBase : public TBase {
public:
    explicit TFlatEditBase(TComponent* AOwner);

    TColor ColorFlat() const { return FColorFlat; }
    void SetColorFlat(TColor Value);
    TColor ColorFocused() const { return FColorFocused; }
    void SetColorFocused(TColor Value);
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor Value);
    // The control's own flag: while set, ColorFlat follows the parent's Color.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TAdvColors AdvColorFocused() const { return FAdv.Percent(FColorFocused); }
    void SetAdvColorFocused(TAdvColors Value) { SetAdvColor(FColorFocused, Value); }
    TAdvColors AdvColorBorder() const { return FAdv.Percent(FColorBorder); }
    void SetAdvColorBorder(TAdvColors Value) { SetAdvColor(FColorBorder, Value); }
    bool UseAdvColors() const { return FAdv.Use(); }
    void SetUseAdvColors(bool Value);

    // Focused, or hovered while the focused control is not of this same class.
    bool Highlighted() const;

protected:
    void WndProc(TMessage& Message) override;
    void Loaded() override;
    void ApplyLook() override;
    TRect MeasuredBounds() override;
    // Sets the client colour for the current look and repaints the frame.
    void RedrawFrame();

private:
    void PaintFrame(TCanvas& Canvas);
    void SetAdvColor(const TColor& Color, TAdvColors Value);
    void TakeParentColor();
    void AdjustHeight();

    TColor FColorFlat = 0xE1EAEB;
    TColor FColorFocused = clWhite;
    TColor FColorBorder = 0x8396A0;
    bool FParentColor = true;
    // Worked out from ColorFlat.
    TFlatAdvColors FAdv{{&FColorFocused, 10, TColorCalcType::lighten},
                        {&FColorBorder, 50, TColorCalcType::darken}};
    bool FMouseIn = false;
};
