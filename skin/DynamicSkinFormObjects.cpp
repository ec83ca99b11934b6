#include "skin/DynamicSkinForm.h"

#include "platform/Forms.h"
#include "skin/SPEffBmp.h"

#include <algorithm>

TActiveSkinObject::TActiveSkinObject(TspDynamicSkinForm* AParent, const TDataSkinObject& Data)
    : IDName(Data.IDName), RollUp(Data.RollUp), ActivePictureIndex(Data.ActivePictureIndex),
      CursorIndex(Data.CursorIndex), SkinRect(Data.SkinRect), ActiveSkinRect(Data.ActiveSkinRect),
      Morphing(Data.Morphing), MorphKind(Data.MorphKind), ObjectRect(Data.SkinRect),
      FParent(AParent) {
    // Without an active picture there is no active image to show.
    if (!ActivePicture()) ActiveSkinRect = TRect{};
}

const TBitmap* TActiveSkinObject::Picture() const {
    const TspSkinData* sd = FParent->SkinData();
    if (!sd) return nullptr;
    const TBitmap* rollUp = sd->FramePicture(TSkinSlot::RollUpPicture);
    if (RollUp && !rollUp->Empty()) return rollUp;
    return sd->FramePicture(TSkinSlot::Picture);
}

const TBitmap* TActiveSkinObject::ActivePicture() const {
    const TspSkinData* sd = FParent->SkinData();
    return sd ? sd->Picture(ActivePictureIndex) : nullptr;
}

void TActiveSkinObject::SetActive(bool Value) {
    if (FActive == Value) return;
    FActive = Value;
    if (Morphing && !ActiveSkinRect.IsEmpty()) {
        FParent->StartMorph();
        return;
    }
    MorphKf = Value ? 1 : 0;
    ReDraw();
}

bool TActiveSkinObject::InTransition() const {
    return Morphing && ((FActive && MorphKf < 1) || (!FActive && MorphKf > 0));
}

bool TActiveSkinObject::ChangeMorphKf() {
    if (!InTransition()) return false;
    MorphKf = std::clamp(MorphKf + (FActive ? 0.1 : -0.1), 0.0, 1.0);
    // Tenths added up do not land on 1 exactly.
    if (MorphKf > 0.999) MorphKf = 1;
    if (MorphKf < 0.001) MorphKf = 0;
    return InTransition();
}

void TActiveSkinObject::ReDraw() {
    FParent->RedrawObject(this);
}

void TActiveSkinObject::DrawPiece(TCanvas* Canvas, TPoint Offset, const TBitmap& Source,
                                  const TRect& Src) const {
    TRect dst = Bounds(ObjectRect.Left, ObjectRect.Top, Src.Width(), Src.Height());
    OffsetRect(dst, Offset.X, Offset.Y);
    Canvas->DrawImage(dst, Source.Image(), Src);
}

void TActiveSkinObject::Draw(TCanvas* Canvas, TPoint Offset) {
    const TBitmap* active = ActivePicture();
    const TRect activeRect = ActiveImageRect();
    if (!active || activeRect.IsEmpty()) return;
    if (Morphing && InTransition() && Picture()) {
        // Both looks cut to the same size, then mixed by the morph progress.
        const int w = std::min(SkinRect.Width(), activeRect.Width());
        const int h = std::min(SkinRect.Height(), activeRect.Height());
        TBitmap normal, hot;
        normal.SetPixelFormat(TPixelFormat::pf24bit);
        hot.SetPixelFormat(TPixelFormat::pf24bit);
        normal.SetSize(w, h);
        hot.SetSize(w, h);
        CopyBlock(normal, 0, 0, *Picture(), SkinRect.Left, SkinRect.Top, w, h);
        CopyBlock(hot, 0, 0, *active, activeRect.Left, activeRect.Top, w, h);
        TspEffectBmp mix(normal);
        const TspEffectBmp other(hot);
        if (MorphKind == TMorphKind::mkDefault)
            mix.Blend(other, MorphKf);
        else
            mix.BlendGradient(other, MorphKf);
        mix.Draw(Canvas, ObjectRect.Left + Offset.X, ObjectRect.Top + Offset.Y);
        return;
    }
    if (FActive) DrawPiece(Canvas, Offset, *active, activeRect);
}

void TActiveSkinObject::MouseDown(int, int, TMouseButton) {}
void TActiveSkinObject::MouseUp(int, int, TMouseButton) {}
void TActiveSkinObject::MouseMove(int, int) {}

void TActiveSkinObject::MouseEnter() {
    SetActive(true);
}

void TActiveSkinObject::MouseLeave() {
    SetActive(false);
}

// ---------------------------------------------------------------------------------------------

TSkinButton::TSkinButton(TspDynamicSkinForm* AParent, const TDataSkinButton& Data)
    : TActiveSkinObject(AParent, Data), DownRect(Data.DownRect), GroupIndex(Data.GroupIndex) {}

void TSkinButton::Draw(TCanvas* Canvas, TPoint Offset) {
    const TBitmap* active = ActivePicture();
    const TRect down = DownImageRect();
    if (FDown && FActive && active && !down.IsEmpty()) {
        DrawPiece(Canvas, Offset, *active, down);
        return;
    }
    TActiveSkinObject::Draw(Canvas, Offset);
}

void TSkinButton::MouseDown(int, int, TMouseButton Button) {
    if (Button != TMouseButton::mbLeft) return;
    FDown = true;
    ReDraw();
}

void TSkinButton::MouseUp(int X, int Y, TMouseButton Button) {
    if (Button != TMouseButton::mbLeft || !FDown) return;
    FDown = false;
    ReDraw();
    if (PtInSkinRect(ObjectRect, {X, Y})) Clicked();
}

TSkinStdButton::TSkinStdButton(TspDynamicSkinForm* AParent, const TDataSkinStdButton& Data)
    : TSkinButton(AParent, Data), Command(Data.Command), RestoreRect(Data.RestoreRect),
      RestoreActiveRect(Data.RestoreActiveRect), RestoreDownRect(Data.RestoreDownRect) {}

void TSkinStdButton::MouseDown(int X, int Y, TMouseButton Button) {
    if (Command != TStdCommand::cmSysMenu || Button != TMouseButton::mbLeft) {
        TSkinButton::MouseDown(X, Y, Button);
        return;
    }
    // The system menu opens below the button instead of the button going down.
    if (TCustomForm* form = FParent->Form()) {
        const TPoint a = form->ClientToScreen(ObjectRect.TopLeft());
        const TPoint b = form->ClientToScreen(ObjectRect.BottomRight());
        FParent->PopupSystemMenu(TRect{a.X, a.Y, b.X, b.Y});
    }
}

bool TSkinStdButton::Restoring() const {
    const TspWindowState s = FParent->WindowState();
    return s != TspWindowState::wsNormal && !RestoreRect.IsEmpty();
}

TRect TSkinStdButton::ActiveImageRect() const {
    return Restoring() ? RestoreActiveRect : ActiveSkinRect;
}

TRect TSkinStdButton::DownImageRect() const {
    return Restoring() ? RestoreDownRect : DownRect;
}

void TSkinStdButton::Clicked() {
    FParent->RunCommand(Command);
}

// ---------------------------------------------------------------------------------------------

std::unique_ptr<TActiveSkinObject> CreateFrameObject(TspDynamicSkinForm* Parent,
                                                     const TDataSkinObject& Data) {
    // Menu items and the main menu bar's own buttons and items belong to menus, not the frame.
    if (dynamic_cast<const TDataSkinMenuItem*>(&Data) ||
        dynamic_cast<const TDataSkinMainMenuItem*>(&Data) ||
        dynamic_cast<const TDataSkinMainMenuBarButton*>(&Data))
        return nullptr;
    if (auto* c = dynamic_cast<const TDataSkinCaption*>(&Data))
        return std::make_unique<TSkinCaption>(Parent, *c);
    if (auto* s = dynamic_cast<const TDataSkinStdButton*>(&Data))
        return std::make_unique<TSkinStdButton>(Parent, *s);
    if (auto* b = dynamic_cast<const TDataSkinButton*>(&Data))
        return std::make_unique<TSkinButton>(Parent, *b);
    // Labels, gauges, track bars, switches, animations and user objects show their images and
    // react to hovering like any object.
    return std::make_unique<TActiveSkinObject>(Parent, Data);
}
