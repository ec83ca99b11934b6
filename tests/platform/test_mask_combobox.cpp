// Masked edit (the platform's mask syntax) and combo box.

#include "platform/ComboBox.h"
#include "platform/Forms.h"
#include "platform/Mask.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

TEST(MaskEdit, DateMaskTranslatesAndKeepsItsLiterals) {
    const TEditMaskInfo info = TranslateEditMask("!9999/99/00;1;_");
    EXPECT_EQ(info.QtMask, "0000-00-99;_");
    EXPECT_TRUE(info.SaveLiterals);
    EXPECT_EQ(info.Literal, (std::vector<bool>{false, false, false, false, true, false, false, true,
                                               false, false}));
    EXPECT_EQ(TranslateEditMask(">LL\\A0:aa;0; ").QtMask, ">AA\\A9:nn; ");
    EXPECT_FALSE(TranslateEditMask("00;0;*").SaveLiterals);

    TForm form(nullptr);
    auto* e = new TMaskEdit(&form);
    e->SetParent(&form);
    e->SetEditMask("!9999/99/00;1;_");
    e->SetMaxLength(10);
    EXPECT_EQ(e->EditText(), "____-__-__");
    EXPECT_EQ(e->Text(), "    -  -  ");
    e->SetText("2026-12-02");
    EXPECT_EQ(e->Text(), "2026-12-02");
    EXPECT_TRUE(e->IsComplete());

    // Typing: letters are refused, the separators are stepped over.
    e->SetText("");
    e->Edit()->setCursorPosition(0);
    for (const char* k : {"2", "0", "x", "2", "6", "0", "1", "0"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(k));
        QApplication::sendEvent(e->Edit(), &press);
    }
    EXPECT_EQ(e->EditText(), "2026-01-0_");
    EXPECT_FALSE(e->IsComplete()); // the last place is required
}

TEST(ComboBox, ItemsTextIndexAndChangeOnlyFromTheUser) {
    TForm form(nullptr);
    auto* c = new TComboBox(&form);
    c->SetParent(&form);
    int changes = 0, drops = 0;
    c->OnChange = [&](TObject*) { ++changes; };
    c->OnDropDown = [&](TObject*) { ++drops; };
    c->Items()->Add("b");
    c->Items()->Add("a");
    EXPECT_EQ(c->ItemIndex(), -1);
    EXPECT_EQ(c->Text(), "");
    c->SetSorted(true);
    EXPECT_EQ(c->Items()->Strings(0), "a");
    c->Items()->Add("ab");
    EXPECT_EQ(c->Items()->Strings(1), "ab");

    c->SetText("free text");
    EXPECT_EQ(c->Text(), "free text");
    c->SetItemIndex(2);
    EXPECT_EQ(c->Text(), "b");
    EXPECT_EQ(changes, 0);
    c->Combo()->lineEdit()->setText("x");
    emit c->Combo()->lineEdit()->textEdited("x");
    EXPECT_EQ(changes, 1);

    c->SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_FALSE(c->Combo()->isEditable());
    c->SetText("a");
    EXPECT_EQ(c->ItemIndex(), 0);
    c->SetDropDownCount(3);
    EXPECT_EQ(c->Combo()->maxVisibleItems(), 3);
    form.Show();
    c->SetDroppedDown(true);
    EXPECT_TRUE(c->DroppedDown());
    EXPECT_EQ(drops, 1);
    c->SetDroppedDown(false);
    EXPECT_FALSE(c->DroppedDown());
}
