#include "shapedform/fcImage.h"

#include <cstring>

TfcCustomImage::TfcCustomImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(TControlStyleItem::csReplicatable);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(Left(), Top(), 105, 105);
    FNoDither = false;
}

TfcCustomImage::~TfcCustomImage() {
    FPicture.OnChange = nullptr;
}

void TfcCustomImage::SetPicture(const TPicture* Value) {
    FPicture.Assign(*Value);
}

void TfcCustomImage::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    PictureChanged();
}

void TfcCustomImage::Paint() {
    if (FPicture.Width() == 0) return;
    TCanvas& c = *Canvas();
    if (IsDesigning()) {
        c.Pen()->SetStyle(TPenStyle::psDash);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Rectangle(0, 0, Width(), Height());
    }
    const bool wasDrawing = FDrawing;
    FDrawing = true;
    try {
        // Palette displays are gone: the picture is always drawn as it is, at its own size.
        c.StretchDraw(Rect(0, 0, FPicture.Width(), FPicture.Height()), FPicture.Graphic());
    } catch (...) {
        FDrawing = wasDrawing;
        throw;
    }
    FDrawing = wasDrawing;
}

void TfcCustomImage::PictureChanged() {
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    TGraphic* g = FPicture.Graphic();
    if (g) {
        if (std::strcmp(g->ClassName(), "TIcon") != 0) g->SetTransparent(Transparent());
        const bool opaque =
            !g->Transparent() && FPicture.Width() >= Width() && FPicture.Height() >= Height();
        if (opaque)
            ControlStyle().Include(TControlStyleItem::csOpaque);
        else
            ControlStyle().Exclude(TControlStyleItem::csOpaque);
    } else {
        ControlStyle().Exclude(TControlStyleItem::csOpaque);
    }
    if (!FDrawing) Invalidate();
}
