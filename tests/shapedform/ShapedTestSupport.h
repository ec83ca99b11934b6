#pragma once
// Pictures and stored data the image-shaped form's tests share.

#include "platform/ByteData.h"
#include "platform/Graphics.h"

#include <QFileInfo>
#include <QString>

namespace shapedtest {

// The main window's picture in the source tree.
inline QString WindowPicturePath() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../app/res/window.bmp";
}

// A 24-bit bitmap filled with Fill.
inline TBitmap MakeBitmap(int W, int H, TColor Fill, TPixelFormat Format = TPixelFormat::pf24bit) {
    TBitmap b;
    b.SetPixelFormat(Format);
    b.SetSize(W, H);
    b.Canvas()->Brush()->SetColor(Fill);
    b.Canvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

// The main window's stored region: the whole 590 x 403 rectangle less its bottom-left pixel.
inline QByteArray MainWindowRegionData() {
    return Int32sLE({32, 1, 2, 32, 0, 0, 590, 403, 0, 0, 590, 402, 1, 402, 590, 403});
}

} // namespace shapedtest
