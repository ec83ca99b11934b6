#include "flat/HoverTimer.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

void THoverTimer::AddInstance() {
    if (FCount++ == 0) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetEnabled(false);
        FTimer->SetInterval(100);
        FTimer->OnTimer = [this](TObject*) { Tick(); };
    }
}

void THoverTimer::RemoveInstance(THoverClient* Client) {
    Release(Client);
    if (--FCount == 0) FTimer.reset();
}

void THoverTimer::MouseMoved(THoverClient* Client, TControl* Control, TPoint ScreenPos) {
    if (IsOwner(Client) || FindControlAtScreen(ScreenPos) != Control) return;
    if (FOwner) FOwner->HoverLeave();
    if (!Application->Active()) return;
    FTimer->SetEnabled(false);
    FOwner = Client;
    FOwnerControl = Control;
    FTimer->SetEnabled(true);
    Client->HoverEnter();
}

void THoverTimer::Release(THoverClient* Client) {
    if (!IsOwner(Client)) return;
    FTimer->SetEnabled(false);
    FOwner = nullptr;
    FOwnerControl = nullptr;
}

void THoverTimer::Tick() {
    if (FOwner && FindControlAtScreen(Env().CursorPos()) != FOwnerControl) FOwner->HoverLeave();
}
