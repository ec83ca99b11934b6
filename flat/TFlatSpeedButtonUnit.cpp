#include "flat/TFlatSpeedButtonUnit.h"

TFlatSpeedButton::TFlatSpeedButton(TComponent* AOwner) : TFlatButtonBase(AOwner) {}

void TFlatSpeedButton::Paint() {
    DrawButton(*Canvas());
}
