// Resize geometry, the pixel buffer of the effects, and the window services of skinned windows.
#include "skin/SPUtils.h"

#include "platform/Environment.h"
#include "platform/WindowEffects.h"

#include <algorithm>
#include <cstring>

TSkinResizeMode SkinResizeMode(const TSkinPoints& P) {
    if (P.RB.X != 0 && P.RB.Y != 0) return TSkinResizeMode::Both;
    if (P.RT.X != 0 || P.RT.Y != 0) return TSkinResizeMode::Horizontal;
    if (P.LB.X != 0 || P.LB.Y != 0) return TSkinResizeMode::Vertical;
    return TSkinResizeMode::None;
}

TSkinPoints ResizeSkinPoints(const TSkinPoints& P, TSkinResizeMode Mode, const TRect& R, int& W,
                             int& H) {
    if (Mode == TSkinResizeMode::Horizontal || Mode == TSkinResizeMode::None) H = R.Height();
    if (Mode == TSkinResizeMode::Vertical || Mode == TSkinResizeMode::None) W = R.Width();
    const int dw = W - R.Width(), dh = H - R.Height();
    TSkinPoints n = P;
    switch (Mode) {
    case TSkinResizeMode::Both:
        n.RT = {P.RT.X + dw, P.RT.Y};
        n.LB = {P.LB.X, P.LB.Y + dh};
        n.RB = {P.RB.X + dw, P.RB.Y + dh};
        n.CR.Right += dw;
        n.CR.Bottom += dh;
        break;
    case TSkinResizeMode::Horizontal:
        n.RT = {P.RT.X + dw, P.RT.Y};
        n.CR.Right += dw;
        break;
    case TSkinResizeMode::Vertical:
        n.LB = {P.LB.X, P.LB.Y + dh};
        n.CR.Bottom += dh;
        break;
    case TSkinResizeMode::None:
        break;
    }
    return n;
}

TFBitmap::TFBitmap(int W, int H)
    : FWidth(std::max(0, W)), FHeight(std::max(0, H)), FStride((FWidth * 3 + 3) / 4 * 4),
      FPixels(size_t(FStride) * FHeight) {}

TFBitmap::TFBitmap(const TBitmap& Source) : TFBitmap(Source.Width(), Source.Height()) {
    const int bytes = PixelBytes(Source);
    for (int y = 0; y < FHeight; ++y) {
        const uchar* s = Source.ScanLine(y);
        uint8_t* d = Row(y);
        if (bytes == 3) {
            std::memcpy(d, s, size_t(FWidth) * 3);
            continue;
        }
        for (int x = 0; x < FWidth; ++x, s += 4, d += 3) d[0] = s[0], d[1] = s[1], d[2] = s[2];
    }
}

void TFBitmap::AssignTo(TBitmap& Target) const {
    Target.SetPixelFormat(TPixelFormat::pf24bit);
    Target.SetSize(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) std::memcpy(Target.ScanLine(y), Row(y), size_t(FWidth) * 3);
}

void CopyParentBackground(TControl* Control, TCanvas* Canvas) {
    if (!Control || !Canvas || !Control->Parent()) return;
    TWinControl* parent = Control->Parent();
    const int saved = Canvas->SaveState();
    Canvas->IntersectClipRect(Rect(0, 0, Control->Width(), Control->Height()));
    RenderWindow(parent, Canvas, Point(-Control->Left(), -Control->Top()), false);
    // Windowed siblings below the control show through it too; graphic ones the parent drew.
    const TRect own = Control->BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == Control) break;
        auto* win = dynamic_cast<TCustomControl*>(sibling);
        TRect common;
        if (!win || !win->Visible() || !IntersectRect(common, own, win->BoundsRect())) continue;
        RenderWindow(win, Canvas, Point(win->Left() - Control->Left(), win->Top() - Control->Top()),
                     true);
    }
    Canvas->RestoreState(saved);
}

int TranslucencyAlpha(int Percent) {
    return std::clamp((25500 - 255 * Percent) / 100, 0, 255);
}

bool LayeredWindowsAvailable() {
    return Env().LayeredWindows();
}

void SetWindowTranslucency(TWinControl* Window, int Percent) {
    if (!LayeredWindowsAvailable()) return;
    SetWindowAlpha(Window, TranslucencyAlpha(Percent));
}

void CaptureScreenArea(int X, int Y, TBitmap& Bitmap) {
    CaptureScreen(X, Y, Bitmap);
}

void DrawGlyphCell(TCanvas* Canvas, int X, int Y, int Cell, int CellCount, const TBitmap& Strip) {
    if (!Canvas || CellCount < 1 || Cell < 1 || Cell > CellCount || Strip.Empty()) return;
    const int w = Strip.Width() / CellCount;
    if (w <= 0) return;
    TBitmap cell;
    cell.SetPixelFormat(Strip.PixelFormat());
    cell.SetSize(w, Strip.Height());
    CopyBitmapRect(cell, 0, 0, Strip, Rect((Cell - 1) * w, 0, Cell * w, Strip.Height()));
    cell.SetTransparent(true);
    Canvas->Draw(X, Y, &cell);
}
