#pragma once
// The Qt side of menus: a Qt menu that shows one level of menu items, the bar control that
// shows a main menu, and the style that lets owner-drawn items measure and paint themselves.

#include "platform/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

// A Qt action standing for one menu item; it forgets the item when the item goes away.
class TItemAction : public QAction {
public:
    TItemAction(TMenuItem* Item, QObject* Parent);
    // The item, or nullptr once it has been freed.
    TMenuItem* Item() const { return FLife.expired() ? nullptr : FItem; }
    // Drawn by the item's events (its menu is owner-drawn and it has a draw event).
    bool OwnerDrawn() const;

private:
    TMenuItem* FItem;
    std::weak_ptr<int> FLife;
};

// One level of a menu: the sub-items of Parent, rebuilt each time the level opens so that it
// always shows the items as they are.
class TItemMenu : public QMenu {
public:
    TItemMenu(TMenu* Menu, TMenuItem* Parent, QWidget* ParentWidget);
    void Rebuild();
    TMenuItem* ParentItem() const { return FLife.expired() ? nullptr : FParent; }

protected:
    void initStyleOption(QStyleOptionMenuItem* Option, const QAction* Action) const override;

private:
    TMenu* FMenu;
    TMenuItem* FParent;
    std::weak_ptr<int> FLife;
};

// The bar of a main menu, aligned to the top of its form.
class TMenuBarControl : public TWinControl {
public:
    TMenuBarControl(TComponent* AOwner, TMainMenu* Menu);
    ~TMenuBarControl() override;
    QMenuBar* MenuBar() const;
    // Makes the bar show the menu's top-level items as they are now.
    void Sync();
    // Sync from the event loop, once however many changes come before it.
    void SyncLater();
    TMainMenu* Menu() const { return FMenu; }

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;

private:
    TMainMenu* FMenu;
    bool FSyncPending = false;
    std::shared_ptr<int> FLife = std::make_shared<int>(0);
};

// Hands the measuring and drawing of owner-drawn items to their events on a canvas.
class TOwnerDrawMenuStyle : public QProxyStyle {
public:
    static TOwnerDrawMenuStyle* Instance();
    QSize sizeFromContents(ContentsType Type, const QStyleOption* Option, const QSize& Size,
                           const QWidget* Widget) const override;
    void drawControl(ControlElement Element, const QStyleOption* Option, QPainter* Painter,
                     const QWidget* Widget) const override;

private:
    TOwnerDrawMenuStyle();
};

// Fills a Qt action from an item (text, shortcut text, check, image, enabled, default font).
void FillAction(QAction* Action, TMenuItem* Item, bool OwnerDrawn);
