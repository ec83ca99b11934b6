#include "app/store/VelnaFile.h"
#include "app/store/VelnaStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString program = dir.filePath("soveli");
        ASSERT_FALSE(PrepareDatabase(DatabasePath(program)));
        Dconnect.SetConnectionString(DatabaseConnectionString(program));
        // A file made elsewhere, without a settings row: the case every read must cope with.
        Dconnect.Execute("delete * from [setting]");
    }

    std::vector<int> Ids() {
        std::vector<int> ids;
        for (const DiaryRow& r : store.LoadDiaryList()) ids.push_back(r.ID);
        return ids;
    }

    QTemporaryDir dir;
    TADOConnection Dconnect{nullptr};
    TADOQuery recordset_temp{nullptr};
    VelnaStore store{Dconnect, recordset_temp};
};

} // namespace

TEST_F(Store, EmptyTablesGiveNoDateAndNoCycleLength) {
    EXPECT_EQ(store.LastDiaryDate(), std::nullopt);
    EXPECT_EQ(store.StoredCycleLength(), 0);
    EXPECT_FALSE(recordset_temp.Active());
    EXPECT_TRUE(store.LoadDiaryList().empty());
    EXPECT_TRUE(recordset_temp.Active());
    EXPECT_EQ(store.LoadSettings(), std::nullopt);
    EXPECT_EQ(store.LoadDiaryEntry(1), std::nullopt);
}

TEST_F(Store, LastDateIsTheLastRowOfTheNaturalOrder) {
    store.InsertDiary(EncodeDate(2026, 3, 1), "正常", "a");
    store.InsertDiary(EncodeDate(2025, 1, 9), "正常", "b"); // earlier date, later row
    EXPECT_EQ(store.LastDiaryDate(), EncodeDate(2025, 1, 9));
    Dconnect.Execute("delete * from [velna] where [ID]=2");
    EXPECT_EQ(store.LastDiaryDate(), EncodeDate(2026, 3, 1));
}

TEST_F(Store, SettingsSaveCreatesTheFirstRowThenUpdatesIt) {
    ASSERT_EQ(store.LoadSettings(), std::nullopt);
    store.SaveSettings({"  小红 ", " 不规律\t", 32, " 2026/03/_4", "\n备注\r\n第二行  "});
    EXPECT_EQ(store.StoredCycleLength(), 32);
    auto s = store.LoadSettings();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Name, "小红");
    EXPECT_EQ(s->Regularity, "不规律");
    EXPECT_EQ(s->LastPeriod, " 2026/03/_4"); // the date text is not trimmed
    EXPECT_EQ(s->Notes, "备注\r\n第二行");

    store.SaveSettings({"B", "正常", 28, "2026/04/01", ""});
    recordset_temp.Close();
    s = store.LoadSettings();
    EXPECT_EQ(recordset_temp.RecordCount(), 1);
    EXPECT_EQ(s->Name, "B");
    EXPECT_EQ(s->CycleLength, 28);
    EXPECT_EQ(s->Notes, "");
}

TEST_F(Store, DiaryInsertUpdateDeleteKeepOtherKeys) {
    EXPECT_EQ(store.InsertDiary(EncodeDate(2026, 1, 1), " 正常 ", " one "), 1);
    EXPECT_EQ(store.InsertDiary(EncodeDate(2026, 2, 1), "不正常", "two"), 2);
    EXPECT_EQ(store.InsertDiary(EncodeDate(2026, 3, 1), "正常", "three"), 3);
    EXPECT_FALSE(recordset_temp.Active());

    store.UpdateDiary(2, EncodeDate(2026, 2, 14), "好", "changed");
    EXPECT_FALSE(recordset_temp.Active());
    store.DeleteDiary(1);
    EXPECT_EQ(Ids(), (std::vector<int>{2, 3}));

    auto list = store.LoadDiaryList();
    EXPECT_EQ(list[0].Date, EncodeDate(2026, 2, 14));
    EXPECT_EQ(list[0].Status, "好");
    EXPECT_EQ(list[0].Diary, "changed");
    EXPECT_TRUE(recordset_temp.Active());

    auto e = store.LoadDiaryEntry(3);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->DateText, "2026-03-01");
    EXPECT_EQ(e->Status, "正常");
    EXPECT_TRUE(recordset_temp.Active());
    EXPECT_EQ(store.LoadDiaryEntry(1), std::nullopt);

    // A new row after a deletion never reuses a key.
    store.DeleteDiary(3);
    EXPECT_EQ(store.InsertDiary(EncodeDate(2026, 4, 1), "正常", "four"), 4);
    EXPECT_EQ(Ids(), (std::vector<int>{2, 4}));
}

TEST_F(Store, HostileTextsRoundTrip) {
    const QString text = QString::fromUtf8("'); delete * from [velna] where [ID]=1; --\r\n"
                                           "\"[setting]\" 😀 %1 ?") +
                         QString(20000, 'x');
    int id = store.InsertDiary(EncodeDate(2026, 1, 1), "[x]'", text);
    auto e = store.LoadDiaryEntry(id);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Status, "[x]'");
    EXPECT_EQ(e->Diary, text);
    store.LoadSettings();
    store.SaveSettings({text, text, 1, text, text});
    EXPECT_EQ(store.LoadSettings()->LastPeriod, text);
}

TEST_F(Store, FailedWriteRaisesTheEngineMessageAndKeepsTheFile) {
    store.InsertDiary(EncodeDate(2026, 1, 1), "正常", "a");
    Dconnect.Close();
    Dconnect.SetConnectionString(Dconnect.ConnectionString() + ";Mode=Read");
    const QString path = Dconnect.DataSource();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    try {
        store.UpdateDiary(1, EncodeDate(2027, 1, 1), "x", "y");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().startsWith("保存日记失败。数据库文件 " + path + " 不能写入"))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().endsWith("\nattempt to write a readonly database"));
    }
    EXPECT_THROW(store.DeleteDiary(1), EDatabaseError);
    EXPECT_THROW(store.InsertDiary(EncodeDate(2027, 1, 1), "x", "y"), EDatabaseError);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
