#include "skin/spTrayIcon.h"

#include "platform/Environment.h"
#include "platform/Forms.h"

namespace {

// What the notification area shows of a tip: 127 characters and the terminating zero.
constexpr int kTipLength = 127;

TTimer* NewTimer(TComponent* Owner, std::function<void()> Tick) {
    auto* t = new TTimer(Owner);
    t->SetEnabled(false);
    t->OnTimer = [Tick = std::move(Tick)](TObject*) { Tick(); };
    return t;
}

} // namespace

TspTrayIcon::TspTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
    FClickTimer = NewTimer(this, [this] { ClickTick(); });
    FCycleTimer = NewTimer(this, [this] { CycleTick(); });
    if (!ComponentState().Contains(TComponentStateItem::csDesigning)) GetApplicationIcon(FIcon);
    FNotify = CreateNotifyIcon();
    std::weak_ptr<int> life = FLife;
    FNotify->OnMouse = [this, life](TTrayMouse E) {
        if (!life.expired()) TrayMouse(E);
    };
    FNotify->OnAreaCreated = [this, life] {
        if (!life.expired()) AreaCreated();
    };
}

TspTrayIcon::~TspTrayIcon() {
    FLife.reset();
    if (FNotify) FNotify->Delete();
    UnwatchMinimize(FMinimizeWatch);
}

void TspTrayIcon::Loaded() {
    const bool designing = ComponentState().Contains(TComponentStateItem::csDesigning);
    if (FMinimizedOnStart && !designing) {
        Application->SetShowMainForm(false);
        if (TCustomForm* f = MainForm()) HideWindowToTray(f);
    }
    WatchForm();
    Modified();
    Send(FIconVisible);
}

TCustomForm* TspTrayIcon::MainForm() const {
    if (TCustomForm* f = Application->MainForm()) return f;
    return dynamic_cast<TCustomForm*>(Owner());
}

bool TspTrayIcon::MaySend() const {
    return !ComponentState().Contains(TComponentStateItem::csDesigning) || FDesignPreview;
}

QString TspTrayIcon::TipText() const {
    if (!FShowHint || FHint.isEmpty()) return {};
    QString tip = FHint.left(kTipLength);
    // Never half a character made of two code units.
    if (tip.size() == kTipLength && tip.back().isHighSurrogate()) tip.chop(1);
    return tip;
}

void TspTrayIcon::Send(bool Add) {
    if (!MaySend()) return;
    if (Add)
        FNotify->Add(FIcon, TipText());
    else
        FNotify->Delete();
}

void TspTrayIcon::Modified() {
    if (MaySend() && FIconVisible) FNotify->Modify(FIcon, TipText());
}

void TspTrayIcon::SetIcon(const TIcon& Value) {
    FIcon.LoadFromData(Value.SaveToData());
    FOwnIcon = true;
    Modified();
}

void TspTrayIcon::SetIconVisible(bool Value) {
    if (FIconVisible == Value) return;
    FIconVisible = Value;
    Send(Value);
}

void TspTrayIcon::SetHint(const QString& Value) {
    if (FHint == Value) return;
    FHint = Value;
    Modified();
}

void TspTrayIcon::SetShowHint(bool Value) {
    if (FShowHint == Value) return;
    FShowHint = Value;
    Modified();
}

void TspTrayIcon::SetDesignPreview(bool Value) {
    if (FDesignPreview == Value) return;
    FDesignPreview = Value;
    if (ComponentState().Contains(TComponentStateItem::csDesigning) && FIconVisible)
        Value ? (void)FNotify->Add(FIcon, TipText()) : FNotify->Delete();
}

void TspTrayIcon::SetPopupMenu(TspSkinPopupMenu* Value) {
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TspTrayIcon::SetIconList(TCustomImageList* Value) {
    if (FIconList) FIconList->RemoveFreeNotification(this);
    FIconList = Value;
    if (Value) Value->FreeNotification(this);
    SetIconIndex(FIconIndex);
}

void TspTrayIcon::SetIconIndex(int Value) {
    if (!FIconList || FIconList->Count() == 0) {
        FIconIndex = 0;
        return;
    }
    FIconIndex = std::clamp(Value, 0, FIconList->Count() - 1);
    GetImageListIcon(*FIconList, FIconIndex, FIcon);
    Modified();
}

void TspTrayIcon::SetCycleIcons(bool Value) {
    FCycleIcons = Value;
    if (Value) SetIconIndex(0);
    UpdateCycleTimer();
}

void TspTrayIcon::SetAnimateTimerInterval(unsigned Value) {
    FAnimateInterval = Value;
    UpdateCycleTimer();
}

void TspTrayIcon::UpdateCycleTimer() {
    // An interval of 0 would spin: cycling waits until it has one.
    FCycleTimer->SetInterval(FAnimateInterval);
    FCycleTimer->SetEnabled(FCycleIcons && FAnimateInterval > 0);
}

void TspTrayIcon::CycleTick() {
    if (!FIconList || FIconList->Count() == 0) return;
    SetIconIndex(FIconIndex);
    const int next = FIconIndex + 1 < FIconList->Count() ? FIconIndex + 1 : 0;
    if (OnCycle) OnCycle(this, next);
    FIconIndex = next;
}

void TspTrayIcon::SetMinimizeToTray(bool Value) {
    FMinimizeToTray = Value;
    WatchForm();
}

void TspTrayIcon::WatchForm() {
    if (FMinimizeWatch || !FMinimizeToTray) return;
    TCustomForm* f = MainForm();
    if (!f || ComponentState().Contains(TComponentStateItem::csDesigning)) return;
    std::weak_ptr<int> life = FLife;
    FMinimizeWatch = WatchMinimize(f, [this, life] {
        if (!life.expired() && FMinimizeToTray) HideToTray();
    });
}

void TspTrayIcon::HideToTray() {
    if (TCustomForm* f = MainForm()) HideWindowToTray(f);
    SetIconVisible(true);
    if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TspTrayIcon::RestoreFromTray() {
    if (TCustomForm* f = MainForm()) RestoreWindowFromTray(f);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}

void TspTrayIcon::AreaCreated() {
    if (FIconVisible) Send(true);
}

TShiftState TspTrayIcon::Shift(TMouseButton B) const {
    TShiftState s;
    const unsigned m = Env().KeyModifiers();
    if (m & 1) s.Include(TShiftStateItem::ssShift);
    if (m & 2) s.Include(TShiftStateItem::ssCtrl);
    if (m & 4) s.Include(TShiftStateItem::ssAlt);
    s.Include(B == TMouseButton::mbLeft    ? TShiftStateItem::ssLeft
              : B == TMouseButton::mbRight ? TShiftStateItem::ssRight
                                           : TShiftStateItem::ssMiddle);
    return s;
}

void TspTrayIcon::Button(TTrayMouse Event, TMouseButton B, bool Down) {
    (void)Event;
    const TPoint p = Env().CursorPos();
    const TMouseEvent& handler = Down ? OnMouseDown : OnMouseUp;
    if (handler) handler(this, B, Shift(B), p.X, p.Y);
}

void TspTrayIcon::TrayMouse(TTrayMouse Event) {
    if (!FEnabled) return;
    switch (Event) {
    case TTrayMouse::Move: {
        const TPoint p = Env().CursorPos();
        if (OnMouseMove) OnMouseMove(this, Shift(TMouseButton::mbLeft), p.X, p.Y);
        break;
    }
    case TTrayMouse::LeftDown:
        FClickTimer->SetInterval(unsigned(Env().DoubleClickTime()));
        FClickTimer->SetEnabled(false);
        FClickTimer->SetEnabled(true);
        Button(Event, TMouseButton::mbLeft, true);
        FClickPending = true;
        if (FPopupByLeftButton) Popup();
        break;
    case TTrayMouse::LeftUp:
        if (FClickPending) {
            FClickPending = false;
            FClickReady = true;
            // The double-click time is already over: nothing can make it a double click.
            if (!FClickTimer->Enabled()) {
                FClickReady = false;
                if (OnClick) OnClick(this);
            }
        }
        Button(Event, TMouseButton::mbLeft, false);
        break;
    case TTrayMouse::LeftDouble: {
        FDblClick = true;
        if (OnDblClick) OnDblClick(this);
        if (!FPopupMenu || !FPopupMenu->AutoPopup() || FPopupByLeftButton) break;
        TMenuItem* root = FPopupMenu->Items();
        for (int i = 0; i < root->Count(); ++i)
            if (root->Items(i)->Default()) {
                root->Items(i)->Click();
                break;
            }
        break;
    }
    case TTrayMouse::RightDown:
        Button(Event, TMouseButton::mbRight, true);
        Popup();
        break;
    case TTrayMouse::RightUp:
        Button(Event, TMouseButton::mbRight, false);
        break;
    case TTrayMouse::MiddleDown:
        Button(Event, TMouseButton::mbMiddle, true);
        break;
    case TTrayMouse::MiddleUp:
        Button(Event, TMouseButton::mbMiddle, false);
        break;
    }
}

void TspTrayIcon::ClickTick() {
    FClickTimer->SetEnabled(false);
    const bool click = !FDblClick && FClickReady;
    // A press still held when the time is over is judged at its release instead.
    FClickReady = false;
    FDblClick = false;
    if (click && OnClick) OnClick(this);
}

void TspTrayIcon::Popup() {
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) return;
    FPopupMenu->SetPopupComponent(this);
    const TPoint p = Env().CursorPos();
    FPopupMenu->Popup(p.X, p.Y);
}

void TspTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (AComponent == FIconList) {
        FIconList = nullptr;
        FIconIndex = 0;
    }
}
