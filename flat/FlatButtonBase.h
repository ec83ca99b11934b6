#pragma once
// What the flat speed button and the flat push button share: colours, glyph and caption layout,
// the four-state machine, latching groups, hover by polling and the painting steps. The class
// is instantiated once over each base, so each button class has its own hover timer.

#include "flat/FlatAdvColors.h"
#include "flat/FlatUtilitys.h"
#include "flat/HoverTimer.h"

#include "platform/Controls.h"
#include "platform/Graphics.h"

// When a button fills its face; where it does not, what lies behind it shows.
enum class TFlatTransparentMode { tmAlways, tmNotFocused, tmNone };
enum class TFlatButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

template <class TBase>
class TFlatButtonBase : public TBase, protected THoverClient, public TFlatStateColors {
public:
    explicit TFlatButtonBase(TComponent* AOwner);
    ~TFlatButtonBase() override;

    TColor ColorHighLight() const { return FColorHighLight; }
    void SetColorHighLight(TColor Value) { SetStateColor(FColorHighLight, Value); }
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor Value) { SetStateColor(FColorShadow, Value); }
    TFlatTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TFlatTransparentMode Value);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);

    // The button's own bitmap; SetGlyph copies Value into it and applies the NumGlyphs rule.
    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }

    TFlatButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseIn; }

    void Click() override;

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // The class-wide hover timer (tests tick it), or nullptr when no instance exists.
    static TTimer* HoverTimer() { return Hover().Timer(); }

protected:
    void WndProc(TMessage& Message) override;
    void Loaded() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void HoverEnter() override;
    void HoverLeave() override;

    // The painting steps onto Canvas, whose origin is the button's corner.
    void DrawButton(TCanvas& Canvas);
    // Where the face is not filled: the speed button leaves its parent's pixels as they are.
    virtual void PaintClearFace(TCanvas&) {}
    // Width of the flat border in the up state with the mouse away.
    virtual int FlatBorderWidth() const { return 1; }
    // Called after a left press on an enabled button.
    virtual void Pressed() {}
    // Sets the mouse-in flag and the state without painting (focus and keys of the push button).
    void SetMouseInFlag(bool Value) { FMouseIn = Value; }
    void SetStateValue(TFlatButtonState Value) { FState = Value; }
    void UpdateTracking();

    static THoverTimer& Hover();

private:
    void UpdateExclusive();
    void ButtonPressed(TMessage& Message);
    bool HasFill(TColor& Fill) const;
    void DrawGlyph(TCanvas& Canvas, TPoint Pos);
    bool InsideForRelease(int X, int Y) const;

    TColor FColorHighLight, FColorShadow;
    TFlatTransparentMode FTransparentMode = TFlatTransparentMode::tmNone;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    TButtonLayout FLayout = TButtonLayout::blGlyphTop;
    int FMargin = -1;
    int FSpacing = 4;
    int FModalResult = 0;

    TFlatButtonState FState = TFlatButtonState::bsUp;
    bool FMouseIn = false;
    bool FDragging = false;
};

// The family's default colours.
constexpr TColor clFlatFace = 0xE1EAEB;
constexpr TColor clFlatDown = 0xC5D6D9;
constexpr TColor clFlatBorder = 0x8396A0;
