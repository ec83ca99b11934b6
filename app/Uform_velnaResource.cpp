// The window's description: every component in the order the window is built, with its
// published properties and event bindings. Loaded() runs on all of them at the end. The views'
// parts are in Uform_velna*View.cpp.

#include "app/Resources.h"
#include "app/Texts.h"
#include "app/Uform_velnaParts.h"
#include "platform/FileUtils.h"

using namespace velna;

namespace {

// The stored outline of the window: the whole 590 x 403 rectangle less its bottom-left pixel,
// as two rectangles, behind the property's own byte count.
QByteArray WindowRegionData() {
    return Int32sLE({64, 32, 1, 2, 32, 0, 0, 590, 403, 0, 0, 590, 402, 1, 402, 590, 403});
}

} // namespace

void Tform_velna::CreateComponents() {
    SetName("form_velna");
    SetCaption(U(kWindowTitle));
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

    fcImageForm1 = Make<TfcImageForm>(this, this, "fcImageForm1", Bounds(0, 0, 590, 403));
    fcImageForm1->SetAlign(TAlign::alClient);
    fcImageForm1->Picture()->LoadFromFile(ResourcePath("window.bmp"));
    fcImageForm1->SetDragTolerance(5);
    fcImageForm1->ReadRegionData(WindowRegionData());

    CreateSkin();
    CreateToolBar();
    CreateTestView();
    CreateSettingsView();
    CreateKnowledgeView();
    CreateAboutView();
    CreateDetailView();
    CreateDiaryView();
    CreateHomeView();

    Dconnect = new TADOConnection(this);
    Dconnect->SetName("Dconnect");
    recordset_temp = new TADOQuery(this);
    recordset_temp->SetName("recordset_temp");
    recordset_temp->SetConnection(Dconnect);

    CreateMenuPainter();
}

// The stored skin and the skin data that applies it, before anything skinned is made.
void Tform_velna::CreateSkin() {
    spStoredSkin1 = new TspStoredSkin(this);
    spStoredSkin1->SetName("spStoredSkin1");
    spStoredSkin1->SetFileName("skin.ini");
    spStoredSkin1->IniStrings()->SetText(
        QString::fromUtf8(ReadFileBytes(ResourcePath("skin/skin.ini"))));
    spStoredSkin1->ReadPictures(ReadFileBytes(ResourcePath("skin/skin.pictures")));
    spSkinData1 = new TspSkinData(this);
    spSkinData1->SetName("spSkinData1");
    spSkinData1->SetStoredSkin(spStoredSkin1);
    // The skinned frame of a borderless window: caption dragging, sizing at the edges, snapping
    // and the standard buttons' places act; nothing of the frame is drawn.
    DSF = new TspDynamicSkinForm(this);
    DSF->SetName("DSF");
    DSF->SetSupportNCArea(true);
    DSF->SetSizeable(true);
    DSF->SetDraggAble(true);
    DSF->SetMagnetic(true);
    DSF->SetMagneticSize(10);
    DSF->SetBorderIcons({});
    DSF->SetUseDefaultSysMenu(true);
    DSF->SetAlphaBlendSupport(true);
    DSF->SetAlphaBlendValue(10);
    DSF->SetAlphaBlend(false);
    DSF->SetMenusTransparent(true);
    DSF->SetMenusTransparentValue(20);
    DSF->SetMinWidth(0);
    DSF->SetMinHeight(0);
    DSF->SetSkinData(spSkinData1);
}

void Tform_velna::CreateMenuPainter() {
    XPMenu1 = new TXPMenu(this);
    XPMenu1->SetName("XPMenu1");
    XPMenu1->SetDimLevel(30);
    XPMenu1->SetGrayLevel(10);
    {
        TFont font;
        font.SetName(U("宋体"));
        font.SetHeight(-12);
        font.SetColor(clMenuText);
        XPMenu1->SetFont(font);
    }
    XPMenu1->SetIconWidth(24);
    XPMenu1->SetDrawSelect(true);
    XPMenu1->SetUseSystemColors(true);
    XPMenu1->SetActive(false);
}

void Tform_velna::CreateToolBar() {
    leftPanel = Make<TPanel>(this, this, "leftPanel", Bounds(8, 56, 129, 336));
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
}

void Tform_velna::CreateKnowledgeView() {
    Panel3 = MakeView(this, this, "Panel3");
    FlatMemo1 = Make<TFlatMemo>(this, Panel3, "FlatMemo1", Bounds(8, 8, 329, 321));
    FlatMemo1->SetColorBorder(12615808);
    FlatMemo1->SetColorFlat(kPanelColor);
    FlatMemo1->SetParentColor(true);
    FlatMemo1->SetReadOnly(true);
    FlatMemo1->SetScrollBars(TScrollStyle::ssVertical);
    SetSongFont(FlatMemo1, -12);
    FlatMemo1->Lines()->SetText(KnowledgeText());
    Image6 = MakeImage(this, Panel3, "Image6", 344, 10, 85, 317, "side.jpg");
}

void Tform_velna::CreateAboutView() {
    Panel4 = MakeView(this, this, "Panel4");
    Image8 = MakeImage(this, Panel4, "Image8", 1, 1, 438, 336, "about.jpg");
}

void Tform_velna::CreateHomeView() {
    Panel8 = MakeView(this, this, "Panel8", U("首页"));
    Image7 = MakeImage(this, Panel8, "Image7", -1, 0, 438, 337, "home.jpg");
}
