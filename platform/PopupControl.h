#pragma once
// A window of its own for pop-ups the program draws itself (skinned menus): borderless, above
// every other window, and shown without taking the keyboard from the active window.

#include "platform/Controls.h"

class TPopupControl : public TCustomControl {
public:
    explicit TPopupControl(TComponent* AOwner);
    ~TPopupControl() override;
    // Shows or hides the window at its bounds (screen coordinates).
    void SetVisible(bool Value) override;
    bool Showing() const override;
    // True when the screen point lies on the window and inside its outline.
    bool ContainsScreenPoint(TPoint P) const;

protected:
    QWidget* CreateWidget(QWidget* ParentWidget) override;
};
