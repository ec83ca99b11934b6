#include "platform/ControlPaint.h"
#include "platform/WidgetOf.h"

#include <QPainter>

bool PaintOverControl(TWinControl* Control, const std::function<void(TCanvas& Canvas)>& Paint) {
    if (!Control || !Control->HandleAllocated() || !Paint) return false;
    QWidget* w = WidgetOf(*Control);
    if (!w->testAttribute(Qt::WA_WState_InPaintEvent)) return false;
    QPainter painter(w);
    TCanvas canvas;
    canvas.BeginPaint(&painter, QRegion(w->rect()));
    canvas.SetFont(*Control->Font());
    try {
        Paint(canvas);
    } catch (...) {
        canvas.EndPaint();
        throw;
    }
    canvas.EndPaint();
    return true;
}
