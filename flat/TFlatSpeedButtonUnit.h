#pragma once
// The flat speed button: a windowless flat button that never takes the focus.

#include "flat/FlatButtonBase.h"

class TFlatSpeedButton : public TFlatButtonBase<TGraphicControl> {
public:
    explicit TFlatSpeedButton(TComponent* AOwner);

protected:
    void Paint() override;
};
