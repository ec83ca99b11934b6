// What a new user meets: the first start, a database that cannot serve, unreadable stored values
// and the messages that tell of them.

#include "UserActions.h"
#include "WindowFixture.h"

#include <unistd.h>

namespace {

QString U8(const char* S) {
    return QString::fromUtf8(S);
}

// A statement run on the file by another program.
void Tamper(const QString& Program, const QString& Sql) {
    TADOConnection connection(nullptr);
    connection.SetConnectionString(DatabaseConnectionString(Program));
    connection.Execute(Sql);
}

// Every message speaks Chinese first; the engine's English may only follow.
void ExpectChineseFirst(const std::vector<TMessageBoxRequest>& Boxes) {
    for (const TMessageBoxRequest& b : Boxes) {
        ASSERT_FALSE(b.Text.isEmpty());
        EXPECT_GE(b.Text[0].unicode(), 0x2E80u) << b.Text.toStdString();
        EXPECT_FALSE(b.Text.contains("closed dataset")) << b.Text.toStdString();
    }
}

} // namespace

TEST_F(WindowFixture, TheFirstStartWritesSettingsToComputeWith) {
    Tform_velna& w = Open();
    EXPECT_TRUE(World->Boxes.empty());
    EXPECT_EQ(w.Phases.CycleLength, 28);
    w.FlatSpeedButton2->Click();
    EXPECT_TRUE(World->Boxes.empty()); // no "add your data?" question
    EXPECT_EQ(w.FlatEdit1->Text(), "");
    EXPECT_EQ(w.FlatEdit2->Text(), U8("正常"));
    EXPECT_EQ(w.FlatEdit3->Text(), "28");
    EXPECT_EQ(w.FlatMemo3->Text(), "");
}

TEST_F(WindowFixture, AnUnusableFileIsReportedOnceAtStartAsAWarning) {
    {
        QFile f(DatabaseFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is no database, but somebody's notes");
    }
    World->Answer = [](const TMessageBoxRequest&) { return IDOK; };
    Tform_velna& w = Open();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Caption, U8("警告"));
    EXPECT_TRUE(World->Boxes[0].Text.contains(DatabaseFile()));
    for (int visit = 0; visit < 2; ++visit) AsUser([&] { w.FlatSpeedButton2->Click(); });
    EXPECT_EQ(World->Boxes.size(), 1u);
    // A save cannot succeed; it says so in Chinese, naming the file.
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit1->SetText("Anna");
    w.FlatEdit2->SetText(U8("正常"));
    w.FlatEdit3->SetText("28");
    AsUser([&] { w.FlatButton5->Click(); });
    ASSERT_EQ(World->Boxes.size(), 2u);
    EXPECT_TRUE(World->Boxes[1].Text.startsWith(U8("保存例假设置失败。")));
    EXPECT_TRUE(World->Boxes[1].Text.contains(DatabaseFile()));
    EXPECT_TRUE(World->Boxes[1].Text.endsWith("file is not a database."));
    ExpectChineseFirst(World->Boxes);
}

TEST_F(WindowFixture, AFailedSettingsLoadLeavesAConfirmWithOnlyItsOwnReason) {
    Seed({}, 28);
    Tform_velna& w = Open();
    Tamper(World->Program, "drop table [setting]");
    AsUser([&] { w.FlatSpeedButton2->Click(); });
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_TRUE(World->Boxes[0].Text.startsWith(U8("读取例假设置失败。")));
    EXPECT_TRUE(World->Boxes[0].Text.contains(U8("缺少本程序需要的数据表")));
    EXPECT_TRUE(World->Boxes[0].Text.endsWith("no such table: setting."));
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit1->SetText("Anna");
    w.FlatEdit2->SetText(U8("正常"));
    w.FlatEdit3->SetText("28");
    AsUser([&] { w.FlatButton5->Click(); });
    ASSERT_EQ(World->Boxes.size(), 2u);
    EXPECT_TRUE(World->Boxes[1].Text.startsWith(U8("保存例假设置失败。")))
        << World->Boxes[1].Text.toStdString();
    ExpectChineseFirst(World->Boxes);
}

TEST_F(WindowFixture, ACycleLengthThatIsNoNumberIsExplainedInChinese) {
    Seed({}, 28);
    Tform_velna& w = Open();
    w.FlatSpeedButton2->Click();
    w.FlatCheckBox18->SetChecked(true);
    w.FlatEdit3->SetText("3O");
    AsUser([&] { w.FlatButton5->Click(); });
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_TRUE(World->Boxes[0].Text.startsWith(U8("例假周期必须是整数")));
    EXPECT_TRUE(World->Boxes[0].Text.endsWith("'3O' is not a valid integer value."));
    EXPECT_TRUE(w.FlatButton5->Enabled()); // still open for the correction
}

TEST_F(WindowFixture, UnreadableValuesAreReportedOnceAndEverythingElseLoads) {
    Seed({{EncodeDate(2026, 10, 1), "one"},
          {EncodeDate(2026, 11, 3), "two"},
          {EncodeDate(2026, 11, 30), "three"}},
         28);
    Tamper(World->Program, "update [velna] set [date]='12/02/2026' where [ID]=3");
    Tamper(World->Program, "update [velna] set [date]=1e300 where [ID]=1");
    Tamper(World->Program, "update [setting] set [cycle]='twenty'");
    Tform_velna& w = Open();
    ASSERT_EQ(World->Boxes.size(), 1u);
    const QString report = World->Boxes[0].Text;
    EXPECT_EQ(World->Boxes[0].Caption, U8("警告"));
    EXPECT_TRUE(report.contains(U8("例假日记第 3 行（ID 3）的“日期”：“12/02/2026”")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(U8("例假日记第 1 行（ID 1）的“日期”"))) << report.toStdString();
    EXPECT_TRUE(report.contains(U8("例假设置第 1 行的“例假周期”：“twenty”")));
    EXPECT_EQ(report.count(U8("第 3 行")), 1); // read twice at start, named once

    // The rest loaded: every row listed, the bad ones with their stored text.
    ASSERT_EQ(w.Apart_list->ItemCount(), 3);
    EXPECT_EQ(w.Apart_list->Item(1)->Caption(), "2026-11-03");
    EXPECT_EQ(w.Apart_list->Item(2)->Caption(), "12/02/2026");
    EXPECT_EQ(w.Apart_list->Item(2)->SubItems()->Strings(1), "three");
    EXPECT_EQ(w.Phases.CycleLength, 0);
    // The settings view shows the stored text to correct, without a second report.
    w.FlatSpeedButton2->Click();
    EXPECT_EQ(w.FlatEdit3->Text(), "twenty");

    // The bad entry can be selected and changed to a real date.
    w.FlatSpeedButton7->Click();
    AsUser([&] { w.Apart_list->SetSelected(w.Apart_list->Item(2)); });
    AsUser([&] { w.button_add->Click(); });
    EXPECT_EQ(World->Boxes.size(), 1u);
    EXPECT_TRUE(w.BitBtn3->Enabled());
    w.DateTimePicker2->SetDate(EncodeDate(2026, 12, 2));
    AsUser([&] { w.BitBtn3->Click(); });
    EXPECT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(w.Apart_list->Item(2)->Caption(), "2026-12-02");
}

TEST_F(WindowFixture, AFileThatCannotBeWrittenIsReportedOnceAtStart) {
    if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    Seed({{EncodeDate(2026, 10, 1), "one"}}, 28);
    ASSERT_TRUE(QFile::setPermissions(DatabaseFile(), QFileDevice::ReadOwner));
    Tform_velna& w = Open();
    ASSERT_EQ(World->Boxes.size(), 1u);
    EXPECT_EQ(World->Boxes[0].Caption, U8("警告"));
    EXPECT_TRUE(World->Boxes[0].Text.contains(U8("不能写入")));
    EXPECT_EQ(w.Apart_list->ItemCount(), 1); // reading still works
    QFile::setPermissions(DatabaseFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
