#pragma once
// The skinned controls a form can hold: bases, button and standard label.

#include "skin/SkinCtrlsBase.h"
#include "skin/SkinCtrlsButton.h"
#include "skin/SkinCtrlsLabel.h"

// Whether a component takes the skin-change messages (SKINMSG_BEFORE_CHANGE and
// SKINMSG_AFTER_CHANGE, WParam = the skin data) that a form relays to its skinned controls.
bool IsSkinControl(const TComponent* Component);
