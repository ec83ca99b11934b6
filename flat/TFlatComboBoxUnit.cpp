#include "flat/TFlatComboBoxUnit.h"

#include "platform/ControlPaint.h"

TFlatComboBox::TFlatComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
    ControlStyle().Exclude(TControlStyleItem::csFixedHeight);
    ControlStyle().Include(TControlStyleItem::csOpaque);
    SetItemHeight(13);
}

void TFlatComboBox::SetColorField(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TFlatComboBox::SetAdvColor(const TColor& Color, TAdvColors Value) {
    if (!FAdv.SetPercent(Color, Value)) return;
    CalcAdvColors();
    Invalidate();
}

void TFlatComboBox::SetUseAdvColors(bool Value) {
    if (!FAdv.SetUse(Value)) return;
    CalcAdvColors();
    Invalidate();
}

void TFlatComboBox::CalcAdvColors() {
    if (Parent()) FAdv.Calc(Parent()->Color());
}

TRect TFlatComboBox::ButtonRect() const {
    return Rect(ClientWidth() - kButtonWidth - 2, 0, Width(), Height());
}

TRect TFlatComboBox::FrameRect() const {
    return Rect(0, 0, Width() - kButtonWidth - 1, Height());
}

void TFlatComboBox::EditorLayoutChanged() {
    PlaceEditField(Bounds(3, 3, ClientWidth() - kButtonWidth - 8, Height() - 6));
}

void TFlatComboBox::DrawFrame(TCanvas& Canvas) {
    TRect r = FrameRect();
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(FColorBorder);
    Canvas.FrameRect(r);
    Canvas.Brush()->SetColor(Color());
    for (int ring = 0; ring < 2; ++ring) {
        InflateRect(r, -1, -1);
        Canvas.FrameRect(r);
    }
}

void TFlatComboBox::DrawButton(TCanvas& Canvas) {
    const TRect b = ButtonRect();
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(FColorArrowBackground);
    Canvas.FillRect(b);
    Canvas.Brush()->SetColor(FColorBorder);
    Canvas.FrameRect(b);

    const int cx = b.Left + b.Width() / 2 - 6, cy = b.Top + b.Height() / 2 - 1;
    auto arrow = [&](int dx, int dy, TColor c) {
        const int x = cx + dx, y = cy + dy;
        Canvas.Pen()->SetColor(c);
        Canvas.Brush()->SetColor(c);
        if (DroppedDown())
            Canvas.Polygon({{x + 4, y + 2}, {x + 8, y + 2}, {x + 6, y}});
        else
            Canvas.Polygon({{x + 4, y}, {x + 8, y}, {x + 6, y + 2}});
    };
    if (Enabled()) {
        arrow(0, 0, FColorArrow);
    } else {
        arrow(1, 1, clWhite);
        arrow(0, 0, RGB(128, 128, 128));
    }
}

// The pick-only styles show the chosen item themselves: highlighted while focused and closed.
void TFlatComboBox::DrawSelection(TCanvas& Canvas) {
    const bool selected = Focused() && !DroppedDown();
    const TRect r = Rect(3, 3, ClientWidth() - 3 - 13, ClientHeight() - 3);
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    Canvas.Brush()->SetColor(selected ? clHighlight : Color());
    Canvas.FillRect(r);
    Canvas.SetFont(*Font());
    if (selected) Canvas.Font()->SetColor(clHighlightText);
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect text = r;
    text.Left += 2;
    Canvas.DrawText(Text(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TFlatComboBox::Paint(TCanvas& Canvas) {
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect(Rect(0, 0, Width() - kButtonWidth - 4, Height()));
    if (Style() == TComboBoxStyle::csDropDown) {
        if (DroppedDown()) {
            Canvas.Brush()->SetColor(clWindow);
            Canvas.FrameRect(Rect(2, 2, Width() - kButtonWidth - 3, ClientHeight() - 2));
        }
    } else {
        DrawSelection(Canvas);
    }
    DrawFrame(Canvas);
    if (Style() != TComboBoxStyle::csSimple) DrawButton(Canvas);
}

void TFlatComboBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: {
        // Everything but the edit field (a child widget that paints itself) is drawn here;
        // Qt's own frame and button never show. Qt may have placed the edit field again since.
        EditorLayoutChanged();
        PaintOverControl(this, [this](TCanvas& Canvas) { Paint(Canvas); });
        Message.Result = 0;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TCustomComboBox::WndProc(Message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomComboBox::WndProc(Message);
        SetItemHeight(13);
        return;
    case CM_SYSCOLORCHANGE:
    case CM_PARENTCOLORCHANGED:
        TCustomComboBox::WndProc(Message);
        CalcAdvColors();
        Invalidate();
        return;
    default:
        break;
    }
    TCustomComboBox::WndProc(Message);
}

void TFlatComboBox::DropDown() {
    TCustomComboBox::DropDown();
    Invalidate();
}

void TFlatComboBox::CloseUp() {
    TCustomComboBox::CloseUp();
    Invalidate();
}
