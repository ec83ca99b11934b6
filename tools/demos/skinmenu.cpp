// Tries the skinned menus by hand with the program's skin: a right click on the form opens a
// long menu (checks, radio items, shortcuts, a disabled item, separators, a submenu, the system
// menu's glyphs); it is taller than the work area and scrolls.
//   demo_skinmenu [--popup X Y] [--sub] [--translucent] [--items N]
// --popup opens the menu at screen point (X, Y) once the form shows, --sub then opens the
// submenu, --translucent blends the menus with what lies under them (20 %), --items sets how
// many numbered items the menu has (40).
//   demo_skinmenu --tray | --tray-report
// --tray puts an icon into the notification area whose right button opens the same menu and
// whose double click restores the window; --tray-report also prints "shown 1" / "shown 0" when
// the icon appears in or leaves the notification area, "readded" when the area came back and
// "click" for a click on the icon (the end-to-end test reads them).

#include "app/Resources.h"
#include "skin/SkinMenus.h"
#include "skin/spTrayIcon.h"

#include "platform/FileUtils.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

// Stands in for a skinned frame: owns the engine the menus open through.
class TDemoHost : public TComponent, public TSkinMenuHost {
public:
    TDemoHost(TCustomForm* Form, TspSkinData* Skin) : TComponent(Form), FSkin(Skin), FMenu(Form) {}
    TSkinMenu* SkinMenu() override { return &FMenu; }
    TspSkinData* MenuSkinData() const override { return FSkin; }

private:
    TspSkinData* FSkin;
    TSkinMenu FMenu;
};

struct TDemoForm {
    TForm Form{nullptr};
    TspStoredSkin* Stored = new TspStoredSkin(&Form);
    TspSkinData* Skin = new TspSkinData(&Form);
    TDemoHost* Host = nullptr;
    TspSkinPopupMenu* Menu = new TspSkinPopupMenu(&Form);
    TCustomEdit* Status = nullptr;

    TMenuItem* Add(TMenuItem* Parent, const QString& Caption, TShortCut Key = 0) {
        auto* item = new TMenuItem(&Form);
        item->SetCaption(Caption);
        item->SetShortCut(Key);
        item->OnClick = [this, item](TObject*) {
            Status->SetText(QStringLiteral("选择了：") + item->Caption());
        };
        Parent->Add(item);
        return item;
    }

    void BuildMenu(int Count) {
        TMenuItem* root = Menu->Items();
        Add(root, QStringLiteral("打开(&O)"), ShortCut('O', {TShiftStateItem::ssCtrl}));
        Add(root, QStringLiteral("保存(&S)"), ShortCut('S', {TShiftStateItem::ssCtrl}));
        Add(root, QStringLiteral("不可用(&U)"))->SetEnabled(false);
        Add(root, QStringLiteral("-"));
        Add(root, QStringLiteral("显示网格(&G)"))->SetChecked(true);
        for (int i = 0; i < 2; ++i) {
            TMenuItem* r = Add(root, i ? QStringLiteral("按月(&M)") : QStringLiteral("按周(&W)"));
            r->SetRadioItem(true);
            r->SetGroupIndex(1);
            r->SetChecked(i == 0);
        }
        TMenuItem* more = Add(root, QStringLiteral("更多(&R)"));
        Add(more, QStringLiteral("导出(&E)..."));
        Add(more, QStringLiteral("导入(&I)..."));
        Add(more, QStringLiteral("-"));
        TMenuItem* deeper = Add(more, QStringLiteral("再深一层(&D)"));
        Add(deeper, QStringLiteral("第三层"));
        Add(root, QStringLiteral("-"));
        const char* sys[][2] = {{"DSF_RESTORE", "&Restore"},
                                {"DSF_MINITEM", "Mi&nimize"},
                                {"DSF_MAXITEM", "Ma&ximize"},
                                {"DSF_ROLLUP", "Ro&llUp"},
                                {"DSF_MINTOTRAY", "Minimize to &Tray"}};
        for (auto& s : sys) Add(root, QString::fromUtf8(s[1]))->SetName(QString::fromUtf8(s[0]));
        TMenuItem* close = Add(root, QStringLiteral("&Close"), TextToShortCut("Alt+F4"));
        close->SetName(QStringLiteral("DSF_CLOSE"));
        Add(root, QStringLiteral("-"));
        for (int i = 1; i <= Count; ++i) Add(root, QStringLiteral("第 %1 项").arg(i));
    }

    explicit TDemoForm(int Count) {
        Form.SetBounds(100, 100, 420, 260);
        Form.SetColor(RGB(70, 110, 150));
        Form.SetCaption(QStringLiteral("皮肤菜单演示"));
        Stored->SetFileName(QStringLiteral("skin.ini"));
        Stored->IniStrings()->SetText(
            QString::fromUtf8(ReadFileBytes(ResourcePath("skin/skin.ini"))));
        Stored->ReadPictures(ReadFileBytes(ResourcePath("skin/skin.pictures")));
        Skin->SetStoredSkin(Stored);
        Host = new TDemoHost(&Form, Skin);
        BuildMenu(Count);
        Status = new TCustomEdit(&Form);
        Status->SetParent(&Form);
        Status->SetBounds(10, 10, 300, 21);
        Status->SetReadOnly(true);
        Status->SetText(QStringLiteral("在窗体上单击右键打开菜单"));
        Form.OnMouseUp = [this](TObject*, TMouseButton B, TShiftState, int X, int Y) {
            if (B != TMouseButton::mbRight) return;
            const TPoint p = Form.ClientToScreen({X, Y});
            Menu->Popup(p.X, p.Y);
        };
    }
};

} // namespace

// Reports what the tray icon does on standard output, one line each.
void WatchTray(TspTrayIcon* Tray, TDemoForm& Demo) {
    auto* poll = new QTimer(QCoreApplication::instance());
    auto last = std::make_shared<int>(-1);
    auto gone = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, [Tray, last, gone] {
        const int now = Tray->IconShown() ? 1 : 0;
        if (now == *last) return;
        if (now && *gone) std::printf("readded\n");
        if (!now && *last == 1) *gone = true;
        *last = now;
        std::printf("shown %d\n", now);
        std::fflush(stdout);
    });
    poll->start(100);
    Tray->OnClick = [&Demo](TObject*) {
        std::printf("click\n");
        std::fflush(stdout);
        Demo.Status->SetText(QStringLiteral("单击了通知区域图标"));
    };
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application->Initialize();
    int count = 40, popupX = -1, popupY = -1;
    bool sub = false, translucent = false, tray = false, report = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--sub")) sub = true;
        if (!std::strcmp(argv[i], "--tray")) tray = true;
        if (!std::strcmp(argv[i], "--tray-report")) tray = report = true;
        if (!std::strcmp(argv[i], "--translucent")) translucent = true;
        if (!std::strcmp(argv[i], "--items") && i + 1 < argc) count = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--popup") && i + 2 < argc) {
            popupX = std::atoi(argv[i + 1]);
            popupY = std::atoi(argv[i + 2]);
        }
    }
    TDemoForm demo(std::max(0, count));
    demo.Host->SkinMenu()->MenusTransparent = translucent;
    demo.Form.Show();
    TspTrayIcon* icon = nullptr;
    if (tray) {
        icon = new TspTrayIcon(&demo.Form);
        // A calendar page with a red day, as the icon.
        auto* pictures = new TImageList(&demo.Form);
        TBitmap page;
        page.SetSize(16, 16);
        TCanvas* c = page.Canvas();
        c->Brush()->SetColor(clFuchsia);
        c->FillRect(Rect(0, 0, 16, 16));
        c->Brush()->SetColor(clWhite);
        c->Pen()->SetColor(RGB(40, 60, 90));
        c->Rectangle(1, 2, 15, 15);
        c->Brush()->SetColor(RGB(200, 40, 60));
        c->FillRect(Rect(1, 2, 15, 6));
        c->FillRect(Rect(6, 8, 10, 12));
        pictures->AddMasked(&page, clFuchsia);
        icon->SetIconList(pictures);
        icon->SetHint(QStringLiteral("皮肤菜单演示：右键打开菜单，双击恢复窗口"));
        icon->SetPopupMenu(demo.Menu);
        icon->SetMinimizeToTray(true);
        icon->OnDblClick = [icon](TObject*) { icon->RestoreFromTray(); };
        icon->SetIconVisible(true);
        icon->Loaded();
        if (report) WatchTray(icon, demo);
    }
    if (popupX >= 0)
        QTimer::singleShot(500, [&] {
            demo.Menu->Popup(popupX, popupY);
            TSkinMenu* engine = demo.Host->SkinMenu();
            if (sub && engine->Visible())
                QTimer::singleShot(400, [engine] {
                    if (!engine->Visible()) return;
                    TSkinPopupWindow* top = engine->Level(0);
                    for (int i = 0; i < top->ItemCount(); ++i)
                        if (top->Items(i)->HasSubMenu()) {
                            top->SetItemIndex(i);
                            top->ClickItem(i);
                            break;
                        }
                });
        });
    return app.exec();
}
