#include "flat/TFlatGroupBoxUnit.h"

#include "flat/FlatButtonBase.h"

TFlatGroupBox::TFlatGroupBox(TComponent* AOwner)
    : TCustomControl(AOwner), FColorBorder(clFlatBorder) {
    ControlStyle().Include(TControlStyleItem::csAcceptsControls);
    ControlStyle().Include(TControlStyleItem::csOpaque);
    SetColor(clWindow);
    SetParentColor(true);
    SetParentFont(true);
    SetBounds(0, 0, 185, 105);
}

void TFlatGroupBox::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Invalidate();
}

void TFlatGroupBox::SetColorBorder(TColor Value) {
    if (FColorBorder == Value) return;
    FColorBorder = Value;
    Invalidate();
}

void TFlatGroupBox::SetBorder(TGroupBoxBorder Value) {
    if (FBorder == Value) return;
    FBorder = Value;
    Invalidate();
}

void TFlatGroupBox::Paint() {
    TBitmap image;
    image.SetSize(Width(), Height());
    TCanvas& c = *image.Canvas();
    c.SetFont(*Font());
    const TRect r = ClientRect();
    const int h = c.TextHeight(Caption()), w = c.TextWidth(Caption());
    const TRect captionRect = Rect(r.Left + 10, r.Top, r.Right - 10, r.Top + h);

    if (FTransparent) {
        DrawParentImage(this, c);
    } else {
        c.Brush()->SetColor(Color());
        c.FillRect(r);
    }

    // The top line leaves a gap from left + 5 to left + w + 12 for the caption.
    c.Pen()->SetColor(FColorBorder);
    const int y = r.Top + h / 2;
    if (FBorder == TGroupBoxBorder::brFull) {
        c.Polyline({{r.Left + 5, y},
                    {r.Left, y},
                    {r.Left, r.Bottom - 1},
                    {r.Right - 1, r.Bottom - 1},
                    {r.Right - 1, y},
                    {r.Left + w + 12, y}});
    } else {
        c.MoveTo(r.Left + 5, y);
        c.LineTo(r.Left, y);
        c.MoveTo(r.Right - 1, y);
        c.LineTo(r.Left + w + 12, y);
    }

    c.Brush()->SetStyle(TBrushStyle::bsClear);
    const unsigned flags = DT_SINGLELINE | DT_LEFT | DT_TOP;
    TRect text = captionRect;
    if (!Enabled()) {
        OffsetRect(text, 1, 1);
        c.Font()->SetColor(clBtnHighlight);
        c.DrawText(Caption(), text, flags);
        text = captionRect;
        c.Font()->SetColor(clBtnShadow);
    }
    c.DrawText(Caption(), text, flags);
    Canvas()->Draw(0, 0, &image);
}

void TFlatGroupBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(Message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        if (Message.Msg == CM_PARENTCOLORCHANGED) TCustomControl::WndProc(Message);
        FAdv.ParentColorChanged(*this);
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
