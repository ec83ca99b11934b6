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
