// Tries the XP-style menu painter by hand: a form with a main menu, a pop-up menu (pictures,
// checks, radio items, shortcuts, a sub-menu) on its edits, a tool bar, a control bar and a few
// edits; the painter is switched on and off by the check item "XP 风格" or the first button.
//   demo_xpmenu [--xp] [--popup X Y] [--rtl]
// --xp starts with the painter on, --popup opens the pop-up menu at screen point (X, Y) once
// the form is shown, --rtl lays the pop-up menu out from the right.

#include "xpmenu/XPMenu.h"

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QTimer>
#include <cstring>

namespace {

// A 16 x 16 picture: a coloured shape on a fuchsia background, which is transparent.
TBitmap Picture(int Shape, TColor Color) {
    TBitmap b;
    b.SetSize(16, 16);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(Rect(0, 0, 16, 16));
    c->Brush()->SetColor(Color);
    c->Pen()->SetColor(clBlack);
    switch (Shape) {
    case 0:
        c->Rectangle(2, 1, 13, 15); // a page
        c->MoveTo(4, 5);
        c->LineTo(11, 5);
        c->MoveTo(4, 8);
        c->LineTo(11, 8);
        break;
    case 1:
        c->Polygon({{1, 4}, {6, 4}, {7, 6}, {14, 6}, {14, 14}, {1, 14}}); // a folder
        break;
    case 2:
        c->Rectangle(1, 1, 15, 15); // a disk
        c->Brush()->SetColor(clWhite);
        c->Rectangle(4, 2, 12, 7);
        break;
    default:
        c->Ellipse(1, 1, 15, 15);
        break;
    }
    return b;
}

struct TDemoForm {
    TForm Form{nullptr};
    TImageList* Images = new TImageList(&Form);
    TMainMenu* Main = new TMainMenu(&Form);
    TPopupMenu* Popup = new TPopupMenu(&Form);
    TToolBar* Bar = new TToolBar(&Form);
    TXPMenu* XP = new TXPMenu(&Form);
    TMenuItem* XPSwitch = nullptr;
    TCustomEdit* Status = nullptr;

    TMenuItem* Add(TMenuItem* Parent, const QString& Caption, TShortCut Key = 0, int Image = -1) {
        auto* it = new TMenuItem(&Form);
        it->SetCaption(Caption);
        it->SetShortCut(Key);
        it->SetImageIndex(Image);
        it->OnClick = [this](TObject* S) {
            Status->SetText(QStringLiteral("选择了：") +
                            QString(static_cast<TMenuItem*>(S)->Caption()).remove('&'));
        };
        Parent->Add(it);
        return it;
    }

    void Radio(TMenuItem* Parent, std::initializer_list<const char*> Captions, int Checked) {
        int i = 0;
        for (const char* c : Captions) {
            TMenuItem* it = Add(Parent, QString::fromUtf8(c));
            it->SetRadioItem(true);
            it->SetGroupIndex(1);
            it->SetAutoCheck(true);
            it->SetChecked(i++ == Checked);
        }
    }

    void SetXP(bool On) {
        XP->SetActive(On);
        XPSwitch->SetChecked(On);
        Form.SetCaption(On ? QStringLiteral("XP 风格菜单：开") : QStringLiteral("XP 风格菜单：关"));
    }

    void BuildMenus() {
        const auto ctrl = [](unsigned K) { return ShortCut(K, {TShiftStateItem::ssCtrl}); };
        TMenuItem* file = Add(Main->Items(), QStringLiteral("文件(&F)"));
        Add(file, QStringLiteral("新建(&N)"), ctrl('N'), 0);
        Add(file, QStringLiteral("打开(&O)..."), ctrl('O'), 1);
        Add(file, QStringLiteral("保存(&S)"), ctrl('S'), 2)->SetEnabled(false);
        Add(file, "-");
        TMenuItem* exit =
            Add(file, QStringLiteral("退出(&X)"), ShortCut(VK_F4, {TShiftStateItem::ssAlt}));
        exit->OnClick = [this](TObject*) { Form.Close(); };
        TMenuItem* view = Add(Main->Items(), QStringLiteral("查看(&V)"));
        XPSwitch = Add(view, QStringLiteral("XP 风格(&X)"), ctrl('X'));
        XPSwitch->OnClick = [this](TObject*) { SetXP(!XP->Active()); };
        Add(view, "-");
        Radio(view, {"小图标", "中图标", "大图标"}, 1);
        Add(Add(Main->Items(), QStringLiteral("帮助(&H)")), QStringLiteral("关于(&A)"), VK_F1, 3)
            ->SetDefault(true);
        Main->SetImages(Images);
        Main->SetForm(&Form);

        Popup->SetImages(Images);
        Add(Popup->Items(), QStringLiteral("剪切(&T)"), ctrl('X'), 0);
        Add(Popup->Items(), QStringLiteral("复制(&C)"), ctrl('C'), 1);
        Add(Popup->Items(), QStringLiteral("粘贴(&P)"), ctrl('V'), 2)->SetEnabled(false);
        Add(Popup->Items(), "-");
        TMenuItem* wrap = Add(Popup->Items(), QStringLiteral("自动换行(&W)"));
        wrap->SetAutoCheck(true);
        wrap->SetChecked(true);
        TMenuItem* marked = Add(Popup->Items(), QStringLiteral("带图标的勾选"), 0, 3);
        marked->SetChecked(true);
        Add(Popup->Items(), "-");
        Radio(Popup->Items(), {"左对齐", "居中"}, 0);
        TMenuItem* more = Add(Popup->Items(), QStringLiteral("更多(&M)"));
        Add(more, QStringLiteral("全选(&A)"), ctrl('A'));
        Add(more, QStringLiteral("删除(&D)"), ShortCut(VK_DELETE, {}), 3);
    }

    void BuildControls() {
        Bar->SetParent(&Form);
        Bar->SetImages(Images);
        for (int i = 0; i < 5; ++i) {
            auto* b = new TToolButton(&Form);
            if (i == 3) b->SetStyle(TToolButtonStyle::tbsDivider);
            b->SetImageIndex(i < 3 ? i : 3);
            if (i == 4) b->SetStyle(TToolButtonStyle::tbsCheck);
            b->SetParent(Bar);
        }
        Bar->Buttons(0)->OnClick = [this](TObject*) { SetXP(!XP->Active()); };
        Bar->Buttons(2)->SetEnabled(false);

        auto* cbar = new TControlBar(&Form);
        cbar->SetParent(&Form);
        cbar->SetBounds(10, 200, 380, 34);
        auto* inBand = new TCustomEdit(&Form);
        inBand->SetParent(cbar);
        inBand->SetBounds(16, 6, 150, 21);
        inBand->SetText(QStringLiteral("控制条里的编辑框"));

        const char* texts[] = {"右键单击这里打开弹出菜单", "第二个编辑框"};
        for (int i = 0; i < 2; ++i) {
            auto* e = new TCustomEdit(&Form);
            e->SetParent(&Form);
            e->SetBounds(10, 70 + i * 32, 260, 21);
            e->SetText(QString::fromUtf8(texts[i]));
            e->SetPopupMenu(Popup);
        }
        auto* memo = new TCustomMemo(&Form);
        memo->SetParent(&Form);
        memo->SetBounds(280, 70, 110, 110);
        memo->SetText(QStringLiteral("多行文本"));
        memo->SetPopupMenu(Popup);
        Status = new TCustomEdit(&Form);
        Status->SetParent(&Form);
        Status->SetBounds(10, 140, 260, 21);
        Status->SetReadOnly(true);
        auto* button = new TButton(&Form);
        button->SetParent(&Form);
        button->SetBounds(10, 250, 120, 25);
        button->SetCaption(QStringLiteral("XP 开关"));
        button->OnClick = [this](TObject*) { SetXP(!XP->Active()); };
    }

    TDemoForm() {
        Form.SetBounds(100, 100, 400, 290);
        Form.SetColor(clBtnFace);
        for (int i = 0; i < 4; ++i) {
            const TBitmap p = Picture(i, i == 0   ? clWhite
                                         : i == 1 ? clYellow
                                         : i == 2 ? clNavy
                                                  : clLime);
            Images->AddMasked(&p, clFuchsia);
        }
        BuildMenus();
        BuildControls();
        SetXP(false);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application->Initialize();
    TDemoForm demo;
    int popupX = -1, popupY = -1;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--xp")) demo.SetXP(true);
        if (!std::strcmp(argv[i], "--rtl")) demo.Popup->SetRightToLeft(true);
        if (!std::strcmp(argv[i], "--popup") && i + 2 < argc) {
            popupX = std::atoi(argv[i + 1]);
            popupY = std::atoi(argv[i + 2]);
        }
    }
    demo.Form.Show();
    if (popupX >= 0) QTimer::singleShot(500, [&] { demo.Popup->Popup(popupX, popupY); });
    return app.exec();
}
