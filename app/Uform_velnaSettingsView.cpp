// The cycle settings view.

#include "app/Uform_velnaParts.h"

using namespace velna;

void Tform_velna::CreateSettingsView() {
    Panel2 = MakeView(this, this, "Panel2");
}

void Tform_velna::FlatSpeedButton2Click(TObject*) {
    ShowView(Panel2);
}
