#pragma once
// Where the skinned frame's parts lie at a window size, which part a point hits, how small the
// window may get and how it snaps to the work area's edges. Pure rules, free of any window.

#include "platform/Regions.h"
#include "skin/SkinData.h"

#include <vector>

// The hit code of a frame object that is not the caption.
enum : int { HT_SKINOBJECT = 19 };

// The frame's points at the window size, grown from the skin's by dW and dH.
struct TFrameGeometry {
    int DW = 0, DH = 0;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClientRect;
    TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
    TRect MaskRectArea;
    TRect IconRect;
    TRect MainMenuRect;
};

TFrameGeometry ComputeFrameGeometry(const TSkinFormInfo& Info, TSize Picture, int W, int H,
                                    bool MainMenuShown);

// A skin rect of the frame picture placed for the window size, by the corner zones it lies in.
TRect PlaceFrameRect(const TRect& R, const TSkinFormInfo& Info, TSize Picture, int DW, int DH);

// Hit tests take right and bottom edges as inside.
constexpr bool PtInSkinRect(const TRect& R, TPoint P) {
    return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

// What the frame hit test needs to know of the window.
struct TFrameHitState {
    TFrameGeometry Geometry;
    int Width = 0, Height = 0;
    int BorderWidth = 0;
    bool Sizeable = false;
    bool Maximized = false;
    bool RolledUpOrMinimized = false;
    bool HasMask = false;
    // The window's outline (window coordinates); none: the window's rectangle.
    const TRegion* Region = nullptr;
    // Rects of the visible caption objects.
    std::vector<TRect> Captions;
};

// HTCLIENT, HTCAPTION, a border code or HT_SKINOBJECT for a point in window coordinates.
int FrameHitTest(const TFrameHitState& S, TPoint P);

// The smallest window the frame allows.
TSize FrameMinSize(TSize Picture, const TRect& SkinClientRect, int MinWidth, int MinHeight,
                   bool RolledUp, bool Minimized);

// The moving rect snapped to the work area's edges within Distance pixels.
TRect MagneticSnap(const TRect& Moving, const TRect& WorkArea, int Distance);
