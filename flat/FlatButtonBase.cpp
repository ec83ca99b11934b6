#include "flat/FlatButtonBase.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

template <class TBase> THoverTimer& TFlatButtonBase<TBase>::Hover() {
    static THoverTimer timer;
    return timer;
}

template <class TBase>
TFlatButtonBase<TBase>::TFlatButtonBase(TComponent* AOwner)
    : TBase(AOwner), TFlatStateColors(*this, clFlatFace, clFlatDown, clFlatBorder),
      FColorHighLight(clWhite), FColorShadow(clBlack) {
    this->SetBounds(0, 0, 25, 25);
    this->ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks};
    this->SetColor(clFlatFace);
    this->SetParentColor(true);
    this->SetParentFont(true);
    FGlyph.OnChange = [this](TObject*) { this->Invalidate(); };
    Hover().AddInstance();
}

template <class TBase> TFlatButtonBase<TBase>::~TFlatButtonBase() {
    Hover().RemoveInstance(this);
}

template <class TBase> void TFlatButtonBase<TBase>::SetTransparentMode(TFlatTransparentMode Value) {
    if (FTransparentMode == Value) return;
    FTransparentMode = Value;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

template <class TBase> void TFlatButtonBase<TBase>::SetAllowAllUp(bool Value) {
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

template <class TBase> void TFlatButtonBase<TBase>::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        if (FState == TFlatButtonState::bsUp) this->Invalidate();
        FState = TFlatButtonState::bsExclusive;
        UpdateExclusive();
    } else {
        FState = TFlatButtonState::bsUp;
        this->Repaint();
    }
}

template <class TBase> void TFlatButtonBase<TBase>::UpdateExclusive() {
    if (FGroupIndex == 0 || !this->Parent()) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(static_cast<TControl*>(this)), 0};
    this->Parent()->Broadcast(m);
}

template <class TBase> void TFlatButtonBase<TBase>::ButtonPressed(TMessage& Message) {
    if (int(Message.WParam) != FGroupIndex) return;
    auto* sender = dynamic_cast<TFlatButtonBase*>(reinterpret_cast<TControl*>(Message.LParam));
    if (!sender || sender == this) return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = TFlatButtonState::bsUp;
        this->Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

template <class TBase> void TFlatButtonBase<TBase>::SetGlyph(const TBitmap* Value) {
    if (Value == &FGlyph) return;
    if (Value)
        FGlyph.Assign(*Value);
    else
        FGlyph.SetSize(0, 0);
    const int w = FGlyph.Width(), h = FGlyph.Height();
    if (!FGlyph.Empty() && w % h == 0) FNumGlyphs = w / h >= 1 && w / h <= 4 ? w / h : 1;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::SetNumGlyphs(int Value) {
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs == Value) return;
    FNumGlyphs = Value;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::SetLayout(TButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::SetMargin(int Value) {
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::Click() {
    if (this->Parent())
        if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(FModalResult);
    TBase::Click();
}

template <class TBase> void TFlatButtonBase<TBase>::Loaded() {
    TBase::Loaded();
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
        TBase::WndProc(Message);
        if (!this->Enabled()) {
            FMouseIn = false;
            FState = TFlatButtonState::bsDisabled;
            Hover().Release(this);
        }
        UpdateTracking();
        this->Invalidate();
        return;
    case CM_BUTTONPRESSED:
        ButtonPressed(Message);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(Message.WParam), this->Caption()) && this->Enabled()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TBase::WndProc(Message);
        this->Invalidate();
        return;
    case CM_PARENTCOLORCHANGED:
    case CM_SYSCOLORCHANGE:
        if (Message.Msg == CM_PARENTCOLORCHANGED) TBase::WndProc(Message);
        FollowParentColor();
        return;
    case CM_MOUSEENTER:
        TBase::WndProc(Message);
        if (OnMouseEnter) OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        TBase::WndProc(Message);
        if (OnMouseLeave) OnMouseLeave(this);
        return;
    case WM_LBUTTONDBLCLK:
        TBase::WndProc(Message);
        if (FDown) this->DblClick();
        return;
    default:
        break;
    }
    TBase::WndProc(Message);
}

template <class TBase>
void TFlatButtonBase<TBase>::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TBase::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !this->Enabled()) return;
    if (!FDown) {
        FState = TFlatButtonState::bsDown;
        this->Invalidate();
    }
    FDragging = true;
    Pressed();
}

// The row just below the button still counts as inside, the column to its right does not.
template <class TBase> bool TFlatButtonBase<TBase>::InsideForRelease(int X, int Y) const {
    return X >= 0 && X < this->ClientWidth() && Y >= 0 && Y <= this->ClientHeight();
}

template <class TBase> void TFlatButtonBase<TBase>::MouseMove(TShiftState Shift, int X, int Y) {
    TBase::MouseMove(Shift, X, Y);
    Hover().MouseMoved(this, this, this->ClientToScreen({X, Y}));
    if (!FDragging) return;
    const bool inside = InsideForRelease(X, Y);
    TFlatButtonState wanted = FDown ? TFlatButtonState::bsExclusive : TFlatButtonState::bsUp;
    if (inside) wanted = FDown ? TFlatButtonState::bsExclusive : TFlatButtonState::bsDown;
    if (wanted != FState) {
        FState = wanted;
        this->Invalidate();
    }
}

template <class TBase>
void TFlatButtonBase<TBase>::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TBase::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = InsideForRelease(X, Y);
    if (FGroupIndex == 0) {
        FState = TFlatButtonState::bsUp;
        FMouseIn = false;
        if (inside) this->Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) this->Repaint();
    } else {
        if (FDown) FState = TFlatButtonState::bsExclusive;
        this->Repaint();
    }
    if (inside)
        Click();
    else
        HoverLeave();
    UpdateTracking();
}

template <class TBase> void TFlatButtonBase<TBase>::HoverEnter() {
    if (!this->Enabled() || FMouseIn) return;
    FMouseIn = true;
    this->Invalidate();
}

template <class TBase> void TFlatButtonBase<TBase>::HoverLeave() {
    if (!this->Enabled() || !FMouseIn || FDragging) return;
    FMouseIn = false;
    Hover().Release(this);
    this->Invalidate();
}

// After a release or an enable change the hover flag follows the cursor again.
template <class TBase> void TFlatButtonBase<TBase>::UpdateTracking() {
    if (!this->Enabled()) return;
    const bool over = FindControlAtScreen(Env().CursorPos()) == this;
    FMouseIn = !over;
    if (over)
        HoverEnter();
    else
        HoverLeave();
}

template <class TBase> bool TFlatButtonBase<TBase>::HasFill(TColor& Fill) const {
    if (FTransparentMode == TFlatTransparentMode::tmAlways) return false;
    if (FTransparentMode == TFlatTransparentMode::tmNotFocused && !FMouseIn) return false;
    switch (FState) {
    case TFlatButtonState::bsUp:
        Fill = FMouseIn ? FColorFocused : this->Color();
        break;
    case TFlatButtonState::bsDisabled:
        Fill = this->Color();
        break;
    case TFlatButtonState::bsDown:
        Fill = FColorDown;
        break;
    case TFlatButtonState::bsExclusive:
        Fill = FMouseIn ? FColorFocused : FColorDown;
        break;
    }
    return true;
}

template <class TBase> void TFlatButtonBase<TBase>::DrawButton(TCanvas& Canvas) {
    Canvas.SetFont(*this->Font());
    const bool pressed =
        FState == TFlatButtonState::bsDown || FState == TFlatButtonState::bsExclusive;
    const TRect client = this->ClientRect();
    const TButtonLayoutResult layout =
        CalcButtonLayout(Canvas, client, pressed ? TPoint{1, 1} : TPoint{0, 0}, this->Caption(),
                         FLayout, FMargin, FSpacing, &FGlyph, FNumGlyphs);

    if (this->Enabled()) {
        if (FState == TFlatButtonState::bsDisabled)
            FState =
                FDown && FGroupIndex != 0 ? TFlatButtonState::bsExclusive : TFlatButtonState::bsUp;
    } else {
        FState = TFlatButtonState::bsDisabled;
        FDragging = false;
    }

    TColor fill;
    if (HasFill(fill)) {
        Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush()->SetColor(fill);
        Canvas.FillRect(client);
    } else {
        PaintClearFace(Canvas);
    }

    switch (FState) {
    case TFlatButtonState::bsUp:
        if (FMouseIn)
            Frame3DBorder(Canvas, client, FColorHighLight, FColorShadow, 1);
        else
            Frame3DBorder(Canvas, client, FColorBorder, FColorBorder, FlatBorderWidth());
        break;
    case TFlatButtonState::bsDisabled:
        Frame3DBorder(Canvas, client, FColorBorder, FColorBorder, 1);
        break;
    default:
        Frame3DBorder(Canvas, client, FColorShadow, FColorHighLight, 1);
        break;
    }

    if (!FGlyph.Empty()) DrawGlyph(Canvas, layout.GlyphPos);
    // Without a caption no font is needed at all.
    if (this->Caption().isEmpty()) return;

    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    TRect text = layout.TextBounds;
    if (FState == TFlatButtonState::bsDisabled) {
        OffsetRect(text, 1, 1);
        Canvas.Font()->SetColor(clBtnHighlight);
        Canvas.DrawText(this->Caption(), text, flags);
        OffsetRect(text, -1, -1);
        Canvas.Font()->SetColor(clBtnShadow);
    }
    Canvas.DrawText(this->Caption(), text, flags);
}

template <class TBase> void TFlatButtonBase<TBase>::DrawGlyph(TCanvas& Canvas, TPoint Pos) {
    const int w = FGlyph.Width() / FNumGlyphs, h = FGlyph.Height();
    // The cell by state, per number of images (-1: the whole bitmap).
    static constexpr int kCells[4][4] = {
        {-1, -1, -1, -1}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3}};
    const int k = kCells[FNumGlyphs - 1][int(FState)];
    TRect source = Rect(0, 0, FGlyph.Width(), h);
    if (k >= 0) source = Rect(k * w, 0, k == FNumGlyphs - 1 ? FGlyph.Width() : (k + 1) * w, h);

    TBitmap cell;
    cell.SetSize(w, h);
    cell.Canvas()->DrawImage(Rect(0, 0, w, h), FGlyph.Image(), source);
    TColor transparent = FGlyph.TransparentColor();
    if (FNumGlyphs == 1 && FState == TFlatButtonState::bsDisabled) {
        std::unique_ptr<TBitmap> disabled =
            CreateDisabledBitmap(cell, clBlack, clBtnFace, true, clBtnShadow, clBtnHighlight);
        cell.Assign(*disabled);
        transparent = cell.TransparentColor();
    }
    cell.SetTransparentColor(transparent);
    cell.SetTransparent(true);
    Canvas.Draw(Pos.X, Pos.Y, &cell);
}

template class TFlatButtonBase<TGraphicControl>;
template class TFlatButtonBase<TCustomControl>;
