#include "skin/SkinCtrls.h"

bool IsSkinControl(const TComponent* Component) {
    return dynamic_cast<const TSkinControl*>(Component) ||
           dynamic_cast<const TspSkinStdLabel*>(Component);
}
