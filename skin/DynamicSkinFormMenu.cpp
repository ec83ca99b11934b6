// The frame's system menu: its entries follow the window's state and the border icons.

#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"

namespace {

TMenuItem* AddEntry(TPopupMenu* Menu, const char* Name, const char* Caption,
                    std::function<void()> Action, TShortCut Key = 0) {
    auto* item = new TMenuItem(Menu);
    if (Name) item->SetName(QLatin1String(Name));
    item->SetCaption(QLatin1String(Caption));
    item->SetShortCut(Key);
    if (Action) item->OnClick = [Action = std::move(Action)](TObject*) { Action(); };
    Menu->Items()->Add(item);
    return item;
}

} // namespace

void TspDynamicSkinForm::UpdateSystemMenu() {
    TPopupMenu* m = FDefaultSysMenu;
    m->Items()->Clear();
    const TspWindowState s = WindowState();
    const bool minimized = s == TspWindowState::wsMinimized;
    const bool maximized = s == TspWindowState::wsMaximized;
    if (!minimized && FBorderIcons.Contains(TspBorderIcon::biMinimize))
        AddEntry(m, "DSF_MINITEM", "Mi&nimize", [this] { MinimizeWindow(); });
    if (!maximized && FBorderIcons.Contains(TspBorderIcon::biMaximize))
        AddEntry(m, "DSF_MAXITEM", "Ma&ximize", [this] { MaximizeWindow(); });
    if (minimized || maximized || FRollUp)
        AddEntry(m, "DSF_RESTORE", "&Restore", [this] {
            if (WindowState() != TspWindowState::wsNormal)
                RestoreWindow();
            else
                SetRollUpState(false);
        });
    if (!minimized && !maximized && !FRollUp && FBorderIcons.Contains(TspBorderIcon::biRollUp))
        AddEntry(m, "DSF_ROLLUP", "Ro&llUp", [this] { SetRollUpState(true); });
    if (FBorderIcons.Contains(TspBorderIcon::biMinimizeToTray))
        AddEntry(m, "DSF_MINTOTRAY", "Minimize to &Tray", [this] { MinimizeToTray(); });
    if (m->Items()->Count() > 0) AddEntry(m, nullptr, "-", nullptr);
    TCustomForm* form = FForm;
    AddEntry(
        m, "DSF_CLOSE", "&Close",
        [form] {
            if (form) form->Close();
        },
        ShortCut(VK_F4, {TShiftStateItem::ssAlt}));
}

void TspDynamicSkinForm::PopupSystemMenu(TPoint ScreenPos) {
    PopupSystemMenu(TRect{ScreenPos.X, ScreenPos.Y, ScreenPos.X, ScreenPos.Y});
}

void TspDynamicSkinForm::PopupSystemMenu(const TRect& ButtonRect) {
    TPopupMenu* menu = FSystemMenu;
    if (FUseDefaultSysMenu || !menu) {
        UpdateSystemMenu();
        menu = FDefaultSysMenu;
    }
    menu->SetPopupComponent(FForm);
    if (auto* skinned = dynamic_cast<TspSkinPopupMenu*>(menu))
        skinned->PopupFromRect(ButtonRect);
    else
        menu->Popup(ButtonRect.Left, ButtonRect.Bottom);
}

TSkinMenu* TspDynamicSkinForm::SkinMenu() {
    FSkinMenu->MenusTransparent = FMenusTransparent;
    FSkinMenu->MenusTransparentValue = FMenusTransparentValue;
    FSkinMenu->AlphaBlendSupport = FAlphaBlendSupport;
    return FSkinMenu.get();
}

void TspDynamicSkinForm::SkinMenuClosed() {
    // A message from elsewhere closes the open menu first; its own message comes back here.
    if (FSkinMenu->Visible()) {
        FSkinMenu->CloseAll();
        return;
    }
    ReleasePressed();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
}
