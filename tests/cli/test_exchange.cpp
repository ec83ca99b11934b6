#include "CliFixture.h"
#include "IcsCheck.h"

#include <QDir>
#include <atomic>
#include <sys/stat.h>
#include <thread>

namespace {

// Texts as the diary form stores them (trimmed), holding every kind of character a CSV reader
// can trip over.
const std::vector<std::array<QString, 3>> kTricky = {
    {"2026-11-04", QStringLiteral("正常"), QStringLiteral("第一天，有点痛")},
    {"2026-11-05", "say \"no\", then", "a,b,,c\nsecond line\r\nthird\rfourth"},
    {"2026-11-06", "#hash", QStringLiteral("😀 emoji, e\u0301, \u202Bbidi\u202C; tab\there")},
    {"2026-12-02", QStringLiteral("不正常"), "\"quoted whole\""},
};

int FileMode(const QString& Path) {
    struct stat st {};
    return ::stat(QFile::encodeName(Path).constData(), &st) == 0 ? (st.st_mode & 0777) : -1;
}

} // namespace

using Exchange = CliFixture;

TEST_F(Exchange, CsvCarriesEveryCharacterToAnotherDatabaseAndBackWithoutDuplicates) {
    Seed(Database(), kTricky, 28);
    ASSERT_EQ(Run({"--export-csv", File("diary.csv")}), 0) << Err.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral("4 条日记"))) << Out.toStdString();
    EXPECT_EQ(FileMode(File("diary.csv")), 0600);
    const QString csv = QString::fromUtf8(Read(File("diary.csv")));
    // Settings ride along as comments, each on one line.
    EXPECT_TRUE(csv.startsWith(QStringLiteral("# soveli")));
    EXPECT_TRUE(csv.contains(QStringLiteral("# 例假周期：28\r\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("# 例假补充：第一行\\n第二行, \\\\ 结束\r\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\n日期,状态,日记内容\r\n")));

    QTemporaryDir other;
    const QString otherProgram = other.filePath("soveli");
    ASSERT_EQ(Run({"--import-csv", File("diary.csv")}, otherProgram), 0) << Err.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral("导入 4 条日记，跳过 0 条"))) << Out.toStdString();
    EXPECT_EQ(Rows(other.filePath("velna.dll")), kTricky);

    // The same file again adds nothing.
    ASSERT_EQ(Run({"--import-csv=" + File("diary.csv")}, otherProgram), 0);
    EXPECT_TRUE(Out.contains(QStringLiteral("导入 0 条日记，跳过 4 条"))) << Out.toStdString();
    EXPECT_EQ(Rows(other.filePath("velna.dll")), kTricky);
}

TEST_F(Exchange, ImportAddsOnlyWhatIsNewComparingDatesAsDaysAndTextsTrimmed) {
    Seed(Database(), {{"2026-01-05", "a", "b"}}, std::nullopt);
    Write(File("in.csv"), "\xEF\xBB\xBF"
                          "date,status,text\n"
                          "2026/1/5, a ,\" b \"\n" // the stored row, written differently
                          "2026-02-01,x,y\n"
                          "2026-2-1,x,y\n" // the row before, again
                          "2026-02-02,x,y\n");
    ASSERT_EQ(Run({"--import-csv", File("in.csv")}), 0) << Err.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral("导入 2 条日记，跳过 2 条"))) << Out.toStdString();
    EXPECT_EQ(Rows(Database()),
              (std::vector<std::array<QString, 3>>{
                  {"2026-01-05", "a", "b"}, {"2026-02-01", "x", "y"}, {"2026-02-02", "x", "y"}}));
}

TEST_F(Exchange, ABadLineWritesNothingAndIsNamed) {
    Seed(Database(), {{"2026-01-05", "a", "b"}}, std::nullopt);
    const QByteArray before = Read(Database());
    const QByteArray good =
        "日期,状态,日记内容\r\n2026-02-01,x,y\r\n\"2026-02-02\",x,\"two\nlines\"\r\n";
    struct Case {
        QByteArray Bad;
        const char* Says;
    };
    // The bad record starts on line 5 (the quoted field spans lines 3 and 4).
    const Case cases[] = {
        {"2026-13-01,x,y", "不是日期"},
        {"2026-02-03,x", "3 列"},
        {"2026-02-03,x,y,z", "3 列"},
        {"2026-02-03,  ,y", "例假状态不能为空"},
        {"2026-02-03,x,\" \"", "日记内容不能为空"},
        {"2026-02-03,x,\"open", "引号没有结束"},
        {"2026-02-03,x,y\"z", "引号"},
    };
    for (const Case& c : cases) {
        Write(File("in.csv"), good + c.Bad + "\r\n2026-03-01,x,y\r\n");
        EXPECT_EQ(Run({"--import-csv", File("in.csv")}), 1) << c.Bad.toStdString();
        EXPECT_TRUE(Err.contains(QStringLiteral("第 5 行"))) << Err.toStdString();
        EXPECT_TRUE(Err.contains(QString::fromUtf8(c.Says))) << Err.toStdString();
        EXPECT_TRUE(Err.contains(QStringLiteral("没有导入任何日记")));
        EXPECT_EQ(Read(Database()), before);
    }
    EXPECT_EQ(Run({"--import-csv", File("absent.csv")}), 1);
    EXPECT_TRUE(Err.contains(QStringLiteral("无法读取文件"))) << Err.toStdString();
}

TEST_F(Exchange, ImportStartsADatabaseWhenThereIsNone) {
    Write(File("in.csv"), "2026-02-01,x,y\n");
    ASSERT_EQ(Run({"--import-csv", File("in.csv")}), 0) << Err.toStdString();
    EXPECT_EQ(FileMode(Database()), 0600);
    EXPECT_EQ(Rows(Database()).size(), 1u);
}

TEST_F(Exchange, CalendarHoldsTheDiaryAndSixCyclesByTheProgramsRulesAndPassesTheLibrary) {
    Seed(Database(), kTricky, 28);
    ASSERT_EQ(Run({"--export-ics", File("diary.ics")}), 0) << Err.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral("6 个周期"))) << Out.toStdString();
    const QByteArray cal = Read(File("diary.ics"));
    EXPECT_EQ(IcsProblems(cal), std::vector<std::string>{});
    // Four diary entries; per cycle period, two safe periods, danger period, ovulation day.
    EXPECT_EQ(IcsEventCount(cal), 4 + 6 * 5);
    // The last diary entry (2 December) starts the first cycle: danger 11 to 20 December with
    // ovulation on the 16th; the sixth cycle starts five cycle lengths later, on 21 April.
    for (const char* expected :
         {"UID:cycle-20261202-period@soveli.invalid\r\nDTSTAMP:",
          "DTSTART;VALUE=DATE:20261202\r\nDTEND;VALUE=DATE:20261207\r\nSUMMARY:月经期",
          "DTSTART;VALUE=DATE:20261207\r\nDTEND;VALUE=DATE:20261211\r\nSUMMARY:排卵前安全期",
          "DTSTART;VALUE=DATE:20261211\r\nDTEND;VALUE=DATE:20261221\r\nSUMMARY:危险期",
          "DTSTART;VALUE=DATE:20261216\r\nDTEND;VALUE=DATE:20261217\r\nSUMMARY:排卵日",
          "DTSTART;VALUE=DATE:20261221\r\nDTEND;VALUE=DATE:20261230\r\nSUMMARY:排卵后安全期",
          "UID:cycle-20270421-period@", "SUMMARY:例假日记：say \"no\"\\, then"})
        EXPECT_TRUE(cal.contains(expected)) << expected;
    EXPECT_FALSE(cal.contains("DTSTART;VALUE=DATE:20270519"));
}

TEST_F(Exchange, CalendarWithoutACycleLengthHoldsTheDiaryAlone) {
    Seed(Database(), kTricky, std::nullopt);
    ASSERT_EQ(Run({"--export-ics", File("diary.ics")}), 0) << Err.toStdString();
    EXPECT_TRUE(Out.contains(QStringLiteral("没有保存例假周期"))) << Out.toStdString();
    const QByteArray cal = Read(File("diary.ics"));
    EXPECT_EQ(IcsProblems(cal), std::vector<std::string>{});
    EXPECT_EQ(IcsEventCount(cal), 4);
}

TEST_F(Exchange, BackupIsAPrivateConsistentCopyWhileAnotherConnectionWrites) {
    Seed(Database(), kTricky, 28);
    // The window's connection, left open with a result, as the diary view leaves it.
    TADOConnection window(nullptr);
    TADOQuery open(nullptr);
    window.SetConnectionString("Data Source=" + Database());
    open.SetConnection(&window);
    open.SQL()->Add("select * from [velna]");
    open.Open();

    std::atomic<bool> stop{false};
    std::atomic<int> written{0};
    std::thread writer([&] {
        TADOConnection c(nullptr);
        c.SetConnectionString("Data Source=" + Database());
        // Rows come in pairs, one transaction each: a consistent copy never holds half a pair.
        while (!stop) {
            try {
                c.Execute("insert into [velna] ([date], [status], [diary]) values ('2026-12-03', "
                          "'p', 'x'); insert into [velna] ([date], [status], [diary]) values "
                          "('2026-12-03', 'p', 'y')");
                ++written;
            } catch (const EDatabaseError&) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    struct Join {
        std::atomic<bool>& Stop;
        std::thread& Thread;
        ~Join() {
            Stop = true;
            Thread.join();
        }
    } join{stop, writer};
    for (int i = 0; i < 5; ++i) {
        const QString copy = File(QStringLiteral("copy%1.bak").arg(i));
        ASSERT_EQ(Run({"--backup", copy}), 0) << Err.toStdString();
        EXPECT_EQ(FileMode(copy), 0600);
        EXPECT_FALSE(PrepareDatabase(copy).has_value());
        const auto rows = Rows(copy);
        EXPECT_EQ(rows.size() % 2, 0u);
        EXPECT_TRUE(std::equal(kTricky.begin(), kTricky.end(), rows.begin()));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_GT(written.load(), 0);
}
