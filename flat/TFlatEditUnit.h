#pragma once
// The flat single-line edit.

#include "flat/FlatEditBase.h"

class TCustomFlatEdit : public TFlatEditBase<TCustomEdit> {
public:
    using TFlatEditBase::TFlatEditBase;
};

class TFlatEdit : public TCustomFlatEdit {
public:
    using TCustomFlatEdit::TCustomFlatEdit;
};
