#include "skin/SkinCtrlsLabel.h"

#include "skin/SkinCtrlsBase.h"

TspSkinStdLabel::TspSkinStdLabel(TComponent* AOwner) : TLabel(AOwner) {
    SetTransparent(true);
}

TspSkinStdLabel::~TspSkinStdLabel() {
    if (FSD) FSD->RemoveFreeNotification(this);
}

void TspSkinStdLabel::SetSkinData(TspSkinData* Value) {
    if (FSD == Value) return;
    if (FSD) FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (!FSD) return;
    FSD->FreeNotification(this);
    if (!FSD->NoSkin() && !ComponentState().Contains(TComponentStateItem::csDesigning))
        ChangeSkinData();
}

void TspSkinStdLabel::ChangeSkinData() {
    if (!FSD || FSD->NoSkin()) return;
    const int i = FSD->FindControlDescription(FSkinDataName);
    if (i < 0) return;
    const auto* d =
        dynamic_cast<const TDataSkinStdLabelControl*>(FSD->ControlDescriptions()[i].get());
    if (!d) return;
    TFont font(*Font());
    AssignSkinFont(font, d->Font);
    SetFont(font);
}

void TspSkinStdLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TLabel::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD) FSD = nullptr;
}

void TspSkinStdLabel::WndProc(TMessage& Message) {
    if (Message.Msg == SKINMSG_AFTER_CHANGE) {
        if (FSD && Message.WParam == reinterpret_cast<WPARAM>(FSD)) ChangeSkinData();
        return;
    }
    if (Message.Msg == SKINMSG_BEFORE_CHANGE) return;
    TLabel::WndProc(Message);
}
