// Hooks on a windowed control's window procedure.

#include "platform/Controls.h"

#include <algorithm>

struct TWinControl::TWindowHook {
    int Id = 0;
    bool Removed = false;
    TWindowHookBefore Before;
    TWindowHookAfter After;
};

TWinControl::TWindowHookList::~TWindowHookList() {
    for (const std::shared_ptr<TWindowHook>& h : Items) h->Removed = true;
}

int TWinControl::HookWindowProc(TWindowHookBefore Before, TWindowHookAfter After) {
    if (IsDestroying()) return 0;
    auto hook = std::make_shared<TWindowHook>();
    hook->Id = ++FLastHookId;
    hook->Before = std::move(Before);
    hook->After = std::move(After);
    FHooks.Items.push_back(hook);
    return hook->Id;
}

void TWinControl::UnhookWindowProc(int Id) {
    auto it = std::find_if(FHooks.Items.begin(), FHooks.Items.end(),
                           [Id](const std::shared_ptr<TWindowHook>& H) { return H->Id == Id; });
    if (it == FHooks.Items.end()) return;
    // A message on its way through the hooks still holds this one: it must not be called again.
    (*it)->Removed = true;
    FHooks.Items.erase(it);
}

LRESULT TWinControl::SendWindowMessage(unsigned Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    Dispatch(m, nullptr, nullptr);
    return m.Result;
}

void TWinControl::WindowProcedure(TMessage& Message) {
    if (FHooks.Items.empty()) {
        WndProc(Message);
        return;
    }
    // Hooks may come and go while the message is handled; it goes through those of now.
    const std::vector<std::shared_ptr<TWindowHook>> hooks = FHooks.Items;
    CallHooks(Message, hooks, hooks.size());
}

void TWinControl::CallHooks(TMessage& Message,
                            const std::vector<std::shared_ptr<TWindowHook>>& Hooks, size_t Count) {
    if (Count == 0) {
        WndProc(Message);
        return;
    }
    const std::shared_ptr<TWindowHook>& hook = Hooks[Count - 1];
    if (hook->Removed) {
        CallHooks(Message, Hooks, Count - 1);
        return;
    }
    bool callDefault = true;
    if (hook->Before) hook->Before(Message, callDefault);
    if (!callDefault) return;
    CallHooks(Message, Hooks, Count - 1);
    if (!hook->Removed && hook->After) hook->After(Message);
}
