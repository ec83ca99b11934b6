#include "shapedform/fcmsg.h"

#include "platform/SysUtils.h"

TfcCaptureMessageClass::TfcCaptureMessageClass(TComponent* AOwner) : TComponent(AOwner) {}

TfcCaptureMessageClass::~TfcCaptureMessageClass() {
    UnhookWindow();
    if (FWindowHandle) FWindowHandle->RemoveFreeNotification(this);
}

void TfcCaptureMessageClass::SetWindowHandle(TWinControl* Value) {
    if (FWindowHandle == Value) return;
    if (FWindowHandle) {
        UnhookWindow();
        FWindowHandle->RemoveFreeNotification(this);
    }
    FWindowHandle = Value;
    if (!FWindowHandle) return;
    // Told when the window goes, so that a window that no longer exists is never touched.
    FWindowHandle->FreeNotification(this);
    if (FEnabled) HookWindow();
}

void TfcCaptureMessageClass::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    if (Value)
        HookWindow();
    else
        UnhookWindow();
}

void TfcCaptureMessageClass::HookWindow() {
    if (!FWindowHandle || FHookId != 0) return;
    FHookId = FWindowHandle->HookWindowProc(
        [this](TMessage& Msg, bool& CallDefault) { BeforeMessage(Msg, CallDefault); },
        [this](TMessage& Msg) { AfterMessage(Msg); });
    if (FHookId == 0) {
        FEnabled = false;
        throw EOutOfResources("Windows Resources Exhausted");
    }
    FEnabled = true;
}

void TfcCaptureMessageClass::UnhookWindow() {
    if (FWindowHandle && FHookId != 0) FWindowHandle->UnhookWindowProc(FHookId);
    FHookId = 0;
    FEnabled = false;
}

void TfcCaptureMessageClass::BeforeMessage(TMessage& Msg, bool& CallDefault) {
    if (OnBeforeMessage) OnBeforeMessage(this, Msg, CallDefault);
}

void TfcCaptureMessageClass::AfterMessage(TMessage& Msg) {
    if (OnAfterMessage) OnAfterMessage(Msg);
}

void TfcCaptureMessageClass::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FWindowHandle) {
        // The window and its hooks are gone already.
        FWindowHandle = nullptr;
        FHookId = 0;
        FEnabled = false;
    }
}
