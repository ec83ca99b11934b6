#pragma once
// Tool bars (a row of picture buttons whose drawing an event can take over) and control bars
// (bands around their child controls, whose drawing an event can change).

#include "platform/ExtCtrls.h"
#include "platform/ImgList.h"

class TMenuItem;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

enum class TCustomDrawStateItem {
    cdsSelected,
    cdsGrayed,
    cdsDisabled,
    cdsChecked,
    cdsFocused,
    cdsDefault,
    cdsHot,
    cdsMarked,
    cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;

class TToolButton : public TGraphicControl {
public:
    explicit TToolButton(TComponent* AOwner);
    void SetParent(TWinControl* AParent) override;

    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // A check button stays down; grouped check buttons next to each other release each other.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value) { FGrouped = Value; }
    // Clicking the button clicks this menu item.
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* Value) { FMenuItem = Value; }
    bool Hot() const { return FHot; }
    bool Pressed() const { return FPressed; }
    bool IsSeparator() const {
        return FStyle == TToolButtonStyle::tbsSeparator || FStyle == TToolButtonStyle::tbsDivider;
    }
    TToolBar* ToolBar() const;
    void Click() override;
    // The state a drawing event is told about.
    TCustomDrawState DrawState() const;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void SetHot(bool Value);
    void SetPressed(bool Value);
    TToolButtonStyle FStyle = TToolButtonStyle::tbsButton;
    int FImageIndex = -1;
    bool FDown = false;
    bool FGrouped = false;
    bool FHot = false;
    bool FPressed = false;
    TMenuItem* FMenuItem = nullptr;
};

// Draws one button on ACanvas in ARect; leaving DefaultDraw true lets the bar draw it as well.
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCanvas* ACanvas, TRect ARect,
                       TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TCustomControl {
public:
    explicit TToolBar(TComponent* AOwner);

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    int Indent() const { return FIndent; }
    void SetIndent(int Value);

    int ButtonCount() const;
    TToolButton* Buttons(int Index) const;
    // Places the buttons left to right in their order.
    void ArrangeButtons();
    // Draws a button through OnCustomDrawButton and, unless that declines, the bar's own look.
    void DrawButton(TToolButton* Button, TCanvas* ACanvas);
    // The bar's own look of a button.
    void DefaultDrawButton(TToolButton* Button, TCanvas* ACanvas, const TRect& R);
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TTBCustomDrawBtnEvent OnCustomDrawButton;

protected:
    void Paint() override;

private:
    TCustomImageList* FImages = nullptr;
    bool FFlat = false;
    bool FShowCaptions = false;
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    int FIndent = 0;
};

enum class TBandPaintOption { bpoGrabber, bpoFrame };
using TBandPaintOptions = TSet<TBandPaintOption>;
// Called before a band is drawn: may change its rectangle and what the bar draws of it.
using TBandPaintEvent = std::function<void(TObject* Sender, TControl* Control, TCanvas* Canvas,
                                           TRect& ARect, TBandPaintOptions& Options)>;

class TControlBar : public TCustomControl {
public:
    explicit TControlBar(TComponent* AOwner);
    // The band around a child control: a grabber at its left and a frame around both.
    static TRect BandRect(const TControl* Control);
    TBandPaintEvent OnBandPaint;

protected:
    void Paint() override;
};
