// The cursor a windowed control shows now, apart from its Cursor property (a grid shows the
// sizing cursors over its lines).

#include "platform/Controls.h"

#include <QWidget>

void TWinControl::SetShownCursor(TCursor Shape) {
    if (!FWidget) return;
    if (Shape == crDefault)
        FWidget->unsetCursor();
    else
        FWidget->setCursor(CursorShape(Shape));
}
