#include "platform/DataAccess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DataAccess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("test.db");
        Raw("CREATE TABLE [velna] ([ID] INTEGER PRIMARY KEY AUTOINCREMENT, [d] TEXT, [s] TEXT,"
            " [t] TEXT);"
            "CREATE TABLE [setting] ([k] INTEGER, [name] TEXT, [reg] TEXT, [len] INTEGER,"
            " [last] TEXT, [notes] TEXT);");
        conn.SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
                                 ";Persist Security Info=False");
        query.SetConnection(&conn);
    }

    // Runs SQL on a separate engine connection, as another program would.
    void Raw(const char* Sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, Sql, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    void Select(const QString& Sql) {
        query.SQL()->Clear();
        query.SQL()->Add(Sql);
        query.Open();
    }

    QStringList Column(int Index) {
        QStringList out;
        for (query.First(); !query.Eof(); query.Next()) out << query.Fields(Index)->AsString();
        return out;
    }

    QTemporaryDir dir;
    QString path;
    TADOConnection conn{nullptr};
    TADOQuery query{nullptr};
};

} // namespace

TEST(DataAccessText, StatementsAreReadAsTheProgramWritesThem) {
    EXPECT_EQ(sqltext::EngineCommand("delete * from [velna] where [ID]=7"),
              "delete  from [velna] where [ID]=7");
    EXPECT_EQ(sqltext::EngineCommand("select * from [velna]"), "select * from [velna]");

    auto s = sqltext::AnalyzeSelect("select * from [velna] where [ID]=7");
    EXPECT_TRUE(s.Updatable);
    EXPECT_TRUE(s.AllColumns);
    EXPECT_EQ(s.Table, "[velna]");
    EXPECT_EQ(s.FromPos, 9);
    s = sqltext::AnalyzeSelect("SELECT [d], \"s\" FROM main.velna ORDER BY d, s");
    EXPECT_TRUE(s.Updatable);
    EXPECT_EQ(s.Columns, (QStringList{"[d]", "\"s\""}));
    EXPECT_EQ(s.Table, "main.velna");
    s = sqltext::AnalyzeSelect("select d from velna where d in (select d from setting)");
    EXPECT_TRUE(s.Updatable);
    EXPECT_EQ(s.Table, "velna");
    for (const char* readOnly :
         {"select count(*) from velna", "select distinct d from velna", "select * from a, b",
          "select * from a join b on a.x = b.x", "select d from velna group by d",
          "select * from a union select * from b", "select d as x from velna", "pragma x"})
        EXPECT_FALSE(sqltext::AnalyzeSelect(readOnly).Updatable) << readOnly;
    EXPECT_EQ(sqltext::QuoteName("a\"b"), "\"a\"\"b\"");
}

TEST(DataAccessConnection, DataSourceComesOutOfTheConnectionString) {
    TADOConnection c(nullptr);
    c.SetConnectionString(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/tmp/a;b=c d/velna.dll;Persist Security "
        "Info=False");
    EXPECT_EQ(c.DataSource(), "/tmp/a;b=c d/velna.dll");
    c.SetConnectionString("data source = \"/x;y/v.db\" ; Mode=Read");
    EXPECT_EQ(c.DataSource(), "/x;y/v.db");
    c.SetConnectionString("Provider=X");
    EXPECT_THROW(c.Open(), EDatabaseError);
}

TEST_F(DataAccess, OpensLazilyStaysOpenAndNeverCreatesAFile) {
    EXPECT_FALSE(conn.Connected());
    Select("select * from [velna]");
    EXPECT_TRUE(conn.Connected());
    query.Close();
    EXPECT_TRUE(conn.Connected());

    TADOConnection missing(nullptr);
    missing.SetConnectionString("Data Source=" + dir.filePath("none.db"));
    try {
        missing.Execute("select 1");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "unable to open database file");
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("none.db")));
}

TEST_F(DataAccess, ResultIsLoadedWithItsCountAndWalkedInNaturalOrder) {
    Raw("INSERT INTO velna (d, s, t) VALUES ('2026-01-05', 'a', 'x'), ('2025-12-01', 'b', 'y'),"
        " ('2026-02-09', 'c', 'z')");
    Select("select * from [velna]");
    EXPECT_TRUE(query.Active());
    EXPECT_EQ(query.RecordCount(), 3);
    EXPECT_EQ(query.FieldCount(), 4);
    EXPECT_EQ(query.Fields(0)->FieldName(), "ID");
    EXPECT_FALSE(query.Eof());
    EXPECT_EQ(query.Fields(2)->AsString(), "a");
    query.Next();
    EXPECT_EQ(query.Fields(2)->AsString(), "b");
    query.Last();
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.Fields(1)->AsString(), "2026-02-09");
    EXPECT_EQ(query.Fields(0)->AsInteger(), 3);
    query.Next(); // past the end stays on the last row
    EXPECT_EQ(query.Fields(2)->AsString(), "c");
    EXPECT_EQ(Column(2), (QStringList{"a", "b", "c"}));
    EXPECT_THROW(query.Fields(4), EListError);

    // Changing the statement closes the result.
    query.SQL()->Add("where [ID]=2");
    EXPECT_FALSE(query.Active());
    EXPECT_THROW(query.RecordCount(), EDatabaseError);
    query.Open();
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Fields(2)->AsString(), "b");
}

TEST_F(DataAccess, ValuesReadAsTextIntegerAndDate) {
    Raw("INSERT INTO setting VALUES (NULL, NULL, '', '28', '2026/3/4', 7.5)");
    Select("select * from [setting]");
    EXPECT_TRUE(query.Fields(1)->IsNull());
    EXPECT_EQ(query.Fields(1)->AsString(), "");
    EXPECT_EQ(query.Fields(1)->AsInteger(), 0);
    EXPECT_EQ(query.Fields(1)->AsDateTime(), 0.0);
    EXPECT_EQ(query.Fields(3)->AsInteger(), 28); // stored as an integer by the column's kind
    EXPECT_EQ(query.Fields(3)->AsString(), "28");
    EXPECT_EQ(query.Fields(4)->AsDateTime(), EncodeDate(2026, 3, 4));
    EXPECT_EQ(query.Fields(5)->AsString(), "7.5");
    EXPECT_THROW(query.Fields(2)->AsDateTime(), EConvertError);
    EXPECT_THROW(query.Fields(4)->AsInteger(), EConvertError);
    // Numbers beyond 32 bits are refused, not wrapped.
    Raw("DELETE FROM setting; INSERT INTO setting VALUES (4294967324, '', '', 1e300, '', '');"
        "INSERT INTO setting VALUES (-2147483648, '', '', 2147483647.4, '', '')");
    Select("select * from [setting]");
    EXPECT_THROW(query.Fields(0)->AsInteger(), EConvertError);
    EXPECT_THROW(query.Fields(3)->AsInteger(), EConvertError);
    query.Next();
    EXPECT_EQ(query.Fields(0)->AsInteger(), INT32_MIN);
    EXPECT_EQ(query.Fields(3)->AsInteger(), INT32_MAX);

    // No current row: every column reads as nothing.
    Select("select * from [velna]");
    EXPECT_EQ(query.RecordCount(), 0);
    EXPECT_TRUE(query.Eof());
    query.Last();
    EXPECT_EQ(query.Fields(1)->AsString(), "");
    EXPECT_EQ(query.Fields(0)->AsInteger(), 0);
}

TEST_F(DataAccess, EditOnEmptyResultStartsANewRow) {
    Select("select * from [setting]");
    query.Edit();
    EXPECT_EQ(query.State(), TDataSetState::dsInsert);
    query.Fields(1)->SetAsString("Ann");
    query.Fields(3)->SetAsInteger(30);
    query.Post();
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Fields(1)->AsString(), "Ann");

    // Editing the open row changes it in place.
    query.Edit();
    query.Fields(3)->SetAsInteger(26);
    query.Post();
    Select("select * from [setting]");
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Fields(1)->AsString(), "Ann");
    EXPECT_EQ(query.Fields(3)->AsInteger(), 26);
    EXPECT_THROW(query.Fields(1)->SetAsString("x"), EDatabaseError); // not editing
}

TEST_F(DataAccess, InsertGetsANewKeyAndJoinsTheResult) {
    Raw("INSERT INTO velna (d) VALUES ('2026-01-01'), ('2026-01-02')");
    Select("select * from [velna]");
    query.Insert();
    query.Fields(2)->SetAsString("s");
    query.Fields(1)->SetAsString("2026-05-06");
    query.Fields(3)->SetAsString("t");
    query.Post();
    EXPECT_EQ(query.Fields(0)->AsInteger(), 3);
    EXPECT_EQ(query.RecordCount(), 3);
    query.Append();
    query.Post(); // nothing set: a row of defaults
    EXPECT_EQ(query.Fields(0)->AsInteger(), 4);
    EXPECT_EQ(query.RecNo(), 4);
    Select("select * from [velna]");
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(1), (QStringList{"2026-01-01", "2026-01-02", "2026-05-06", ""}));
}

TEST_F(DataAccess, UpdateAndDeleteTouchExactlyOneKey) {
    Raw("INSERT INTO velna (d, s) VALUES ('a', '1'), ('b', '2'), ('c', '3'), ('d', '4');"
        "DELETE FROM velna WHERE ID = 3; INSERT INTO velna (d, s) VALUES ('e', '5')");
    Select("select * from [velna] where [ID]=4");
    query.Edit();
    query.Fields(2)->SetAsString("four");
    query.Post();
    query.Close();

    EXPECT_EQ(conn.Execute("delete * from [velna] where [ID]=2"), 1);
    EXPECT_EQ(conn.Execute("delete * from [velna] where [ID]=2"), 0);
    Select("select * from [velna]");
    EXPECT_EQ(Column(0), (QStringList{"1", "4", "5"}));
    EXPECT_EQ(Column(2), (QStringList{"1", "four", "5"}));
}

TEST_F(DataAccess, AnyTextIsStoredAndReadBackExactly) {
    const QString hostile = QString::fromUtf8("O'Brien \"quoted\" [velna]; DROP TABLE velna; -- "
                                              "\r\n第二行 😀\t\\ %s ?1 :x @y $z") +
                            QChar(0) + "after NUL" + QString(100000, QChar(0x4E2D));
    Select("select * from [velna]");
    query.Append();
    query.Fields(2)->SetAsString(hostile);
    query.Fields(3)->SetAsString("");
    query.Post();
    EXPECT_EQ(query.Fields(2)->AsString(), hostile);
    Select("select * from [velna]");
    EXPECT_EQ(query.Fields(2)->AsString(), hostile);
    EXPECT_FALSE(query.Fields(3)->IsNull()); // an empty text is not "no value"
    EXPECT_EQ(query.Fields(3)->AsString(), "");
}

TEST_F(DataAccess, EngineErrorsCarryTheEngineMessage) {
    try {
        Select("select * from [nosuch]");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "no such table: nosuch");
    }
    EXPECT_FALSE(query.Active());
    EXPECT_THROW(conn.Execute("delete * from [nosuch] where [ID]=1"), EDatabaseError);
    Select("select count(*) from [velna]");
    EXPECT_EQ(query.Fields(0)->AsInteger(), 0);
    EXPECT_THROW(query.Edit(), EDatabaseError); // nothing to write back to
    query.Close();
    query.SQL()->SetText("update velna set d = 1");
    EXPECT_THROW(query.Open(), EDatabaseError);
}

TEST_F(DataAccess, WriteToAReadOnlyFileFailsAndLeavesItAlone) {
    Raw("INSERT INTO velna (d) VALUES ('a')");
    const QByteArray before = FileBytes(path);
    conn.SetConnectionString("Data Source=" + path + ";Mode=Read");
    Select("select * from [velna]");
    query.Edit();
    query.Fields(1)->SetAsString("changed");
    try {
        query.Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "attempt to write a readonly database");
    }
    EXPECT_EQ(query.State(), TDataSetState::dsEdit); // the edit is kept for another try
    EXPECT_THROW(conn.Execute("delete * from [velna] where [ID]=1"), EDatabaseError);
    query.Close();
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(DataAccess, WriteToAFileWithoutWritePermissionFails) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    const QByteArray before = FileBytes(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    Select("select * from [velna]");
    query.Edit();
    query.Fields(1)->SetAsString("x");
    try {
        query.Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "attempt to write a readonly database");
    }
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(DataAccess, WriteToALockedFileWaitsThenFailsAndLeavesItAlone) {
    Raw("INSERT INTO velna (d) VALUES ('a')");
    conn.SetBusyTimeout(100);
    Select("select * from [velna]");
    query.Edit();
    query.Fields(1)->SetAsString("changed");

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const QByteArray before = FileBytes(path);
    try {
        query.Post();
        ADD_FAILURE();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "database is locked");
    }
    EXPECT_EQ(FileBytes(path), before);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    query.Post(); // the lock is gone: the kept edit goes through
    Select("select * from [velna]");
    EXPECT_EQ(query.Fields(1)->AsString(), "changed");
}

TEST_F(DataAccess, MovingPostsAPendingEditAndClosingDiscardsIt) {
    Raw("INSERT INTO velna (d) VALUES ('a'), ('b')");
    Select("select * from [velna]");
    query.Edit();
    query.Fields(1)->SetAsString("A");
    query.Next();
    query.Edit();
    query.Fields(1)->SetAsString("B");
    query.Close();
    Select("select * from [velna]");
    EXPECT_EQ(Column(1), (QStringList{"A", "b"}));
}

TEST_F(DataAccess, FreedConnectionIsForgottenByItsQuery) {
    TADOQuery q(nullptr);
    {
        TADOConnection c(nullptr);
        c.SetConnectionString("Data Source=" + path);
        q.SetConnection(&c);
        q.SQL()->Add("select * from [velna]");
        q.Open();
    }
    EXPECT_EQ(q.Connection(), nullptr);
    EXPECT_FALSE(q.Active());
    EXPECT_THROW(q.Open(), EDatabaseError);
}

// A reader keeps the rows it was given (the diary list keeps the query's result): the query's
// later edits and inserts do not reach them, and every stored byte reads back, however many
// blocks the texts fill.
TEST_F(DataAccess, RowsKeptByAReaderStayAsReadWhileTheQueryWrites) {
    Raw("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
        "INSERT INTO velna (d, s, t) SELECT printf('2026-%02d-%02d', i % 12 + 1, i % 28 + 1), "
        "CASE WHEN i % 3 THEN '正常' ELSE NULL END, printf('第%d条日记 %s', i, "
        "substr('abcdefghijklmnopqrstuvwxyz', 1, i % 27)) FROM n");
    Select("select * from [velna]");
    const std::shared_ptr<const TResultTable> kept = query.Result();
    ASSERT_EQ(kept->RowCount(), 20000);
    query.Next();
    query.Edit();
    query.Fields(3)->SetAsString("changed");
    query.Post();
    query.Insert();
    query.Fields(3)->SetAsString("new");
    query.Post();
    EXPECT_EQ(query.RecordCount(), 20001);
    EXPECT_EQ(query.Fields(3)->AsString(), "new");
    EXPECT_EQ(kept->RowCount(), 20000);
    EXPECT_EQ(kept->AsString(1, 3), "第2条日记 ab");

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT ID, d, s, t FROM velna ORDER BY rowid", -1, &st, nullptr);
    for (int r = 0; sqlite3_step(st) == SQLITE_ROW && r < 20000; ++r) {
        if (r == 1) continue; // the edited row
        ASSERT_EQ(kept->AsString(r, 0).toLongLong(), sqlite3_column_int64(st, 0));
        for (int c = 1; c < 4; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            ASSERT_EQ(kept->Type(r, c) == TCellType::Null, text == nullptr) << r << "," << c;
            ASSERT_EQ(kept->AsString(r, c), QString::fromUtf8(text ? text : "")) << r;
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// Dates read straight from stored bytes agree with the date parser, and what is no date is
// refused the same way.
TEST(ResultDates, ReadFromTheBytesAsTheDateParserReadsThem) {
    for (TDateTime d = EncodeDate(1899, 12, 1); d < EncodeDate(2101, 1, 1); d += 3) {
        const QByteArray text = DateToStr(d).toUtf8();
        ASSERT_EQ(Utf8ToDateTime(text.toStdString()), d) << text.constData();
    }
    EXPECT_EQ(Utf8ToDateTime("2026/12/02"), EncodeDate(2026, 12, 2));
    EXPECT_EQ(Utf8ToDateTime(" 2026-1-2"), EncodeDate(2026, 1, 2));
    EXPECT_EQ(Utf8ToDateTime("2026-12-02 12:00"), EncodeDate(2026, 12, 2) + 0.5);
    EXPECT_EQ(Utf8ToDateTime("9999-12-31"), EncodeDate(9999, 12, 31));
    EXPECT_EQ(Utf8ToDateTime("0001-01-01"), EncodeDate(1, 1, 1));
    EXPECT_EQ(Utf8ToDateTime("2000-02-29"), EncodeDate(2000, 2, 29));
    EXPECT_EQ(Utf8ToDateTime("1600-03-01"), EncodeDate(1600, 3, 1));
    for (const char* no : {"2026-02-30", "1900-02-29", "2026-00-10", "2026-01-00", "2026-13-01",
                           "0000-01-01", "2026-12/02", "2026-1a-02", "", "２０２６-12-02"})
        EXPECT_THROW(Utf8ToDateTime(no), EConvertError) << no;
}

// Reading a whole table again gives the rows already read while nothing changed the file; any
// write, by this connection or another one, makes it read the file again.
TEST_F(DataAccess, AWholeTableReadAgainIsTheOneReadUntilTheFileChanges) {
    Raw("INSERT INTO velna (d) VALUES ('a'), ('b')");
    Select("select * from [velna]");
    const std::shared_ptr<const TResultTable> first = query.Result();
    Select("select * from [setting]");
    Select("select * from [velna]");
    EXPECT_EQ(query.Result(), first);
    Select("select * from [velna] where [ID]=1");
    EXPECT_EQ(query.RecordCount(), 1);

    Raw("INSERT INTO velna (d) VALUES ('other program')");
    Select("select * from [velna]");
    EXPECT_EQ(Column(1), (QStringList{"a", "b", "other program"}));
    conn.Execute("delete * from [velna] where [ID]=1");
    Select("select * from [velna]");
    EXPECT_EQ(Column(1), (QStringList{"b", "other program"}));
    query.Last();
    query.Edit();
    query.Fields(1)->SetAsString("edited");
    query.Post();
    EXPECT_EQ(first->RowCount(), 2); // what a reader kept stays as it was
    Select("select * from [setting]");
    Select("select * from [velna]");
    EXPECT_EQ(Column(1), (QStringList{"b", "edited"}));
}
