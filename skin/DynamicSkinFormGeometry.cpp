#include "skin/DynamicSkinFormGeometry.h"

#include <algorithm>

namespace {

// Zones take their right and bottom edges as outside.
bool InZone(const TRect& Z, TPoint P) {
    return P.X >= Z.Left && P.X < Z.Right && P.Y >= Z.Top && P.Y < Z.Bottom;
}

struct TCornerZones {
    TRect TL, TR, BL, BR;
};

TCornerZones CornerZones(const TSkinFormInfo& I, TSize Pic) {
    return {Rect(0, 0, I.LTPoint.X, I.LTPoint.Y), Rect(I.RTPoint.X, 0, Pic.cx, I.RTPoint.Y),
            Rect(0, I.LBPoint.Y, I.LBPoint.X, Pic.cy),
            Rect(I.RBPoint.X, I.RBPoint.Y, Pic.cx, Pic.cy)};
}

bool NearWindowEdge(const TFrameHitState& S, TPoint P) {
    const int b = S.BorderWidth;
    const TPoint around[4] = {{P.X - b, P.Y}, {P.X, P.Y - b}, {P.X + b, P.Y}, {P.X, P.Y + b}};
    const TRect window = Rect(0, 0, S.Width, S.Height);
    // What lies beyond the window's rectangle is outside it, however large its outline.
    auto outside = [&](TPoint Q) {
        if (!PtInRect(window, Q)) return true;
        return S.HasMask && S.Region && !S.Region->IsEmpty() && !S.Region->Contains(Q);
    };
    if (S.HasMask && PtInSkinRect(S.Geometry.MaskRectArea, P)) return false;
    return std::any_of(std::begin(around), std::end(around), outside);
}

// 0 when the point near the edge lies in none of the sizing places.
int BorderHit(const TFrameHitState& S, TPoint P) {
    const TFrameGeometry& g = S.Geometry;
    const TRect& cr = g.ClientRect;
    if (P.X <= g.HitTestLTPoint.X && P.Y <= g.HitTestLTPoint.Y) return HTTOPLEFT;
    if (P.X >= g.HitTestRTPoint.X && P.Y <= g.HitTestRTPoint.Y) return HTTOPRIGHT;
    if (P.X <= g.HitTestLBPoint.X && P.Y >= g.HitTestLBPoint.Y) return HTBOTTOMLEFT;
    if (P.X >= g.HitTestRBPoint.X && P.Y >= g.HitTestRBPoint.Y) return HTBOTTOMRIGHT;
    if (PtInSkinRect(Rect(g.HitTestLTPoint.X, 0, g.HitTestRTPoint.X, cr.Top), P)) return HTTOP;
    if (PtInSkinRect(Rect(g.HitTestLBPoint.X, cr.Bottom, g.HitTestRBPoint.X, S.Height), P))
        return HTBOTTOM;
    if (PtInSkinRect(Rect(0, g.HitTestLTPoint.Y, cr.Left, g.HitTestLBPoint.Y), P)) return HTLEFT;
    if (PtInSkinRect(Rect(cr.Right, g.HitTestRTPoint.Y, S.Width, g.HitTestRBPoint.Y), P))
        return HTRIGHT;
    return 0;
}

bool InCaption(const TFrameHitState& S, TPoint P) {
    return std::any_of(S.Captions.begin(), S.Captions.end(),
                       [P](const TRect& R) { return PtInSkinRect(R, P); });
}

} // namespace

TRect PlaceFrameRect(const TRect& R, const TSkinFormInfo& Info, TSize Picture, int DW, int DH) {
    const TCornerZones z = CornerZones(Info, Picture);
    const TPoint tl{R.Left, R.Top}, br{R.Right, R.Bottom};
    TRect r = R;
    auto in = [&](const TRect& A, const TRect& B) { return InZone(A, tl) && InZone(B, br); };
    if (in(z.TL, z.TL)) return r;
    if (in(z.TR, z.TR)) {
        OffsetRect(r, DW, 0);
    } else if (in(z.BL, z.BL)) {
        OffsetRect(r, 0, DH);
    } else if (in(z.BR, z.BR)) {
        OffsetRect(r, DW, DH);
    } else if (in(z.TL, z.BR)) {
        r.Right += DW;
        r.Bottom += DH;
    } else if (in(z.TL, z.TR)) {
        r.Right += DW;
    } else if (in(z.BL, z.BR)) {
        r.Right += DW;
        OffsetRect(r, 0, DH);
    } else if (in(z.TL, z.BL)) {
        r.Bottom += DH;
    } else if (in(z.TR, z.BR)) {
        OffsetRect(r, DW, 0);
        r.Bottom += DH;
    }
    return r;
}

TFrameGeometry ComputeFrameGeometry(const TSkinFormInfo& I, TSize Pic, int W, int H,
                                    bool MainMenuShown) {
    TFrameGeometry g;
    g.DW = W - Pic.cx;
    g.DH = H - Pic.cy;
    g.LTPoint = I.LTPoint;
    g.RTPoint = {I.RTPoint.X + g.DW, I.RTPoint.Y};
    g.LBPoint = {I.LBPoint.X, I.LBPoint.Y + g.DH};
    g.RBPoint = {I.RBPoint.X + g.DW, I.RBPoint.Y + g.DH};
    const TRect& cr = I.ClientRect;
    g.ClientRect = Rect(cr.Left, cr.Top, cr.Right + g.DW, cr.Bottom + g.DH);
    g.HitTestLTPoint = I.HitTestLTPoint;
    g.HitTestRTPoint = {I.HitTestRTPoint.X + g.DW, I.HitTestRTPoint.Y};
    g.HitTestLBPoint = {I.HitTestLBPoint.X, I.HitTestLBPoint.Y + g.DH};
    g.HitTestRBPoint = {I.HitTestRBPoint.X + g.DW, I.HitTestRBPoint.Y + g.DH};
    const TRect& m = I.MaskRectArea;
    g.MaskRectArea = Rect(m.Left, m.Top, m.Right + g.DW, m.Bottom + g.DH);
    g.IconRect = PlaceFrameRect(I.IconRect, I, Pic, g.DW, g.DH);
    g.MainMenuRect = I.MainMenuRect;
    if (MainMenuShown) g.MainMenuRect.Right += g.DW;
    const TRect bottomLeft = Rect(0, I.LBPoint.Y, I.LBPoint.X, Pic.cy);
    if (InZone(bottomLeft, {I.MainMenuRect.Left, I.MainMenuRect.Top}))
        OffsetRect(g.MainMenuRect, 0, g.DH);
    return g;
}

int FrameHitTest(const TFrameHitState& S, TPoint P) {
    if (S.RolledUpOrMinimized) return InCaption(S, P) ? int(HTCAPTION) : int(HT_SKINOBJECT);
    if (!S.Maximized && S.Sizeable && NearWindowEdge(S, P))
        if (const int border = BorderHit(S, P)) return border;
    if (PtInSkinRect(S.Geometry.ClientRect, P)) return HTCLIENT;
    return InCaption(S, P) ? int(HTCAPTION) : int(HT_SKINOBJECT);
}

TSize FrameMinSize(TSize Picture, const TRect& SkinClientRect, int MinWidth, int MinHeight,
                   bool RolledUp, bool Minimized) {
    const int frameHeight = Picture.cy - SkinClientRect.Height();
    const int w = Minimized ? Picture.cx : std::max(Picture.cx, MinWidth);
    const int h = RolledUp || Minimized ? frameHeight : std::max(frameHeight, MinHeight);
    return {w, h};
}

TRect MagneticSnap(const TRect& Moving, const TRect& A, int M) {
    const int w = Moving.Width(), h = Moving.Height();
    int x = Moving.Left, y = Moving.Top;
    if (A.Left - M < x && x < A.Left + M) x = A.Left;
    if (A.Top - M < y && y < A.Top + M) y = A.Top;
    if (A.Right - M < x + w && x + w < A.Right + M) x = A.Right - w;
    if (A.Bottom - M < y + h && y + h < A.Bottom + M) y = A.Bottom - h;
    return Rect(x, y, x + w, y + h);
}
