// The cycle settings view: loading, the edit switch, saving and its refusals.

#include "UserActions.h"
#include "WindowFixture.h"

namespace {

QString U8(const char* S) {
    return QString::fromUtf8(S);
}

std::vector<TControl*> Inputs(Tform_velna& W) {
    return {W.FlatButton5, W.FlatEdit1, W.FlatEdit2, W.FlatEdit3, W.FlatMaskEdit1, W.FlatMemo3};
}

// The settings row as another program would read it, on a connection of its own.
std::optional<CycleSettings> StoredSettings(const QString& Program) {
    TADOConnection connection(nullptr);
    TADOQuery query(nullptr);
    connection.SetConnectionString(DatabaseConnectionString(Program));
    VelnaStore store(connection, query);
    return store.LoadSettings();
}

void Fill(Tform_velna& W, const char* Name, const char* Regularity, const char* Length,
          const char* Notes) {
    W.FlatEdit1->SetText(U8(Name));
    W.FlatEdit2->SetText(U8(Regularity));
    W.FlatEdit3->SetText(U8(Length));
    W.FlatMemo3->SetText(U8(Notes));
}

} // namespace

TEST_F(WindowFixture, SettingsWithoutARowAskAndYesLetsASaveCreateIt) {
    Seed({}, std::nullopt);
    Tform_velna& w = Open();
    World->Answer = [](const TMessageBoxRequest&) { return IDYES; };
    w.FlatSpeedButton2->Click();
    ASSERT_TRUE(w.Panel2->Visible());
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, U8("关于您的例假资料现没有,您想添加吗?"));
    EXPECT_EQ(World->Boxes[0].Caption, U8("系统提示"));
    EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(w.FlatCheckBox18->Checked());
    for (TControl* c : Inputs(w)) EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();

    // Blanks go from every field but the date; a regularity typed by hand is kept as typed.
    Fill(w, "  Anna ", " 偶尔推迟 ", " 28 ", "  notes\n ");
    w.FlatMaskEdit1->SetText("979 -03-12");
    const QString date = w.FlatMaskEdit1->Text();
    EXPECT_TRUE(date.startsWith("979 ")) << date.toStdString();
    w.FlatButton5->Click();
    EXPECT_EQ(World->Boxes.size(), 1u);
    std::optional<CycleSettings> s = StoredSettings(World->Program);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Name, "Anna");
    EXPECT_EQ(s->Regularity, U8("偶尔推迟"));
    EXPECT_EQ(s->CycleLength, 28);
    EXPECT_EQ(s->LastPeriod, date);
    EXPECT_EQ(s->Notes, "notes");
    for (TControl* c : Inputs(w)) EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
    EXPECT_TRUE(w.FlatCheckBox18->Checked());

    // Shown again: read-only, with what was saved.
    w.FlatSpeedButton3->Click();
    w.FlatSpeedButton2->Click();
    EXPECT_FALSE(w.FlatCheckBox18->Checked());
    EXPECT_EQ(w.FlatEdit1->Text(), "Anna");
    EXPECT_EQ(w.FlatEdit3->Text(), "28");
    EXPECT_EQ(World->Boxes.size(), 1u);
}

TEST_F(WindowFixture, SettingsAnsweredNoStayReadOnlyAndConfirmDoesNothing) {
    Seed({}, std::nullopt);
    Tform_velna& w = Open();
    World->Answer = [](const TMessageBoxRequest&) { return IDNO; };
    w.FlatSpeedButton2->Click();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_FALSE(w.FlatCheckBox18->Checked());
    for (TControl* c : Inputs(w)) {
        if (c == w.FlatButton5) continue;
        EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
    }
    // The button is enabled from the start; unchecked, it writes nothing and asks nothing.
    EXPECT_TRUE(w.FlatButton5->Enabled());
    Fill(w, "Anna", "x", "28", "");
    w.FlatButton5->Click();
    EXPECT_EQ(World->Boxes.size(), 1u);
    EXPECT_FALSE(StoredSettings(World->Program));
}

TEST_F(WindowFixture, SettingsRefuseAMissingNameOrRegularity) {
    Seed({}, 30);
    Tform_velna& w = Open();
    w.FlatSpeedButton2->Click();
    ASSERT_TRUE(World->Boxes.empty());
    EXPECT_EQ(w.FlatEdit1->Text(), "Anna");
    EXPECT_EQ(w.FlatEdit3->Text(), "30");
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit2->SetText("");
    w.FlatMemo3->SetFocus();
    w.FlatButton5->Click();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Text, U8("请您输入关于您例假的详细资料!\n\r"
                                       "例假状态、例假周期、上一次例假时间"));
    EXPECT_EQ(World->Boxes[0].Caption, U8("输入提示"));
    EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(FocusedWinControl(), w.FlatEdit1);
    EXPECT_TRUE(w.FlatButton5->Enabled());
    // The emptiness test is on the untrimmed text: a blank name passes it.
    w.FlatEdit1->SetText("");
    w.FlatEdit2->SetText("x");
    w.FlatButton5->Click();
    EXPECT_EQ(World->Boxes.size(), 2u);
    EXPECT_EQ(StoredSettings(World->Program)->Regularity, U8("正常"));
    w.FlatEdit1->SetText(" ");
    w.FlatButton5->Click();
    EXPECT_EQ(World->Boxes.size(), 2u);
    EXPECT_EQ(StoredSettings(World->Program)->Name, "");
    EXPECT_EQ(StoredSettings(World->Program)->Regularity, "x");
}

TEST_F(WindowFixture, SettingsWithABadCycleLengthPostNothingUntilCorrected) {
    Seed({}, 30);
    Tform_velna& w = Open();
    w.FlatSpeedButton2->Click();
    w.FlatCheckBox18->SetChecked(true);
    for (const char* bad : {"2x", "", "0x1C"}) {
        SCOPED_TRACE(bad);
        World->Boxes.clear();
        Fill(w, "Bea", "x", bad, "n");
        AsUser([&] { w.FlatButton5->Click(); });
        ASSERT_EQ(World->Boxes.size(), 1u);
        EXPECT_TRUE(World->Boxes[0].Text.contains("is not a valid integer value"));
        EXPECT_EQ(World->Boxes[0].Flags, unsigned(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(StoredSettings(World->Program)->Name, "Anna");
        for (TControl* c : Inputs(w)) EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();
    }
    Fill(w, "Bea", "x", " 31", "n");
    w.FlatButton5->Click();
    std::optional<CycleSettings> s = StoredSettings(World->Program);
    EXPECT_EQ(s->Name, "Bea");
    EXPECT_EQ(s->Regularity, "x");
    EXPECT_EQ(s->CycleLength, 31);
    EXPECT_EQ(s->Notes, "n");
    // The length is read at start only.
    EXPECT_EQ(w.Phases.CycleLength, 30);
}
