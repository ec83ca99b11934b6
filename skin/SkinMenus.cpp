// The stack of open skinned menu levels, the keys and presses its frame passes on, and the
// popup menu component that opens through a skinned frame.

#include "skin/SkinMenus.h"

#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/PostedCalls.h"

TSkinMenuHost* FindSkinMenuHost(const TComponent* Form) {
    if (!Form) return nullptr;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TSkinMenuHost*>(Form->Components(i))) return host;
    return nullptr;
}

TSkinMenu::TSkinMenu(TWinControl* AForm) : FForm(AForm), FTimers(new TComponent(nullptr)) {
    FDelayTimer = new TTimer(FTimers.get());
    FDelayTimer->SetEnabled(false);
    FDelayTimer->SetInterval(500);
    FDelayTimer->OnTimer = [this](TObject*) { DelayTick(); };
    FFreeTimer = new TTimer(FTimers.get());
    FFreeTimer->SetEnabled(false);
    FFreeTimer->SetInterval(0);
    FFreeTimer->OnTimer = [this](TObject*) { FreeClosed(); };
}

TSkinMenu::~TSkinMenu() {
    RestoreMessageFilter();
    for (auto& level : FLevels) level->CloseLevel();
    FLevels.clear();
    FClosed.clear();
}

bool TSkinMenu::Popup(TMenuItem* Item, TspSkinData* Skin, TPoint P, TCustomImageList* Images) {
    return OpenLevel(Item, Skin, {P.X, P.Y, P.X, P.Y}, false, Images);
}

bool TSkinMenu::PopupUnder(TMenuItem* Item, TspSkinData* Skin, const TRect& R,
                           TCustomImageList* Images) {
    return OpenLevel(Item, Skin, R, false, Images);
}

bool TSkinMenu::OpenLevel(TMenuItem* Item, TspSkinData* Skin, const TRect& Anchor, bool SubMenu,
                          TCustomImageList* Images) {
    if (!Item || !Skin || Skin->NoSkin()) return false;
    if (!SubMenu) {
        CloseAll();
        FWorkArea = Env().WorkArea();
        FSkinData = Skin;
        FImages = Images;
    }
    FLevels.push_back(std::make_unique<TSkinPopupWindow>(this, Skin));
    TSkinPopupWindow* level = FLevels.back().get();
    level->Open(Item, Anchor, SubMenu, Images);
    if (!level->HasSkin()) {
        // A skin without a menu item picture shows no menu at all.
        FClosed.push_back(std::move(FLevels.back()));
        FLevels.pop_back();
        FFreeTimer->SetEnabled(true);
        return false;
    }
    if (FLevels.size() == 1) {
        InstallMessageFilter();
        if (OnOpen) OnOpen(nullptr);
    }
    return true;
}

int TSkinMenu::LevelIndex(const TSkinPopupWindow* Level) const {
    for (size_t i = 0; i < FLevels.size(); ++i)
        if (FLevels[i].get() == Level) return int(i);
    return -1;
}

void TSkinMenu::CloseAfter(const TSkinPopupWindow* Level) {
    const int i = LevelIndex(Level);
    if (i >= 0) CloseMenu(i + 1);
}

void TSkinMenu::CloseMenu(int EndIndex) {
    if (EndIndex < 0 || EndIndex >= Count()) return;
    while (Count() > EndIndex) {
        std::unique_ptr<TSkinPopupWindow> level = std::move(FLevels.back());
        FLevels.pop_back();
        if (FWaitItem && FWaitItem->Window == level.get()) FWaitItem = nullptr;
        level->CloseLevel();
        // Freed from the event loop: the level may be the one handling the event now.
        FClosed.push_back(std::move(level));
    }
    FFreeTimer->SetEnabled(true);
    if (EndIndex > 0) {
        TSkinPopupWindow* parent = FLevels.back().get();
        for (int i = 0; i < parent->ItemCount(); ++i) parent->Items(i)->SubMenuOpened = false;
        return;
    }
    FDelayTimer->SetEnabled(false);
    FWaitItem = nullptr;
    RestoreMessageFilter();
    if (FForm) FForm->SendWindowMessage(SKINMSG_MENUCLOSED);
    if (NotifyControl) NotifyControl->SendWindowMessage(SKINMSG_MENUCLOSED);
}

void TSkinMenu::FreeClosed() {
    FFreeTimer->SetEnabled(false);
    FClosed.clear();
}

void TSkinMenu::PopupSubMenu(TSkinMenuItem& Item) {
    TSkinPopupWindow* w = Item.Window;
    CloseAfter(w);
    FDelayTimer->SetEnabled(false);
    FWaitItem = nullptr;
    Item.SubMenuOpened = true;
    const TRect& r = Item.ObjectRect;
    const TRect screen{r.Left + w->Left(), r.Top + w->Top(), r.Right + w->Left(),
                       r.Bottom + w->Top()};
    TCustomImageList* images = Item.MenuItem->SubMenuImages();
    if (!OpenLevel(Item.MenuItem, FSkinData, screen, true, images ? images : FImages))
        Item.SubMenuOpened = false;
}

void TSkinMenu::WaitSubMenu(TSkinMenuItem& Item) {
    FWaitItem = &Item;
    FDelayTimer->SetEnabled(false);
    FDelayTimer->SetEnabled(true);
}

void TSkinMenu::CancelWait(const TSkinMenuItem& Item) {
    if (FWaitItem != &Item) return;
    FWaitItem = nullptr;
    FDelayTimer->SetEnabled(false);
}

void TSkinMenu::DelayTick() {
    FDelayTimer->SetEnabled(false);
    TSkinMenuItem* item = FWaitItem;
    FWaitItem = nullptr;
    if (item && LevelIndex(item->Window) >= 0 && item->Active) PopupSubMenu(*item);
}

void TSkinMenu::ItemClicked(TMenuItem* Item) {
    CloseAll();
    PostCall(Item->LifeToken(), [Item] { Item->Click(); });
}

bool TSkinMenu::FilterMessage(TMessage& Message) {
    if (!Visible()) return false;
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const unsigned key = unsigned(Message.WParam);
        if (key == VK_MENU) {
            CloseAll();
            return true;
        }
        TShiftState shift;
        if (Message.LParam & 1) shift.Include(TShiftStateItem::ssShift);
        if (Message.LParam & 2) shift.Include(TShiftStateItem::ssCtrl);
        if (Message.LParam & 4) shift.Include(TShiftStateItem::ssAlt);
        if (Deepest()->HandleMenuKey(key, shift)) return true;
        // Typing goes nowhere while the menu is open; shortcuts with Ctrl or Alt still work.
        return !(Message.LParam & 6);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const TPoint p = PointFromLParam(Message.LParam);
        for (const auto& level : FLevels)
            if (level->ContainsScreenPoint(p)) return false;
        // A press elsewhere only closes the menu.
        CloseAll();
        return true;
    }
    case WM_ACTIVATEAPP:
        CloseAll();
        return false;
    default:
        return false;
    }
}

void TSkinMenu::InstallMessageFilter() {
    if (FFilterInstalled) return;
    FFilterInstalled = true;
    std::weak_ptr<int> life = FLife;
    FPrevFilter = SetApplicationMessageFilter(
        [this, life](TMessage& M) { return !life.expired() && FilterMessage(M); });
}

void TSkinMenu::RestoreMessageFilter() {
    if (!FFilterInstalled) return;
    FFilterInstalled = false;
    SetApplicationMessageFilter(std::move(FPrevFilter));
    FPrevFilter = nullptr;
}

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

void TspSkinPopupMenu::SetSkinData(TspSkinData* Value) {
    if (FSkinData == Value) return;
    if (FSkinData) FSkinData->RemoveFreeNotification(this);
    FSkinData = Value;
    if (Value) Value->FreeNotification(this);
}

void TspSkinPopupMenu::SetOwnerForm(TComponent* Value) {
    if (FOwnerForm == Value) return;
    if (FOwnerForm) FOwnerForm->RemoveFreeNotification(this);
    FOwnerForm = Value;
    if (Value) Value->FreeNotification(this);
}

void TspSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TPopupMenu::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FSkinData) FSkinData = nullptr;
    if (AComponent == FOwnerForm) FOwnerForm = nullptr;
}

TSkinMenuHost* TspSkinPopupMenu::Host() const {
    TComponent* form = FOwnerForm ? FOwnerForm : Owner();
    if (auto* control = dynamic_cast<TControl*>(form); control && !dynamic_cast<TCustomForm*>(form))
        form = GetParentForm(control);
    return FindSkinMenuHost(form);
}

void TspSkinPopupMenu::Popup(int X, int Y) {
    PopupFromRect({X, Y, X, Y});
}

void TspSkinPopupMenu::PopupFromRect(const TRect& R) {
    if (OnPopup) OnPopup(this);
    TSkinMenuHost* host = Host();
    TspSkinData* skin = FSkinData ? FSkinData : host ? host->MenuSkinData() : nullptr;
    if (!host || !skin || !host->SkinMenu()) return;
    if (R.IsEmpty())
        host->SkinMenu()->Popup(Items(), skin, R.TopLeft(), Images());
    else
        host->SkinMenu()->PopupUnder(Items(), skin, R, Images());
}
