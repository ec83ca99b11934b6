#include "flat/FlatEditBase.h"

#include "platform/ControlPaint.h"
#include "platform/Forms.h"

#include <type_traits>

namespace {
constexpr int kFrame = 3;
}

template <class TBase> TFlatEditBase<TBase>::TFlatEditBase(TComponent* AOwner) : TBase(AOwner) {
    this->SetParentFont(true);
    this->SetBorderStyle(TBorderStyle::bsNone);
    this->ControlStyle().Exclude(TControlStyleItem::csFramed);
    if constexpr (std::is_base_of_v<TCustomMemo, TBase>)
        this->SetBounds(0, 0, 185, 89);
    else
        this->SetBounds(0, 0, 121, 19);
}

template <class TBase> void TFlatEditBase<TBase>::SetColorFlat(TColor Value) {
    if (FColorFlat == Value && !FParentColor) return;
    FColorFlat = Value;
    FParentColor = false;
    RedrawFrame();
}

template <class TBase> void TFlatEditBase<TBase>::SetColorFocused(TColor Value) {
    if (FColorFocused == Value) return;
    FColorFocused = Value;
    RedrawFrame();
}

template <class TBase> void TFlatEditBase<TBase>::SetColorBorder(TColor Value) {
    if (FColorBorder == Value) return;
    FColorBorder = Value;
    RedrawFrame();
}

template <class TBase> void TFlatEditBase<TBase>::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (Value && this->Parent()) {
        FColorFlat = this->Parent()->Color();
        RedrawFrame();
    }
}

template <class TBase>
void TFlatEditBase<TBase>::SetAdvColor(const TColor& Color, TAdvColors Value) {
    if (!FAdv.SetPercent(Color, Value) || !FAdv.Use()) return;
    FAdv.Calc(FColorFlat);
    RedrawFrame();
}

template <class TBase> void TFlatEditBase<TBase>::SetUseAdvColors(bool Value) {
    if (!FAdv.SetUse(Value)) return;
    SetParentColor(Value);
    FAdv.Calc(FColorFlat);
    RedrawFrame();
}

template <class TBase> void TFlatEditBase<TBase>::TakeParentColor() {
    if (FAdv.Use()) {
        if (this->Parent()) FColorFlat = this->Parent()->Color();
        FAdv.Calc(FColorFlat);
    } else if (FParentColor && this->Parent()) {
        FColorFlat = this->Parent()->Color();
    }
    RedrawFrame();
}

template <class TBase> bool TFlatEditBase<TBase>::Highlighted() const {
    if (this->Focused()) return true;
    return FMouseIn && !dynamic_cast<const TFlatEditBase*>(FocusedWinControl());
}

template <class TBase> void TFlatEditBase<TBase>::RedrawFrame() {
    this->SetColor(Highlighted() ? FColorFocused : FColorFlat);
    this->Invalidate();
}

template <class TBase> void TFlatEditBase<TBase>::ApplyLook() {
    TBase::ApplyLook();
    // Room for the frame, which is painted over the widget's edge after Qt's own painting; the
    // memo's scroll bars go inside it too.
    this->SetFrameSpace(kFrame);
}

template <class TBase> void TFlatEditBase<TBase>::PaintFrame(TCanvas& c) {
    // The face colour of the last redraw, which Qt's background already shows.
    const TColor face = this->Color();
    TRect r = Rect(0, 0, this->Width(), this->Height());
    c.Brush()->SetColor(FColorBorder);
    c.FrameRect(r);
    c.Brush()->SetColor(face);
    for (int ring = 1; ring < kFrame; ++ring) {
        InflateRect(r, -1, -1);
        c.FrameRect(r);
    }
    if constexpr (std::is_base_of_v<TCustomMemo, TBase>) {
        if (this->ScrollBars() == TScrollStyle::ssBoth)
            c.FillRect(Rect(r.Right - 17, r.Bottom - 17, r.Right - 1, r.Bottom - 1));
    }
}

template <class TBase> void TFlatEditBase<TBase>::AdjustHeight() {
    if constexpr (!std::is_base_of_v<TCustomMemo, TBase>) {
        // The line height needs the font: measured once the edit is in sight.
        if (!this->HandleAllocated()) return this->DeferSize();
        this->SetBoundsRect(MeasuredBounds());
    }
}

template <class TBase> TRect TFlatEditBase<TBase>::MeasuredBounds() {
    TRect r = TBase::MeasuredBounds();
    if constexpr (!std::is_base_of_v<TCustomMemo, TBase>)
        r.Bottom = r.Top + this->Font()->LineHeight() + 2 * kFrame;
    return r;
}

template <class TBase> void TFlatEditBase<TBase>::Loaded() {
    TBase::Loaded();
    AdjustHeight();
}

template <class TBase> void TFlatEditBase<TBase>::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        TBase::WndProc(Message);
        PaintOverControl(this, [this](TCanvas& Canvas) { PaintFrame(Canvas); });
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TBase::WndProc(Message);
        RedrawFrame();
        return;
    case CM_MOUSEENTER:
        TBase::WndProc(Message);
        if (Application->Active()) {
            FMouseIn = true;
            RedrawFrame();
        }
        return;
    case CM_MOUSELEAVE:
        TBase::WndProc(Message);
        FMouseIn = false;
        RedrawFrame();
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        TakeParentColor();
        return;
    case CM_FONTCHANGED:
        TBase::WndProc(Message);
        AdjustHeight();
        return;
    default:
        break;
    }
    TBase::WndProc(Message);
}

template class TFlatEditBase<TCustomEdit>;
template class TFlatEditBase<TCustomMaskEdit>;
template class TFlatEditBase<TCustomMemo>;
