#include "skin/SkinCtrlsBase.h"

#include "skin/SPEffBmp.h"

#include "platform/Forms.h"

TSkinControl::TSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

TSkinControl::~TSkinControl() {
    if (FSD) FSD->RemoveFreeNotification(this);
}

void TSkinControl::SetSkinData(TspSkinData* Value) {
    if (FSD == Value) return;
    if (FSD) FSD->RemoveFreeNotification(this);
    FSD = Value;
    if (!FSD) return SkinDataLost();
    FSD->FreeNotification(this);
    if (!FSD->NoSkin() && !Designing()) ChangeSkinData();
}

void TSkinControl::SkinDataLost() {
    FIndex = -1;
    if (!IsDestroying()) Invalidate();
}

void TSkinControl::SetSkinDataName(const QString& Value) {
    FSkinDataName = Value;
}

void TSkinControl::SetDrawDefault(bool Value) {
    if (FDrawDefault == Value) return;
    FDrawDefault = Value;
    Invalidate();
}

void TSkinControl::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Invalidate();
}

void TSkinControl::SetTransparentValue(TTransparentValue Value) {
    if (Value < 1 || Value > 100 || Value == FTransparentValue) return;
    FTransparentValue = Value;
    if (FTransparent) Invalidate();
}

void TSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSD) {
        FSD = nullptr;
        SkinDataLost();
    }
}

void TSkinControl::GetSkinData() {
    FIndex = FSD && !FSD->NoSkin() ? FSD->FindControlDescription(FSkinDataName) : -1;
}

const TDataSkinControl* TSkinControl::Description() const {
    if (!FSD || FIndex < 0 || FIndex >= int(FSD->ControlDescriptions().size())) return nullptr;
    return FSD->ControlDescriptions()[FIndex].get();
}

void TSkinControl::ChangeSkinData() {
    GetSkinData();
    const TDataSkinControl* d = Description();
    FSkinCursorIndex = d ? d->CursorIndex : -1;
    SetCursor(FSkinCursorIndex == -1 ? crDefault : FSD->FirstCursorIndex() + FSkinCursorIndex);
    Invalidate();
}

void TSkinControl::BeforeChangeSkinData() {
    FIndex = -1;
}

void TSkinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case SKINMSG_BEFORE_CHANGE:
    case SKINMSG_AFTER_CHANGE:
        if (FSD && Message.WParam == reinterpret_cast<WPARAM>(FSD)) {
            if (Message.Msg == SKINMSG_BEFORE_CHANGE)
                BeforeChangeSkinData();
            else
                ChangeSkinData();
        }
        return;
    case WM_ERASEBKGND: // the paint covers every pixel
        Message.Result = 1;
        return;
    case WM_MOVE:
        TCustomControl::WndProc(Message);
        if (FTransparent && Skinned()) Invalidate();
        return;
    case CM_MOUSEENTER:
        TCustomControl::WndProc(Message);
        if (OnMouseEnter) OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        TCustomControl::WndProc(Message);
        if (OnMouseLeave) OnMouseLeave(this);
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

void TSkinControl::Paint() {
    GetSkinData();
    if (Designing() || (!Skinned() && FDrawDefault))
        PaintDefault(*Canvas());
    else if (Skinned())
        PaintSkin(*Canvas());
}

void TSkinControl::DrawDefaultLook(TCanvas& C) {
    TRect r = ClientRect();
    C.Brush()->SetStyle(TBrushStyle::bsSolid);
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(r);
    Frame3D(C, r, clBtnHighlight, clBtnShadow, 1);
}

// ---------------------------------------------------------------------------------------------

void TResizeSkinControl::GetSkinData() {
    TSkinControl::GetSkinData();
    const auto* d = dynamic_cast<const TDataResizeSkinControl*>(Description());
    if (!d) {
        // A description that cannot be resized would shrink the control to its picture's
        // rectangle; the control stays as it is, unskinned.
        FIndex = -1;
        FResizeMode = TSkinResizeMode::None;
        FPictureIndex = FMaskIndex = -1;
        return;
    }
    FPoints = {d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClientRect};
    FSkinRect = d->SkinRect;
    FPictureIndex = d->PictureIndex;
    FMaskIndex = d->MaskPictureIndex;
    FResizeMode = SkinResizeMode(FPoints);
}

const TBitmap* TResizeSkinControl::Picture() const {
    return Skinned() && SkinData() ? SkinData()->Picture(FPictureIndex) : nullptr;
}

const TBitmap* TResizeSkinControl::Mask() const {
    return Skinned() && SkinData() ? SkinData()->Picture(FMaskIndex) : nullptr;
}

TSkinPoints TResizeSkinControl::NewPoints() const {
    int w = Width(), h = Height();
    return ResizeSkinPoints(FPoints, FResizeMode, FSkinRect, w, h);
}

void TResizeSkinControl::AdjustSize(int& W, int& H) const {
    if (Skinned()) ResizeSkinPoints(FPoints, FResizeMode, FSkinRect, W, H);
}

void TResizeSkinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const bool resized = AWidth != Width() || AHeight != Height();
    if (resized) AdjustSize(AWidth, AHeight);
    TSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!resized) return;
    UpdateRegion();
    Invalidate();
}

void TResizeSkinControl::ChangeSkinData() {
    TSkinControl::ChangeSkinData();
    int w = Width(), h = Height();
    AdjustSize(w, h);
    if (w != Width() || h != Height()) {
        SetBounds(Left(), Top(), w, h);
        return;
    }
    UpdateRegion();
    Invalidate();
}

namespace {

// BuildFrameRegion wants all four anchor points; a picture that follows one direction only has
// two, and the other two lie where nothing is tiled across.
TSkinPoints CompletePoints(TSkinPoints P, TSkinResizeMode Mode) {
    if (Mode == TSkinResizeMode::Horizontal) {
        P.LB = {P.LT.X, P.CR.Bottom};
        P.RB = {P.RT.X, P.CR.Bottom};
    } else if (Mode == TSkinResizeMode::Vertical) {
        P.RT = {P.CR.Right, P.LT.Y};
        P.RB = {P.CR.Right, P.LB.Y};
    }
    return P;
}

} // namespace

void TResizeSkinControl::UpdateRegion() {
    const TBitmap* mask = Mask();
    std::unique_ptr<TRegion> region;
    if (mask && !mask->Empty()) {
        if (FResizeMode == TSkinResizeMode::None) {
            region = BuildMaskRegion(*mask, FSkinRect, 0, 0);
        } else {
            const TSkinPoints old = CompletePoints(FPoints, FResizeMode);
            int w = Width(), h = Height();
            const TSkinPoints now = ResizeSkinPoints(old, TSkinResizeMode::Both, FSkinRect, w, h);
            region = BuildFrameRegion(old, now, *mask, FSkinRect, w, h);
        }
    }
    if (!region && !FHasRegion) return;
    SetWindowRegion(this, region.get(), false);
    FHasRegion = region != nullptr;
}

void TResizeSkinControl::SkinDataLost() {
    TSkinControl::SkinDataLost();
    if (!IsDestroying()) UpdateRegion();
}

void TResizeSkinControl::CreateSkinImage(TBitmap& Image, const TRect& Source) const {
    const TBitmap* picture = Picture();
    if (!picture) {
        // A description without a usable picture still gives a face, not a black hole.
        Image.SetSize(Width(), Height());
        Image.Canvas()->Brush()->SetColor(clBtnFace);
        Image.Canvas()->FillRect(Rect(0, 0, Width(), Height()));
        return;
    }
    const int w = Width(), h = Height();
    switch (FResizeMode) {
    case TSkinResizeMode::Both: {
        int nw = w, nh = h;
        const TSkinPoints now = ResizeSkinPoints(FPoints, FResizeMode, Source, nw, nh);
        DrawResizedSkin(FPoints, now, Image, *picture, Source, nw, nh, true);
        break;
    }
    case TSkinResizeMode::Horizontal:
        DrawWidenedSkin(FPoints.LT.X, Source.Width() - FPoints.RT.X, Image, *picture, w, Source);
        break;
    case TSkinResizeMode::Vertical:
        DrawLengthenedSkin(FPoints.LT.Y, Source.Height() - FPoints.LB.Y, Image, *picture, h,
                           Source);
        break;
    case TSkinResizeMode::None:
        Image.SetPixelFormat(picture->PixelFormat());
        Image.SetSize(Source.Width(), Source.Height());
        CopyBitmapRect(Image, 0, 0, *picture, Source);
        break;
    }
}

void TResizeSkinControl::BlendWithBackground(TBitmap& Image) {
    TBitmap background;
    background.SetPixelFormat(TPixelFormat::pf24bit);
    background.SetSize(Image.Width(), Image.Height());
    CopyParentBackground(this, background.Canvas());
    TspEffectBmp face(Image);
    face.Blend(TspEffectBmp(background), TransparentValue() / 100.0);
    face.AssignTo(Image);
}

void TResizeSkinControl::PaintSkin(TCanvas& Canvas) {
    TBitmap image;
    CreateControlSkinImage(image);
    if (Transparent()) BlendWithBackground(image);
    Canvas.Draw(0, 0, &image);
}

void AssignSkinFont(TFont& Font, const TSkinFont& Skin) {
    Font.SetName(Skin.Name);
    Font.SetHeight(Skin.Height);
    Font.SetStyle(Skin.Style);
    Font.SetColor(Skin.Color);
}
