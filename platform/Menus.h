#pragma once
// Menus: items in a tree, the main menu of a form and pop-up menus, shown through Qt's menus.
// An owner-drawn menu lets its items measure and paint themselves on a canvas.

#include "platform/Controls.h"
#include "platform/ImgList.h"

#include <memory>
#include <vector>

class TMenu;
class TCustomForm;

class EMenuError : public Exception {
    using Exception::Exception;
};
class QMenu;

// A key with its modifiers: the virtual key in the low byte, and the modifier bits.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0 };
TShortCut ShortCut(unsigned Key, TShiftState Shift);
void ShortCutToKey(TShortCut Value, unsigned& Key, TShiftState& Shift);
// "Ctrl+S", "Shift+Del", "Alt+F4"; empty for no shortcut.
QString ShortCutToText(TShortCut Value);
// The reverse of ShortCutToText; 0 when the text names no key.
TShortCut TextToShortCut(const QString& Text);

enum class TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

class TMenuItem;
using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;

// The caption that makes an item a separator line.
inline const QString cLineCaption = QStringLiteral("-");

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    // Frees the sub-items and leaves the parent item.
    ~TMenuItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Checked() const { return FChecked; }
    // Checking a radio item unchecks the other radio items of its group.
    void SetChecked(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // The item's own picture, used when it has no image from a list; made on first use.
    TBitmap* Bitmap();
    bool HasBitmap() const { return FBitmap && !FBitmap->Empty(); }
    void SetBitmap(const TBitmap* Value);
    // Pictures for the sub-items (instead of the menu's).
    TCustomImageList* SubMenuImages() const { return FSubMenuImages; }
    void SetSubMenuImages(TCustomImageList* Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    bool IsLine() const { return FCaption == cLineCaption; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(Index); }
    TMenuItem* operator[](int Index) const { return Items(Index); }
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* Item) const;
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the sub-item at Index.
    void Delete(int Index);
    void Clear();
    // The sub-item with this caption (accelerator marks ignored), or nullptr.
    TMenuItem* Find(const QString& ACaption) const;
    // The menu this item belongs to, through its parents.
    TMenu* GetParentMenu() const;
    // The image list whose pictures this item shows (its parent's sub-menu images, else the
    // menu's).
    TCustomImageList* ImageList() const;
    bool IsTopLevel() const;

    // Checks an auto-check item, then runs OnClick.
    virtual void Click();
    // Measure and draw as an owner-drawn menu does: the events when set, else nothing.
    void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
    void DrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State);
    bool HasDrawHandler() const { return bool(OnDrawItem) || bool(OnAdvancedDrawItem); }
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

    // Tells the menu that shows this item that it changed (handlers set after the fact call it).
    void MenuChanged();
    // Lets a presentation notice that the item went away meanwhile.
    std::weak_ptr<int> LifeToken() const { return FLife; }

private:
    friend class TMenu;
    void TurnSiblingsOff();
    QString FCaption;
    TShortCut FShortCut = 0;
    bool FChecked = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    int FImageIndex = -1;
    std::unique_ptr<TBitmap> FBitmap;
    TCustomImageList* FSubMenuImages = nullptr;
    QString FHint;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's root item only
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item: the menu's items are its sub-items.
    TMenuItem* Items() const { return FItems.get(); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // While set, items with a draw event are measured and painted by their events.
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    // Items laid out from the right, for right-to-left reading.
    bool IsRightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool Value);
    // Finds an enabled item with this shortcut and clicks it.
    bool IsShortCut(TShortCut Key);
    // The item with this shortcut when it can be clicked (it and its parents enabled).
    TMenuItem* ShortCutItem(TShortCut Key) const;
    // The item with this shortcut (nullptr when none).
    TMenuItem* FindItemByShortCut(TShortCut Key) const;

    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Something in the menu changed; the presentation follows.
    virtual void Changed() {}

protected:
    std::unique_ptr<TMenuItem> FItems;
    TCustomImageList* FImages = nullptr;
    bool FOwnerDraw = false;
    bool FRightToLeft = false;
};

class TMenuBarControl;

// The menu bar of a form: shown along the form's top once the form takes it (SetMenu).
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    TCustomForm* Form() const { return FForm; }
    // Shows the bar on Form (nullptr takes it away); a form shows one main menu at a time.
    void SetForm(TCustomForm* Form);
    // The bar control while the menu is shown on a form.
    TMenuBarControl* Bar() const { return FBar; }
    void Changed() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomForm* FForm = nullptr;
    TMenuBarControl* FBar = nullptr;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

// A menu shown at a point: by Popup, or by a right click on a control that names it.
class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    // The control the menu was last opened for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    // Runs OnPopup, then shows the menu with its top-left corner at screen point (X, Y); the
    // call returns at once and a chosen item is clicked from the event loop.
    virtual void Popup(int X, int Y);
    // The point of the last Popup, and whether the menu is shown now.
    TPoint PopupPoint() const { return FPopupPoint; }
    bool IsShown() const;
    void CloseMenu();
    // The Qt menu that shows the items (made on first use).
    QMenu* MenuWidget();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnPopup;

private:
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = TPopupAlignment::paLeft;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint;
    QMenu* FMenuWidget = nullptr;
};

// Shows Control's pop-up menu when it has one that pops up by itself; true when shown. The
// right button's default handling calls this.
bool ShowControlPopupMenu(TControl* Control, TPoint ScreenPos);

// Clicks (from the event loop) the enabled item of Form's main menu that has this shortcut;
// true when there is one. A key reaches the form's menu before the focused control.
bool FormMenuShortCut(const TCustomForm* Form, TShortCut Key);

// The desktop's menu font (the platform's non-client menu font) in clMenuText.
TFont MenuFont();
// The main menu a form shows, or nullptr.
TMainMenu* FormMainMenu(const TCustomForm* Form);
