#pragma once
// The program's stored skin "winxpsteel": its pictures, their layout and its INI text, drawn and
// written by code so that a change of the skin is a change of this code.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace pictures {

// Where a named part of the skin lies: Picture -1 is the frame picture, 0.. the further ones.
struct SkinPiece {
    const char* Name;
    int Picture;
    QRect Rect;
};

// The frame picture's size and the further pictures' sizes, in picture-index order.
inline constexpr QSize kFrameSize{152, 125};
const std::vector<QSize>& SkinPictureSizes();
// Colour-table sizes chosen so that every picture stays small and the stream is a fixed length.
const std::vector<int>& SkinPaletteSizes();
const std::vector<SkinPiece>& SkinPieces();
QRect PieceRect(const char* Name);
// "L,T,R,B" of a piece, as the INI text writes rectangles.
QString PieceText(const char* Name);

// Frame picture, frame mask, then the further pictures (RGB32; masks black on white).
std::vector<QImage> DrawSkinPictures();

// A BMP file with exactly PaletteSize colour-table entries (8 bits per pixel); every pixel takes
// the nearest colour of a table made from the picture's most frequent colours.
QByteArray EncodeBmp8(const QImage& Image, int PaletteSize);
// A 1-bit BMP: black stays black, everything else becomes white.
QByteArray EncodeBmp1(const QImage& Image);

QString SkinIniText();

struct SkinFile {
    QString Name;
    QByteArray Bytes;
};
// skin.ini and the pictures stream, as the main window carries them.
std::vector<SkinFile> SkinFiles();

} // namespace pictures
