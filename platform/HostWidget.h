#pragma once
// The Qt side of a windowed control: a widget of any Qt class whose events go to the control
// first. Whatever the control leaves to the default handling reaches the Qt class's own event().

#include "platform/Controls.h"
#include "platform/WidgetCreation.h"

#include <QEvent>
#include <utility>

// What every host widget offers whatever its Qt class: letting go of its control.
class THostBase {
public:
    virtual ~THostBase() = default;
    virtual void Detach() = 0;
};

template <class W> class THost : public W, public THostBase {
public:
    template <class... Args>
    explicit THost(TWinControl* Control, Args&&... args)
        : W(std::forward<Args>(args)...), FControl(Control) {}
    void Detach() override { FControl = nullptr; }
    TWinControl* Control() const { return FControl; }

protected:
    bool event(QEvent* e) override {
        if (!FControl) return W::event(e);
        // A window laid out for drawing, shown or not, needs the widgets of what it shows.
        if (e->type() == QEvent::Polish && !FControl->Parent()) CreateShownWidgets(FControl);
        return FControl->HandleQtEvent(e, [this](QEvent* ev) { return W::event(ev); });
    }

private:
    TWinControl* FControl;
};

// Registry of widgets to the controls that own them.
void RegisterWidget(const QWidget* Widget, TWinControl* Control);
void UnregisterWidget(const QWidget* Widget);
// Prepares a freshly made host widget the way every control's widget starts out.
void PrepareHostWidget(QWidget* Widget, bool Native);
