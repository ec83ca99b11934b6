#include "platform/WidgetCreation.h"
#include "platform/WidgetOf.h"

#include "platform/Controls.h"
#include "platform/ExtCtrls.h"

#include <QWidget>

namespace {

// Whether a panel above Child among its siblings hides it whole: a panel paints all of itself,
// so nothing under it is seen.
bool Covered(const TWinControl* Parent, int Child) {
    const TRect r = Parent->Controls(Child)->BoundsRect();
    for (int i = Child + 1; i < Parent->ControlCount(); ++i) {
        const TControl* c = Parent->Controls(i);
        if (!c->Visible() || !dynamic_cast<const TCustomPanel*>(c)) continue;
        const TRect p = c->BoundsRect();
        if (p.Left <= r.Left && p.Top <= r.Top && p.Right >= r.Right && p.Bottom >= r.Bottom)
            return true;
    }
    return false;
}

} // namespace

void CreateShownWidgets(TWinControl* Control) {
    if (Control->Parent() && !Control->Visible()) return;
    Control->HandleNeeded();
    for (int i = 0; i < Control->ControlCount(); ++i) {
        TControl* c = Control->Controls(i);
        if (c->IsWindowed() && c->Visible() && !Covered(Control, i))
            CreateShownWidgets(static_cast<TWinControl*>(c));
    }
}

void SiblingsUncovered(TWinControl* Parent) {
    if (InSightOn(Parent)) CreateShownWidgets(Parent);
}

bool InSightOn(const TWinControl* Parent) {
    if (!Parent) return false;
    const TWinControl* top = Parent;
    for (; top->Parent(); top = top->Parent())
        if (!top->Visible()) return false;
    if (!top->HandleAllocated()) return false;
    const QWidget* window = WidgetOf(top);
    return window->isVisible() || window->testAttribute(Qt::WA_WState_Polished);
}

void StackNewWidget(TWinControl* Control) {
    const TWinControl* parent = Control->Parent();
    if (!parent) return;
    bool past = false;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == Control) {
            past = true;
            continue;
        }
        if (!past || !c->IsWindowed()) continue;
        if (auto* w = static_cast<TWinControl*>(c); w->HandleAllocated()) {
            WidgetOf(Control)->stackUnder(WidgetOf(w));
            return;
        }
    }
}
