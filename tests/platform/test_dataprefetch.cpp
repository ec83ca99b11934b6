#include "platform/DataAccess.h"
#include "platform/DataAccessPrefetch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const QString kWhole = QStringLiteral("select * from [velna]");

class ReadAhead : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("test.db");
        conn.SetConnectionString(Source(path));
        query.SetConnection(&conn);
    }
    void TearDown() override { DropPrefetch(); }

    static QString Source(const QString& Path) {
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + Path +
               ";Persist Security Info=False";
    }

    // Runs SQL on a separate engine connection, as another program would.
    void Raw(const char* Sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_busy_timeout(db, 5000);
        ASSERT_EQ(sqlite3_exec(db, Sql, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    // A diary long enough that reading it ahead is still going on when the test goes on.
    void MakeDiary(int Rows) {
        Raw("CREATE TABLE [velna] ([ID] INTEGER PRIMARY KEY AUTOINCREMENT, [d] TEXT, [t] TEXT)");
        Raw(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i "
                           "< %1) INSERT INTO [velna] ([d], [t]) SELECT date('2020-01-01', '+' || "
                           "i || ' days'), 'entry ' || i FROM n")
                .arg(Rows)
                .toUtf8()
                .constData());
    }

    // The whole table as the reader sees it, and whether a read ahead was taken for it.
    QStringList Read(TADOQuery& Query) {
        Query.SQL()->Clear();
        Query.SQL()->Add(kWhole);
        Query.Open();
        QStringList out;
        for (Query.First(); !Query.Eof(); Query.Next()) out << Query.Fields(2)->AsString();
        return out;
    }
    // Pages the engine looked up for a connection, from its cache or the file.
    static int PagesLookedUp(TADOConnection& Connection) {
        int total = 0;
        for (int what : {SQLITE_DBSTATUS_CACHE_HIT, SQLITE_DBSTATUS_CACHE_MISS}) {
            int current = 0, highest = 0;
            sqlite3_db_status(Connection.Handle(), what, &current, &highest, 0);
            total += current;
        }
        return total;
    }
    static QString EngineText(const QString& Statement) {
        TStringList lines;
        lines.Add(Statement);
        return sqltext::EngineCommand(lines.Text());
    }

    QTemporaryDir dir;
    QString path;
    TADOConnection conn{nullptr};
    TADOQuery query{nullptr};
};

} // namespace

TEST_F(ReadAhead, TheConnectionOfThatFileTakesTheRowsOthersReadForThemselves) {
    MakeDiary(20000);
    PrefetchTable(Source(path), kWhole);

    // Another file and another mode neither take it nor are kept from reading meanwhile.
    TADOConnection readOnly(nullptr);
    readOnly.SetConnectionString(Source(path) + ";Mode=Read");
    TADOQuery other(nullptr);
    other.SetConnection(&readOnly);
    EXPECT_EQ(Read(other).size(), 20000);
    const QString elsewhere = dir.filePath("other.db");
    Raw(QStringLiteral("ATTACH '%1' AS o; CREATE TABLE o.velna (a, b, c); INSERT INTO o.velna "
                       "VALUES (1, 2, 'x')")
            .arg(elsewhere)
            .toUtf8()
            .constData());
    TADOConnection otherFile(nullptr);
    otherFile.SetConnectionString(Source(elsewhere));
    other.SetConnection(&otherFile);
    EXPECT_EQ(Read(other), QStringList{"x"});

    // The first read of the file's own connection is the one read ahead, kept as any whole
    // read: the table's pages were looked up once, not twice.
    const QStringList rows = Read(query);
    ASSERT_EQ(rows.size(), 20000);
    EXPECT_LT(PagesLookedUp(conn), PagesLookedUp(readOnly) * 3 / 2);
    EXPECT_EQ(rows.front(), "entry 1");
    EXPECT_EQ(rows.back(), "entry 20000");
    const TADOConnection::TKeptRead* kept = conn.KeptRead(EngineText(kWhole));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->Rows, query.Result());
    EXPECT_EQ(query.Fields(2)->FieldName(), "t");

    // Taken once: a second connection reads for itself.
    TADOConnection again(nullptr);
    again.SetConnectionString(Source(path));
    again.Open();
    EXPECT_EQ(again.KeptRead(EngineText(kWhole)), nullptr);
}

TEST_F(ReadAhead, CommitsOfOtherProgramsBeforeTheReadAreShown) {
    // Committed after the read ahead has finished: its rows are stale and read anew.
    MakeDiary(3000);
    PrefetchTable(Source(path), kWhole);
    WaitForPrefetch();
    Raw("INSERT INTO [velna] ([d], [t]) VALUES ('2030-01-01', 'after the read ahead')");
    QStringList rows = Read(query);
    ASSERT_EQ(rows.size(), 3001);
    EXPECT_EQ(rows.back(), "after the read ahead");

    // Committed while it may still run: whichever comes first, the reader sees the commit.
    query.Close();
    conn.Close();
    PrefetchTable(Source(path), kWhole);
    Raw("DELETE FROM [velna] WHERE [ID] = 1");
    rows = Read(query);
    ASSERT_EQ(rows.size(), 3000);
    EXPECT_EQ(rows.front(), "entry 2");

    // The reader's own write also drops what it was given.
    conn.Execute("delete * from [velna] where [ID]=2");
    EXPECT_EQ(Read(query).front(), "entry 3");
}

TEST_F(ReadAhead, AFilePutInPlaceOfTheOneReadIsReadAnew) {
    MakeDiary(100);
    const QString first = path;
    path = dir.filePath("replacement.db");
    MakeDiary(3);
    PrefetchTable(Source(first), kWhole);
    WaitForPrefetch();
    ASSERT_EQ(std::rename(path.toUtf8().constData(), first.toUtf8().constData()), 0);
    EXPECT_EQ(Read(query), (QStringList{"entry 1", "entry 2", "entry 3"}));
}

TEST_F(ReadAhead, AFailedReadAheadLeavesTheErrorToTheReader) {
    // No file: nothing is read or made, and the reader fails as it would have.
    PrefetchTable(Source(path), kWhole);
    EXPECT_THROW(Read(query), EDatabaseError);
    EXPECT_FALSE(QFile::exists(path));

    // A missing table and a file that is no database: each error once, from the reader.
    Raw("CREATE TABLE [setting] ([k])");
    PrefetchTable(Source(path), kWhole);
    try {
        Read(query);
        ADD_FAILURE() << "read a missing table";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("no such table")) << e.Message().toStdString();
    }
    conn.Close();
    QFile::remove(path);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    }
    PrefetchTable(Source(path), kWhole);
    WaitForPrefetch();
    try {
        Read(query);
        ADD_FAILURE() << "read a file that is no database";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.Message().contains("not a database")) << e.Message().toStdString();
    }
    EXPECT_EQ(conn.KeptRead(EngineText(kWhole)), nullptr);
}

TEST_F(ReadAhead, AFileLockedByAnotherProgramIsWaitedForOnceByTheReader) {
    MakeDiary(10);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    PrefetchTable(Source(path), kWhole);
    conn.SetBusyTimeout(1000);
    QElapsedTimer waited;
    waited.start();
    EXPECT_THROW(Read(query), EDatabaseError);
    EXPECT_GE(waited.elapsed(), 1000);
    EXPECT_LT(waited.elapsed(), 2500);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(Read(query).size(), 10);
}

TEST_F(ReadAhead, ItMayBeDroppedOrTheProgramMayEndWhileItReads) {
    MakeDiary(50000);
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    PrefetchTable(Source(path), kWhole);
    DropPrefetch();
    PrefetchTable(Source(path), kWhole);
    PrefetchTable(Source(path), kWhole); // replaces the first
    EXPECT_EQ(Read(query).size(), 50000);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PrefetchTable(Source(path), kWhole);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}
