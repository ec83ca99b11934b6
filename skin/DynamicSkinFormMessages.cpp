// The frame's message table. BeforeMessage sees the form's messages first and returns true for
// those it handles alone; messages it passes on reach AfterMessage once the form is done.

#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"
#include "platform/NonClient.h"

namespace {

TMouseButton NonClientButton(unsigned Msg) {
    return Msg == WM_NCLBUTTONDOWN || Msg == WM_NCLBUTTONUP || Msg == WM_NCLBUTTONDBLCLK
               ? TMouseButton::mbLeft
               : TMouseButton::mbRight;
}

} // namespace

bool TspDynamicSkinForm::BeforeMessage(TMessage& M) {
    switch (M.Msg) {
    case WM_NCHITTEST:
        return NonClientHitTest(M);
    case WM_NCCALCSIZE:
        // The frame's borders come off the window for the client area of a bordered form.
        if (FForm) Relayout(FForm->Width(), FForm->Height());
        if (FramePresent() && IsBordered() && M.LParam) {
            auto* r = reinterpret_cast<TRect*>(M.LParam);
            const TSkinFormInfo& info = FSkinData->FormInfo();
            const TBitmap* pic = FSkinData->FramePicture(TSkinSlot::Picture);
            r->Left += info.ClientRect.Left;
            r->Top += info.ClientRect.Top;
            r->Right += info.ClientRect.Right - pic->Width();
            r->Bottom += info.ClientRect.Bottom - pic->Height();
            r->Right = std::max(r->Right, r->Left);
            r->Bottom = std::max(r->Bottom, r->Top);
        }
        return true;
    case WM_NCPAINT:
        if (IsBordered() && FramePresent()) FForm->Invalidate();
        return true;
    case WM_NCLBUTTONDBLCLK:
        NonClientDoubleClick(M);
        return true;
    case WM_NCACTIVATE:
        Activation(M.WParam != 0);
        M.Result = 1;
        return true;
    case WM_GETMINMAXINFO:
        MinMaxInfo(M);
        return false;
    case WM_MOVING:
        Moving(M);
        return false;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
        if (FSupportNCArea) {
            FSizeMove = M.Msg == WM_ENTERSIZEMOVE;
            FFullDrag = Env().FullWindowDrag();
            RedrawObject(nullptr);
        }
        return false;
    case WM_SYSCOMMAND:
        if ((M.WParam & 0xFFF0) != SC_KEYMENU) return false;
        KeyMenu();
        return true;
    case WM_DESTROY:
        StopTimers();
        return false;
    case SKINMSG_BEFORE_CHANGE:
    case SKINMSG_AFTER_CHANGE:
        SkinChange(M);
        return false;
    case SKINMSG_MENUCLOSED:
        SkinMenuClosed();
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return CapturedMouse(M);
    case WM_CAPTURECHANGED:
        // Losing the mouse to someone else leaves no button pressed.
        if (FPressedObject >= 0 && GetCaptureControl() != FForm) ReleasePressed();
        return false;
    default:
        return false;
    }
}

void TspDynamicSkinForm::AfterMessage(TMessage& M) {
    switch (M.Msg) {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
        NonClientMouse(M);
        break;
    case WM_ACTIVATE:
        Activation((M.WParam & 0xFFFF) != 0);
        RedrawObject(nullptr);
        break;
    case WM_SETTEXT:
        RedrawObject(nullptr);
        break;
    case WM_SIZE:
        // While sizing live WM_SIZING has laid the frame out; the form still aligns its controls.
        if (FSizeMove && FFullDrag) break;
        if (FForm && FForm->Width() >= MinimumSize().cx && FForm->Height() >= MinimumSize().cy) {
            Relayout(FForm->Width(), FForm->Height());
            RedrawObject(nullptr);
        }
        break;
    case WM_SIZING:
        Sizing(M);
        break;
    default:
        break;
    }
}

bool TspDynamicSkinForm::NonClientHitTest(TMessage& M) {
    if (!FramePresent() || !FForm) return false;
    const TPoint p = FForm->ScreenToClient(PointFromLParam(M.LParam));
    M.Result = FrameHitTest(p);
    // The object under the mouse lights up; the tracking timer notices when the mouse leaves.
    SetHoverObject(M.Result == HTCLIENT ? -1 : ObjectAt(p));
    if (FHoverObject >= 0 && !FMouseTrackTimer->Enabled()) FMouseTrackTimer->SetEnabled(true);
    return true;
}

int TspDynamicSkinForm::FrameHitTest(TPoint P) const {
    TFrameHitState s;
    s.Geometry = FGeometry;
    s.Width = FForm ? FForm->Width() : 0;
    s.Height = FForm ? FForm->Height() : 0;
    s.BorderWidth = FSkinData ? FSkinData->FormInfo().BorderWidth : 0;
    s.Sizeable = FSizeable;
    const TspWindowState state = WindowState();
    s.Maximized = state == TspWindowState::wsMaximized;
    s.RolledUpOrMinimized = FRollUp || state == TspWindowState::wsMinimized;
    s.HasMask = FSkinData && !FSkinData->FramePicture(TSkinSlot::Mask)->Empty();
    const TRegion region = FForm ? WindowRegion(FForm) : TRegion();
    s.Region = &region;
    for (const auto& o : FObjects)
        if (o->Visible && dynamic_cast<const TSkinCaption*>(o.get()))
            s.Captions.push_back(o->ObjectRect);
    return ::FrameHitTest(s, P);
}

void TspDynamicSkinForm::NonClientMouse(TMessage& M) {
    if (!SkinLoaded() || !FForm) return;
    const TPoint p = FForm->ScreenToClient(PointFromLParam(M.LParam));
    const int hit = int(M.WParam);
    switch (M.Msg) {
    case WM_NCMOUSEMOVE:
        if (FHoverObject >= 0) {
            TActiveSkinObject* o = Objects(FHoverObject);
            o->MouseMove(p.X, p.Y);
            if (OnMouseMoveEvent) OnMouseMoveEvent(this, o->IDName, p.X, p.Y, o->ObjectRect);
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        ObjectMouseDown(p, NonClientButton(M.Msg));
        if (hit == HTCAPTION && M.Msg != WM_NCRBUTTONDOWN) ReleasePressed();
        break;
    default:
        ObjectMouseUp(p, NonClientButton(M.Msg));
        break;
    }
}

void TspDynamicSkinForm::NonClientDoubleClick(TMessage& M) {
    if (!SkinLoaded() || !FForm) return;
    const TPoint p = FForm->ScreenToClient(PointFromLParam(M.LParam));
    ObjectMouseDown(p, TMouseButton::mbLeft);
    ReleasePressed();
    if (int(M.WParam) != HTCAPTION) return;
    const TspWindowState s = WindowState();
    if (FSizeable && s == TspWindowState::wsMinimized)
        RestoreWindow();
    else if (FSizeable && s != TspWindowState::wsMaximized && !FRollUp)
        MaximizeWindow();
    else if (FSizeable && s == TspWindowState::wsMaximized && !FRollUp)
        RestoreWindow();
    else
        SetRollUpState(!FRollUp);
}

bool TspDynamicSkinForm::CapturedMouse(TMessage& M) {
    if (FPressedObject < 0 || GetCaptureControl() != FForm) return false;
    // The client point is the window point: the frame lies around the form's own surface.
    const TPoint p = PointFromLParam(M.LParam);
    TActiveSkinObject* o = Objects(FPressedObject);
    if (M.Msg == WM_MOUSEMOVE) {
        o->MouseMove(p.X, p.Y);
        if (OnMouseMoveEvent) OnMouseMoveEvent(this, o->IDName, p.X, p.Y, o->ObjectRect);
        return true;
    }
    ObjectMouseUp(p, M.Msg == WM_LBUTTONUP ? TMouseButton::mbLeft : TMouseButton::mbRight);
    return true;
}

void TspDynamicSkinForm::Activation(bool Active) {
    if (FFormActive == Active) return;
    FFormActive = Active;
    SetCaptionsActive(Active);
    if (Active && OnActivate) OnActivate(this);
    if (!Active && OnDeActivate) OnDeActivate(this);
}

void TspDynamicSkinForm::SkinChange(TMessage& M) {
    const bool ours = FSkinData && M.WParam == reinterpret_cast<WPARAM>(FSkinData);
    if (ours && M.Msg == SKINMSG_BEFORE_CHANGE) {
        StopTimers();
        DropObjects();
    }
    if (ours && M.Msg == SKINMSG_AFTER_CHANGE) ApplySkin();
    if (FForm) RelayToControls(FForm, M);
}

void TspDynamicSkinForm::RelayToControls(TWinControl* Parent, TMessage& M) {
    // Each skinned control decides from WParam whether the change is its skin's.
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl* c = Parent->Controls(i);
        c->Perform(M.Msg, M.WParam, M.LParam);
        if (c->IsWindowed()) RelayToControls(static_cast<TWinControl*>(c), M);
    }
}

void TspDynamicSkinForm::KeyMenu() {
    if (FMenuKeyboardMode) {
        FMenuKeyboardMode = false;
        if (OnMainMenuExit) OnMainMenuExit(this);
        return;
    }
    // With no main menu on the frame there is nothing to take the keyboard.
    if (!FMainMenuBar && FMainMenu) FMenuKeyboardMode = true;
    if (!FMainMenuBar && OnMainMenuEnter) OnMainMenuEnter(this);
}

void TspDynamicSkinForm::MinMaxInfo(TMessage& M) {
    if (!M.LParam || !FramePresent()) return;
    auto* info = reinterpret_cast<TMinMaxInfo*>(M.LParam);
    const TSize min = MinimumSize();
    info->MinTrackSize = {min.cx, min.cy};
    const TRect work = Env().WorkArea();
    info->MaxTrackSize = {work.Width(), work.Height()};
}

void TspDynamicSkinForm::Moving(TMessage& M) {
    if (!M.LParam || !FForm) return;
    auto* r = reinterpret_cast<TRect*>(M.LParam);
    if (WindowState() == TspWindowState::wsMaximized) {
        *r = FForm->BoundsRect();
        return;
    }
    if (FMagnetic) *r = MagneticSnap(*r, Env().WorkArea(), FMagneticSize);
}

void TspDynamicSkinForm::Sizing(TMessage& M) {
    if (!M.LParam || !FSizeMove || !FFullDrag || !FramePresent()) return;
    const auto* r = reinterpret_cast<const TRect*>(M.LParam);
    Relayout(r->Width(), r->Height());
    RedrawObject(nullptr);
}
