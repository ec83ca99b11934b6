#include "flat/TFlatCheckBoxUnit.h"

#include "flat/FlatButtonBase.h"

THoverTimer& TFlatCheckBox::Hover() {
    static THoverTimer timer;
    return timer;
}

TFlatCheckBox::TFlatCheckBox(TComponent* AOwner)
    : TCustomControl(AOwner), TFlatStateColors(*this, clWhite, clFlatDown, clFlatBorder),
      FColorCheck(clBlack) {
    // OnClick comes from changes of Checked only, not from the framework's click on release.
    ControlStyle().Exclude(TControlStyleItem::csClickEvents);
    SetColor(clFlatFace);
    SetParentColor(true);
    SetParentFont(true);
    SetTabStop(true);
    SetBounds(0, 0, 121, 17);
    Hover().AddInstance();
}

TFlatCheckBox::~TFlatCheckBox() {
    Hover().RemoveInstance(this);
}

void TFlatCheckBox::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    Click();
    RedrawSquare();
}

void TFlatCheckBox::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Invalidate();
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

TRect TFlatCheckBox::SquareRect() const {
    const TRect c = ClientRect();
    if (FLayout == TCheckBoxLayout::checkboxLeft)
        return Rect(c.Left + 1, c.Top + 3, c.Left + 12, c.Top + 14);
    return Rect(c.Right - 12, c.Top + 3, c.Right - 1, c.Top + 14);
}

void TFlatCheckBox::DrawSquare(TCanvas& Canvas) {
    const TRect r = SquareRect();
    Canvas.Pen()->SetStyle(TPenStyle::psSolid);
    Canvas.Pen()->SetWidth(1);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(!FFocused && !FMouseIn ? Color()
                             : FMouseDown           ? FColorDown
                                                    : FColorFocused);
    Canvas.FillRect(r);
    if (FChecked) {
        Canvas.Pen()->SetColor(Enabled() ? FColorCheck : clBtnShadow);
        const int l = r.Left, t = r.Top;
        static constexpr int kStrokes[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9},
                                               {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
        for (const auto& s : kStrokes) {
            Canvas.MoveTo(l + s[0], t + s[1]);
            Canvas.LineTo(l + s[2], t + s[3]);
        }
    }
    Canvas.Brush()->SetColor(FColorBorder);
    Canvas.FrameRect(r);
}

void TFlatCheckBox::DrawCaption(TCanvas& Canvas) {
    const TRect c = ClientRect();
    TRect r;
    unsigned flags = DT_WORDBREAK;
    if (FLayout == TCheckBoxLayout::checkboxLeft) {
        r = Rect(c.Left + 16, c.Top + 1, c.Right - 1, c.Bottom - 1);
    } else {
        r = Rect(c.Left + 1, c.Top + 1, c.Right - 16, c.Bottom - 1);
        flags |= DT_RIGHT;
    }
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    Canvas.SetFont(*Font());
    if (!Enabled()) {
        TRect shifted = r;
        OffsetRect(shifted, 1, 1);
        Canvas.Font()->SetColor(clBtnHighlight);
        Canvas.DrawText(Caption(), shifted, flags);
        Canvas.Font()->SetColor(clBtnShadow);
    }
    Canvas.DrawText(Caption(), r, flags);
}

void TFlatCheckBox::Paint() {
    // Without Transparent the framework's erase has filled the client area with Color.
    if (FTransparent) DrawParentImage(this, *Canvas());
    DrawSquare(*Canvas());
    DrawCaption(*Canvas());
}

void TFlatCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(Message);
        if (!Enabled()) {
            FMouseIn = false;
            FMouseDown = false;
            Hover().Release(this);
        }
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            SetChecked(!FChecked);
            Message.Result = 1;
        } else if (Message.WParam == VK_SPACE && Focused()) {
            SetChecked(!FChecked);
        } else {
            TCustomControl::WndProc(Message);
        }
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(Message);
        if (Enabled()) {
            if (Message.Msg == WM_KILLFOCUS) FMouseIn = false;
            FFocused = Message.Msg == WM_SETFOCUS;
            RedrawSquare();
        }
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        if (Message.Msg == CM_PARENTCOLORCHANGED) TCustomControl::WndProc(Message);
        FollowParentColor();
        return;
    case WM_MOVE:
    case WM_SIZE:
        TCustomControl::WndProc(Message);
        if (FTransparent) Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TFlatCheckBox::DoEnter() {
    TCustomControl::DoEnter();
    FFocused = true;
    RedrawSquare();
}

void TFlatCheckBox::DoExit() {
    TCustomControl::DoExit();
    FFocused = false;
    RedrawSquare();
}

void TFlatCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != TMouseButton::mbLeft || !Enabled()) return;
    SetFocus();
    FMouseDown = true;
    RedrawSquare();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TFlatCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    Hover().MouseMoved(this, this, ClientToScreen({X, Y}));
}

// A press that leaves the box keeps mouse-in (the leave step waits for the release), so the
// release toggles wherever it happens.
void TFlatCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != TMouseButton::mbLeft || !Enabled()) return;
    FMouseDown = false;
    if (FMouseIn) SetChecked(!FChecked);
    RedrawSquare();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TFlatCheckBox::HoverEnter() {
    if (!Enabled() || FMouseIn) return;
    FMouseIn = true;
    RedrawSquare();
}

void TFlatCheckBox::HoverLeave() {
    if (!Enabled() || !FMouseIn || FMouseDown) return;
    FMouseIn = false;
    Hover().Release(this);
    RedrawSquare();
}
