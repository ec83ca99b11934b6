#pragma once
// Skinned popup menus: each level of a menu in a window drawn from the skin's popup picture,
// its items from the skin object "MENUITEM"; hover with morphing, submenus that open after a
// delay, scrolling of levels taller than the work area, keys, and translucency.

#include "platform/ExtCtrls.h"
#include "platform/Menus.h"
#include "platform/MessageFilter.h"
#include "platform/PopupControl.h"
#include "skin/SPUtils.h"
#include "skin/SkinData.h"

#include <memory>
#include <vector>

class TSkinMenu;
class TSkinPopupWindow;
class TspEffectBmp;

// Sent (through the window procedure) to the frame's form, and to a main menu bar that asked
// for it, when every level of a skinned menu has closed.
enum : unsigned { SKINMSG_MENUCLOSED = 1228 };

// Where a level's scrolling goes.
enum : int { smsNone = 0, smsUp = 1, smsDown = 2 };

// One shown menu item of a level.
class TSkinMenuItem {
public:
    TSkinMenuItem(TSkinPopupWindow* AWindow, TMenuItem* AItem) : Window(AWindow), MenuItem(AItem) {}
    bool IsLine() const { return MenuItem->IsLine(); }
    bool Selectable() const { return MenuItem->Enabled() && !IsLine(); }
    bool HasSubMenu() const { return MenuItem->Count() > 0; }
    // Height in the level: the divider's for a separator, else the item picture's.
    int Height(const TDataSkinMenuItem& Skin) const;
    // True while the morph value still moves towards the hover state.
    bool Morphing() const { return Active ? Kf < 1 : Kf > 0; }

    TSkinPopupWindow* Window;
    TMenuItem* MenuItem;
    TRect ObjectRect; // in window coordinates
    bool Visible = false;
    bool Active = false;
    bool SubMenuOpened = false;
    double Kf = 0; // 0 normal look, 1 hover look
};

// Width of an item's texts as the level measures it: the caption, or the caption, two blanks
// and the shortcut's text, plus 2.
int SkinMenuTextWidth(TCanvas& Canvas, const TMenuItem& Item);
// The level's size for its items; Scrollable is set when the height had to be cut to the work
// area's. A skin without "MENUITEM" gives 0 x 0.
TSize SkinMenuWindowSize(const TspSkinData& Skin, const std::vector<TMenuItem*>& Items,
                         TCanvas& Canvas, int ImageColumn, int WorkHeight, bool& Scrollable);
// Top-left corner of a level of Size that opens at Anchor's bottom-left corner (an empty
// Anchor: a point), kept in Work; it opens above Anchor when there is no room below.
TPoint PlaceSkinMenu(const TRect& Anchor, TSize Size, const TRect& Work);
// Top-left corner of a submenu beside its parent item (ItemRect in screen coordinates): to the
// right, else to the left, moved up when it would pass the work area's bottom.
TPoint PlaceSkinSubMenu(const TRect& ItemRect, TSize Size, const TRect& Work);
// The item's font as the skin gives it.
TFont SkinMenuFont(const TDataSkinMenuItem& Skin);

// One level of an open skinned menu.
class TSkinPopupWindow : public TPopupControl {
public:
    TSkinPopupWindow(TSkinMenu* AMenu, TspSkinData* ASkinData);
    ~TSkinPopupWindow() override;

    // Opens the sub-items of Item: at Anchor's bottom-left (top level) or beside Anchor
    // (submenu), Anchor in screen coordinates.
    void Open(TMenuItem* Item, const TRect& Anchor, bool SubMenu, TCustomImageList* Images);
    // Stops the level's timers and hides it (the engine frees it later).
    void CloseLevel();

    TMenuItem* ParentItem() const { return FParentItem; }
    int ItemCount() const { return int(FItems.size()); }
    TSkinMenuItem* Items(int Index) const { return FItems.at(Index).get(); }
    int ItemIndex() const { return FItemIndex; }
    int TopIndex() const { return FTopIndex; }
    int VisibleCount() const { return FVisibleCount; }
    bool Scrollable() const { return FScrollable; }
    int ScrollCode() const { return FScrollCode; }
    int ImageColumnWidth() const { return FImageColumn; }
    TRect ItemsRect() const { return FNewItemsRect; }
    bool HasSkin() const { return FMenuItemSkin != nullptr; }
    bool Translucent() const { return FEmulated || FLayered; }
    bool EmulatedTranslucency() const { return FEmulated; }
    // What lay under the level when it showed (emulated translucency only).
    const TspEffectBmp* ScreenCapture() const { return FCapture.get(); }

    // The current item (-1: none), with hover moved to it.
    void SetItemIndex(int Index);
    // The shown item under a point in window coordinates, or -1.
    int ItemAtPos(TPoint P) const;
    // Keys of the deepest level; true when the key was used.
    bool HandleMenuKey(unsigned Key, TShiftState Shift);
    // Scrolls by one item in the direction; false when it cannot go further.
    bool ScrollOne(int Direction);
    // Clicks an item: a leaf item closes the menu and runs; a submenu opens at once.
    void ClickItem(int Index);
    // One tick of each timer (tests drive them directly).
    void TrackTick() { MenuTrackTick(); }
    void ScrollTick() { MenuScrollTick(); }
    void MorphTick() { ItemMorphTick(); }
    void DelayedShowTick() { DelayedShow(); }
    TTimer* MenuTrackTimer() const { return FTrackTimer; }
    TTimer* MenuScrollTimer() const { return FScrollTimer; }
    TTimer* ItemMorphTimer() const { return FMorphTimer; }
    TTimer* DelayedShowTimer() const { return FShowTimer; }

    // Draws one item's bitmap (tests and the paint pass).
    void DrawItem(const TSkinMenuItem& Item, TBitmap& Target);
    // The whole level as painted, drawn onto a bitmap of the window's size.
    void PaintTo(TBitmap& Target);

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    void BuildItems(TMenuItem* Item);
    void LayoutItems();
    void MakeRegion();
    void ShowLevel();
    void DelayedShow();
    void MenuTrackTick();
    void MenuScrollTick();
    void ItemMorphTick();
    void UpdateHover(TPoint P);
    bool UpdateScrollBands(TPoint P);
    void StartScroll(int Direction);
    void StopScroll();
    void ItemActivated(TSkinMenuItem& Item);
    void ItemDeactivated(TSkinMenuItem& Item);
    void RedrawItem(const TSkinMenuItem& Item);
    void StartMorph();
    int NextSelectable(int From, int Step) const;
    void MoveTo(int Index);
    void EnsureShown(int Index);
    bool CanScroll(int Direction) const;
    void DrawBackground(TBitmap& Target);
    void DrawScrollMarkers(TCanvas& Canvas);
    void DrawItemContent(const TSkinMenuItem& Item, TBitmap& B, const TRect& TextRect);
    void DrawItemMark(const TSkinMenuItem& Item, TCanvas& C, const TRect& TextRect, TColor Ink);
    void BlendWithCapture(TBitmap& B, int X, int Y);
    void MouseReleased(TPoint P);

    TSkinMenu* FMenu;
    TspSkinData* FSkinData;
    const TDataSkinMenuItem* FMenuItemSkin = nullptr;
    const TBitmap* FPicture = nullptr;
    const TBitmap* FMask = nullptr;
    TCustomImageList* FImages = nullptr;
    TMenuItem* FParentItem = nullptr;
    std::vector<std::unique_ptr<TSkinMenuItem>> FItems;
    int FImageColumn = 16;
    int FTopIndex = 0;
    int FVisibleCount = 0;
    bool FScrollable = false;
    int FScrollCode = smsNone;
    int FItemIndex = -1;
    TSkinPoints FNewPoints;
    TRect FNewItemsRect;
    TPoint FOldCursor{-100000, -100000};
    bool FEmulated = false;
    bool FLayered = false;
    std::unique_ptr<TspEffectBmp> FCapture;
    TTimer* FTrackTimer;
    TTimer* FMorphTimer;
    TTimer* FShowTimer;
    TTimer* FScrollTimer;
};

// The skinned frame's side of its menus: what a menu opened on its form uses.
class TSkinMenuHost {
public:
    virtual ~TSkinMenuHost() = default;
    virtual TSkinMenu* SkinMenu() = 0;
    virtual TspSkinData* MenuSkinData() const = 0;
};
// The skinned frame among Form's components, or nullptr.
TSkinMenuHost* FindSkinMenuHost(const TComponent* Form);

// The open levels of one frame's skinned menus (index 0 is the top level).
class TSkinMenu {
public:
    // Form hears SKINMSG_MENUCLOSED; it may be nullptr.
    explicit TSkinMenu(TWinControl* AForm);
    ~TSkinMenu();
    TSkinMenu(const TSkinMenu&) = delete;
    TSkinMenu& operator=(const TSkinMenu&) = delete;

    // Opens Item's sub-items as the top level at the point, or below a rect (screen
    // coordinates); any open skinned menu closes first. False when the skin has no menu item
    // picture (nothing is shown).
    bool Popup(TMenuItem* Item, TspSkinData* Skin, TPoint P, TCustomImageList* Images);
    bool PopupUnder(TMenuItem* Item, TspSkinData* Skin, const TRect& R, TCustomImageList* Images);
    // Closes the levels from the deepest up to and including EndIndex.
    void CloseMenu(int EndIndex);
    void CloseAll() { CloseMenu(0); }
    // Closes the levels after Level.
    void CloseAfter(const TSkinPopupWindow* Level);
    bool Visible() const { return !FLevels.empty(); }
    int Count() const { return int(FLevels.size()); }
    TSkinPopupWindow* Level(int Index) const { return FLevels.at(Index).get(); }
    TSkinPopupWindow* Deepest() const { return FLevels.empty() ? nullptr : FLevels.back().get(); }
    int LevelIndex(const TSkinPopupWindow* Level) const;
    const TRect& WorkArea() const { return FWorkArea; }

    // Opens Item's submenu beside it now.
    void PopupSubMenu(TSkinMenuItem& Item);
    // Item waits SubmenuDelayTimer before its submenu opens; CancelWait forgets it again.
    void WaitSubMenu(TSkinMenuItem& Item);
    void CancelWait(const TSkinMenuItem& Item);
    const TSkinMenuItem* WaitItem() const { return FWaitItem; }
    TTimer* SubmenuDelayTimer() const { return FDelayTimer; }
    // Closes every level, then runs the item's click from the event loop.
    void ItemClicked(TMenuItem* Item);

    // What the frame's message filter passes on: keys go to the deepest level, a press
    // outside every level closes the menu. True when the message was used.
    bool FilterMessage(TMessage& Message);
    // The frame makes itself the application's message filter while a menu is open, keeping
    // the one before.
    void InstallMessageFilter();
    void RestoreMessageFilter();

    bool MenusTransparent = false;
    int MenusTransparentValue = 20;
    bool AlphaBlendSupport = true;
    // A main menu bar to tell when the menu closes.
    TWinControl* NotifyControl = nullptr;
    // Runs when a menu opens while none was open (the frame fires OnSkinMenuOpen).
    TNotifyEvent OnOpen;

private:
    bool OpenLevel(TMenuItem* Item, TspSkinData* Skin, const TRect& Anchor, bool SubMenu,
                   TCustomImageList* Images);
    void DelayTick();
    void FreeClosed();

    TWinControl* FForm;
    std::unique_ptr<TComponent> FTimers;
    std::vector<std::unique_ptr<TSkinPopupWindow>> FLevels;
    std::vector<std::unique_ptr<TSkinPopupWindow>> FClosed;
    TspSkinData* FSkinData = nullptr;
    TCustomImageList* FImages = nullptr;
    TRect FWorkArea;
    TSkinMenuItem* FWaitItem = nullptr;
    TTimer* FDelayTimer;
    TTimer* FFreeTimer;
    TMessageFilter FPrevFilter;
    bool FFilterInstalled = false;
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

// A popup menu shown skinned through the skinned frame of its owner form.
class TspSkinPopupMenu : public TPopupMenu {
public:
    explicit TspSkinPopupMenu(TComponent* AOwner);
    TspSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TspSkinData* Value);
    // The form whose skinned frame shows the menu (nullptr: the owner when it is a form).
    TComponent* OwnerForm() const { return FOwnerForm; }
    void SetOwnerForm(TComponent* Value);

    // OnPopup, then the items at (X, Y) through the frame's skinned menus; nothing is shown
    // without a skinned frame or a skin.
    void Popup(int X, int Y) override;
    // The same below a rect (a button's).
    void PopupFromRect(const TRect& R);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSkinMenuHost* Host() const;
    TspSkinData* FSkinData = nullptr;
    TComponent* FOwnerForm = nullptr;
};

// Draws the glyph of a system menu entry named Name at (X, Y), about 10 x 10, in Ink; false
// when the name is none of them.
bool DrawSystemMenuGlyph(TCanvas& Canvas, const QString& Name, int X, int Y, TColor Ink);
