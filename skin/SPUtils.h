#pragma once
// Drawing from skin pictures: making a piece of a picture as large as a window or control
// without distorting its corners, window outlines from mask pictures, and the few window
// services the skinned windows need (translucency, screen capture, the background under a
// control).

#include "platform/Graphics.h"
#include "platform/Regions.h"

#include <cstdint>
#include <memory>
#include <vector>

class TControl;
class TWinControl;

// How a resizable picture follows a target size, decided from its anchor points.
enum class TSkinResizeMode { Both, Horizontal, Vertical, None };

// Anchor points (left-top, right-top, left-bottom, right-bottom) and client rectangle of a skin
// rectangle R, relative to R's top-left corner.
struct TSkinPoints {
    TPoint LT, RT, LB, RB;
    TRect CR;
    bool operator==(const TSkinPoints&) const = default;
};

// Both when RB has two non-zero coordinates, else Horizontal when RT has one, else Vertical
// when LB has one, else None.
TSkinResizeMode SkinResizeMode(const TSkinPoints& P);

// The points moved for a target of W x H; W and H are corrected to the size the mode allows
// (Horizontal keeps R's height, Vertical its width, None both).
TSkinPoints ResizeSkinPoints(const TSkinPoints& P, TSkinResizeMode Mode, const TRect& R, int& W,
                             int& H);

// Target becomes W x H: the eight fixed pieces of R copied once, the four middles tiled (never
// stretched) and, when DrawClient is set, the client part tiled over the new client rect.
void DrawResizedSkin(const TSkinPoints& Old, const TSkinPoints& New, TBitmap& Target,
                     const TBitmap& Source, const TRect& R, int W, int H, bool DrawClient);
// Target becomes W x height(R): LeftWidth columns at the left, RightWidth at the right, the
// columns between tiled over the gap.
void DrawWidenedSkin(int LeftWidth, int RightWidth, TBitmap& Target, const TBitmap& Source, int W,
                     const TRect& R);
// The same along rows: Target becomes width(R) x H.
void DrawLengthenedSkin(int TopHeight, int BottomHeight, TBitmap& Target, const TBitmap& Source,
                        int H, const TRect& R);
// The left, right, top and bottom borders of the picture resized as DrawResizedSkin does.
void CutBorderStrips(const TSkinPoints& Old, const TSkinPoints& New, const TBitmap& Picture,
                     const TRect& R, TBitmap& Left, TBitmap& Right, TBitmap& Top, TBitmap& Bottom);

// The mask's black pixels as rectangles one pixel high, moved by (DX, DY); nullptr for an
// empty mask. Any number of runs is taken.
std::unique_ptr<TRegion> BuildMaskRegion(const TBitmap& Mask, int DX, int DY);
// The same for the part Area of the mask, placed so that Area's top-left lands on (DX, DY).
std::unique_ptr<TRegion> BuildMaskRegion(const TBitmap& Mask, const TRect& Area, int DX, int DY);
// The outline of the resized picture: the new client rectangle joined with the mask's resized
// borders. nullptr when the size is below the fixed pieces (or the mask is empty).
std::unique_ptr<TRegion> BuildFrameRegion(const TSkinPoints& Old, const TSkinPoints& New,
                                          const TBitmap& Mask, const TRect& R, int W, int H);

// Paints on Canvas what the control's parent and the controls below it show at its place.
void CopyParentBackground(TControl* Control, TCanvas* Canvas);
// Alpha for a transparency percentage: 0 % is opaque (255), 100 % invisible (0).
int TranslucencyAlpha(int Percent);
// Makes the window translucent where the window system can.
void SetWindowTranslucency(TWinControl* Window, int Percent);
bool LayeredWindowsAvailable();
// Fills the bitmap with the screen at (X, Y) of the bitmap's size.
void CaptureScreenArea(int X, int Y, TBitmap& Bitmap);
// Draws cell number Cell (from 1) of a strip of CellCount equal cells at (X, Y), its bottom-left
// pixel's colour transparent.
void DrawGlyphCell(TCanvas* Canvas, int X, int Y, int Cell, int CellCount, const TBitmap& Strip);

// A 24-bit top-down copy of a bitmap's pixels (blue, green, red), rows padded to 4 bytes.
class TFBitmap {
public:
    explicit TFBitmap(const TBitmap& Source);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int RowStride() const { return FStride; }
    int Size() const { return FStride * FHeight; }
    uint8_t* Row(int Y) { return FPixels.data() + size_t(Y) * FStride; }
    const uint8_t* Row(int Y) const { return FPixels.data() + size_t(Y) * FStride; }
    // The pixels as a 24-bit bitmap.
    void AssignTo(TBitmap& Target) const;

protected:
    TFBitmap(int W, int H);
    int FWidth = 0;
    int FHeight = 0;
    int FStride = 0;
    std::vector<uint8_t> FPixels;
};

// Copies the pixels of SrcRect to (DX, DY) of Dst as they are, clipped to both bitmaps.
void CopyBitmapRect(TBitmap& Dst, int DX, int DY, const TBitmap& Src, const TRect& SrcRect);
void CopyBlock(TBitmap& Dst, int DX, int DY, const TBitmap& Src, int SX, int SY, int W, int H);

// Bytes per pixel of a bitmap's scan lines.
inline int PixelBytes(const TBitmap& B) {
    return B.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
}
