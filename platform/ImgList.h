#pragma once
// Image lists: a row of equally sized pictures, drawn by index (menus and tool bars show them).

#include "platform/Graphics.h"

#include <QImage>
#include <vector>

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size empties the list, as every stored picture has the old size.
    void SetWidth(int Value);
    void SetHeight(int Value);
    int Count() const { return static_cast<int>(FImages.size()); }
    // Colour of the pixels that GetBitmap fills where a picture is transparent.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value) { FBkColor = Value; }

    // Adds a picture; pixels where Mask is white are transparent. Returns the new index.
    int Add(const TBitmap* Image, const TBitmap* Mask);
    // Adds a picture whose pixels of MaskColor are transparent (clDefault: the bottom-left one).
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    // Adds every Width-wide slice of a strip of pictures; returns the first index or -1.
    int AddStrip(const TBitmap* Strip, TColor MaskColor);
    void Delete(int Index);
    void Clear();
    void Replace(int Index, const TBitmap* Image, TColor MaskColor);

    // The picture over a background of BkColor (clNone: fuchsia), transparent in that colour.
    // Out-of-range indexes leave Image empty and return false.
    bool GetBitmap(int Index, TBitmap* Image) const;
    // Draws the picture with its transparency; disabled pictures are drawn greyed and flat.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // The picture with alpha (transparent pixels carry alpha 0).
    QImage Image(int Index) const;

    TNotifyEvent OnChange;

private:
    QImage Fit(const QImage& Source) const;
    void Changed() {
        if (OnChange) OnChange(this);
    }
    int FWidth = 16;
    int FHeight = 16;
    TColor FBkColor = clNone;
    std::vector<QImage> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};

// Transforms every pixel of a bitmap through Map, leaving pixels of Keep (clNone: none) alone;
// menus grey and lighten their pictures with it.
void MapBitmapPixels(TBitmap& Bitmap, const std::function<TColor(TColor)>& Map,
                     TColor Keep = clNone);
