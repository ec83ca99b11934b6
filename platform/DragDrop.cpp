#include "platform/DragDrop.h"

namespace {
TControl* gDragSource = nullptr;
TCursor gSavedCursor = crDefault;
} // namespace

TDragNotify& DragNotify() {
    static TDragNotify notify;
    return notify;
}

void BeginDrag(TControl* Source, bool Immediate) {
    if (!Source || gDragSource) return;
    gDragSource = Source;
    gSavedCursor = Source->Cursor();
    if (Immediate) Source->SetCursor(crDrag);
    Source->SetMouseCapture(true);
    if (DragNotify()) DragNotify()(Source, nullptr, true);
}

TControl* DragSource() {
    return gDragSource;
}

void EndDrag(TControl* Target) {
    TControl* source = gDragSource;
    if (!source) return;
    gDragSource = nullptr;
    source->SetCursor(gSavedCursor);
    source->SetMouseCapture(false);
    if (DragNotify()) DragNotify()(source, Target, false);
}
