#pragma once
// The flat group box: a one-pixel frame (or only its top line) broken by the caption.

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
    TAdvColors AdvColorBorder() const { return FAdvColorBorder; }
    void SetAdvColorBorder(TAdvColors Value);
    bool UseAdvColors() const { return FUseAdvColors; }
    void SetUseAdvColors(bool Value);

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    void CalcAdvColors();
    bool FTransparent = false;
    TColor FColorBorder;
    TGroupBoxBorder FBorder = TGroupBoxBorder::brFull;
    TAdvColors FAdvColorBorder = 50;
    bool FUseAdvColors = false;
};
