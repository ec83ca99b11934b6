#include "platform/Classes.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) {
    if (!AOwner) return;
    AOwner->InsertComponent(this);
    // Made while its owner is read from a description: it is being read too.
    if (AOwner->IsLoading()) FComponentState.Include(TComponentStateItem::csLoading);
}

TComponent::~TComponent() {
    SetDestroying();
    for (TComponent* c : std::vector<TComponent*>(FFreeNotifies)) {
        c->RemoveFreeNotification(this);
        c->Notification(this, TOperation::opRemove);
    }
    FFreeNotifies.clear();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    // The last created goes first, so later components never outlive what they were built on.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        FComponents.pop_back();
        c->FOwner = nullptr;
        delete c;
    }
}

TComponent* TComponent::FindComponent(const QString& AName) const {
    if (AName.isEmpty()) return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName.compare(AName, Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    AComponent->FOwner = this;
    FComponents.push_back(AComponent);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    AComponent->FOwner = nullptr;
    if (!IsDestroying()) Notification(AComponent, TOperation::opRemove);
}

void TComponent::BeginLoading() {
    FComponentState.Include(TComponentStateItem::csLoading);
    for (TComponent* c : FComponents) c->BeginLoading();
}

void TComponent::EndLoading() {
    for (TComponent* c : FComponents) c->EndLoading();
    if (IsLoading()) {
        FComponentState.Exclude(TComponentStateItem::csLoading);
        Loaded();
    }
}

void TComponent::Loaded() {}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
        FFreeNotifies.push_back(AComponent);
    if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
        AComponent->FFreeNotifies.end())
        AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    std::erase(FFreeNotifies, AComponent);
    std::erase(AComponent->FFreeNotifies, this);
}
