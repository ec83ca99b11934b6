#pragma once
// The flat controls' advanced colours: while they are on, each colour a control lists is worked
// out from a base colour (the parent's, as a rule) made lighter or darker by its own percentage.

#include "flat/FlatUtilitys.h"

#include <initializer_list>
#include <vector>

class TFlatAdvColors {
public:
    struct TRule {
        TColor* Color;
        TAdvColors Percent;
        TColorCalcType Type;
    };
    explicit TFlatAdvColors(std::initializer_list<TRule> Rules) : FRules(Rules) {}
    // The rules point into the control that holds this.
    TFlatAdvColors(const TFlatAdvColors&) = delete;
    TFlatAdvColors& operator=(const TFlatAdvColors&) = delete;

    bool Use() const { return FUse; }
    // Each returns false when the value was already so.
    bool SetUse(bool Value);
    TAdvColors Percent(const TColor& Color) const { return FRules[IndexOf(Color)].Percent; }
    bool SetPercent(const TColor& Color, TAdvColors Value);
    // Works the listed colours out from Base; nothing while the advanced colours are off.
    void Calc(TColor Base);

    // For controls whose base is their own Color, which follows the parent's while the advanced
    // colours are on: switching, a new percentage, and the colour-change messages.
    void SetUseOn(TControl& Control, bool Value);
    void SetPercentOn(TControl& Control, const TColor& Color, TAdvColors Value);
    void ParentColorChanged(TControl& Control);

private:
    size_t IndexOf(const TColor& Color) const;

    std::vector<TRule> FRules;
    bool FUse = false;
};

// The focused, down and border colours with their advanced percentages (10, 10 and 50), as the
// flat buttons and the check box have them; the base colour is the control's own Color.
class TFlatStateColors {
public:
    TColor ColorFocused() const { return FColorFocused; }
    void SetColorFocused(TColor Value) { SetStateColor(FColorFocused, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { SetStateColor(FColorDown, Value); }
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor Value) { SetStateColor(FColorBorder, Value); }
    TAdvColors AdvColorFocused() const { return FAdv.Percent(FColorFocused); }
    void SetAdvColorFocused(TAdvColors Value) { FAdv.SetPercentOn(FControl, FColorFocused, Value); }
    TAdvColors AdvColorDown() const { return FAdv.Percent(FColorDown); }
    void SetAdvColorDown(TAdvColors Value) { FAdv.SetPercentOn(FControl, FColorDown, Value); }
    TAdvColors AdvColorBorder() const { return FAdv.Percent(FColorBorder); }
    void SetAdvColorBorder(TAdvColors Value) { FAdv.SetPercentOn(FControl, FColorBorder, Value); }
    bool UseAdvColors() const { return FAdv.Use(); }
    void SetUseAdvColors(bool Value) { FAdv.SetUseOn(FControl, Value); }

protected:
    TFlatStateColors(TControl& Control, TColor Focused, TColor Down, TColor Border)
        : FColorFocused(Focused), FColorDown(Down), FColorBorder(Border), FControl(Control) {}
    // For the colour-change messages.
    void FollowParentColor() { FAdv.ParentColorChanged(FControl); }
    // Compares, stores and repaints.
    void SetStateColor(TColor& Field, TColor Value);

    TColor FColorFocused, FColorDown, FColorBorder;

private:
    TControl& FControl;
    TFlatAdvColors FAdv{{&FColorFocused, 10, TColorCalcType::lighten},
                        {&FColorDown, 10, TColorCalcType::darken},
                        {&FColorBorder, 50, TColorCalcType::darken}};
};
