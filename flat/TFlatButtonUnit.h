#pragma once
// The flat push button: the flat speed button's look and states on a window of its own, so it
// can be focused, tabbed to and pressed with the space bar.

#include "flat/FlatButtonBase.h"

class TFlatButton : public TFlatButtonBase<TCustomControl> {
public:
    explicit TFlatButton(TComponent* AOwner);

    // Only the look: the up, unhovered, unfocused border becomes two pixels wide.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void PaintClearFace(TCanvas& Canvas) override;
    int FlatBorderWidth() const override { return FDefault ? 2 : 1; }
    void Pressed() override;

private:
    void KeyMessage(TMessage& Message);
    bool FDefault = false;
};
