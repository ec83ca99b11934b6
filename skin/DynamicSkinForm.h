#pragma once
// The skinned window frame: a component dropped on a form that takes over the form's window
// procedure. Its frame comes from the skin: caption and standard buttons that react to the
// mouse, resizing at the skin's hit-test points, a minimum size, roll-up, maximizing to the
// work area, snapping to its edges, translucency, and the relay of skin changes to the form's
// skinned controls.

#include "platform/ExtCtrls.h"
#include "platform/Menus.h"
#include "skin/DynamicSkinFormGeometry.h"
#include "skin/DynamicSkinFormObjects.h"
#include "skin/SkinMenus.h"

#include <memory>
#include <vector>

class TCustomForm;

enum class TspBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TspBorderIcons = TSet<TspBorderIcon>;
enum class TspWindowState { wsNormal, wsMinimized, wsMaximized };

using TspChangeClientRectEvent = std::function<void(TObject* Sender, TRect NewClientRect)>;
using TspObjectEvent = std::function<void(TObject* Sender, const QString& IDName)>;
using TspMouseButtonEvent = std::function<void(TObject* Sender, const QString& IDName, int X, int Y,
                                               TRect ObjectRect, TMouseButton Button)>;
using TspMouseMoveEvent =
    std::function<void(TObject* Sender, const QString& IDName, int X, int Y, TRect ObjectRect)>;
using TspPaintEvent =
    std::function<void(TObject* Sender, const QString& IDName, TCanvas* Canvas, TRect ObjectRect)>;
using TspSwitchChangeStateEvent =
    std::function<void(TObject* Sender, const QString& IDName, bool State)>;
using TspChangeValueEvent = std::function<void(TObject* Sender, const QString& IDName, int Value)>;

class TspDynamicSkinForm : public TComponent, public TSkinMenuHost {
public:
    // AOwner must be a form.
    explicit TspDynamicSkinForm(TComponent* AOwner);
    ~TspDynamicSkinForm() override;

    TspSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TspSkinData* Value);
    bool SupportNCArea() const { return FSupportNCArea; }
    void SetSupportNCArea(bool Value) { FSupportNCArea = Value; }
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool Value) { FSizeable = Value; }
    bool DraggAble() const { return FDraggAble; }
    void SetDraggAble(bool Value) { FDraggAble = Value; }
    bool Magnetic() const { return FMagnetic; }
    void SetMagnetic(bool Value) { FMagnetic = Value; }
    int MagneticSize() const { return FMagneticSize; }
    void SetMagneticSize(int Value) { FMagneticSize = Value & 0xFF; }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { FMinWidth = Value; }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value) { FMinHeight = Value; }
    TspBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TspBorderIcons Value) { FBorderIcons = Value; }
    bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool Value) { FUseDefaultSysMenu = Value; }
    TPopupMenu* SystemMenu() const { return FSystemMenu; }
    void SetSystemMenu(TPopupMenu* Value);
    TMainMenu* MainMenu() const { return FMainMenu; }
    void SetMainMenu(TMainMenu* Value);
    TComponent* MainMenuBar() const { return FMainMenuBar; }
    void SetMainMenuBar(TComponent* Value);
    TComponent* TrayIcon() const { return FTrayIcon; }
    void SetTrayIcon(TComponent* Value);
    bool AlphaBlendSupport() const { return FAlphaBlendSupport; }
    void SetAlphaBlendSupport(bool Value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);
    bool MenusTransparent() const { return FMenusTransparent; }
    void SetMenusTransparent(bool Value) { FMenusTransparent = Value; }
    int MenusTransparentValue() const { return FMenusTransparentValue; }
    void SetMenusTransparentValue(int Value);

    TspChangeClientRectEvent OnChangeClientRect;
    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TNotifyEvent OnMainMenuEnter;
    TNotifyEvent OnMainMenuExit;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;
    TspObjectEvent OnMouseEnterEvent;
    TspObjectEvent OnMouseLeaveEvent;
    TspMouseButtonEvent OnMouseDownEvent;
    TspMouseButtonEvent OnMouseUpEvent;
    TspMouseMoveEvent OnMouseMoveEvent;
    TspPaintEvent OnPaintEvent;
    TspSwitchChangeStateEvent OnSwitchChangeStateEvent;
    TspChangeValueEvent OnTrackBarChangeValueEvent;
    TspChangeValueEvent OnFrameRegulatorChangeValueEvent;

    TCustomForm* Form() const { return FForm; }
    // A skin is loaded and gives the frame a client rect.
    bool SkinLoaded() const;
    // The frame takes part: SupportNCArea with a loaded skin.
    bool FramePresent() const { return FSupportNCArea && SkinLoaded(); }
    // The form has a border of its own (only then is the frame drawn and outlined).
    bool IsBordered() const;
    bool FormActive() const { return FFormActive; }

    const TFrameGeometry& FrameGeometry() const { return FGeometry; }
    // The frame hit test for a point in window coordinates.
    int FrameHitTest(TPoint P) const;
    TSize MinimumSize() const;
    int ObjectCount() const { return int(FObjects.size()); }
    TActiveSkinObject* Objects(int Index) const { return FObjects.at(Index).get(); }
    int FindObject(const QString& IDName) const;
    int HoverObject() const { return FHoverObject; }
    int PressedObject() const { return FPressedObject; }

    TspWindowState WindowState() const;
    void SetWindowState(TspWindowState Value);
    bool RollUpState() const { return FRollUp; }
    void SetRollUpState(bool Value);
    void MaximizeWindow();
    void MinimizeWindow();
    void RestoreWindow();
    void MinimizeToTray();
    void RunCommand(TStdCommand Command);

    // The built-in system menu, rebuilt for the window's state before each showing.
    TPopupMenu* DefaultSystemMenu() const { return FDefaultSysMenu; }
    void UpdateSystemMenu();
    // Shows the system menu skinned, with its top-left corner at a screen point, or below (or
    // above, when there is no room) a button's rect in screen coordinates.
    void PopupSystemMenu(TPoint ScreenPos);
    void PopupSystemMenu(const TRect& ButtonRect);

    // The skinned menus opened on the form (translucency as the frame's menu properties say).
    TSkinMenu* SkinMenu() override;
    TspSkinData* MenuSkinData() const override { return FSkinData; }

    // The frame drawn at the window's size (bordered forms show it around their client area).
    void PaintFrame(TCanvas* Canvas);
    // Draws the caption with its text, as the frame shows it, at Offset.
    void PaintObject(TActiveSkinObject* Object, TCanvas* Canvas, TPoint Offset);

    TTimer* MorphTimer() const { return FMorphTimer; }
    TTimer* AnimateTimer() const { return FAnimateTimer; }
    TTimer* MouseTrackTimer() const { return FMouseTrackTimer; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // For the frame objects.
    void StartMorph();
    void RedrawObject(TActiveSkinObject* Object);

private:
    // The message table (DynamicSkinFormMessages.cpp).
    bool BeforeMessage(TMessage& M);
    void AfterMessage(TMessage& M);
    bool NonClientHitTest(TMessage& M);
    void NonClientMouse(TMessage& M);
    void NonClientDoubleClick(TMessage& M);
    bool CapturedMouse(TMessage& M);
    void Activation(bool Active);
    void SkinChange(TMessage& M);
    void KeyMenu();
    void MinMaxInfo(TMessage& M);
    void Moving(TMessage& M);
    void Sizing(TMessage& M);
    void RelayToControls(TWinControl* Parent, TMessage& M);

    // Skin application and layout (DynamicSkinForm.cpp).
    void ApplySkin();
    void DropObjects();
    void CreateObjects();
    void EnforceMinimumSize();
    void Relayout(int W, int H);
    void UpdateRegion();
    void StopTimers();
    void ApplyTranslucency();
    bool Designing() const;

    // Hover and morph (DynamicSkinFormStates.cpp).
    int ObjectAt(TPoint P) const;
    void SetHoverObject(int Index);
    void ObjectMouseDown(TPoint P, TMouseButton Button);
    void ObjectMouseUp(TPoint P, TMouseButton Button);
    void ReleasePressed();
    // Every skinned menu closed (message 1228).
    void SkinMenuClosed();
    void MorphTick();
    void MouseTrackTick();
    void SetCaptionsActive(bool Active);
    void RollUp();
    void UnRoll();

    TCustomForm* FForm = nullptr;
    int FHookId = 0;
    TspSkinData* FSkinData = nullptr;
    bool FSupportNCArea = true;
    bool FSizeable = false;
    bool FDraggAble = false;
    bool FMagnetic = false;
    int FMagneticSize = 10;
    int FMinWidth = 0;
    int FMinHeight = 0;
    TspBorderIcons FBorderIcons = {TspBorderIcon::biSystemMenu, TspBorderIcon::biMinimize,
                                   TspBorderIcon::biMaximize, TspBorderIcon::biRollUp};
    bool FUseDefaultSysMenu = true;
    TPopupMenu* FSystemMenu = nullptr;
    TMainMenu* FMainMenu = nullptr;
    TComponent* FMainMenuBar = nullptr;
    TComponent* FTrayIcon = nullptr;
    bool FAlphaBlendSupport = true;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 0;
    bool FMenusTransparent = false;
    int FMenusTransparentValue = 20;

    std::vector<std::unique_ptr<TActiveSkinObject>> FObjects;
    TFrameGeometry FGeometry;
    TSize FLaidOutSize{0, 0};
    TspWindowState FWindowState = TspWindowState::wsNormal;
    bool FRollUp = false;
    int FHeightBeforeRollUp = 0;
    TRect FBoundsBeforeMaximize;
    int FHoverObject = -1;
    int FPressedObject = -1;
    bool FFormActive = false;
    bool FSizeMove = false;
    bool FFullDrag = false;
    bool FMenuKeyboardMode = false;
    bool FRegionSet = false;
    TTimer* FMorphTimer = nullptr;
    TTimer* FAnimateTimer = nullptr;
    TTimer* FMouseTrackTimer = nullptr;
    TspSkinPopupMenu* FDefaultSysMenu = nullptr;
    std::unique_ptr<TSkinMenu> FSkinMenu;
};
