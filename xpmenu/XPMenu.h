#pragma once
// TXPMenu: while active, the menus of the form that owns it are drawn flat, with a coloured icon
// column and a framed selection; tool bars, control bars and ordinary controls follow suit.

#include "platform/Menus.h"
#include "platform/ToolBars.h"

#include <memory>
#include <vector>

enum class TXPContainer {
    xccForm,
    xccFrame,
    xccToolbar,
    xccCoolbar,
    xccControlbar,
    xccPanel,
    xccScrollBox,
    xccGroupBox,
    xccTabSheet,
    xccPageScroller
};
using TXPContainers = TSet<TXPContainer>;

enum class TXPControl {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcEdit,
    xcMaskEdit,
    xcMemo,
    xcRichEdit,
    xcCheckBox,
    xcRadioButton,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox
};
using TXPControls = TSet<TXPControl>;

constexpr TXPContainers AllXPContainers = TXPContainers::FromBits(1023);
constexpr TXPControls AllXPControls = TXPControls::FromBits(65535);

class TControlSubClass;

// The colours one item is drawn with, worked out from the painter's properties and the display.
struct TXPEffectiveColors {
    TColor Color, IconBack, SelectFill, SelectBorder, SelectFont, MenuBar, Disabled, Check,
        Separator, CheckedArea, CheckedAreaSelected, MenuBorder, MenuShadow;
};

struct TXPItemPaint;

class TXPMenu : public TComponent {
public:
    explicit TXPMenu(TComponent* AOwner);
    ~TXPMenu() override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TFont* Font() { return &FFont; }
    void SetFont(const TFont& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TColor IconBackColor() const { return FIconBackColor; }
    void SetIconBackColor(TColor Value) { FIconBackColor = Value; }
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor Value);
    TColor SelectColor() const { return FSelectColor; }
    void SetSelectColor(TColor Value) { FSelectColor = Value; }
    TColor SelectBorderColor() const { return FSelectBorderColor; }
    void SetSelectBorderColor(TColor Value) { FSelectBorderColor = Value; }
    TColor SelectFontColor() const { return FSelectFontColor; }
    void SetSelectFontColor(TColor Value) { FSelectFontColor = Value; }
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value) { FDisabledColor = Value; }
    TColor SeparatorColor() const { return FSeparatorColor; }
    void SetSeparatorColor(TColor Value) { FSeparatorColor = Value; }
    TColor CheckedColor() const { return FCheckedColor; }
    void SetCheckedColor(TColor Value) { FCheckedColor = Value; }
    int IconWidth() const { return FIconWidth; }
    void SetIconWidth(int Value) { FIconWidth = Value; }
    bool DrawSelect() const { return FDrawSelect; }
    void SetDrawSelect(bool Value) { FDrawSelect = Value; }
    bool UseSystemColors() const { return FUseSystemColors; }
    void SetUseSystemColors(bool Value) { FUseSystemColors = Value; }
    bool OverrideOwnerDraw() const { return FOverrideOwnerDraw; }
    void SetOverrideOwnerDraw(bool Value) { FOverrideOwnerDraw = Value; }
    bool Gradient() const { return FGradient; }
    void SetGradient(bool Value) { FGradient = Value; }
    bool FlatMenu() const { return FFlatMenu; }
    void SetFlatMenu(bool Value) { FFlatMenu = Value; }
    bool AutoDetect() const { return FAutoDetect; }
    void SetAutoDetect(bool Value) { FAutoDetect = Value; }
    int GrayLevel() const { return FGrayLevel; }
    void SetGrayLevel(int Value) { FGrayLevel = uint8_t(Value); }
    int DimLevel() const { return FDimLevel; }
    void SetDimLevel(int Value) { FDimLevel = uint8_t(Value); }
    TXPContainers XPContainers() const { return FXPContainers; }
    void SetXPContainers(TXPContainers Value) { FXPContainers = Value; }
    TXPControls XPControls() const { return FXPControls; }
    void SetXPControls(TXPControls Value) { FXPControls = Value; }

    // The form (or scrolling container) whose components the painter works on.
    TComponent* Form() const { return Owner(); }
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The colours of the next item, for a display of Depth bits; with UseSystemColors this also
    // resets Font and SelectFontColor to the desktop's menu font and text colour.
    TXPEffectiveColors EffectiveColors(int Depth);

    // The painter's handlers, as installed on items, tool bars and control bars.
    void MeasureItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, int& Height);
    void DrawItem(TMenuItem* Item, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);
    void DrawToolButton(TToolBar* Bar, TToolButton* Button, TCanvas* ACanvas, TRect ARect,
                        TCustomDrawState State, bool& DefaultDraw);
    void DrawBand(TControl* Control, TCanvas* ACanvas, TRect& ARect, TBandPaintOptions& Options);
    // Whether a handler of the kind is this painter's.
    bool IsOwnHandler(const TMenuMeasureItemEvent& Handler) const;
    bool IsOwnHandler(const TAdvancedMenuDrawItemEvent& Handler) const;
    bool IsOwnHandler(const TTBCustomDrawBtnEvent& Handler) const;
    bool IsOwnHandler(const TBandPaintEvent& Handler) const;
    // The subclass object that works on Control, or nullptr.
    TControlSubClass* SubClassOf(const TControl* Control) const;

private:
    void Walk(TComponent* Form, bool Activate, bool Repaint);
    void WalkMenu(TMenu* Menu, bool Activate);
    void HookItems(TMenuItem* Parent, bool Activate);
    void HookItem(TMenuItem* Item, bool Activate);
    void WalkToolBar(TToolBar* Bar, bool Activate, bool Repaint);
    void WalkControlBar(TControlBar* Bar, bool Activate, bool Repaint);
    void WalkControl(TControl* Control, bool Activate, bool Repaint);
    void RedrawMenuBar();
    bool IsOnFormMenuBar(const TMenuItem* Item) const;
    void DrawMenuBarItem(TMenuItem* Item, TCanvas* ACanvas, const TRect& R, TOwnerDrawState State,
                         const TXPEffectiveColors& C);
    void PaintItemBack(const TXPItemPaint& P);
    void PaintItemCheck(const TXPItemPaint& P);
    void PaintItemImage(const TXPItemPaint& P);
    void PaintItemLine(const TXPItemPaint& P);
    void PaintItemText(const TXPItemPaint& P);

    bool FActive = false;
    bool FActivePending = false;
    TFont FFont;
    TColor FColor = clBtnFace;
    TColor FIconBackColor = clBtnFace;
    TColor FMenuBarColor = clBtnFace;
    TColor FSelectColor = clHighlight;
    TColor FSelectBorderColor = clHighlight;
    TColor FSelectFontColor;
    TColor FDisabledColor = clInactiveCaption;
    TColor FSeparatorColor = clBtnFace;
    TColor FCheckedColor = clHighlight;
    int FIconWidth = 24;
    bool FDrawSelect = true;
    bool FUseSystemColors = true;
    bool FOverrideOwnerDraw = false;
    bool FGradient = false;
    bool FFlatMenu = false;
    bool FAutoDetect = false;
    uint8_t FGrayLevel = 10;
    uint8_t FDimLevel = 30;
    TXPContainers FXPContainers = AllXPContainers;
    TXPControls FXPControls = AllXPControls;
    std::vector<std::unique_ptr<TControlSubClass>> FSubClasses;
};
