#include "platform/WidgetCreation.h"

#include "platform/Controls.h"

#include <QWidget>

void CreateShownWidgets(TWinControl* Control) {
    if (Control->Parent() && !Control->Visible()) return;
    Control->HandleNeeded();
    for (int i = 0; i < Control->ControlCount(); ++i)
        if (TControl* c = Control->Controls(i); c->IsWindowed() && c->Visible())
            CreateShownWidgets(static_cast<TWinControl*>(c));
}

bool InSightOn(const TWinControl* Parent) {
    if (!Parent) return false;
    const TWinControl* top = Parent;
    for (; top->Parent(); top = top->Parent())
        if (!top->Visible()) return false;
    if (!top->HandleAllocated()) return false;
    const QWidget* window = top->Handle();
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
            Control->Handle()->stackUnder(w->Handle());
            return;
        }
    }
}
