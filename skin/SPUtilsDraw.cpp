// Resizing skin pictures by their anchor points. Middles are repeated, never stretched, so a
// picture keeps its look at any size.
#include "skin/SPUtils.h"

#include <algorithm>
#include <cstring>

namespace {} // namespace

// Copies the W x H block at (SX, SY) of Src to (DX, DY) of Dst, clipped to both bitmaps.
void CopyBlock(TBitmap& Dst, int DX, int DY, const TBitmap& Src, int SX, int SY, int W, int H) {
    if (SX < 0) W += SX, DX -= SX, SX = 0;
    if (SY < 0) H += SY, DY -= SY, SY = 0;
    if (DX < 0) W += DX, SX -= DX, DX = 0;
    if (DY < 0) H += DY, SY -= DY, DY = 0;
    W = std::min({W, Src.Width() - SX, Dst.Width() - DX});
    H = std::min({H, Src.Height() - SY, Dst.Height() - DY});
    if (W <= 0 || H <= 0) return;
    const int sb = PixelBytes(Src), db = PixelBytes(Dst);
    // Rows are evenly spaced: take the first and the step once instead of asking every row.
    const uchar* src = Src.ScanLine(SY) + SX * sb;
    uchar* dst = Dst.ScanLine(DY) + DX * db;
    const qsizetype srcStep = H > 1 ? Src.ScanLine(SY + 1) - Src.ScanLine(SY) : 0;
    const qsizetype dstStep = H > 1 ? Dst.ScanLine(DY + 1) - Dst.ScanLine(DY) : 0;
    for (int y = 0; y < H; ++y) {
        const uchar* s = src + y * srcStep;
        uchar* d = dst + y * dstStep;
        if (sb == db) {
            std::memcpy(d, s, size_t(W) * sb);
            continue;
        }
        for (int x = 0; x < W; ++x, s += sb, d += db) {
            d[0] = s[0], d[1] = s[1], d[2] = s[2];
            if (db == 4) d[3] = 0xFF;
        }
    }
}

void CopyBitmapRect(TBitmap& Dst, int DX, int DY, const TBitmap& Src, const TRect& SrcRect) {
    CopyBlock(Dst, DX, DY, Src, SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height());
}

namespace {

// Repeats the tile Src over Area of Dst from its top-left corner; tiles passing the area's
// right or bottom edge are cut there. An empty tile draws nothing.
void TileBlock(TBitmap& Dst, const TRect& Area, const TBitmap& Src, const TRect& Tile) {
    const int tw = Tile.Width(), th = Tile.Height();
    if (tw <= 0 || th <= 0) return;
    for (int y = Area.Top; y < Area.Bottom; y += th)
        for (int x = Area.Left; x < Area.Right; x += tw)
            CopyBlock(Dst, x, y, Src, Tile.Left, Tile.Top, std::min(tw, Area.Right - x),
                      std::min(th, Area.Bottom - y));
}

void PrepareTarget(TBitmap& Target, const TBitmap& Source, int W, int H) {
    if (Target.PixelFormat() != Source.PixelFormat()) Target.SetPixelFormat(Source.PixelFormat());
    W = std::max(0, W), H = std::max(0, H);
    if (Target.Width() != W || Target.Height() != H) Target.SetSize(W, H);
}

// Offsets relative to R become picture coordinates.
TRect InR(const TRect& R, int L, int T, int Rt, int B) {
    return {R.Left + L, R.Top + T, R.Left + Rt, R.Top + B};
}

} // namespace

void DrawResizedSkin(const TSkinPoints& O, const TSkinPoints& N, TBitmap& Target,
                     const TBitmap& Source, const TRect& R, int W, int H, bool DrawClient) {
    PrepareTarget(Target, Source, W, H);
    if (O.RB.X == O.LT.X || O.RB.Y == O.LT.Y || Source.Empty()) return;
    const int rw = R.Width(), rh = R.Height();
    const TRect& cr = O.CR;
    const TRect& ncr = N.CR;
    // The four middles.
    TileBlock(Target, {N.LT.X, 0, N.RT.X, ncr.Top}, Source, InR(R, O.LT.X, 0, O.RT.X, cr.Top));
    TileBlock(Target, {N.LB.X, ncr.Bottom, N.RB.X, H}, Source,
              InR(R, O.LB.X, cr.Bottom, O.RB.X, rh));
    TileBlock(Target, {0, N.LT.Y, ncr.Left, N.LB.Y}, Source, InR(R, 0, O.LT.Y, cr.Left, O.LB.Y));
    TileBlock(Target, {ncr.Right, N.RT.Y, W, N.RB.Y}, Source, InR(R, cr.Right, O.RT.Y, rw, O.RB.Y));
    // The eight fixed pieces: source rect (relative to R) and where it goes.
    struct Piece {
        TRect From;
        TPoint To;
    };
    const Piece pieces[] = {
        {{0, 0, O.LT.X, cr.Top}, {0, 0}},
        {{0, cr.Top, cr.Left, O.LT.Y}, {0, ncr.Top}},
        {{O.RT.X, 0, rw, cr.Top}, {N.RT.X, 0}},
        {{cr.Right, cr.Top, rw, O.RT.Y}, {ncr.Right, ncr.Top}},
        {{0, O.LB.Y, cr.Left, rh}, {0, N.LB.Y}},
        {{cr.Left, cr.Bottom, O.LB.X, rh}, {ncr.Left, ncr.Bottom}},
        {{O.RB.X, cr.Bottom, rw, rh}, {N.RB.X, ncr.Bottom}},
        {{cr.Right, O.RB.Y, rw, cr.Bottom}, {ncr.Right, N.RB.Y}},
    };
    for (const Piece& p : pieces)
        if (!p.From.IsEmpty())
            CopyBlock(Target, p.To.X, p.To.Y, Source, R.Left + p.From.Left, R.Top + p.From.Top,
                      p.From.Width(), p.From.Height());
    if (DrawClient) TileBlock(Target, ncr, Source, InR(R, cr.Left, cr.Top, cr.Right, cr.Bottom));
}

void DrawWidenedSkin(int LeftWidth, int RightWidth, TBitmap& Target, const TBitmap& Source, int W,
                     const TRect& R) {
    const int h = R.Height();
    PrepareTarget(Target, Source, W, h);
    if (Source.Empty()) return;
    CopyBlock(Target, 0, 0, Source, R.Left, R.Top, LeftWidth, h);
    TileBlock(Target, {LeftWidth, 0, W - RightWidth, h}, Source,
              {R.Left + LeftWidth, R.Top, R.Right - RightWidth, R.Bottom});
    CopyBlock(Target, W - RightWidth, 0, Source, R.Right - RightWidth, R.Top, RightWidth, h);
}

void DrawLengthenedSkin(int TopHeight, int BottomHeight, TBitmap& Target, const TBitmap& Source,
                        int H, const TRect& R) {
    const int w = R.Width();
    PrepareTarget(Target, Source, w, H);
    if (Source.Empty()) return;
    CopyBlock(Target, 0, 0, Source, R.Left, R.Top, w, TopHeight);
    TileBlock(Target, {0, TopHeight, w, H - BottomHeight}, Source,
              {R.Left, R.Top + TopHeight, R.Right, R.Bottom - BottomHeight});
    CopyBlock(Target, 0, H - BottomHeight, Source, R.Left, R.Bottom - BottomHeight, w,
              BottomHeight);
}

void CutBorderStrips(const TSkinPoints& O, const TSkinPoints& N, const TBitmap& Picture,
                     const TRect& R, TBitmap& Left, TBitmap& Right, TBitmap& Top, TBitmap& Bottom) {
    const int w = N.CR.Right + (R.Width() - O.CR.Right);
    const int h = N.CR.Bottom + (R.Height() - O.CR.Bottom);
    TBitmap whole;
    DrawResizedSkin(O, N, whole, Picture, R, w, h, false);
    auto cut = [&](TBitmap& Strip, const TRect& Part) {
        PrepareTarget(Strip, whole, Part.Width(), Part.Height());
        CopyBlock(Strip, 0, 0, whole, Part.Left, Part.Top, Part.Width(), Part.Height());
    };
    cut(Left, {0, N.CR.Top, N.CR.Left, N.CR.Bottom});
    cut(Right, {N.CR.Right, N.CR.Top, w, N.CR.Bottom});
    cut(Top, {0, 0, w, N.CR.Top});
    cut(Bottom, {0, N.CR.Bottom, w, h});
}
