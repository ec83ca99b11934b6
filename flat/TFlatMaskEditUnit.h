#pragma once
// The flat masked edit: the platform's edit masks inside the flat frame.

#include "flat/FlatEditBase.h"

class TFlatMaskEdit : public TFlatEditBase<TCustomMaskEdit> {
public:
    using TFlatEditBase::TFlatEditBase;
};
