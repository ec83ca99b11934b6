// The image-shaped form: properties, attaching to the host form and painting.

#include "shapedform/fcimageform.h"

#include "platform/Forms.h"

TfcCustomImageForm::TfcCustomImageForm(TComponent* AOwner) : TfcCustomImage(AOwner) {
    FDragTolerance = 5;
    SetAlign(TAlign::alClient);
    FTransparentColor = clNone;
}

TfcCustomImageForm::~TfcCustomImageForm() {
    // The hook calls back into this component: it goes first.
    delete FCapture;
    FCapture = nullptr;
}

TCustomForm* TfcCustomImageForm::HostForm() const {
    return GetParentForm(this);
}

void TfcCustomImageForm::SetParent(TWinControl* AParent) {
    // The component always sits on the form itself, whatever control it was dropped on.
    if (AParent && !dynamic_cast<TCustomForm*>(AParent)) AParent = GetParentForm(AParent);
    TfcCustomImage::SetParent(AParent);
    TCustomForm* form = HostForm();
    if (!form) return;
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    if (IsDesigning()) return;
    if (!FCapture) {
        FCapture = new TfcCaptureMessageClass(this);
        FCapture->OnAfterMessage = [this](TMessage& Msg) { MessageHook(Msg); };
    }
    if (FCapture->WindowHandle() != form) {
        FCapture->SetWindowHandle(form);
        FCapture->SetEnabled(true);
    }
}

void TfcCustomImageForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TfcCustomImage::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!AutoSize()) return;
    if (TCustomForm* form = HostForm()) {
        form->SetClientWidth(Width());
        form->SetClientHeight(Height());
    }
}

void TfcCustomImageForm::SetPicture(const TPicture* Value) {
    TfcCustomImage::SetPicture(Value);
    const int w = Picture()->Width(), h = Picture()->Height();
    if (w <= 0 || h <= 0) return;
    if (TCustomForm* form = HostForm()) {
        form->SetClientWidth(w);
        form->SetClientHeight(h);
    }
}

void TfcCustomImageForm::SetCaptionBarControl(TControl* Value) {
    if (FCaptionBarControl == Value) return;
    if (FCaptionBarControl) FCaptionBarControl->RemoveFreeNotification(this);
    FCaptionBarControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TfcCustomImageForm::Notification(TComponent* AComponent, TOperation Operation) {
    TfcCustomImage::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FCaptionBarControl) FCaptionBarControl = nullptr;
    if (AComponent == FCapture) FCapture = nullptr;
}

void TfcCustomImageForm::Paint() {
    if (FOptions.Contains(TfcImageFormOption::ifNoPaletteDither)) SetNoDither(true);
    TfcCustomImage::Paint();
}
