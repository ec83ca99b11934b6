// The diary read ahead on a second thread while the window is built: the window shows what it
// would have shown reading the file itself, whatever happened to the file meanwhile.

#include "WindowFixture.h"
#include "platform/DataAccessPrefetch.h"

#include <QFile>
#include <sqlite3.h>

namespace {

struct ReadAheadWindow : WindowFixture {
    void TearDown() override {
        WindowFixture::TearDown();
        DropPrefetch();
    }

    void SeedRows(int Rows) {
        Seed({}, 28);
        Run(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO [velna] ([date], [status], [diary]) SELECT date('2020-01-01', '+' || "
                "i || ' days'), '正常', '第' || i || '条日记' FROM n")
                .arg(Rows));
    }
    // A statement run on the file by another program (not through a connection of the
    // program's own, which would take the read ahead).
    void Run(const QString& Sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(DatabaseFile().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                                  nullptr),
                  SQLITE_OK);
        sqlite3_busy_timeout(db, 5000);
        EXPECT_EQ(sqlite3_exec(db, Sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    void ReadAhead() { VelnaStore::ReadDiaryAhead(DatabaseConnectionString(World->Program)); }
    // What the start shows: the list's length, its last row, the picker and the messages.
    QStringList Shown() {
        Tform_velna& w = Open();
        QStringList out{QString::number(w.Apart_list->ItemCount()),
                        DateToStr(w.DateTimePicker1->Date())};
        if (w.Apart_list->ItemCount() > 0) {
            TListItem* last = w.Apart_list->Item(w.Apart_list->ItemCount() - 1);
            out << last->Caption() << last->SubItems()->Strings(1);
        }
        for (const TMessageBoxRequest& b : World->Boxes) out << b.Caption << b.Text;
        LastPagesLookedUp = 0;
        for (int what : {SQLITE_DBSTATUS_CACHE_HIT, SQLITE_DBSTATUS_CACHE_MISS}) {
            int current = 0, highest = 0;
            sqlite3_db_status(w.Dconnect->Handle(), what, &current, &highest, 0);
            LastPagesLookedUp += current;
        }
        Window.reset();
        World->Boxes.clear();
        return out;
    }
    // By the window's connection, from its cache or the file, read ahead or not.
    int LastPagesLookedUp = 0;
};

} // namespace

TEST_F(ReadAheadWindow, ShowsWhatItsOwnReadWouldIncludingCommitsMadeMeanwhile) {
    SeedRows(5000);
    const QStringList plain = Shown();
    ASSERT_EQ(plain[0], "5000");
    const int pages = LastPagesLookedUp;
    ReadAhead();
    EXPECT_EQ(Shown(), plain);
    EXPECT_LT(LastPagesLookedUp, pages * 3 / 2); // the diary was read once, ahead

    ReadAhead();
    WaitForPrefetch();
    Run(QStringLiteral("INSERT INTO [velna] ([date], [status], [diary]) VALUES ('2040-02-02', "
                       "'正常', '另一个程序写的')"));
    const QStringList after = Shown();
    EXPECT_EQ(after, (QStringList{"5001", "2040-02-02", "2040-02-02",
                                  QString::fromUtf8("另一个程序写的")}));
    ReadAhead();
    Run(QStringLiteral("delete from [velna] where [date]='2040-02-02'"));
    EXPECT_EQ(Shown(), plain);
}

TEST_F(ReadAheadWindow, ADiaryDamagedInsideIsReportedOnceAsWithoutIt) {
    SeedRows(3000);
    {
        // The last page of the file, a page of diary rows, overwritten.
        QFile f(DatabaseFile());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(f.size() - 4096));
        f.write(QByteArray(4096, '\x5a'));
    }
    World->Answer = [](const TMessageBoxRequest&) { return IDOK; };
    const QStringList plain = Shown();
    ASSERT_EQ(plain.size(), 4) << plain.join('|').toStdString();
    EXPECT_TRUE(plain[3].contains("malformed")) << plain[3].toStdString();
    ReadAhead();
    EXPECT_EQ(Shown(), plain);
}
