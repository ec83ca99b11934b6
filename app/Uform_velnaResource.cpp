// The window's description: every component in the order the window is built, with its
// published properties and event bindings. Loaded() runs on all of them at the end.

#include "app/Resources.h"
#include "app/Texts.h"
#include "app/Uform_velna.h"
#include "app/cycle/Calendar.h"
#include "app/cycle/Detail.h"
#include "app/cycle/Status.h"

#include <QIcon>
#include <QPushButton>

namespace {

constexpr TColor kPanelColor = 14149346; // RGB 226, 230, 215

const QString Song = QString::fromUtf8("宋体");

void SetSongFont(TControl* C, int Height = -13, TColor Color = clWindowText) {
    C->Font()->SetName(Song);
    C->Font()->SetHeight(Height);
    C->Font()->SetColor(Color);
}

TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  const QString& Caption, TColor Color = clWindowText) {
    auto* l = new TLabel(Owner);
    l->SetName(Name);
    l->SetParent(Parent);
    l->SetBounds(Left, Top, l->Width(), l->Height());
    l->SetTransparent(true);
    SetSongFont(l, -13, Color);
    l->SetCaption(Caption);
    return l;
}

TImage* MakeImage(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  int Width, int Height, const char* Picture) {
    auto* i = new TImage(Owner);
    i->SetName(Name);
    i->SetParent(Parent);
    i->SetBounds(Left, Top, Width, Height);
    i->Picture()->LoadFromFile(ResourcePath(Picture));
    return i;
}

TPanel* MakeView(TComponent* Owner, TWinControl* Parent, const char* Name,
                 const QString& Caption = {}) {
    auto* p = new TPanel(Owner);
    p->SetName(Name);
    p->SetParent(Parent);
    p->SetBounds(143, 56, 438, 336);
    p->SetColor(kPanelColor);
    p->SetBevelInner(TBevelCut::bvSpace);
    p->SetBevelOuter(TBevelCut::bvLowered);
    p->SetCaption(Caption);
    p->SetVisible(false);
    return p;
}

TViewButton* MakeViewButton(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                            int Top, int Width, int Height, const char* Glyph, const QString& Hint,
                            TNotifyEvent OnClick) {
    auto* b = new TViewButton(Owner);
    b->SetName(Name);
    b->SetParent(Parent);
    b->SetBounds(Left, Top, Width, Height);
    b->SetHint(Hint);
    b->SetShowHint(!Hint.isEmpty());
    if (Glyph) {
        auto* push = static_cast<QPushButton*>(b->Handle());
        push->setIcon(QIcon(ResourcePath(Glyph)));
        push->setIconSize(QSize(62, 60));
        push->setFlat(true);
    }
    b->SetTabStop(false);
    b->OnClick = std::move(OnClick);
    return b;
}

} // namespace

void Tform_velna::CreateComponents() {
    SetName("form_velna");
    SetCaption(U("\"Soveli\"女性安全期测试"));
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons({});
    SetBounds(128, 116, 590, 403);
    SetColor(clBtnFace);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    {
        TIcon icon;
        icon.LoadFromFile(ResourcePath("icon.png"));
        SetIcon(icon);
    }
    OnCreate = [this](TObject* S) { FormCreate(S); };
    OnShow = [this](TObject* S) { FormShow(S); };

    fcImageForm1 = new TImage(this);
    fcImageForm1->SetName("fcImageForm1");
    fcImageForm1->SetParent(this);
    fcImageForm1->SetAlign(TAlign::alClient);
    fcImageForm1->Picture()->LoadFromFile(ResourcePath("window.bmp"));

    // Tool bar.
    leftPanel = new TPanel(this);
    leftPanel->SetName("leftPanel");
    leftPanel->SetParent(this);
    leftPanel->SetBounds(8, 56, 129, 336);
    leftPanel->SetBevelInner(TBevelCut::bvLowered);
    leftPanel->SetBevelOuter(TBevelCut::bvNone);
    leftPanel->SetBorderWidth(1);
    leftPanel->SetColor(kPanelColor);
    Image1 = MakeImage(this, leftPanel, "Image1", 4, 2, 121, 335, "toolbar.jpg");
    FlatSpeedButton1 =
        MakeViewButton(this, leftPanel, "FlatSpeedButton1", 29, 6, 70, 60, "btn_test.bmp",
                       U("安全期测试"), [this](TObject* S) { FlatSpeedButton1Click(S); });
    FlatSpeedButton2 =
        MakeViewButton(this, leftPanel, "FlatSpeedButton2", 29, 72, 70, 60, "btn_settings.bmp",
                       U("例假周期设置"), [this](TObject* S) { FlatSpeedButton2Click(S); });
    FlatSpeedButton3 =
        MakeViewButton(this, leftPanel, "FlatSpeedButton3", 29, 138, 70, 60, "btn_knowledge.bmp",
                       U("避孕常识"), [this](TObject* S) { FlatSpeedButton3Click(S); });
    FlatSpeedButton4 =
        MakeViewButton(this, leftPanel, "FlatSpeedButton4", 29, 204, 70, 60, "btn_about.bmp",
                       "Kelvaro", [this](TObject* S) { FlatSpeedButton4Click(S); });
    FlatSpeedButton5 =
        MakeViewButton(this, leftPanel, "FlatSpeedButton5", 29, 270, 70, 60, "btn_exit.bmp",
                       U("退出测试"), [this](TObject* S) { FlatSpeedButton5Click(S); });

    // Safe-period test view.
    Panel1 = MakeView(this, this, "Panel1");
    Panel1->SetVisible(true);
    Label1 = MakeLabel(this, Panel1, "Label1", 8, 16, U("上次例假时间："));
    DateTimePicker1 = new TDateTimePicker(this);
    DateTimePicker1->SetName("DateTimePicker1");
    DateTimePicker1->SetParent(Panel1);
    DateTimePicker1->SetBounds(112, 13, 145, 21);
    SetSongFont(DateTimePicker1);
    DateTimePicker1->OnChange = [this](TObject* S) { DateTimePicker1Change(S); };
    Label2 = MakeLabel(this, Panel1, "Label2", 9, 40, U("今日概况："));
    Label26 = MakeLabel(this, Panel1, "Label26", 67, 40, QString(), clNavy);
    Label3 = MakeLabel(this, Panel1, "Label3", 139, 40, U(cycle::InitialStatusCaption));
    FlatSpeedButton6 =
        MakeViewButton(this, Panel1, "FlatSpeedButton6", 352, 5, 81, 65, "btn_detail.bmp",
                       U("详细资料"), [this](TObject* S) { FlatSpeedButton6Click(S); });
    Label7 = MakeLabel(this, Panel1, "Label7", 11, 59, U(cycle::FirstCalendarCaption));
    Label8 = MakeLabel(this, Panel1, "Label8", 12, 195, U(cycle::SecondCalendarCaption));

    Panel5 = new TPanel(this);
    Panel5->SetName("Panel5");
    Panel5->SetParent(Panel1);
    Panel5->SetBounds(352, 73, 81, 256);
    Panel5->SetBorderStyle(TBorderStyle::bsSingle);
    Panel5->SetCtl3D(false);
    Panel5->SetBevelOuter(TBevelCut::bvNone);
    Panel5->SetColor(kPanelColor);
    Image2 = MakeImage(this, Panel5, "Image2", 16, 16, 40, 15, "swatch_green.jpg");
    Image3 = MakeImage(this, Panel5, "Image3", 16, 77, 40, 15, "swatch_red.jpg");
    Image4 = MakeImage(this, Panel5, "Image4", 16, 136, 40, 15, "swatch_black.jpg");
    Label4 = MakeLabel(this, Panel5, "Label4", 14, 40, U("安全期   "));
    Label5 = MakeLabel(this, Panel5, "Label5", 14, 101, U("危险期   "));
    Label6 = MakeLabel(this, Panel5, "Label6", 14, 160, U("月经期   "));
    FlatSpeedButton7 =
        MakeViewButton(this, Panel5, "FlatSpeedButton7", 2, 188, 75, 64, "diary.bmp",
                       U("例假备忘录"), [this](TObject* S) { FlatSpeedButton7Click(S); });

    // Cycle settings view (its fields come with the settings screen).
    Panel2 = MakeView(this, this, "Panel2");

    // Contraception knowledge view.
    Panel3 = MakeView(this, this, "Panel3");
    FlatMemo1 = new TMemo(this);
    FlatMemo1->SetName("FlatMemo1");
    FlatMemo1->SetParent(Panel3);
    FlatMemo1->SetBounds(8, 8, 329, 321);
    FlatMemo1->SetReadOnly(true);
    FlatMemo1->SetScrollBars(TScrollStyle::ssVertical);
    SetSongFont(FlatMemo1, -12);
    FlatMemo1->SetColor(kPanelColor);
    FlatMemo1->Lines()->SetText(KnowledgeText());
    Image6 = MakeImage(this, Panel3, "Image6", 344, 10, 85, 317, "side.jpg");

    // About view.
    Panel4 = MakeView(this, this, "Panel4");
    Image8 = MakeImage(this, Panel4, "Image8", 1, 1, 438, 336, "about.jpg");

    // Cycle detail view.
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

    // Period diary view (its entry form comes with the diary screen).
    Panel7 = MakeView(this, this, "Panel7", U("例假备忘录"));
    Apart_list = new TListView(this);
    Apart_list->SetName("Apart_list");
    Apart_list->SetParent(Panel7);
    Apart_list->SetBounds(179, 4, 254, 293);
    SetSongFont(Apart_list);
    Apart_list->SetViewStyle(TViewStyle::vsReport);
    Apart_list->SetGridLines(true);
    Apart_list->SetRowSelect(true);
    Apart_list->SetHideSelection(false);
    Apart_list->SetReadOnly(true);
    Apart_list->AddColumn(U("日期"), 80);
    Apart_list->AddColumn(U("状态"), -1);
    Apart_list->AddColumn(U("日记内容"), 120);

    // Home view.
    Panel8 = MakeView(this, this, "Panel8", U("首页"));
    Image7 = MakeImage(this, Panel8, "Image7", -1, 0, 438, 337, "home.jpg");

    Dconnect = new TADOConnection(this);
    Dconnect->SetName("Dconnect");
    recordset_temp = new TADOQuery(this);
    recordset_temp->SetName("recordset_temp");
    recordset_temp->SetConnection(Dconnect);
}
