#pragma once
// One test's outside world: a scripted environment the test decides (date, cursor, message
// boxes, ...) installed for the object's lifetime, and the form the test's controls live on.

#include "platform/Environment.h"
#include "platform/Forms.h"

#include <memory>

class TTestWorld {
public:
    TTestWorld();
    // The form goes first: its controls may still ask the environment while they are freed.
    ~TTestWorld();
    TTestWorld(const TTestWorld&) = delete;
    TTestWorld& operator=(const TTestWorld&) = delete;

    TScriptedEnvironment* operator->() const { return Env; }

    // A borderless form at (Left, Top) of the given size, owned by the world.
    TForm& NewForm(int Left, int Top, int Width, int Height);
    void ShowActive();
    // Puts the cursor on a control's client point, in screen coordinates.
    void CursorTo(const TControl& C, int X, int Y) { Env->Cursor = C.ClientToScreen({X, Y}); }
    void CursorAway() { Env->Cursor = {-500, -500}; }

    TScriptedEnvironment* Env = nullptr;
    std::unique_ptr<TForm> Form;
};
