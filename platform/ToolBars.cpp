#include "platform/ToolBars.h"

#include "platform/Menus.h"

// ---------------------------------------------------------------------------------------------
// Tool buttons

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 23, 22);
    ControlStyle() = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents,
                      TControlStyleItem::csSetCaption};
}

TToolBar* TToolButton::ToolBar() const {
    return dynamic_cast<TToolBar*>(Parent());
}

void TToolButton::SetParent(TWinControl* AParent) {
    TToolBar* old = ToolBar();
    TGraphicControl::SetParent(AParent);
    if (old) old->ArrangeButtons();
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (IsSeparator()) SetWidth(8);
    if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
    Invalidate();
}

void TToolButton::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TToolButton::SetDown(bool Value) {
    if (FDown == Value) return;
    FDown = Value;
    if (Value && FGrouped && Parent()) {
        // Neighbouring grouped check buttons form the group.
        const int n = Parent()->ControlCount();
        int i = 0;
        while (i < n && Parent()->Controls(i) != this) ++i;
        auto release = [&](int From, int Step) {
            for (int j = From; j >= 0 && j < n; j += Step) {
                auto* b = dynamic_cast<TToolButton*>(Parent()->Controls(j));
                if (!b || !b->FGrouped || b->FStyle != TToolButtonStyle::tbsCheck) break;
                if (b->FDown) {
                    b->FDown = false;
                    b->Invalidate();
                }
            }
        };
        release(i - 1, -1);
        release(i + 1, 1);
    }
    Invalidate();
}

void TToolButton::SetHot(bool Value) {
    if (FHot == Value) return;
    FHot = Value;
    Invalidate();
}

void TToolButton::SetPressed(bool Value) {
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TToolButton::Click() {
    if (FStyle == TToolButtonStyle::tbsCheck) SetDown(!FDown || FGrouped);
    TGraphicControl::Click();
    if (FMenuItem) FMenuItem->Click();
}

TCustomDrawState TToolButton::DrawState() const {
    TCustomDrawState s;
    if (FPressed) s.Include(TCustomDrawStateItem::cdsSelected);
    if (FHot) s.Include(TCustomDrawStateItem::cdsHot);
    if (FDown) s.Include(TCustomDrawStateItem::cdsChecked);
    if (!Enabled()) {
        s.Include(TCustomDrawStateItem::cdsDisabled);
        s.Include(TCustomDrawStateItem::cdsGrayed);
    }
    return s;
}

void TToolButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        if (Enabled() && !IsSeparator()) SetHot(true);
        break;
    case CM_MOUSELEAVE:
        SetHot(false);
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(Message);
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft && Enabled() && !IsSeparator()) SetPressed(true);
    TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == TMouseButton::mbLeft) SetPressed(false);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TToolButton::Paint() {
    if (TToolBar* bar = ToolBar()) bar->DrawButton(this, Canvas());
}

// ---------------------------------------------------------------------------------------------
// Tool bar

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 150, 29);
    SetAlign(TAlign::alTop);
    FColor = clBtnFace;
    SetParentColor(false);
    ControlStyle().Include(TControlStyleItem::csAcceptsControls);
}

void TToolBar::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) RemoveFreeNotification(FImages);
    FImages = Value;
    if (Value) FreeNotification(Value);
    Invalidate();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages) FImages = nullptr;
}

void TToolBar::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TToolBar::SetShowCaptions(bool Value) {
    if (FShowCaptions == Value) return;
    FShowCaptions = Value;
    Invalidate();
}

void TToolBar::SetButtonWidth(int Value) {
    if (FButtonWidth == Value || Value <= 0) return;
    FButtonWidth = Value;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int Value) {
    if (FButtonHeight == Value || Value <= 0) return;
    FButtonHeight = Value;
    ArrangeButtons();
}

void TToolBar::SetIndent(int Value) {
    if (FIndent == Value) return;
    FIndent = Value;
    ArrangeButtons();
}

int TToolBar::ButtonCount() const {
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TToolButton*>(Controls(i))) ++n;
    return n;
}

TToolButton* TToolBar::Buttons(int Index) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TToolButton*>(Controls(i)); b && Index-- == 0) return b;
    return nullptr;
}

void TToolBar::ArrangeButtons() {
    int x = FIndent;
    for (int i = 0; i < ButtonCount(); ++i) {
        TToolButton* b = Buttons(i);
        if (!b->Visible()) continue;
        const int w = b->IsSeparator() ? b->Width() : FButtonWidth;
        b->SetBounds(x, 2, w, FButtonHeight);
        x += w;
    }
}

void TToolBar::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
}

void TToolBar::DrawButton(TToolButton* Button, TCanvas* ACanvas) {
    const TRect r = Button->ClientRect();
    bool defaultDraw = true;
    if (OnCustomDrawButton)
        OnCustomDrawButton(this, Button, ACanvas, r, Button->DrawState(), defaultDraw);
    if (defaultDraw) DefaultDrawButton(Button, ACanvas, r);
}

void TToolBar::DefaultDrawButton(TToolButton* Button, TCanvas* ACanvas, const TRect& R) {
    TRect r = R;
    if (Button->Style() == TToolButtonStyle::tbsDivider) {
        const int x = r.Left + r.Width() / 2 - 1;
        ACanvas->Pen()->SetColor(clBtnShadow);
        ACanvas->MoveTo(x, r.Top + 1);
        ACanvas->LineTo(x, r.Bottom - 1);
        ACanvas->Pen()->SetColor(clBtnHighlight);
        ACanvas->MoveTo(x + 1, r.Top + 1);
        ACanvas->LineTo(x + 1, r.Bottom - 1);
        return;
    }
    if (Button->IsSeparator()) return;
    const bool sunken = Button->Pressed() || Button->Down();
    if (sunken)
        Frame3D(*ACanvas, r, clBtnShadow, clBtnHighlight, 1);
    else if (!FFlat || Button->Hot())
        Frame3D(*ACanvas, r, clBtnHighlight, clBtnShadow, 1);
    const int shift = sunken ? 1 : 0;
    int textTop = r.Bottom;
    if (FImages && Button->ImageIndex() >= 0) {
        const int x = R.Left + (R.Width() - FImages->Width()) / 2 + shift;
        const int y = FShowCaptions ? R.Top + 3 : R.Top + (R.Height() - FImages->Height()) / 2;
        FImages->Draw(ACanvas, x, y + shift, Button->ImageIndex(), Button->Enabled());
        textTop = y + FImages->Height() + 1;
    }
    if (FShowCaptions && !Button->Caption().isEmpty()) {
        ACanvas->SetFont(*Font());
        ACanvas->Font()->SetColor(Button->Enabled() ? clBtnText : clGrayText);
        ACanvas->Brush()->SetStyle(TBrushStyle::bsClear);
        TRect t = Rect(R.Left, std::min(textTop, R.Bottom - ACanvas->TextHeight("W") - 2), R.Right,
                       R.Bottom);
        OffsetRect(t, shift, shift);
        ACanvas->DrawText(Button->Caption(), t, DT_CENTER | DT_SINGLELINE);
    }
}

// ---------------------------------------------------------------------------------------------
// Control bar

TControlBar::TControlBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 100, 50);
    FColor = clBtnFace;
    SetParentColor(false);
    ControlStyle().Include(TControlStyleItem::csAcceptsControls);
}

TRect TControlBar::BandRect(const TControl* Control) {
    TRect r = Control->BoundsRect();
    r.Left -= 11;
    InflateRect(r, 2, 2);
    return r;
}

void TControlBar::Paint() {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        TRect r = BandRect(c);
        TBandPaintOptions options = {TBandPaintOption::bpoGrabber, TBandPaintOption::bpoFrame};
        if (OnBandPaint) OnBandPaint(this, c, Canvas(), r, options);
        if (options.Contains(TBandPaintOption::bpoFrame)) {
            TRect f = r;
            Frame3D(*Canvas(), f, clBtnHighlight, clBtnShadow, 1);
        }
        if (options.Contains(TBandPaintOption::bpoGrabber)) {
            TRect g = Rect(r.Left + 3, r.Top + 3, r.Left + 6, r.Bottom - 3);
            Frame3D(*Canvas(), g, clBtnHighlight, clBtnShadow, 1);
        }
    }
}
