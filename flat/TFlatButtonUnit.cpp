#include "flat/TFlatButtonUnit.h"

#include "platform/Forms.h"

TFlatButton::TFlatButton(TComponent* AOwner) : TFlatButtonBase(AOwner) {
    ControlStyle().Include(TControlStyleItem::csOpaque);
    SetTabStop(false);
    SetTabOrder(-1);
}

void TFlatButton::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    if (HandleAllocated())
        if (TCustomForm* f = GetParentForm(this))
            f->Perform(CM_FOCUSCHANGED, 0, LPARAM(f->ActiveControl()));
    Invalidate();
}

// Drawn off screen first so that the parent's image, face and frame appear in one go.
void TFlatButton::Paint() {
    TBitmap image;
    image.SetSize(Width(), Height());
    image.Canvas()->SetFont(*Font());
    DrawButton(*image.Canvas());
    Canvas()->Draw(0, 0, &image);
}

void TFlatButton::PaintClearFace(TCanvas& Canvas) {
    DrawParentImage(this, Canvas);
}

void TFlatButton::Pressed() {
    SetFocus();
}

void TFlatButton::KeyMessage(TMessage& Message) {
    if (Message.WParam != VK_SPACE) return;
    const bool down = Message.Msg == WM_KEYDOWN;
    if (GroupIndex() != 0)
        SetDown(down);
    else
        SetStateValue(down ? TFlatButtonState::bsDown : TFlatButtonState::bsUp);
    if (!down) Click();
    Invalidate();
}

void TFlatButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        KeyMessage(Message);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(Message.WParam), Caption()) && Enabled()) {
            if (GroupIndex() != 0) SetDown(true);
            Click();
            Message.Result = 1;
        }
        return;
    case WM_SETFOCUS:
        TFlatButtonBase::WndProc(Message);
        if (Enabled()) {
            SetMouseInFlag(true);
            Invalidate();
        }
        return;
    case WM_KILLFOCUS:
        TFlatButtonBase::WndProc(Message);
        HoverLeave();
        return;
    case WM_MOVE:
    case WM_SIZE:
        TFlatButtonBase::WndProc(Message);
        if (TransparentMode() != TFlatTransparentMode::tmNone) Invalidate();
        return;
    default:
        break;
    }
    TFlatButtonBase::WndProc(Message);
}
