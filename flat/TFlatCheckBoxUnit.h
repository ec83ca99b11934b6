#pragma once
// The flat check box: an 11 x 11 square with a drawn check mark and a word-wrapped caption; the
// square shows hover (polled, as the flat buttons do), focus and press.

#include "flat/FlatAdvColors.h"
#include "flat/FlatUtilitys.h"
#include "flat/HoverTimer.h"

#include "platform/Controls.h"

enum class TCheckBoxLayout { checkboxLeft, checkboxRight };

class TFlatCheckBox : public TCustomControl, protected THoverClient, public TFlatStateColors {
public:
    explicit TFlatCheckBox(TComponent* AOwner);
    ~TFlatCheckBox() override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TCheckBoxLayout Layout() const { return FLayout; }
    void SetLayout(TCheckBoxLayout Value);
    TColor ColorCheck() const { return FColorCheck; }
    void SetColorCheck(TColor Value) { SetStateColor(FColorCheck, Value); }

    bool MouseInControl() const { return FMouseIn; }
    // The square, in client coordinates.
    TRect SquareRect() const;
    static TTimer* HoverTimer() { return Hover().Timer(); }

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void HoverEnter() override;
    void HoverLeave() override;

private:
    static THoverTimer& Hover();
    void DrawSquare(TCanvas& Canvas);
    void DrawCaption(TCanvas& Canvas);
    void RedrawSquare() { InvalidateRect(SquareRect()); }

    bool FChecked = false;
    bool FTransparent = false;
    TCheckBoxLayout FLayout = TCheckBoxLayout::checkboxLeft;
    TColor FColorCheck;
    bool FMouseIn = false;
    bool FMouseDown = false;
    bool FFocused = false;
};
