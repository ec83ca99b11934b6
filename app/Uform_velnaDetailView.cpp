// The cycle detail view: the five ranges of the current cycle and the steps between cycles.

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"
#include "app/cycle/Detail.h"

using namespace velna;

void Tform_velna::CreateDetailView() {
    Panel6 = MakeView(this, this, "Panel6");
    const QString placeholder = U(cycle::RangePlaceholder);
    Label9 = MakeLabel(this, Panel6, "Label9", 25, 55, U("上次例假周期：       "), clNavy);
    Label10 = MakeLabel(this, Panel6, "Label10", 25, 79, placeholder, clMaroon);
    Label11 = MakeLabel(this, Panel6, "Label11", 25, 103, U("排卵前安全期：      "), clNavy);
    Label12 = MakeLabel(this, Panel6, "Label12", 25, 127, placeholder, clGreen);
    Label13 = MakeLabel(this, Panel6, "Label13", 25, 151, U("危险期：      "), clNavy);
    Label14 = MakeLabel(this, Panel6, "Label14", 25, 175, placeholder, clRed);
    Label15 = MakeLabel(this, Panel6, "Label15", 25, 199, U("排卵后安全期：      "), clNavy);
    Label16 = MakeLabel(this, Panel6, "Label16", 25, 223, placeholder, clGreen);
    Label17 = MakeLabel(this, Panel6, "Label17", 25, 247, U("下次例假周期：      "), clNavy);
    Label18 = MakeLabel(this, Panel6, "Label18", 25, 268, placeholder, clMaroon);
    FlatSpeedButton8 =
        MakeViewButton(this, Panel6, "FlatSpeedButton8", 218, 55, 70, 63, "btn_prev.bmp", QString(),
                       [this](TObject* S) { FlatSpeedButton8Click(S); });
    FlatSpeedButton9 =
        MakeViewButton(this, Panel6, "FlatSpeedButton9", 218, 231, 70, 63, "btn_next.bmp",
                       QString(), [this](TObject* S) { FlatSpeedButton9Click(S); });
    Image11 = MakeImage(this, Panel6, "Image11", 344, 10, 85, 317, "side.jpg");
}

void Tform_velna::velnaday(TDateTime Date) {
    Phases = cycle::ComputePhases(Date, Phases.CycleLength);
    WriteDetailRanges();
}

void Tform_velna::WriteDetailRanges() {
    const auto texts = cycle::DetailTexts(Phases, [](double day) { return Utf8(DateToStr(day)); });
    TLabel* labels[] = {Label10, Label12, Label14, Label16, Label18};
    for (size_t i = 0; i < texts.size(); ++i) labels[i]->SetCaption(U(texts[i]));
}

void Tform_velna::FlatSpeedButton6Click(TObject*) {
    ShowView(Panel6);
    WriteDetailRanges();
}

void Tform_velna::FlatSpeedButton8Click(TObject*) {
    velnaday(cycle::PreviousCycleStart(Phases));
}

void Tform_velna::FlatSpeedButton9Click(TObject*) {
    velnaday(cycle::NextCycleStart(Phases));
}
