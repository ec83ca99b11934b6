// The cycle settings view: the one settings row, read-only until "我要修改" is ticked.

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"

using namespace velna;

namespace {

template <class TInput>
TInput* MakeInput(Tform_velna* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  int Width, int Height) {
    auto* c = Make<TInput>(Owner, Parent, Name, Bounds(Left, Top, Width, Height));
    c->SetColorBorder(clNavy);
    c->SetEnabled(false);
    return c;
}

template <class TEditor>
TEditor* MakeFlatEditor(Tform_velna* Owner, TWinControl* Parent, const char* Name, int Left,
                        int Top, int Width, int Height) {
    auto* e = MakeInput<TEditor>(Owner, Parent, Name, Left, Top, Width, Height);
    e->SetColorFlat(kInputColor);
    return e;
}

// A label of the settings group; no skin data, so it keeps its own font.
TspSkinStdLabel* MakeStdLabel(Tform_velna* Owner, const char* Name, int Left, int Top,
                              const QString& Caption, TColor Color = clWindowText) {
    auto* l = Make<TspSkinStdLabel>(Owner, Owner->FlatGroupBox6, Name);
    l->SetSkinDataName(QStringLiteral("stdlabel"));
    PlaceLabel(l, Left, Top, Caption, Color);
    return l;
}

// The button and the five inputs, in the order they are switched.
void EnableInputs(Tform_velna& W, bool Value) {
    for (TControl* c : std::initializer_list<TControl*>{W.FlatButton5, W.FlatEdit1, W.FlatEdit2,
                                                        W.FlatEdit3, W.FlatMaskEdit1, W.FlatMemo3})
        c->SetEnabled(Value);
}

} // namespace

void Tform_velna::CreateSettingsView() {
    Panel2 = MakeView(this, this, "Panel2");

    FlatGroupBox6 = Make<TFlatGroupBox>(this, Panel2, "FlatGroupBox6", Bounds(21, 11, 341, 230));
    FlatGroupBox6->SetTransparent(true);
    FlatGroupBox6->SetColor(clBtnFace);
    SetSongFont(FlatGroupBox6);
    FlatGroupBox6->SetCaption(U("例假设置："));

    spSkinStdLabel1 = MakeStdLabel(this, "spSkinStdLabel1", 11, 22, U("您的姓名："));
    FlatEdit1 = MakeFlatEditor<TFlatEdit>(this, FlatGroupBox6, "FlatEdit1", 75, 20, 175, 19);
    spSkinStdLabel2 = MakeStdLabel(this, "spSkinStdLabel2", 11, 46, U("例假规律："));
    FlatEdit2 = MakeInput<TFlatComboBox>(this, FlatGroupBox6, "FlatEdit2", 75, 43, 175, 21);
    FlatEdit2->SetColor(kInputColor);
    FlatEdit2->Items()->Add(U("正常"));
    FlatEdit2->Items()->Add(U("不正常"));
    FlatEdit2->SetItemIndex(-1);
    spSkinStdLabel3 = MakeStdLabel(this, "spSkinStdLabel3", 11, 70, U("例假周期："));
    FlatEdit3 = MakeFlatEditor<TFlatEdit>(this, FlatGroupBox6, "FlatEdit3", 75, 68, 175, 19);
    spSkinStdLabel4 = MakeStdLabel(this, "spSkinStdLabel4", 11, 93, U("上一次例假时间："));
    FlatMaskEdit1 =
        MakeFlatEditor<TFlatMaskEdit>(this, FlatGroupBox6, "FlatMaskEdit1", 112, 92, 138, 19);
    FlatMaskEdit1->SetEditMask("!9999/99/00;1;_");
    FlatMaskEdit1->SetMaxLength(10);
    spSkinStdLabel7 = MakeStdLabel(this, "spSkinStdLabel7", 256, 95, "# 1979-03-12", clRed);
    spSkinStdLabel7->Font()->SetName("Arial");
    spSkinStdLabel7->Font()->SetHeight(-12);
    spSkinStdLabel5 = MakeStdLabel(this, "spSkinStdLabel5", 11, 121, U("例假补充："));
    FlatMemo3 = MakeFlatEditor<TFlatMemo>(this, FlatGroupBox6, "FlatMemo3", 75, 122, 247, 86);

    FlatCheckBox18 = Make<TFlatCheckBox>(this, Panel2, "FlatCheckBox18", Bounds(200, 260, 73, 20));
    FlatCheckBox18->SetTransparent(true);
    FlatCheckBox18->SetColorCheck(clRed);
    FlatCheckBox18->SetColorDown(clBlack);
    FlatCheckBox18->SetColorBorder(clBackground);
    SetSongFont(FlatCheckBox18);
    FlatCheckBox18->SetCaption(U("我要修改"));
    FlatCheckBox18->OnClick = [this](TObject* S) { FlatCheckBox18Click(S); };

    FlatButton5 = Make<TFlatButton>(this, Panel2, "FlatButton5", Bounds(291, 259, 70, 22));
    FlatButton5->SetColor(kInputColor);
    FlatButton5->SetColorFocused(clMoneyGreen);
    FlatButton5->SetColorDown(clInactiveCaption);
    FlatButton5->SetColorBorder(clNavy);
    FlatButton5->SetColorHighLight(clInactiveCaptionText);
    SetSongFont(FlatButton5);
    FlatButton5->SetCaption(U("确    定"));
    FlatButton5->OnClick = [this](TObject* S) { FlatButton5Click(S); };
}

void Tform_velna::FlatSpeedButton2Click(TObject*) {
    ShowView(Panel2);
    // Every show starts read-only; unchecking disables the inputs through the box's click.
    FlatCheckBox18->SetChecked(false);
    // An unusable file was reported at start; every visit would only repeat it.
    if (!DatabaseReady()) return;
    if (std::optional<CycleSettings> s = Store().LoadSettings()) {
        FlatEdit1->SetText(s->Name);
        FlatEdit2->SetText(s->Regularity);
        FlatEdit3->SetText(s->CycleLengthText.isEmpty() ? IntToStr(s->CycleLength)
                                                        : s->CycleLengthText);
        FlatMaskEdit1->SetText(s->LastPeriod);
        FlatMemo3->SetText(s->Notes);
        return;
    }
    if (Application->MessageBox(U("关于您的例假资料现没有,您想添加吗?"), U(kSystemCaption),
                                MB_YESNO | MB_ICONQUESTION) == IDYES)
        FlatCheckBox18->SetChecked(true);
}

void Tform_velna::FlatCheckBox18Click(TObject*) {
    EnableInputs(*this, FlatCheckBox18->Checked());
}

void Tform_velna::FlatButton5Click(TObject*) {
    if (!FlatCheckBox18->Checked()) return;
    if (FlatEdit1->Text().isEmpty() || FlatEdit2->Text().isEmpty()) {
        Application->MessageBox(
            U("请您输入关于您例假的详细资料!\n\r例假状态、例假周期、上一次例假时间"),
            U(kInputCaption), MB_OK | MB_ICONINFORMATION);
        FlatEdit1->SetFocus();
        return;
    }
    // A cycle length that is no number fails here, before anything is written; the inputs stay
    // enabled so the user can correct it.
    int length = 0;
    try {
        length = StrToInt(Trim(FlatEdit3->Text()));
    } catch (const EConvertError& e) {
        throw EConvertError(U("例假周期必须是整数（天数），例如 28。请改正后再按“确    定”。\n") +
                            e.Message());
    }
    Store().SaveSettings(
        {FlatEdit1->Text(), FlatEdit2->Text(), length, FlatMaskEdit1->Text(), FlatMemo3->Text()});
    EnableInputs(*this, false);
}
