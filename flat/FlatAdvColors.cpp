#include "flat/FlatAdvColors.h"

#include <stdexcept>

bool TFlatAdvColors::SetUse(bool Value) {
    if (FUse == Value) return false;
    FUse = Value;
    return true;
}

bool TFlatAdvColors::SetPercent(const TColor& Color, TAdvColors Value) {
    TRule& r = FRules[IndexOf(Color)];
    if (r.Percent == Value) return false;
    r.Percent = Value;
    return true;
}

void TFlatAdvColors::Calc(TColor Base) {
    if (!FUse) return;
    for (TRule& r : FRules) *r.Color = CalcAdvancedColor(Base, *r.Color, r.Percent, r.Type);
}

void TFlatAdvColors::SetUseOn(TControl& Control, bool Value) {
    if (!SetUse(Value)) return;
    Control.SetParentColor(Value);
    Calc(Control.Color());
    Control.Invalidate();
}

void TFlatAdvColors::SetPercentOn(TControl& Control, const TColor& Color, TAdvColors Value) {
    if (!SetPercent(Color, Value)) return;
    Calc(Control.Color());
    Control.Invalidate();
}

void TFlatAdvColors::ParentColorChanged(TControl& Control) {
    if (FUse) {
        Control.SetParentColor(true);
        Calc(Control.Color());
    }
    Control.Invalidate();
}

size_t TFlatAdvColors::IndexOf(const TColor& Color) const {
    for (size_t i = 0; i < FRules.size(); ++i)
        if (FRules[i].Color == &Color) return i;
    throw std::logic_error("not an advanced colour of this control");
}

void TFlatStateColors::SetStateColor(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    FControl.Invalidate();
}
