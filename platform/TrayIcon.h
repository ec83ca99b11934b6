#pragma once
// The desktop's notification area: an icon with a tool tip, the mouse on it, and the window
// services that hiding a program into it needs. Tests replace the icon service.

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/ImgList.h"

#include <functional>
#include <memory>

// Mouse activity on a notification icon, reported in the order it happened.
enum class TTrayMouse {
    Move,
    LeftDown,
    LeftUp,
    LeftDouble,
    RightDown,
    RightUp,
    MiddleDown,
    MiddleUp
};

class TNotifyIcon {
public:
    virtual ~TNotifyIcon() = default;
    // Adds the icon, changes it, takes it away. Add and Modify return false (and show nothing)
    // when the desktop has no notification area.
    virtual bool Add(const TIcon& Icon, const QString& Tip) = 0;
    virtual bool Modify(const TIcon& Icon, const QString& Tip) = 0;
    virtual void Delete() = 0;
    // The icon is in the notification area now.
    virtual bool Shown() const = 0;

    std::function<void(TTrayMouse Event)> OnMouse;
    // A notification area appeared (again): icons shown before must be added anew.
    std::function<void()> OnAreaCreated;
};

// The icon service: Qt's system tray icon unless a test installed a factory.
std::unique_ptr<TNotifyIcon> CreateNotifyIcon();
// nullptr goes back to the real service.
void SetNotifyIconFactory(std::function<std::unique_ptr<TNotifyIcon>()> Factory);
bool NotificationAreaAvailable();

// The program's own icon (the one its windows show).
void GetApplicationIcon(TIcon& Icon);
// Picture Index of the list as an icon; false (Icon left alone) for an index outside it.
bool GetImageListIcon(const TCustomImageList& List, int Index, TIcon& Icon);

// Hides the form's window with its task bar entry.
void HideWindowToTray(TCustomForm* Form);
// Shows the form again, not minimized, raised and active.
void RestoreWindowFromTray(TCustomForm* Form);
bool WindowMinimized(const TCustomForm* Form);
void ShowWindowMinimized(TCustomForm* Form);
// Calls OnMinimized whenever the form's window becomes minimized. Returns an id for
// UnwatchMinimize, which is also safe after the form went away.
int WatchMinimize(TCustomForm* Form, std::function<void()> OnMinimized);
void UnwatchMinimize(int Id);
