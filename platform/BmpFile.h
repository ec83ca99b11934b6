#pragma once
// BMP files read from untrusted data (a skin's pictures stream, a skin folder): the header is
// checked before anything is decoded, so that a short or lying file is refused instead of
// making the decoder read past the data or allocate far more than the file could fill.

#include "platform/Graphics.h"

#include <QImage>
#include <QString>

struct TBmpFileInfo {
    int Width = 0;
    int Height = 0; // rows; the file may store them top-down or bottom-up
    int BitCount = 0;
    int Compression = 0;
    qsizetype FileSize = 0; // from the file header: the length of the whole file
    qsizetype PixelOffset = 0;
    qsizetype PaletteOffset = 0;
    int PaletteCount = 0;
    int PaletteEntry = 4; // bytes per colour-table entry (3 in the oldest header)
    bool TopDown = false;
};

// Checks the BMP file that starts at Data with Available bytes after it. On success Info holds
// its dimensions and FileSize is where the next thing in the data begins.
bool CheckBmpFile(const uchar* Data, qsizetype Available, TBmpFileInfo& Info, QString& Error);
// Loads a BMP file that passed CheckBmpFile into Bitmap; raises EInvalidGraphic when the
// pixels cannot be decoded. Uncompressed files of 1, 4, 8, 24 and 32 bits are decoded here
// (through TBmpPixels); 24-bit files keep three-byte pixels, 32-bit ones four, the others
// become 32-bit.
void LoadBmpFile(TBitmap& Bitmap, const uchar* Data, const TBmpFileInfo& Info);
// True for the files decoded here: once CheckBmpFile passed them, their pixels cannot fail to
// decode (short of memory), so decoding may wait until they are needed.
bool DecodesWithoutFail(const TBmpFileInfo& Info);

// The pixels of such a file as it stores them, rows top-down: palette indexes with the colour
// table for files of up to 8 bits (4-bit ones widened to a byte per pixel), whole colours
// otherwise. Making it copies rows, as reading the file takes no more; the pictures a window
// draws become 32-bit once, by ToBitmap, and the others stay a quarter of that size.
class TBmpPixels {
public:
    TBmpPixels() = default;
    // Raises EInvalidGraphic when there is no memory for the pixels.
    TBmpPixels(const uchar* Data, const TBmpFileInfo& Info);
    bool Empty() const { return FImage.isNull(); }
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    const uchar* Row(int Y) const { return FImage.constScanLine(Y); }
    void ToBitmap(TBitmap& Bitmap) const;

private:
    QImage FImage;
    int FBitCount = 0;
};
