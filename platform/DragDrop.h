#pragma once
// Dragging between controls: a source begins a drag, the cursor shows it while the mouse is
// held, and the source ends it on the release over whatever control lies under the mouse.

#include "platform/Controls.h"

#include <functional>

// Starts a drag from Source. An immediate drag starts at once; otherwise it waits for the
// mouse to move, which the caller decides. The source keeps the mouse meanwhile.
void BeginDrag(TControl* Source, bool Immediate);
// The control a drag runs from, or nullptr.
TControl* DragSource();
// Ends the running drag; Target is the control it was dropped on (nullptr: cancelled).
void EndDrag(TControl* Target);

// Told of every drag start and end (the start with a null target), for whoever accepts drops.
using TDragNotify = std::function<void(TControl* Source, TControl* Target, bool Started)>;
TDragNotify& DragNotify();
