#pragma once
// The flat combo box: the platform combo box's editing and list inside a three-pixel frame,
// with a flat drop-down button (arrow up while the list is open, embossed when disabled) and a
// list painted in Color.

#include "flat/FlatAdvColors.h"
#include "flat/FlatUtilitys.h"

#include "platform/ComboBox.h"

class TFlatComboBox : public TCustomComboBox {
public:
    explicit TFlatComboBox(TComponent* AOwner);

    TColor ColorArrow() const { return FColorArrow; }
    void SetColorArrow(TColor Value) { SetColorField(FColorArrow, Value); }
    TColor ColorArrowBackground() const { return FColorArrowBackground; }
    void SetColorArrowBackground(TColor Value) { SetColorField(FColorArrowBackground, Value); }
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor Value) { SetColorField(FColorBorder, Value); }
    TAdvColors AdvColorBorder() const { return FAdv.Percent(FColorBorder); }
    void SetAdvColorBorder(TAdvColors Value) { SetAdvColor(FColorBorder, Value); }
    TAdvColors AdvColorArrowBackground() const { return FAdv.Percent(FColorArrowBackground); }
    void SetAdvColorArrowBackground(TAdvColors Value) { SetAdvColor(FColorArrowBackground, Value); }
    bool UseAdvColors() const { return FAdv.Use(); }
    void SetUseAdvColors(bool Value);

    // Window coordinates of the drop-down button as drawn, and of the outer frame.
    TRect ButtonRect() const;
    TRect FrameRect() const;

protected:
    void WndProc(TMessage& Message) override;
    void DropDown() override;
    void CloseUp() override;
    void EditorLayoutChanged() override;

private:
    static constexpr int kButtonWidth = 11;
    void SetColorField(TColor& Field, TColor Value);
    void SetAdvColor(const TColor& Color, TAdvColors Value);
    // From the parent's colour; nothing without a parent.
    void CalcAdvColors();
    void Paint(TCanvas& Canvas);
    void DrawFrame(TCanvas& Canvas);
    void DrawButton(TCanvas& Canvas);
    void DrawSelection(TCanvas& Canvas);

    TColor FColorArrow = clBlack;
    TColor FColorArrowBackground = 0xC5D6D9;
    TColor FColorBorder = 0x8396A0;
    TFlatAdvColors FAdv{{&FColorBorder, 50, TColorCalcType::darken},
                        {&FColorArrowBackground, 10, TColorCalcType::darken}};
};
