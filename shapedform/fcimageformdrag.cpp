// The image-shaped form's dragging: a press on the picture moves the form, following the mouse
// with a dotted outline (or with the whole window) until the button is released.

#include "shapedform/fcimageform.h"

#include "platform/CaptureLoop.h"
#include "platform/Forms.h"

#include <chrono>
#include <cstdlib>
#include <thread>

void TfcCustomImageForm::MessageHook(TMessage& Msg) {
    if (IsDesigning()) return;
    TCustomForm* form = HostForm();
    if (!form) return;
    switch (Msg.Msg) {
    case WM_DESTROY:
        SetWindowRegion(form, nullptr, false);
        FRegion.reset();
        break;
    case WM_LBUTTONDOWN: {
        const TPoint p = PointFromLParam(Msg.LParam);
        // Controls that answer the mouse keep their presses, unless they are the caption bar.
        TControl* c = form->ControlAtPos(p, true);
        const bool drag = !c || (!FCaptionBarControl && c == this) ||
                          (FCaptionBarControl && c == FCaptionBarControl) ||
                          (FCaptionBarControl && !c->OnClick && !c->OnMouseDown);
        if (drag) StartDrag(TMouseButton::mbLeft, KeysToShiftState(unsigned(Msg.WParam)), p.X, p.Y);
        break;
    }
    default:
        break;
    }
}

bool TfcCustomImageForm::FullWindowDrag() const {
    return FOptions.Contains(TfcImageFormOption::ifUseWindowsDrag) && Env().FullWindowDrag();
}

void TfcCustomImageForm::StartDrag(TMouseButton, TShiftState, int X, int Y) {
    if (FCaptionBarControl &&
        !PtInRect(Bounds(FCaptionBarControl->Left(), FCaptionBarControl->Top(),
                         FCaptionBarControl->Width(), FCaptionBarControl->Height()),
                  {X, Y}))
        return;
    TCustomForm* form = HostForm();
    if (!form) return;
    if (FullWindowDrag()) {
        SetCaptureControl(nullptr);
        if (StartSystemMove(form)) return;
        // The window system cannot move the window: our own loop moves it along live.
    }
    DragLoop(X, Y);
}

void TfcCustomImageForm::DragLoop(int X, int Y) {
    TCustomForm* form = HostForm();
    if (!form) return;
    bool firstMove = true;
    TCaptureLoop loop;
    loop.OnMessage = [&](TMessage& Msg) {
        if (Msg.Msg == WM_MOUSEMOVE) {
            DragMoveStep({X, Y}, Env().CursorPos(), firstMove);
            return true;
        }
        DragEndStep();
        return false;
    };
    loop.Run(form);
}

void TfcCustomImageForm::DragMoveStep(TPoint Press, TPoint Cursor, bool& FirstMove) {
    const TPoint p = ClientToScreen(Press);
    if (std::abs(Cursor.X - p.X) <= FDragTolerance && std::abs(Cursor.Y - p.Y) <= FDragTolerance)
        return;
    TCustomForm* form = HostForm();
    if (FullWindowDrag()) {
        FMoved = true;
        // Let the moves pile up a little and follow only the latest.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        DiscardMouseMoves(form);
        const TPoint c = Env().CursorPos();
        form->SetBounds(c.X - Press.X, c.Y - Press.Y, form->Width(), form->Height());
        return;
    }
    TScreenCanvas& dc = ScreenCanvas();
    if (FirstMove)
        FMoved = true;
    else
        DrawOutline(dc, FLastOutline);
    const TRect r = Bounds(Cursor.X - Press.X, Cursor.Y - Press.Y, form->Width(), form->Height());
    DrawOutline(dc, r);
    FLastOutline = r;
    FirstMove = false;
}

void TfcCustomImageForm::DragEndStep() {
    if (!FMoved) return;
    FMoved = false;
    if (FullWindowDrag()) return;
    TCustomForm* form = HostForm();
    DrawOutline(ScreenCanvas(), FLastOutline);
    form->SetBounds(FLastOutline.Left, FLastOutline.Top, form->Width(), form->Height());
    if (form->MouseCapture()) SetCaptureControl(nullptr);
}

void TfcCustomImageForm::DrawOutline(TScreenCanvas& DC, const TRect& R) {
    // Three nested dotted frames: a dotted frame three pixels thick.
    TRect r = R;
    for (int i = 0; i < 3; ++i) {
        DC.DrawFocusRect(r);
        InflateRect(r, -1, -1);
    }
}
