#pragma once
// The flat group box: a one-pixel frame (or only its top line) broken by the caption.

#include "flat/FlatAdvColors.h"
#include "flat/FlatUtilitys.h"

#include "platform/Controls.h"

enum class TGroupBoxBorder { brFull, brOnlyTopLine };

class TFlatGroupBox : public TCustomControl {
public:
    explicit TFlatGroupBox(TComponent* AOwner);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TColor ColorBorder() const { return FColorBorder; }
    void SetColorBorder(TColor Value);
    TGroupBoxBorder Border() const { return FBorder; }
    void SetBorder(TGroupBoxBorder Value);
    TAdvColors AdvColorBorder() const { return FAdv.Percent(FColorBorder); }
    void SetAdvColorBorder(TAdvColors Value) { FAdv.SetPercentOn(*this, FColorBorder, Value); }
    bool UseAdvColors() const { return FAdv.Use(); }
    void SetUseAdvColors(bool Value) { FAdv.SetUseOn(*this, Value); }

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    bool FTransparent = false;
    TColor FColorBorder;
    TGroupBoxBorder FBorder = TGroupBoxBorder::brFull;
    TFlatAdvColors FAdv{{&FColorBorder, 50, TColorCalcType::darken}};
};
