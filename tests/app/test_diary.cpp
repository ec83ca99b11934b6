// The period diary: the list, the entry form's new / change / confirm / delete, and what a failed
// write leaves behind.

#include "UserActions.h"
#include "WindowFixture.h"

#include <QDateEdit>

namespace {

QString U8(const char* S) {
    return QString::fromUtf8(S);
}

struct Diary : WindowFixture {
    Tform_velna& OpenDiary() {
        Seed({{EncodeDate(2026, 10, 1), "one"}, {EncodeDate(2026, 11, 3), "two"}}, 28);
        Tform_velna& w = Open();
        w.FlatSpeedButton7->Click();
        return w;
    }
    // The diary rows as another program reads them.
    std::vector<DiaryRow> Rows() {
        TADOConnection connection(nullptr);
        TADOQuery query(nullptr);
        connection.SetConnectionString(DatabaseConnectionString(World->Program));
        VelnaStore store(connection, query);
        return store.LoadDiaryList();
    }
    void Type(Tform_velna& W, const QString& Text, const QString& Status) {
        W.FlatMemo2->SetText(Text);
        W.FlatComboBox1->SetText(Status);
    }
};

} // namespace

TEST_F(Diary, OpensWithTodayInTheFormAndEveryRowListed) {
    Tform_velna& w = OpenDiary();
    EXPECT_TRUE(w.Panel7->Visible());
    EXPECT_EQ(w.DateTimePicker2->Date(), EncodeDate(2026, 12, 16));
    ASSERT_EQ(w.Apart_list->ItemCount(), 2);
    EXPECT_EQ(w.Apart_list->Item(1)->Caption(), "2026-11-03");
    EXPECT_EQ(w.Apart_list->Item(1)->SubItems()->Strings(1), "two");
    EXPECT_EQ(w.Apart_list->Item(1)->Data(), 2);
    EXPECT_FALSE(w.BitBtn3->Enabled());
    // Selecting shows the entry without arming the form.
    w.Apart_list->SetSelected(w.Apart_list->Item(1));
    EXPECT_EQ(w.FlatMemo2->Text(), "two");
    EXPECT_EQ(w.FlatComboBox1->Text(), U8("正常"));
    EXPECT_EQ(w.DateTimePicker2->Date(), EncodeDate(2026, 11, 3));
    EXPECT_EQ(w.Label25->Caption(), U8("第2条日记:"));
    EXPECT_FALSE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.Label24->Caption(), U8("操作状态:"));
}

TEST_F(Diary, NewEntryIsAddedAtTheEndTrimmedAndTheFormIsEmptiedAndDisarmed) {
    Tform_velna& w = OpenDiary();
    w.BitBtn1->Click();
    EXPECT_TRUE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.Label24->Caption(), "");
    Type(w, U8("  今天开始 \n"), U8(" 不正常 "));
    w.BitBtn3->Click();
    EXPECT_TRUE(World->Boxes.empty());
    const std::vector<DiaryRow> rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].Diary, U8("今天开始"));
    EXPECT_EQ(rows[2].Status, U8("不正常"));
    EXPECT_EQ(rows[2].Date, EncodeDate(2026, 12, 16));
    ASSERT_EQ(w.Apart_list->ItemCount(), 3);
    EXPECT_EQ(w.Apart_list->Item(2)->Caption(), "2026-12-16");
    EXPECT_EQ(w.Apart_list->Item(2)->Data(), rows[2].ID);
    EXPECT_EQ(w.FlatMemo2->Text(), "");
    EXPECT_EQ(w.FlatComboBox1->Text(), "");
    EXPECT_FALSE(w.BitBtn3->Enabled());
}

TEST_F(Diary, ChangeUpdatesTheSameRowAndNewAfterChangeAddsInstead) {
    Tform_velna& w = OpenDiary();
    w.Apart_list->SetSelected(w.Apart_list->Item(0));
    w.button_add->Click();
    EXPECT_TRUE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.Label24->Caption(), "1");
    EXPECT_EQ(w.FlatMemo2->Text(), "one");
    w.DateTimePicker2->Editor()->setDate(QDate(2026, 9, 28));
    w.FlatMemo2->SetText("one, changed");
    w.BitBtn3->Click();
    std::vector<DiaryRow> rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].ID, 1);
    EXPECT_EQ(rows[0].Date, EncodeDate(2026, 9, 28));
    EXPECT_EQ(rows[0].Diary, "one, changed");
    EXPECT_EQ(w.Apart_list->Item(0)->Caption(), "2026-09-28");

    w.Apart_list->SetSelected(w.Apart_list->Item(1));
    w.button_add->Click();
    w.BitBtn1->Click();
    EXPECT_EQ(w.FlatMemo2->Text(), "");
    Type(w, "three", "x");
    w.BitBtn3->Click();
    rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].Diary, "two");
    EXPECT_EQ(rows[2].Diary, "three");
    // The date picker kept the changed entry's date for the new one.
    EXPECT_EQ(rows[2].Date, EncodeDate(2026, 11, 3));
}

TEST_F(Diary, BlankTextOrStatusIsRefusedAndTheFormStaysArmed) {
    Tform_velna& w = OpenDiary();
    w.BitBtn1->Click();
    Type(w, " \n\t ", U8("正常"));
    w.BitBtn3->Click();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, U8("日记内容不能为空!"));
    EXPECT_EQ(World->Boxes[0].Caption, U8("输入提示"));
    EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(FocusedWinControl(), w.FlatMemo2);
    Type(w, "text", "   ");
    w.BitBtn3->Click();
    ASSERT_EQ(World->Boxes.size(), 2u);
    EXPECT_EQ(World->Boxes[1].Text, U8("例假状态不能为空!"));
    EXPECT_EQ(FocusedWinControl(), w.FlatComboBox1);
    EXPECT_TRUE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.FlatMemo2->Text(), "text");
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(Diary, DeleteAsksAndNoKeepsTheRowWhileTheListIsRebuiltAndFocused) {
    Tform_velna& w = OpenDiary();
    // Nothing selected: change and delete do nothing.
    w.button_add->Click();
    w.BitBtn2->Click();
    EXPECT_TRUE(World->Boxes.empty());
    EXPECT_FALSE(w.BitBtn3->Enabled());

    World->Answer = [](const TMessageBoxRequest&) { return IDNO; };
    w.Apart_list->SetSelected(w.Apart_list->Item(0));
    w.FlatMemo2->SetFocus();
    w.BitBtn2->Click();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, U8("您是否确定要删除[2026-10-01]这条日记吗?"));
    EXPECT_EQ(World->Boxes[0].Caption, U8("警告"));
    EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Rows().size(), 2u);
    EXPECT_EQ(w.Apart_list->ItemCount(), 2);
    // Rebuilt: the old items went, and the selection with them.
    EXPECT_EQ(w.Apart_list->Selected(), nullptr);
    EXPECT_EQ(FocusedWinControl(), w.Apart_list);

    World->Answer = [](const TMessageBoxRequest&) { return IDYES; };
    w.Apart_list->SetSelected(w.Apart_list->Item(0));
    w.BitBtn2->Click();
    const std::vector<DiaryRow> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].ID, 2);
    ASSERT_EQ(w.Apart_list->ItemCount(), 1);
    EXPECT_EQ(w.Apart_list->Item(0)->Data(), 2);
}

TEST_F(Diary, AnEntryRemovedMeanwhileLeavesTheFormAsItWas) {
    Tform_velna& w = OpenDiary();
    w.Apart_list->SetSelected(w.Apart_list->Item(0));
    {
        TADOConnection connection(nullptr);
        TADOQuery query(nullptr);
        connection.SetConnectionString(DatabaseConnectionString(World->Program));
        VelnaStore(connection, query).DeleteDiary(2);
    }
    w.FlatMemo2->SetText("mine");
    w.Apart_list->SetSelected(w.Apart_list->Item(1));
    EXPECT_EQ(w.FlatMemo2->Text(), "mine");
    EXPECT_EQ(w.Label25->Caption(), U8("第1条日记:"));
    w.button_add->Click();
    EXPECT_EQ(w.FlatMemo2->Text(), "mine");
    EXPECT_EQ(w.Label24->Caption(), U8("操作状态:"));
    EXPECT_TRUE(w.BitBtn3->Enabled());
    EXPECT_TRUE(World->Boxes.empty());
}

TEST_F(Diary, AnyTextRoundTripsThroughTheFormAndTheSettings) {
    Tform_velna& w = OpenDiary();
    const QString text = U8("'); delete * from [velna] where [ID]=1; --\r\n\"[setting]\" 😀 %1 ?") +
                         QString(5000, QChar(0x6587));
    w.BitBtn1->Click();
    Type(w, text, "[x]'");
    w.BitBtn3->Click();
    ASSERT_EQ(w.Apart_list->ItemCount(), 3);
    w.Apart_list->SetSelected(w.Apart_list->Item(2));
    EXPECT_EQ(w.FlatMemo2->Text(), text);
    EXPECT_EQ(w.FlatComboBox1->Text(), "[x]'");
    EXPECT_EQ(w.Apart_list->Item(2)->SubItems()->Strings(1), text);

    w.FlatSpeedButton2->Click();
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit1->SetText(text.left(300));
    w.FlatMemo3->SetText(text);
    w.FlatButton5->Click();
    w.FlatSpeedButton2->Click();
    EXPECT_EQ(w.FlatEdit1->Text(), text.left(300));
    EXPECT_EQ(w.FlatMemo3->Text(), text);
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_TRUE(World->Boxes.empty());
}

TEST_F(Diary, AReadOnlyFileShowsTheEngineMessageKeepsTheFileAndTheUsersText) {
    Tform_velna& w = OpenDiary();
    w.Apart_list->SetSelected(w.Apart_list->Item(0));
    // The file opened read-only, as a write-protected file is.
    w.Dconnect->Close();
    w.Dconnect->SetConnectionString(w.Dconnect->ConnectionString() + ";Mode=Read");
    const QByteArray before = FileBytes(DatabaseFile());
    ASSERT_FALSE(before.isEmpty());
    World->Answer = [](const TMessageBoxRequest&) { return IDYES; };

    w.BitBtn1->Click();
    Type(w, "new text", "x");
    AsUser([&] { w.BitBtn3->Click(); });
    w.button_add->Click();
    w.FlatMemo2->SetText("changed text");
    AsUser([&] { w.BitBtn3->Click(); });
    AsUser([&] { w.BitBtn2->Click(); });
    ASSERT_EQ(World->Boxes.size(), 4u);
    for (int i : {0, 1, 3}) {
        // What failed and what to do, in Chinese, then the engine's words.
        EXPECT_TRUE(
            World->Boxes[i].Text.startsWith(U8(i == 3 ? "删除日记失败。" : "保存日记失败。")));
        EXPECT_TRUE(World->Boxes[i].Text.contains(DatabaseFile()));
        EXPECT_TRUE(World->Boxes[i].Text.endsWith("\nattempt to write a readonly database."));
        EXPECT_EQ(World->Boxes[i].Flags, unsigned(MB_OK | MB_ICONSTOP));
    }
    EXPECT_TRUE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.FlatMemo2->Text(), "changed text");
    EXPECT_EQ(w.Apart_list->ItemCount(), 2);

    World->Boxes.clear();
    w.FlatSpeedButton2->Click();
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit1->SetText("Bea");
    AsUser([&] { w.FlatButton5->Click(); });
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_TRUE(World->Boxes[0].Text.startsWith(U8("保存例假设置失败。")));
    EXPECT_TRUE(World->Boxes[0].Text.endsWith("\nattempt to write a readonly database."));
    EXPECT_TRUE(w.FlatEdit1->Enabled());
    EXPECT_EQ(w.FlatEdit1->Text(), "Bea");
    EXPECT_EQ(FileBytes(DatabaseFile()), before);
}

TEST_F(Diary, FocusLeavingTheViewDisarmsTheForm) {
    Tform_velna& w = OpenDiary();
    w.BitBtn1->Click();
    Type(w, "half written", "x");
    w.FlatMemo2->SetFocus();
    // Within the view the form stays armed.
    w.Apart_list->SetFocus();
    EXPECT_TRUE(w.BitBtn3->Enabled());
    w.FlatSpeedButton2->Click();
    w.FlatCheckBox18->SetFocus();
    EXPECT_FALSE(w.BitBtn3->Enabled());
    EXPECT_EQ(w.FlatMemo2->Text(), "");
    EXPECT_EQ(w.Label24->Caption(), "");
}
