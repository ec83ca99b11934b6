#pragma once
// What the flat edit, masked edit and memo share: the platform control's editing inside a
// three-pixel frame (one pixel of border, two of face colour) whose face colour switches to the
// highlight colour while the control has the focus or the mouse is over it.

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
    TAdvColors AdvColorFocused() const { return FAdvColorFocused; }
    void SetAdvColorFocused(TAdvColors Value);
    TAdvColors AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(TAdvColors Value);
    bool UseAdvColors() const { return FUseAdvColors; }
    void SetUseAdvColors(bool Value);

    // Focused, or hovered while the focused control is not of this same class.
    bool Highlighted() const;

protected:
    void WndProc(TMessage& Message) override;
    void Loaded() override;
    void ApplyLook() override;
    // Sets the client colour for the current look and repaints the frame.
    void RedrawFrame();

private:
    void PaintFrame();
    void CalcAdvColors();
    void TakeParentColor();
    void AdjustHeight();

    TColor FColorFlat = 0xE1EAEB;
    TColor FColorFocused = clWhite;
    TColor FColorBorder = 0x8396A0;
    bool FParentColor = true;
    TAdvColors FAdvColorFocused = 10, FAdvColorBorder = 50;
    bool FUseAdvColors = false;
    bool FMouseIn = false;
};
