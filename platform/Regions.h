#pragma once
// Regions: areas made of rectangles, as windows take them for their outline. The stored form is
// the platform's rectangle list: a 32-byte header (header size 32, type 1 = rectangles,
// rectangle count, size of the rectangle list, bounding rectangle) and 16-byte rectangles
// (left, top, right, bottom), every field a little-endian 32-bit integer.

#include "platform/Types.h"

#include <QByteArray>
#include <QRect>
#include <QRegion>
#include <memory>
#include <vector>

class TWinControl;

// How Combine joins two regions (the platform's numbers).
enum TRegionCombineMode : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// What Combine leaves behind.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

constexpr int RegionHeaderSize = 32;
constexpr int RegionRectSize = 16;

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& R);
    explicit TRegion(const QRegion& R) : FRegion(R) {}

    // Makes a region from rectangle-list data; nullptr when the data is not a valid list.
    // Rectangles beyond the coordinates a window can have raise EReadError.
    static std::unique_ptr<TRegion> CreateFromData(const QByteArray& Data);
    // The rectangle-list data: rectangles in bands from top to bottom, left to right in a band.
    QByteArray Data() const;
    int DataSize() const { return RegionHeaderSize + RegionRectSize * RectCount(); }

    // This region becomes A joined with B; returns NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Combine(const TRegion& A, const TRegion& B, TRegionCombineMode Mode);

    bool IsEmpty() const { return FRegion.isEmpty(); }
    int RectCount() const { return FRegion.rectCount(); }
    std::vector<TRect> Rects() const;
    TRect BoundsRect() const;
    bool Contains(TPoint P) const { return FRegion.contains(QPoint(P.X, P.Y)); }
    // The same area, however it is cut into rectangles.
    bool operator==(const TRegion& Other) const { return FRegion.xored(Other.FRegion).isEmpty(); }

    const QRegion& ToQRegion() const { return FRegion; }

private:
    QRegion FRegion;
};

// Collects a region from rectangles found in reading order (rows from the top, runs from the
// left, as a scan of a picture finds them) without the cost of one union per rectangle.
// Rectangles out of that order are still joined correctly, by union.
class TRegionBuilder {
public:
    void Add(int Left, int Top, int Right, int Bottom);
    bool IsEmpty() const { return FRects.empty() && FOutOfOrder.isEmpty(); }
    // The region collected so far; the builder starts over afterwards.
    TRegion Take();

private:
    void CloseBand();

    std::vector<QRect> FRects;
    QRegion FOutOfOrder;
    size_t FBandStart = 0;     // first rectangle of the band being filled
    size_t FPrevBandStart = 0; // first rectangle of the band above it
    int FBandTop = 0, FBandBottom = 0;
    bool FInBand = false;
};

// The window's outline becomes Region (client coordinates); nullptr gives back the whole window.
// Redraw repaints the window at once.
void SetWindowRegion(TWinControl* Window, const TRegion* Region, bool Redraw);
// The window's outline, or an empty region when it has none.
TRegion WindowRegion(const TWinControl* Window);
