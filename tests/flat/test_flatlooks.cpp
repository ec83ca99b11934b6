// A sheet of every flat control in each of its states, written to the temporary folder as
// flat_sheet.png for looking at; each state must look different from the control's normal look.

#include "FlatTestSupport.h"
#include "platform/WidgetOf.h"

#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatCheckBoxUnit.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatGroupBoxUnit.h"
#include "flat/TFlatMaskEditUnit.h"
#include "flat/TFlatMemoUnit.h"
#include "flat/TFlatSpeedButtonUnit.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr int kScale = 2;

class TSheet {
public:
    explicit TSheet(TForm& Form) : FForm(Form) {
        FImage.fill(Qt::white);
        FPainter.setFont(QFont("Liberation Sans", 9));
    }
    // Shoots Control (with a 4-pixel margin of what is around it) into the current row.
    QImage Shot(TControl& Control, const QString& Label) {
        const QRect area(Control.Left() - 4, Control.Top() - 4, Control.Width() + 8,
                         Control.Height() + 8);
        QImage part(area.size(), QImage::Format_RGB32);
        WidgetOf(FForm)->render(&part, QPoint(0, 0), QRegion(area));
        const QImage big = part.scaled(part.size() * kScale);
        if (FX + big.width() > FImage.width()) NewRow();
        FPainter.drawImage(FX, FY, big);
        FPainter.setPen(Qt::black);
        FPainter.drawText(FX, FY + big.height() + 12, Label);
        FX += big.width() + 12;
        FRowHeight = std::max(FRowHeight, big.height() + 20);
        return part;
    }
    void NewRow() {
        FX = 8;
        FY += FRowHeight + 8;
        FRowHeight = 0;
    }
    void Save(const QString& File) {
        FPainter.end();
        FImage.copy(0, 0, FImage.width(), FY + FRowHeight + 8).save(File);
    }

private:
    TForm& FForm;
    QImage FImage{1500, 2400, QImage::Format_RGB32};
    QPainter FPainter{&FImage};
    int FX = 8, FY = 8, FRowHeight = 0;
};

TBitmap SampleGlyph(int Cells) {
    TBitmap g;
    g.SetSize(62 * Cells, 60);
    TCanvas& c = *g.Canvas();
    c.Brush()->SetColor(RGB(240, 251, 255));
    c.FillRect(Rect(0, 0, g.Width(), 60));
    for (int k = 0; k < Cells; ++k) {
        c.Brush()->SetColor(k == 0 ? RGB(220, 60, 60) : RGB(60, 60, 220));
        c.Pen()->SetColor(RGB(90, 20, 20));
        c.Ellipse(k * 62 + 10, 8, k * 62 + 52, 50);
        c.Brush()->SetColor(RGB(255, 200, 0));
        c.Rectangle(k * 62 + 24, 22, k * 62 + 38, 36);
    }
    return g;
}

struct Looks : ::testing::Test {
    TFlatWorld World;
    TForm& Form = *World.Form;
    void SetUp() override {
        Form.SetBounds(0, 0, 400, 300);
        Form.SetColor(RGB(226, 230, 215));
        Form.Font()->SetName(QString::fromUtf8("宋体"));
        Form.Font()->SetHeight(-13);
        World.ShowActive();
    }
    // Mouse messages go to a windowed control itself, to a graphic one through its parent.
    void Mouse(TControl& C, unsigned Msg, unsigned Keys, int X, int Y) {
        if (C.IsWindowed())
            C.Perform(Msg, Keys, MakeLParam(X, Y));
        else
            C.Parent()->Perform(Msg, Keys, MakeLParam(C.Left() + X, C.Top() + Y));
    }
    void Move(TControl& C, int X, int Y) {
        World.CursorTo(C, X, Y);
        Mouse(C, WM_MOUSEMOVE, 0, X, Y);
    }
    void Away(TTimer* HoverTimer) {
        World.CursorAway();
        Form.Perform(WM_MOUSEMOVE, 0, MakeLParam(399, 299));
        if (HoverTimer) HoverTimer->Tick();
    }
    // Frees a control, first taking the focus record away from it.
    void Drop(TControl* C) {
        Form.SetFocusedControl(nullptr);
        SetFocusedWinControlRaw(nullptr);
        delete C;
    }
    // Gives a control the focus afresh.
    void Refocus(TWinControl& C) {
        Drop(nullptr);
        C.SetFocus();
    }
    void Press(TControl& C, int X, int Y) { Mouse(C, WM_LBUTTONDOWN, MK_LBUTTON, X, Y); }
    void Release(TControl& C, int X, int Y) { Mouse(C, WM_LBUTTONUP, 0, X, Y); }
};

// One member a kind of control, so the sheet's test reads as its list of kinds.
struct LooksSheet : Looks {
    void ShootSpeedButtons(TSheet& sheet) {
        // Speed buttons: the tool bar's colours, a one-image glyph, then a two-image glyph.
        for (int cells : {1, 2}) {
            auto* b = new TFlatSpeedButton(&Form);
            b->SetParent(&Form);
            b->SetBounds(20, 20, 70, 60);
            b->SetColor(16776176);
            b->SetColorFocused(clInfoBk);
            b->SetColorDown(clWhite);
            b->SetColorBorder(clBackground);
            b->SetColorHighLight(33023);
            const TBitmap glyph = SampleGlyph(cells);
            b->SetGlyph(&glyph);
            b->SetNumGlyphs(cells);
            const QImage normal = sheet.Shot(*b, "speed normal");
            Move(*b, 30, 30);
            EXPECT_NE(sheet.Shot(*b, "hover"), normal);
            Press(*b, 30, 30);
            EXPECT_NE(sheet.Shot(*b, "pressed"), normal);
            Release(*b, 30, 30);
            b->SetGroupIndex(1);
            b->SetDown(true);
            EXPECT_NE(sheet.Shot(*b, "latched, hover"), normal);
            Away(TFlatSpeedButton::HoverTimer());
            EXPECT_NE(sheet.Shot(*b, "latched"), normal);
            b->SetDown(false);
            b->SetGroupIndex(0);
            b->SetEnabled(false);
            EXPECT_NE(sheet.Shot(*b, cells == 1 ? "disabled (emboss)" : "disabled (cell 1)"),
                      normal);
            Drop(b);
            sheet.NewRow();
        }
        {
            auto* b = new TFlatSpeedButton(&Form);
            b->SetParent(&Form);
            b->SetBounds(20, 20, 90, 30);
            b->SetCaption("Caption");
            b->SetColor(0xE1EAEB);
            b->SetLayout(TButtonLayout::blGlyphLeft);
            const QImage normal = sheet.Shot(*b, "default colours");
            b->SetTransparentMode(TFlatTransparentMode::tmAlways);
            EXPECT_NE(sheet.Shot(*b, "tmAlways"), normal);
            b->SetEnabled(false);
            sheet.Shot(*b, "tmAlways disabled");
            Drop(b);
        }
    }
    void ShootPushButton(TSheet& sheet) {
        // Push buttons as the settings view has them.
        {
            auto* b = new TFlatButton(&Form);
            b->SetParent(&Form);
            b->SetBounds(20, 20, 70, 22);
            b->SetCaption(QString::fromUtf8("确    定"));
            b->SetColor(RGB(200, 217, 240));
            b->SetColorFocused(clMoneyGreen);
            b->SetColorDown(clInactiveCaption);
            b->SetColorBorder(clNavy);
            b->SetColorHighLight(clInactiveCaptionText);
            const QImage normal = sheet.Shot(*b, "button normal");
            Move(*b, 10, 10);
            EXPECT_NE(sheet.Shot(*b, "hover"), normal);
            Press(*b, 10, 10);
            EXPECT_NE(sheet.Shot(*b, "pressed"), normal);
            Release(*b, 10, 10);
            Away(TFlatButton::HoverTimer());
            Refocus(*b);
            EXPECT_NE(sheet.Shot(*b, "focused"), normal);
            Drop(nullptr);
            b->Perform(WM_KILLFOCUS);
            b->SetDefault(true);
            EXPECT_NE(sheet.Shot(*b, "default"), normal);
            b->SetEnabled(false);
            EXPECT_NE(sheet.Shot(*b, "disabled"), normal);
            b->SetEnabled(true);
            b->SetDefault(false);
            b->SetTransparentMode(TFlatTransparentMode::tmAlways);
            sheet.Shot(*b, "tmAlways");
            Drop(b);
        }
    }
    void ShootGroupBox(TSheet& sheet) {
        // Check boxes in a transparent group box.
        {
            auto* g = new TFlatGroupBox(&Form);
            g->SetParent(&Form);
            g->SetBounds(20, 20, 200, 90);
            g->SetCaption(QString::fromUtf8("例假设置："));
            g->SetColor(clBtnFace);
            const QImage normal = sheet.Shot(*g, "group box");
            g->SetTransparent(true);
            EXPECT_NE(sheet.Shot(*g, "transparent"), normal);
            g->SetBorder(TGroupBoxBorder::brOnlyTopLine);
            sheet.Shot(*g, "top line");
            g->SetCaption(QString());
            g->SetBorder(TGroupBoxBorder::brFull);
            sheet.Shot(*g, "empty caption");
            g->SetCaption("Disabled");
            g->SetEnabled(false);
            sheet.Shot(*g, "disabled");
            Drop(g);
        }
    }
    void ShootCheckBox(TSheet& sheet) {
        {
            auto* c = new TFlatCheckBox(&Form);
            c->SetParent(&Form);
            c->SetBounds(20, 20, 73, 20);
            c->SetCaption(QString::fromUtf8("我要修改"));
            c->SetTransparent(true);
            c->SetColorDown(clBlack);
            c->SetColorCheck(clRed);
            c->SetColorBorder(clBackground);
            const QImage normal = sheet.Shot(*c, "check box");
            Move(*c, 5, 8);
            EXPECT_NE(sheet.Shot(*c, "hover"), normal);
            Press(*c, 5, 8);
            EXPECT_NE(sheet.Shot(*c, "pressed"), normal);
            Release(*c, 5, 8);
            EXPECT_NE(sheet.Shot(*c, "checked, focused"), normal);
            Away(TFlatCheckBox::HoverTimer());
            c->SetEnabled(false);
            EXPECT_NE(sheet.Shot(*c, "disabled checked"), normal);
            c->SetEnabled(true);
            c->SetLayout(TCheckBoxLayout::checkboxRight);
            c->SetWidth(120);
            sheet.Shot(*c, "right layout");
            Drop(c);
        }
    }
    void ShootEdits(TSheet& sheet) {
        // Text inputs as the settings view has them.
        {
            auto* e = new TFlatEdit(&Form);
            e->SetParent(&Form);
            e->SetBounds(20, 20, 175, 19);
            e->SetColorBorder(clNavy);
            e->SetColorFlat(15784392);
            e->SetText(QString::fromUtf8("小红"));
            const QImage normal = sheet.Shot(*e, "edit");
            Refocus(*e);
            EXPECT_NE(sheet.Shot(*e, "focused"), normal);
            Drop(nullptr);
            e->Perform(WM_KILLFOCUS);
            e->SetEnabled(false);
            sheet.Shot(*e, "disabled");
            e->Perform(CM_MOUSEENTER);
            EXPECT_NE(sheet.Shot(*e, "disabled, hover"), normal);
            Drop(e);

            auto* m = new TFlatMaskEdit(&Form);
            m->SetParent(&Form);
            m->SetBounds(20, 20, 138, 19);
            m->SetEditMask("!9999/99/00;1;_");
            m->SetMaxLength(10);
            m->SetColorBorder(clNavy);
            m->SetColorFlat(15784392);
            sheet.Shot(*m, "mask edit, empty");
            m->SetText("2026-12-02");
            sheet.Shot(*m, "mask edit");
            Drop(m);
        }
    }
    void ShootMemo(TSheet& sheet) {
        {
            auto* m = new TFlatMemo(&Form);
            m->SetParent(&Form);
            m->SetBounds(20, 20, 200, 90);
            m->SetColorBorder(12615808);
            m->SetColorFlat(14149346);
            m->SetScrollBars(TScrollStyle::ssVertical);
            for (int i = 0; i < 12; ++i)
                m->Lines()->Add(QString::fromUtf8("    安全期避孕 line %1").arg(i));
            const QImage normal = sheet.Shot(*m, "memo, vertical bar");
            m->SetScrollBars(TScrollStyle::ssBoth);
            m->SetWordWrap(false);
            EXPECT_NE(sheet.Shot(*m, "both bars"), normal);
            Refocus(*m);
            sheet.Shot(*m, "focused");
            Drop(m);
        }
    }
    void ShootComboBox(TSheet& sheet) {
        {
            auto* c = new TFlatComboBox(&Form);
            c->SetParent(&Form);
            c->SetBounds(20, 20, 98, 21);
            c->Items()->Add(QString::fromUtf8("正常"));
            c->Items()->Add(QString::fromUtf8("不正常"));
            c->SetColor(15784392);
            const QImage normal = sheet.Shot(*c, "combo");
            c->SetText(QString::fromUtf8("正常"));
            sheet.Shot(*c, "with text");
            c->SetDroppedDown(true);
            EXPECT_NE(sheet.Shot(*c, "dropped down"), normal);
            c->SetDroppedDown(false);
            c->SetEnabled(false);
            EXPECT_NE(sheet.Shot(*c, "disabled"), normal);
            c->SetEnabled(true);
            c->SetStyle(TComboBoxStyle::csDropDownList);
            c->SetItemIndex(1);
            Refocus(*c);
            sheet.Shot(*c, "list style, focused");
            Drop(c);
        }
    }
};

} // namespace

TEST_F(LooksSheet, SheetOfEveryControlAndState) {
    TSheet sheet(Form);
    ShootSpeedButtons(sheet);
    sheet.NewRow();
    ShootPushButton(sheet);
    sheet.NewRow();
    ShootGroupBox(sheet);
    sheet.NewRow();
    ShootCheckBox(sheet);
    sheet.NewRow();
    ShootEdits(sheet);
    sheet.NewRow();
    ShootMemo(sheet);
    sheet.NewRow();
    ShootComboBox(sheet);
    sheet.Save(QDir::tempPath() + "/flat_sheet.png");
}
