#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <vector>

class QPainter;

// Shared palette and drawing helpers of the picture generator, so that every picture of the
// program speaks the same visual language.
namespace pictures {

// The panels' pale grey-green; every picture is made to sit on it.
inline const QColor kPanel{226, 230, 215};
inline const QColor kOlive{82, 94, 56};
inline const QColor kOliveDeep{62, 72, 40};
inline const QColor kCream{250, 246, 234};
inline const QColor kRose{199, 112, 132};
inline const QColor kRoseLight{234, 184, 196};
inline const QColor kRosePale{248, 230, 234};
inline const QColor kPlum{128, 72, 104};
inline const QColor kSage{132, 160, 112};
inline const QColor kSageLight{196, 214, 180};
inline const QColor kGold{236, 196, 104};
inline const QColor kTeal{84, 140, 150};
inline const QColor kInk{70, 78, 50};
// The flat buttons' face: a glyph's background, drawn transparent by the button.
inline const QColor kButtonFace{240, 251, 255};

// One file of the program's resources.
struct Picture {
    QString Name;
    QImage Image;
    int Quality = -1; // JPEG quality; -1 for lossless formats
};

// An opaque image filled with one colour, with a fixed resolution (96 dpi) written into the file
// so that the output does not depend on the screen the generator runs on.
QImage NewImage(int width, int height, const QColor& fill,
                QImage::Format format = QImage::Format_RGB32);
// Latin text in Liberation Sans, Chinese text falling back to AR PL UMing CN.
QFont UiFont(qreal pixelSize, bool bold = false);
// A painter with antialiasing for shapes and text.
void Prepare(QPainter& painter);

void DrawHeart(QPainter& painter, const QPointF& centre, qreal size, const QColor& colour);
void DrawFlower(QPainter& painter, const QPointF& centre, qreal radius, int petals, qreal turnDeg,
                const QColor& petal, const QColor& heart);
void DrawLeaf(QPainter& painter, const QPointF& base, qreal length, qreal angleDeg,
              const QColor& colour);
// Soft translucent discs that give the large pictures their calm background.
void DrawBubble(QPainter& painter, const QPointF& centre, qreal radius, QColor colour, int alpha);

// Flattens a transparent drawing onto the button face. A drawn pixel that would come out exactly
// in the face colour is nudged by one step, so the face colour marks background pixels only.
QImage OnButtonFace(const QImage& drawing);

std::vector<Picture> FramePictures();
// The program's icon at the sizes a desktop's icon theme asks for, named "<n>x<n>.png".
std::vector<Picture> DesktopIcons();
std::vector<Picture> PanelPictures();
std::vector<Picture> GlyphPictures();
// The sorting grid's pictures, written into grid/res/ (`--grid`).
std::vector<Picture> GridPictures();
std::vector<Picture> DiaryPictures();

} // namespace pictures
