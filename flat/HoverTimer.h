#pragma once
// Hover by polling: one 100 ms timer per control class, made by the class's first instance and
// freed with its last. The control under the mouse owns it; each tick checks that the cursor
// is still over the owner and otherwise lets the owner run its leave step.

#include "platform/Controls.h"
#include "platform/ExtCtrls.h"

#include <memory>

class THoverClient {
public:
    virtual ~THoverClient() = default;
    // Marks the control hovered (when it is enabled and not yet hovered).
    virtual void HoverEnter() = 0;
    // Unmarks it unless a press is in progress; releases the timer when it does.
    virtual void HoverLeave() = 0;
};

class THoverTimer {
public:
    void AddInstance();
    void RemoveInstance(THoverClient* Client);
    // A mouse move over Control at ScreenPos: when Control is the topmost control there and
    // does not own the timer yet, the previous owner leaves and (with an active application)
    // Control takes the timer and enters.
    void MouseMoved(THoverClient* Client, TControl* Control, TPoint ScreenPos);
    void Release(THoverClient* Client);
    bool IsOwner(const THoverClient* Client) const { return Client && FOwner == Client; }
    TTimer* Timer() const { return FTimer.get(); }

private:
    void Tick();
    std::unique_ptr<TTimer> FTimer;
    int FCount = 0;
    THoverClient* FOwner = nullptr;
    TControl* FOwnerControl = nullptr;
};
