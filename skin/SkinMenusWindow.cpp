// A level of a skinned menu: opening, hover tracking by the cursor, scrolling, keys and clicks.

#include "skin/SPEffBmp.h"
#include "skin/SkinMenus.h"

#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/Regions.h"

#include <algorithm>

namespace {

// Height of the scrolling bands at the top and bottom of a scrollable level.
constexpr int kBand = 10;

TTimer* NewTimer(TComponent* Owner, unsigned Interval, std::function<void()> Tick) {
    auto* t = new TTimer(Owner);
    t->SetEnabled(false);
    t->SetInterval(Interval);
    t->OnTimer = [Tick = std::move(Tick)](TObject*) { Tick(); };
    return t;
}

bool IsAccelKey(unsigned Key) {
    return (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z');
}

} // namespace

TSkinPopupWindow::TSkinPopupWindow(TSkinMenu* AMenu, TspSkinData* ASkinData)
    : TPopupControl(nullptr), FMenu(AMenu), FSkinData(ASkinData) {
    FTrackTimer = NewTimer(this, 50, [this] { MenuTrackTick(); });
    FMorphTimer = NewTimer(this, 20, [this] { ItemMorphTick(); });
    FShowTimer = NewTimer(this, 100, [this] { DelayedShow(); });
    FScrollTimer = NewTimer(this, 100, [this] { MenuScrollTick(); });
}

TSkinPopupWindow::~TSkinPopupWindow() = default;

void TSkinPopupWindow::BuildItems(TMenuItem* Item) {
    FItems.clear();
    for (int i = 0; i < Item->Count(); ++i)
        if (Item->Items(i)->Visible())
            FItems.push_back(std::make_unique<TSkinMenuItem>(this, Item->Items(i)));
}

void TSkinPopupWindow::Open(TMenuItem* Item, const TRect& Anchor, bool SubMenu,
                            TCustomImageList* Images) {
    FParentItem = Item;
    FImages = Images;
    FImageColumn = Images ? Images->Width() + 5 : 16;
    const int mi = FSkinData->FindObjectDescription(QStringLiteral("MENUITEM"));
    FMenuItemSkin =
        mi < 0 ? nullptr
               : dynamic_cast<const TDataSkinMenuItem*>(FSkinData->ObjectDescriptions()[mi].get());
    if (!FMenuItemSkin) {
        SetBounds(Anchor.Left, Anchor.Bottom, 0, 0);
        return;
    }
    const TDataSkinPopupWindow& pw = FSkinData->PopupWindow();
    FPicture = FSkinData->Picture(pw.WindowPictureIndex);
    FMask = FSkinData->Picture(pw.MaskPictureIndex);
    SetFont(SkinMenuFont(*FMenuItemSkin));
    BuildItems(Item);

    std::vector<TMenuItem*> shown;
    for (const auto& i : FItems) shown.push_back(i->MenuItem);
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->SetFont(*Font());
    const TRect& work = FMenu->WorkArea();
    TSize size = SkinMenuWindowSize(*FSkinData, shown, *measure.Canvas(), FImageColumn,
                                    work.Height(), FScrollable);
    const TSkinPoints old{pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect};
    const TRect r = FPicture ? Rect(0, 0, FPicture->Width(), FPicture->Height()) : TRect{};
    int w = size.cx, h = size.cy;
    FNewPoints = ResizeSkinPoints(old, TSkinResizeMode::Both, r, w, h);
    FNewItemsRect = FNewPoints.CR;
    FTopIndex = 0;
    LayoutItems();

    const TPoint at =
        SubMenu ? PlaceSkinSubMenu(Anchor, size, work) : PlaceSkinMenu(Anchor, size, work);
    SetBounds(at.X, at.Y, size.cx, size.cy);
    MakeRegion();
    ShowLevel();
}

void TSkinPopupWindow::LayoutItems() {
    const int top = FNewItemsRect.Top + (FScrollable ? kBand : 0);
    const int bottom = FNewItemsRect.Bottom - (FScrollable ? kBand : 0);
    int y = top;
    FVisibleCount = 0;
    bool full = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TSkinMenuItem& item = *FItems[i];
        const int h = item.Height(*FMenuItemSkin);
        item.Visible = false;
        if (i < FTopIndex || full) continue;
        if (y + h > bottom) {
            full = true;
            continue;
        }
        item.ObjectRect = {FNewItemsRect.Left, y, FNewItemsRect.Right, y + h};
        item.Visible = true;
        ++FVisibleCount;
        y += h;
    }
}

void TSkinPopupWindow::MakeRegion() {
    if (!FPicture || !FMask || FMask->Empty()) return;
    const TDataSkinPopupWindow& pw = FSkinData->PopupWindow();
    const TSkinPoints old{pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect};
    const TRect r = Rect(0, 0, FPicture->Width(), FPicture->Height());
    std::unique_ptr<TRegion> region =
        BuildFrameRegion(old, FNewPoints, *FMask, r, Width(), Height());
    if (region) SetWindowRegion(this, region.get(), false);
}

void TSkinPopupWindow::ShowLevel() {
    FEmulated = false;
    FLayered = false;
    if (FMenu->MenusTransparent) {
        if (FMenu->AlphaBlendSupport && LayeredWindowsAvailable()) {
            FLayered = true;
            SetWindowTranslucency(this, FMenu->MenusTransparentValue);
        } else {
            // The window blends itself with what lay under it before it showed.
            FEmulated = true;
            FShowTimer->SetEnabled(true);
            return;
        }
    }
    DelayedShow();
}

void TSkinPopupWindow::DelayedShow() {
    FShowTimer->SetEnabled(false);
    if (FEmulated) {
        TBitmap shot;
        shot.SetSize(Width() + 1, Height() + 1);
        CaptureScreenArea(Left(), Top(), shot);
        FCapture = std::make_unique<TspEffectBmp>(shot);
    }
    Show();
    FOldCursor = Env().CursorPos();
    FTrackTimer->SetEnabled(true);
    SetItemIndex(NextSelectable(-1, 1));
}

void TSkinPopupWindow::CloseLevel() {
    FTrackTimer->SetEnabled(false);
    FMorphTimer->SetEnabled(false);
    FShowTimer->SetEnabled(false);
    FScrollTimer->SetEnabled(false);
    Hide();
}

int TSkinPopupWindow::ItemAtPos(TPoint P) const {
    for (int i = 0; i < ItemCount(); ++i) {
        const TSkinMenuItem& item = *FItems[i];
        const TRect& r = item.ObjectRect;
        if (item.Visible && P.X >= r.Left && P.X < r.Right && P.Y >= r.Top && P.Y < r.Bottom)
            return i;
    }
    return -1;
}

void TSkinPopupWindow::MenuTrackTick() {
    const TPoint p = Env().CursorPos();
    if (p == FOldCursor) return;
    FOldCursor = p;
    if (!ContainsScreenPoint(p)) {
        if (FScrollCode != smsNone) StopScroll();
        return;
    }
    const TPoint local{p.X - Left(), p.Y - Top()};
    if (FScrollable && UpdateScrollBands(local)) return;
    UpdateHover(local);
}

bool TSkinPopupWindow::UpdateScrollBands(TPoint P) {
    const TRect& ir = FNewItemsRect;
    const bool across = P.X >= ir.Left && P.X < ir.Right;
    const bool top = across && P.Y >= ir.Top && P.Y < ir.Top + kBand;
    const bool bottom = across && P.Y >= ir.Bottom - kBand && P.Y < ir.Bottom;
    const int want = top && CanScroll(smsUp)        ? smsUp
                     : bottom && CanScroll(smsDown) ? smsDown
                                                    : smsNone;
    if (want == smsNone) {
        if (FScrollCode != smsNone) StopScroll();
        return top || bottom;
    }
    if (want != FScrollCode) StartScroll(want);
    return true;
}

void TSkinPopupWindow::StartScroll(int Direction) {
    FScrollCode = Direction;
    Invalidate();
    FMenu->CloseAfter(this);
    FScrollTimer->SetEnabled(true);
}

void TSkinPopupWindow::StopScroll() {
    FScrollCode = smsNone;
    FScrollTimer->SetEnabled(false);
    Invalidate();
}

void TSkinPopupWindow::MenuScrollTick() {
    if (FScrollCode == smsNone || !ScrollOne(FScrollCode)) StopScroll();
}

bool TSkinPopupWindow::CanScroll(int Direction) const {
    if (!FScrollable) return false;
    if (Direction == smsUp) return FTopIndex > 0;
    if (Direction == smsDown) return FTopIndex + FVisibleCount < ItemCount();
    return false;
}

bool TSkinPopupWindow::ScrollOne(int Direction) {
    if (!CanScroll(Direction)) return false;
    FTopIndex += Direction == smsUp ? -1 : 1;
    LayoutItems();
    Invalidate();
    return true;
}

void TSkinPopupWindow::UpdateHover(TPoint P) {
    const int i = ItemAtPos(P);
    if (i >= 0 && i != FItemIndex) SetItemIndex(i);
}

void TSkinPopupWindow::SetItemIndex(int Index) {
    if (Index < -1 || Index >= ItemCount()) Index = -1;
    if (Index == FItemIndex) return;
    if (FItemIndex >= 0 && FItems[FItemIndex]->Selectable()) ItemDeactivated(*FItems[FItemIndex]);
    FItemIndex = Index;
    if (Index >= 0 && FItems[Index]->Selectable()) ItemActivated(*FItems[Index]);
}

void TSkinPopupWindow::ItemActivated(TSkinMenuItem& Item) {
    for (auto& other : FItems)
        if (other.get() != &Item && other->Active) {
            other->Active = false;
            RedrawItem(*other);
        }
    Item.Active = true;
    if (Item.SubMenuOpened) {
        // Back from its open submenu: that level starts over without a current item.
        const int next = FMenu->LevelIndex(this) + 1;
        if (next < FMenu->Count()) {
            FMenu->CloseAfter(FMenu->Level(next));
            FMenu->Level(next)->SetItemIndex(-1);
        }
        RedrawItem(Item);
        return;
    }
    RedrawItem(Item);
    FMenu->CloseAfter(this);
    if (Item.HasSubMenu()) FMenu->WaitSubMenu(Item);
}

void TSkinPopupWindow::ItemDeactivated(TSkinMenuItem& Item) {
    Item.Active = false;
    RedrawItem(Item);
    FMenu->CancelWait(Item);
}

void TSkinPopupWindow::RedrawItem(const TSkinMenuItem& Item) {
    (void)Item;
    if (FMenuItemSkin && FMenuItemSkin->Morphing)
        StartMorph();
    else
        for (auto& i : FItems) i->Kf = i->Active ? 1 : 0;
    Invalidate();
}

void TSkinPopupWindow::StartMorph() {
    FMorphTimer->SetEnabled(true);
}

void TSkinPopupWindow::ItemMorphTick() {
    bool moving = false;
    for (auto& i : FItems) {
        if (!i->Morphing()) continue;
        i->Kf = std::clamp(i->Kf + (i->Active ? 0.1 : -0.1), 0.0, 1.0);
        moving = moving || i->Morphing();
    }
    Invalidate();
    if (!moving) FMorphTimer->SetEnabled(false);
}

int TSkinPopupWindow::NextSelectable(int From, int Step) const {
    const int n = ItemCount();
    if (n == 0) return -1;
    int i = From;
    for (int k = 0; k < n; ++k) {
        i = ((i + Step) % n + n) % n;
        if (From < 0 && Step < 0 && k == 0) i = n - 1;
        if (FItems[i]->Selectable()) return i;
    }
    return -1;
}

void TSkinPopupWindow::EnsureShown(int Index) {
    if (!FScrollable || Index < 0) return;
    if (Index < FTopIndex)
        FTopIndex = Index;
    else
        while (FVisibleCount > 0 && Index >= FTopIndex + FVisibleCount &&
               FTopIndex + FVisibleCount < ItemCount()) {
            ++FTopIndex;
            LayoutItems();
        }
    LayoutItems();
    Invalidate();
}

void TSkinPopupWindow::MoveTo(int Index) {
    if (Index < 0) return;
    EnsureShown(Index);
    SetItemIndex(Index);
}

void TSkinPopupWindow::ClickItem(int Index) {
    if (Index < 0 || Index >= ItemCount()) return;
    TSkinMenuItem& item = *FItems[Index];
    if (!item.Selectable()) return;
    if (!item.HasSubMenu()) {
        FMenu->ItemClicked(item.MenuItem);
        return;
    }
    item.SubMenuOpened = true;
    FMenu->PopupSubMenu(item);
}

bool TSkinPopupWindow::HandleMenuKey(unsigned Key, TShiftState Shift) {
    (void)Shift;
    if (IsAccelKey(Key))
        for (int i = 0; i < ItemCount(); ++i)
            if (FItems[i]->Selectable() && IsAccel(Key, FItems[i]->MenuItem->Caption())) {
                MoveTo(i);
                ClickItem(i);
                return true;
            }
    switch (Key) {
    case VK_RETURN:
        ClickItem(FItemIndex);
        return true;
    case VK_ESCAPE:
        FMenu->CloseMenu(FMenu->LevelIndex(this));
        return true;
    case VK_LEFT:
        if (FMenu->Count() >= 2) FMenu->CloseMenu(FMenu->LevelIndex(this));
        return true;
    case VK_RIGHT:
        if (FItemIndex >= 0 && FItems[FItemIndex]->HasSubMenu()) ClickItem(FItemIndex);
        return true;
    case VK_UP:
        MoveTo(NextSelectable(FItemIndex, -1));
        return true;
    case VK_DOWN:
        MoveTo(NextSelectable(FItemIndex, 1));
        return true;
    default:
        return false;
    }
}

void TSkinPopupWindow::MouseReleased(TPoint P) {
    const int i = ItemAtPos(P);
    if (i < 0) return;
    const TSkinMenuItem& item = *FItems[i];
    if (item.Selectable() && !item.SubMenuOpened) ClickItem(i);
}

void TSkinPopupWindow::WndProc(TMessage& Message) {
    if (Message.Msg == WM_LBUTTONUP) {
        MouseReleased(PointFromLParam(Message.LParam));
        return;
    }
    if (Message.Msg == WM_MOUSEMOVE) {
        // The cursor's own tracking runs at once instead of waiting for the next tick.
        FOldCursor = {-100000, -100000};
        MenuTrackTick();
    }
    TPopupControl::WndProc(Message);
}
