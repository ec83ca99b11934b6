#include "xpmenu/XPControlSubClass.h"

#include "xpmenu/XPColors.h"

#include "platform/ComboBox.h"
#include "platform/ControlPaint.h"
#include "platform/Environment.h"
#include "platform/Forms.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"

bool XPControlKind(const TControl* Control, TXPControl& Kind) {
    if (dynamic_cast<const TCustomComboBox*>(Control))
        Kind = TXPControl::xcCombo;
    else if (dynamic_cast<const TCustomMaskEdit*>(Control))
        Kind = TXPControl::xcMaskEdit;
    else if (dynamic_cast<const TCustomEdit*>(Control))
        Kind = TXPControl::xcEdit;
    else if (dynamic_cast<const TCustomMemo*>(Control))
        Kind = TXPControl::xcMemo;
    else if (dynamic_cast<const TButton*>(Control))
        Kind = TXPControl::xcButton;
    else if (dynamic_cast<const TCustomPanel*>(Control))
        Kind = TXPControl::xcPanel;
    else
        return false;
    return true;
}

bool XPContainerKind(const TControl* Container, TXPContainer& Kind) {
    if (dynamic_cast<const TCustomForm*>(Container))
        Kind = TXPContainer::xccForm;
    else if (dynamic_cast<const TToolBar*>(Container))
        Kind = TXPContainer::xccToolbar;
    else if (dynamic_cast<const TControlBar*>(Container))
        Kind = TXPContainer::xccControlbar;
    else if (dynamic_cast<const TCustomPanel*>(Container))
        Kind = TXPContainer::xccPanel;
    else
        return false;
    return true;
}

TControlSubClass::TControlSubClass(TXPMenu* Painter, TWinControl* Control, TXPControl Kind)
    : FPainter(Painter), FControl(Control), FKind(Kind) {
    if (auto* e = dynamic_cast<TCustomEdit*>(Control))
        FHadBorder = e->BorderStyle() == TBorderStyle::bsSingle;
    if (auto* p = dynamic_cast<TCustomPanel*>(Control)) {
        FBevelInner = p->BevelInner();
        FBevelOuter = p->BevelOuter();
        FPanelBorder = p->BorderStyle();
        FCtl3D = p->Ctl3D();
    }
    FHookId = Control->HookWindowProc(nullptr, [this](TMessage& M) { AfterMessage(M); });
}

TControlSubClass::~TControlSubClass() {
    if (!FControl) return;
    SetActive(false);
    if (FHookId) FControl->UnhookWindowProc(FHookId);
}

void TControlSubClass::SetActive(bool Value) {
    if (FActive == Value || !FControl) return;
    FActive = Value;
    if (FKind == TXPControl::xcPanel) ApplyPanelLook(Value);
    FControl->Invalidate();
}

void TControlSubClass::ApplyPanelLook(bool Flat) {
    auto* p = dynamic_cast<TCustomPanel*>(FControl);
    if (!p) return;
    const bool framed = FBevelOuter != TBevelCut::bvNone || FPanelBorder == TBorderStyle::bsSingle;
    p->SetBevelInner(Flat ? TBevelCut::bvNone : FBevelInner);
    p->SetBevelOuter(Flat ? TBevelCut::bvNone : FBevelOuter);
    // A framed panel keeps one flat line; an unframed one stays unframed.
    p->SetBorderStyle(Flat ? (framed ? TBorderStyle::bsSingle : TBorderStyle::bsNone)
                           : FPanelBorder);
    p->SetCtl3D(Flat ? false : FCtl3D);
}

void TControlSubClass::AfterMessage(TMessage& Message) {
    if (!FActive || !FControl) return;
    switch (Message.Msg) {
    case WM_PAINT:
        if (FKind == TXPControl::xcButton)
            PaintOverControl(FControl, [this](TCanvas& C) { PaintButton(C); });
        else if (FKind != TXPControl::xcPanel && FHadBorder)
            PaintOverControl(FControl, [this](TCanvas& C) { PaintBorder(C); });
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FControl->Invalidate();
        break;
    default:
        break;
    }
}

void TControlSubClass::PaintBorder(TCanvas& Canvas) {
    const TXPEffectiveColors c = FPainter->EffectiveColors(Env().DisplayDepth());
    TRect r = FControl->ClientRect();
    Canvas.Brush()->SetColor(FControl->Focused() ? c.SelectBorder : c.MenuBorder);
    Canvas.FrameRect(r);
    // The 3D edge inside becomes the control's own colour.
    InflateRect(r, -1, -1);
    Canvas.Brush()->SetColor(FControl->Color());
    Canvas.FrameRect(r);
}

void TControlSubClass::PaintButton(TCanvas& Canvas) {
    const TXPEffectiveColors c = FPainter->EffectiveColors(Env().DisplayDepth());
    const TRect r = FControl->ClientRect();
    const bool focused = FControl->Focused();
    Canvas.Brush()->SetColor(focused ? c.SelectFill : c.Color);
    Canvas.FillRect(r);
    Canvas.Brush()->SetColor(focused ? c.SelectBorder : c.MenuBorder);
    Canvas.FrameRect(r);
    Canvas.SetFont(*FControl->Font());
    Canvas.Font()->SetColor(FControl->Enabled() ? FControl->Font()->Color() : c.Disabled);
    Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect t = r;
    Canvas.DrawText(FControl->Caption(), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
