#pragma once
// An icon with a tool tip in the desktop's notification area: mouse activity on it as events,
// a skinned popup menu from it, cycling through the pictures of an image list, and hiding the
// program into it when the program is minimized.

#include "platform/ExtCtrls.h"
#include "platform/TrayIcon.h"
#include "skin/SkinMenus.h"

#include <memory>

using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;

class TspTrayIcon : public TComponent {
public:
    explicit TspTrayIcon(TComponent* AOwner);
    // Takes the icon away and lets go of the windows it watched.
    ~TspTrayIcon() override;
    // After the window's description set the properties: starts hidden with MinimizedOnStart,
    // then shows or hides the icon as IconVisible says.
    void Loaded() override;

    // The icon shown: the program's own until one is given.
    const TIcon& Icon() const { return FIcon; }
    void SetIcon(const TIcon& Value);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // While false the mouse on the icon reports nothing.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TspSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TspSkinPopupMenu* Value);
    bool PopupByLeftButton() const { return FPopupByLeftButton; }
    void SetPopupByLeftButton(bool Value) { FPopupByLeftButton = Value; }
    TCustomImageList* IconList() const { return FIconList; }
    void SetIconList(TCustomImageList* Value);
    int IconIndex() const { return FIconIndex; }
    // Kept inside the list (0 without one); the icon becomes that picture of the list.
    void SetIconIndex(int Value);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool Value);
    unsigned AnimateTimerInterval() const { return FAnimateInterval; }
    void SetAnimateTimerInterval(unsigned Value);
    bool MinimizedOnStart() const { return FMinimizedOnStart; }
    void SetMinimizedOnStart(bool Value) { FMinimizedOnStart = Value; }
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool Value);
    bool DesignPreview() const { return FDesignPreview; }
    void SetDesignPreview(bool Value);

    // The tool tip the notification area shows: the hint's first 127 characters, or nothing.
    QString TipText() const;
    // False while there is no notification area to show the icon in.
    bool IconShown() const { return FNotify && FNotify->Shown(); }

    // Hides the main form into the tray and shows the icon; brings it back.
    void HideToTray();
    void RestoreFromTray();
    // Mouse activity as the notification area reports it.
    void TrayMouse(TTrayMouse Event);
    // The notification area came (back): a visible icon is added again.
    void AreaCreated();
    TTimer* ClickTimer() const { return FClickTimer; }
    TTimer* CycleTimer() const { return FCycleTimer; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TCycleEvent OnCycle;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;

private:
    bool MaySend() const;
    void Send(bool Add);
    void Modified();
    void Popup();
    void ClickTick();
    void CycleTick();
    void UpdateCycleTimer();
    void WatchForm();
    void Button(TTrayMouse Event, TMouseButton B, bool Down);
    TShiftState Shift(TMouseButton B) const;
    TCustomForm* MainForm() const;

    TIcon FIcon;
    bool FOwnIcon = false;
    bool FIconVisible = false;
    QString FHint;
    bool FShowHint = true;
    bool FEnabled = true;
    TspSkinPopupMenu* FPopupMenu = nullptr;
    bool FPopupByLeftButton = false;
    TCustomImageList* FIconList = nullptr;
    int FIconIndex = 0;
    bool FCycleIcons = false;
    unsigned FAnimateInterval = 0;
    bool FMinimizedOnStart = false;
    bool FMinimizeToTray = false;
    bool FDesignPreview = false;

    std::unique_ptr<TNotifyIcon> FNotify;
    TTimer* FClickTimer;
    TTimer* FCycleTimer;
    bool FClickPending = false;
    bool FClickReady = false;
    bool FDblClick = false;
    int FMinimizeWatch = 0;
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};
