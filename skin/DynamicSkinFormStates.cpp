// The frame's objects under the mouse, their morphing, and the window's states: maximized to
// the work area, minimized, restored and rolled up to the caption.

#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"
#include "platform/WindowStates.h"

int TspDynamicSkinForm::ObjectAt(TPoint P) const {
    // The last object described lies on top.
    for (int i = ObjectCount() - 1; i >= 0; --i) {
        const TActiveSkinObject* o = FObjects[i].get();
        if (o->Visible && o->Enabled &&
            (!FRollUp || o->RollUp || dynamic_cast<const TSkinCaption*>(o)) &&
            PtInSkinRect(o->ObjectRect, P))
            return i;
    }
    return -1;
}

void TspDynamicSkinForm::SetHoverObject(int Index) {
    if (Index == FHoverObject) return;
    const int old = FHoverObject;
    FHoverObject = Index;
    if (old >= 0 && old < ObjectCount()) {
        TActiveSkinObject* o = Objects(old);
        if (!dynamic_cast<TSkinCaption*>(o)) o->MouseLeave();
        if (OnMouseLeaveEvent) OnMouseLeaveEvent(this, o->IDName);
    }
    if (Index >= 0) {
        TActiveSkinObject* o = Objects(Index);
        // A caption's look follows the form's activity, not the mouse.
        if (!dynamic_cast<TSkinCaption*>(o)) o->MouseEnter();
        if (OnMouseEnterEvent) OnMouseEnterEvent(this, o->IDName);
    }
}

void TspDynamicSkinForm::ObjectMouseDown(TPoint P, TMouseButton Button) {
    SetHoverObject(ObjectAt(P));
    if (FHoverObject < 0) return;
    TActiveSkinObject* o = Objects(FHoverObject);
    const int index = FHoverObject;
    o->MouseDown(P.X, P.Y, Button);
    if (OnMouseDownEvent) OnMouseDownEvent(this, o->IDName, P.X, P.Y, o->ObjectRect, Button);
    auto* std = dynamic_cast<TSkinStdButton*>(o);
    // The system menu button hands the mouse to the menu it opens.
    if (dynamic_cast<TSkinCaption*>(o) || (std && std->Command == TStdCommand::cmSysMenu)) return;
    FPressedObject = index;
    SetCaptureControl(FForm);
}

void TspDynamicSkinForm::ObjectMouseUp(TPoint P, TMouseButton Button) {
    const int index = FPressedObject >= 0 ? FPressedObject : FHoverObject;
    if (FPressedObject >= 0) {
        FPressedObject = -1;
        if (GetCaptureControl() == FForm) SetCaptureControl(nullptr);
    }
    if (index < 0 || index >= ObjectCount()) return;
    TActiveSkinObject* o = Objects(index);
    const QString id = o->IDName;
    const TRect r = o->ObjectRect;
    // A command may close the form or change the skin: the object may be gone afterwards.
    o->MouseUp(P.X, P.Y, Button);
    if (OnMouseUpEvent) OnMouseUpEvent(this, id, P.X, P.Y, r, Button);
}

void TspDynamicSkinForm::ReleasePressed() {
    if (FPressedObject < 0) return;
    if (FPressedObject < ObjectCount())
        if (auto* b = dynamic_cast<TSkinButton*>(Objects(FPressedObject)))
            b->MouseUp(-1, -1, TMouseButton::mbLeft);
    FPressedObject = -1;
    if (GetCaptureControl() == FForm) SetCaptureControl(nullptr);
}

void TspDynamicSkinForm::StartMorph() {
    if (!FMorphTimer->Enabled()) FMorphTimer->SetEnabled(true);
}

void TspDynamicSkinForm::MorphTick() {
    bool moving = false;
    for (auto& o : FObjects) {
        if (!o->InTransition()) continue;
        if (o->ChangeMorphKf()) moving = true;
        o->ReDraw();
    }
    if (!moving) FMorphTimer->SetEnabled(false);
}

void TspDynamicSkinForm::MouseTrackTick() {
    if (FSizeMove || !FForm) return;
    const TPoint c = Env().CursorPos();
    const TPoint p = FForm->ScreenToClient(c);
    if (!PtInRect(Rect(0, 0, FForm->Width(), FForm->Height()), p)) {
        SetHoverObject(-1);
        FMouseTrackTimer->SetEnabled(false);
        return;
    }
    if (PtInSkinRect(FGeometry.ClientRect, p)) SetHoverObject(-1);
}

void TspDynamicSkinForm::SetCaptionsActive(bool Active) {
    for (auto& o : FObjects)
        if (dynamic_cast<TSkinCaption*>(o.get())) o->SetActive(Active);
}

// ---------------------------------------------------------------------------------------------

TspWindowState TspDynamicSkinForm::WindowState() const {
    // Whoever restored the window from the window system, it is no longer minimized.
    if (FForm && WindowMinimized(FForm)) return TspWindowState::wsMinimized;
    return FWindowState == TspWindowState::wsMinimized ? TspWindowState::wsNormal : FWindowState;
}

void TspDynamicSkinForm::SetWindowState(TspWindowState Value) {
    switch (Value) {
    case TspWindowState::wsMaximized:
        MaximizeWindow();
        break;
    case TspWindowState::wsMinimized:
        MinimizeWindow();
        break;
    case TspWindowState::wsNormal:
        RestoreWindow();
        break;
    }
}

void TspDynamicSkinForm::MaximizeWindow() {
    if (!FForm) return;
    if (WindowState() == TspWindowState::wsMinimized) RestoreMinimizedWindow(FForm);
    if (FBoundsBeforeMaximize.IsEmpty()) FBoundsBeforeMaximize = FForm->BoundsRect();
    FWindowState = TspWindowState::wsMaximized;
    FForm->SetBoundsRect(Env().WorkArea());
    RedrawObject(nullptr);
}

void TspDynamicSkinForm::RestoreWindow() {
    if (!FForm) return;
    if (WindowState() == TspWindowState::wsMinimized) {
        RestoreMinimizedWindow(FForm);
        return;
    }
    if (FWindowState != TspWindowState::wsMaximized) return;
    FWindowState = TspWindowState::wsNormal;
    if (!FBoundsBeforeMaximize.IsEmpty()) FForm->SetBoundsRect(FBoundsBeforeMaximize);
    FBoundsBeforeMaximize = TRect{};
    RedrawObject(nullptr);
}

void TspDynamicSkinForm::MinimizeWindow() {
    if (!FForm) return;
    if (WindowState() == TspWindowState::wsMinimized) {
        RestoreMinimizedWindow(FForm);
        return;
    }
    // The main form takes the application's other windows with it.
    if (Application->MainForm() == FForm)
        for (TCustomForm* f : Screen->Forms())
            if (f != FForm && f->Showing()) ::MinimizeWindow(f);
    ::MinimizeWindow(FForm);
}

void TspDynamicSkinForm::SetRollUpState(bool Value) {
    if (Value == FRollUp) return;
    if (Value)
        RollUp();
    else
        UnRoll();
}

void TspDynamicSkinForm::RollUp() {
    if (!FForm || !FBorderIcons.Contains(TspBorderIcon::biRollUp) || !SkinLoaded() ||
        WindowState() == TspWindowState::wsMinimized)
        return;
    FHeightBeforeRollUp = FForm->Height();
    FRollUp = true;
    FForm->SetHeight(MinimumSize().cy);
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspDynamicSkinForm::UnRoll() {
    if (!FForm) return;
    FRollUp = false;
    FForm->SetHeight(FHeightBeforeRollUp);
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspDynamicSkinForm::MinimizeToTray() {
    if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TspDynamicSkinForm::RunCommand(TStdCommand Command) {
    if (!FForm) return;
    switch (Command) {
    case TStdCommand::cmClose: {
        // After the release that asked for it has been handled.
        TCustomForm* form = FForm;
        PostToWindow(form, [form] { form->Close(); });
        break;
    }
    case TStdCommand::cmMaximize:
        if (WindowState() == TspWindowState::wsMaximized)
            RestoreWindow();
        else
            MaximizeWindow();
        break;
    case TStdCommand::cmMinimize:
        MinimizeWindow();
        break;
    case TStdCommand::cmRollUp:
        SetRollUpState(!FRollUp);
        break;
    case TStdCommand::cmSysMenu:
    case TStdCommand::cmDefault:
        break;
    }
}
