#pragma once
// The flat memo; with both scroll bars the corner between them takes the face colour.

#include "flat/FlatEditBase.h"

class TFlatMemo : public TFlatEditBase<TCustomMemo> {
public:
    using TFlatEditBase::TFlatEditBase;
};
