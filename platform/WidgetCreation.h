#pragma once
// When windowed controls get their Qt widgets. A control's widget is made on first use of its
// handle, or when it comes into sight: when its window is shown or first drawn, or when it is
// placed or made visible on a parent in sight. A control placed on a hidden view therefore costs no
// Qt widget until the view is first shown.

class TWinControl;

// Makes the widgets of Control, if it is visible, and of its visible windowed descendants,
// except those that a panel above them hides whole.
void CreateShownWidgets(TWinControl* Control);
// After a child of Parent was hidden or moved: makes the widgets of what came into sight.
void SiblingsUncovered(TWinControl* Parent);
// Whether a visible control placed on Parent, or made visible there, is in sight and should
// get its widget now: Parent and its ancestors are visible, and their window is on screen or
// has been laid out for drawing (rendered into a picture).
bool InSightOn(const TWinControl* Parent);
// Puts a freshly made widget at its control's place among its siblings' widgets (Qt puts a new
// widget on top).
void StackNewWidget(TWinControl* Control);
