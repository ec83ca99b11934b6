// The skinned frame component: its properties, taking over the form, applying a skin and laying
// the frame out at the window's size.

#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"
#include "platform/WindowStates.h"
#include "skin/SPUtils.h"

#include <algorithm>

namespace {

TTimer* MakeTimer(TComponent* Owner, unsigned Interval, std::function<void()> Tick) {
    auto* t = new TTimer(Owner);
    t->SetEnabled(false);
    t->SetInterval(Interval);
    t->OnTimer = [Tick = std::move(Tick)](TObject*) { Tick(); };
    return t;
}

TSkinPoints SkinPointsOf(const TSkinFormInfo& I) {
    return {I.LTPoint, I.RTPoint, I.LBPoint, I.RBPoint, I.ClientRect};
}

TSkinPoints SkinPointsOf(const TFrameGeometry& G) {
    return {G.LTPoint, G.RTPoint, G.LBPoint, G.RBPoint, G.ClientRect};
}

} // namespace

TspDynamicSkinForm::TspDynamicSkinForm(TComponent* AOwner)
    : TComponent(AOwner), FForm(dynamic_cast<TCustomForm*>(AOwner)) {
    FMorphTimer = MakeTimer(this, 20, [this] { MorphTick(); });
    FAnimateTimer = MakeTimer(this, 25, [] {});
    FMouseTrackTimer = MakeTimer(this, 50, [this] { MouseTrackTick(); });
    FDefaultSysMenu = new TspSkinPopupMenu(this);
    FDefaultSysMenu->SetAutoPopup(false);
    FDefaultSysMenu->SetOwnerForm(FForm);
    FSkinMenu = std::make_unique<TSkinMenu>(FForm);
    FSkinMenu->OnOpen = [this](TObject*) {
        if (OnSkinMenuOpen) OnSkinMenuOpen(this);
    };
    // Placed anywhere but on a form, the component stays inert.
    if (!FForm) return;
    // The frame gives the form its commands; the form shows none of its own.
    FForm->SetBorderIcons({});
    UpdateSystemMenu();
    if (Designing()) return;
    FHookId = FForm->HookWindowProc(
        [this](TMessage& M, bool& CallDefault) {
            if (BeforeMessage(M)) CallDefault = false;
        },
        [this](TMessage& M) { AfterMessage(M); });
}

TspDynamicSkinForm::~TspDynamicSkinForm() {
    StopTimers();
    if (FPressedObject >= 0 && GetCaptureControl() == FForm) SetCaptureControl(nullptr);
    if (FForm && FHookId) FForm->UnhookWindowProc(FHookId);
}

bool TspDynamicSkinForm::Designing() const {
    return ComponentState().Contains(TComponentStateItem::csDesigning);
}

void TspDynamicSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FSkinData) {
        FSkinData = nullptr;
        StopTimers();
        DropObjects();
    }
    if (AComponent == FSystemMenu) FSystemMenu = nullptr;
    if (AComponent == FMainMenu) FMainMenu = nullptr;
    if (AComponent == FMainMenuBar) FMainMenuBar = nullptr;
    if (AComponent == FTrayIcon) FTrayIcon = nullptr;
}

// Each reference property: drop the old notification, keep the new one told.
#define SP_REFERENCE_SETTER(Name, Type, Field)                                                     \
    void TspDynamicSkinForm::Set##Name(Type* Value) {                                              \
        if (Field == Value) return;                                                                \
        if (Field) Field->RemoveFreeNotification(this);                                            \
        Field = Value;                                                                             \
        if (Value) Value->FreeNotification(this);                                                  \
    }
SP_REFERENCE_SETTER(SystemMenu, TPopupMenu, FSystemMenu)
SP_REFERENCE_SETTER(MainMenu, TMainMenu, FMainMenu)
SP_REFERENCE_SETTER(MainMenuBar, TComponent, FMainMenuBar)
SP_REFERENCE_SETTER(TrayIcon, TComponent, FTrayIcon)
#undef SP_REFERENCE_SETTER

void TspDynamicSkinForm::SetSkinData(TspSkinData* Value) {
    if (FSkinData != Value) {
        if (FSkinData) FSkinData->RemoveFreeNotification(this);
        FSkinData = Value;
        if (Value) Value->FreeNotification(this);
    }
    StopTimers();
    DropObjects();
    if (!Designing()) ApplySkin();
}

void TspDynamicSkinForm::SetAlphaBlendSupport(bool Value) {
    FAlphaBlendSupport = Value;
    // Without layered windows translucency is not offered at all.
    if (!Designing() && !LayeredWindowsAvailable()) FAlphaBlendSupport = false;
}

void TspDynamicSkinForm::SetAlphaBlend(bool Value) {
    if (FAlphaBlend == Value) return;
    FAlphaBlend = Value;
    ApplyTranslucency();
}

void TspDynamicSkinForm::SetAlphaBlendValue(int Value) {
    FAlphaBlendValue = std::clamp(Value, 0, 255);
    if (FAlphaBlend) ApplyTranslucency();
}

void TspDynamicSkinForm::SetMenusTransparentValue(int Value) {
    FMenusTransparentValue = std::clamp(Value, 1, 100);
}

void TspDynamicSkinForm::ApplyTranslucency() {
    if (Designing() || !FForm || !FAlphaBlendSupport) return;
    SetWindowTranslucency(FForm, FAlphaBlend ? std::min(FAlphaBlendValue, 100) : 0);
}

bool TspDynamicSkinForm::SkinLoaded() const {
    return FSkinData && !FSkinData->NoSkin() &&
           !FSkinData->FramePicture(TSkinSlot::Picture)->Empty() &&
           !FSkinData->FormInfo().ClientRect.IsEmpty();
}

bool TspDynamicSkinForm::IsBordered() const {
    return FForm && FForm->BorderStyle() != TFormBorderStyle::bsNone;
}

TSize TspDynamicSkinForm::MinimumSize() const {
    if (!SkinLoaded()) return {std::max(0, FMinWidth), std::max(0, FMinHeight)};
    const TBitmap* pic = FSkinData->FramePicture(TSkinSlot::Picture);
    const bool minimized = WindowState() == TspWindowState::wsMinimized;
    return FrameMinSize({pic->Width(), pic->Height()}, FSkinData->FormInfo().ClientRect, FMinWidth,
                        FMinHeight, FRollUp, minimized);
}

int TspDynamicSkinForm::FindObject(const QString& IDName) const {
    for (int i = 0; i < ObjectCount(); ++i)
        if (FObjects[i]->IDName == IDName) return i;
    return -1;
}

void TspDynamicSkinForm::StopTimers() {
    FMorphTimer->SetEnabled(false);
    FAnimateTimer->SetEnabled(false);
    FMouseTrackTimer->SetEnabled(false);
}

void TspDynamicSkinForm::DropObjects() {
    ReleasePressed();
    FHoverObject = -1;
    FObjects.clear();
}

void TspDynamicSkinForm::CreateObjects() {
    DropObjects();
    for (const auto& d : FSkinData->ObjectDescriptions())
        if (auto o = CreateFrameObject(this, *d)) FObjects.push_back(std::move(o));
}

void TspDynamicSkinForm::ApplySkin() {
    if (!FForm || !FSupportNCArea || !SkinLoaded()) return;
    CreateObjects();
    UpdateSystemMenu();
    EnforceMinimumSize();
    Relayout(FForm->Width(), FForm->Height());
    SetCaptionsActive(FFormActive);
    FMouseTrackTimer->SetEnabled(true);
    if (OnChangeSkinData) OnChangeSkinData(this);
}

void TspDynamicSkinForm::EnforceMinimumSize() {
    const TSize min = MinimumSize();
    const bool narrow = FForm->Width() < min.cx;
    const bool low = FForm->Height() < min.cy || (FRollUp && FForm->Height() != min.cy);
    if (!narrow && !low) return;
    FForm->SetBounds(FForm->Left(), FForm->Top(), narrow ? min.cx : FForm->Width(),
                     low ? min.cy : FForm->Height());
}

void TspDynamicSkinForm::Relayout(int W, int H) {
    if (!FramePresent()) return;
    FLaidOutSize = {W, H};
    const TSkinFormInfo& info = FSkinData->FormInfo();
    const TBitmap* pic = FSkinData->FramePicture(TSkinSlot::Picture);
    const TSize picSize{pic->Width(), pic->Height()};
    const TRect oldClient = FGeometry.ClientRect;
    FGeometry = ComputeFrameGeometry(info, picSize, W, H, FMainMenu != nullptr);
    for (auto& o : FObjects)
        o->ObjectRect = PlaceFrameRect(o->SkinRect, info, picSize, FGeometry.DW, FGeometry.DH);
    UpdateRegion();
    if (IsBordered() && OnChangeClientRect && oldClient != FGeometry.ClientRect)
        OnChangeClientRect(this, FGeometry.ClientRect);
}

void TspDynamicSkinForm::UpdateRegion() {
    if (!IsBordered() && FSupportNCArea) {
        // The form's own outline (an image-shaped window's, say) is not ours to touch.
        if (FRegionSet) SetWindowRegion(FForm, nullptr, true);
        FRegionSet = false;
        return;
    }
    const TBitmap* mask = FSkinData->FramePicture(TSkinSlot::Mask);
    if (mask->Empty()) {
        if (FRegionSet) SetWindowRegion(FForm, nullptr, true);
        FRegionSet = false;
        return;
    }
    const TSkinFormInfo& info = FSkinData->FormInfo();
    TSkinPoints oldPts = SkinPointsOf(info);
    TSkinPoints newPts = SkinPointsOf(FGeometry);
    oldPts.CR = info.MaskRectArea;
    newPts.CR = FGeometry.MaskRectArea;
    auto region = BuildFrameRegion(oldPts, newPts, *mask, Rect(0, 0, mask->Width(), mask->Height()),
                                   FLaidOutSize.cx, FLaidOutSize.cy);
    SetWindowRegion(FForm, region.get(), true);
    FRegionSet = region != nullptr;
}

void TspDynamicSkinForm::PaintObject(TActiveSkinObject* Object, TCanvas* Canvas, TPoint Offset) {
    Object->Draw(Canvas, Offset);
    if (OnPaintEvent) OnPaintEvent(this, Object->IDName, Canvas, Object->ObjectRect);
}

void TspDynamicSkinForm::PaintFrame(TCanvas* Canvas) {
    if (!FramePresent() || !FForm) return;
    const int W = FForm->Width(), H = FForm->Height();
    const TSize min = MinimumSize();
    if (W < min.cx || H < min.cy) return;
    if (FLaidOutSize != TSize{W, H}) Relayout(W, H);
    const TSkinFormInfo& info = FSkinData->FormInfo();
    const TBitmap* pic = FSkinData->FramePicture(TSkinSlot::Picture);
    TBitmap left, right, top, bottom;
    CutBorderStrips(SkinPointsOf(info), SkinPointsOf(FGeometry), *pic,
                    Rect(0, 0, pic->Width(), pic->Height()), left, right, top, bottom);
    const TRect& cr = FGeometry.ClientRect;
    for (auto& o : FObjects) {
        if (!o->Visible) continue;
        if (o->ObjectRect.Top >= cr.Top)
            PaintObject(o.get(), bottom.Canvas(), {0, -cr.Bottom});
        else
            PaintObject(o.get(), top.Canvas(), {0, 0});
    }
    Canvas->Draw(0, 0, &top);
    Canvas->Draw(0, top.Height(), &left);
    Canvas->Draw(W - right.Width(), top.Height(), &right);
    Canvas->Draw(0, H - bottom.Height(), &bottom);
}

void TspDynamicSkinForm::RedrawObject(TActiveSkinObject*) {
    // Only a bordered form shows the frame; the platform paints it with the form.
    if (IsBordered() && FramePresent()) FForm->Invalidate();
}
