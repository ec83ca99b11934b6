#pragma once
// TControlSubClass: takes over a control's window procedure (the previous one keeps running)
// and gives the control a flat border while the painter is active.

#include "xpmenu/XPMenu.h"

#include "platform/ExtCtrls.h"

class TControlSubClass {
public:
    TControlSubClass(TXPMenu* Painter, TWinControl* Control, TXPControl Kind);
    ~TControlSubClass();
    TControlSubClass(const TControlSubClass&) = delete;
    TControlSubClass& operator=(const TControlSubClass&) = delete;

    TWinControl* Control() const { return FControl; }
    TXPControl Kind() const { return FKind; }
    bool Active() const { return FActive; }
    // Switches the flat look on or off; the hook stays until this object goes.
    void SetActive(bool Value);
    // The control went away: nothing of it may be touched any more.
    void ControlGone() { FControl = nullptr; }
    bool HasBorder() const { return FHadBorder; }

private:
    void AfterMessage(TMessage& Message);
    void PaintBorder(TCanvas& Canvas);
    void PaintButton(TCanvas& Canvas);
    void ApplyPanelLook(bool Flat);

    TXPMenu* FPainter;
    TWinControl* FControl;
    TXPControl FKind;
    int FHookId = 0;
    bool FActive = false;
    // What the control looked like before: an edit's border, a panel's bevels and border.
    bool FHadBorder = true;
    TBevelCut FBevelInner = TBevelCut::bvNone;
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    TBorderStyle FPanelBorder = TBorderStyle::bsNone;
    bool FCtl3D = true;
};

// The kind of a control the painter can subclass, or false when it is none of them.
bool XPControlKind(const TControl* Control, TXPControl& Kind);
// The container kind of a parent control, or false when it is none of them.
bool XPContainerKind(const TControl* Container, TXPContainer& Kind);
