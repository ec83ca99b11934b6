#include "app/store/VelnaFile.h"
#include "platform/DataAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
}

QStringList Tables(const QString& Path) {
    TADOConnection c(nullptr);
    c.SetConnectionString("Data Source=" + Path + ";Mode=Read");
    TADOQuery q(nullptr);
    q.SetConnection(&c);
    q.SQL()->Add("select name from sqlite_master where type = 'table' and name not like "
                 "'sqlite%' order by name");
    q.Open();
    QStringList out;
    for (; !q.Eof(); q.Next()) out << q.Fields(0)->AsString();
    return out;
}

// A file with one table missing or too narrow: made the way another program would make it.
void MakeDatabase(const QString& Path, const QString& Sql) {
    WriteFile(Path, QByteArray());
    TADOConnection c(nullptr);
    c.SetConnectionString("Data Source=" + Path);
    c.Execute(Sql);
}

} // namespace

TEST(VelnaFile, PathAndConnectionStringComeFromTheProgramPath) {
    EXPECT_EQ(DatabasePath("/opt/x/soveli"), "/opt/x/velna.dll");
    EXPECT_EQ(ProgramFolder("/opt/x/soveli"), "/opt/x/");
    EXPECT_EQ(DatabasePath("soveli"), "velna.dll");
    EXPECT_EQ(DatabaseConnectionString("/home/a b/程序/soveli"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/home/a b/程序/velna.dll;Persist "
              "Security Info=False");
    TADOConnection c(nullptr);
    c.SetConnectionString(DatabaseConnectionString("/tmp/a;b/soveli"));
    EXPECT_EQ(c.DataSource(), "/tmp/a;b/velna.dll");
}

TEST(VelnaFile, NewFileIsPrivateWithBothTablesWhateverTheWorkingFolder) {
    QTemporaryDir program, elsewhere;
    const QString oldCwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString path = DatabasePath(program.filePath("soveli"));
    auto problem = PrepareDatabase(path);
    QDir::setCurrent(oldCwd);

    ASSERT_FALSE(problem) << problem->toStdString();
    EXPECT_TRUE(QFile::exists(program.filePath("velna.dll")));
    EXPECT_FALSE(QFile::exists(elsewhere.filePath("velna.dll")));
    struct stat st {};
    ASSERT_EQ(::stat(path.toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(Tables(path), (QStringList{"setting", "velna"}));
    // A new file starts with a settings row to compute with: a cycle of 28 days.
    {
        TADOConnection c(nullptr);
        c.SetConnectionString("Data Source=" + path + ";Mode=Read");
        TADOQuery q(nullptr);
        q.SetConnection(&c);
        q.SQL()->Add("select * from [setting]");
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1);
        EXPECT_EQ(q.Fields(1)->AsString(), "");
        EXPECT_EQ(q.Fields(2)->AsString(), "正常");
        EXPECT_EQ(q.Fields(3)->AsInteger(), 28);
        EXPECT_EQ(q.Fields(4)->AsString(), "");
        EXPECT_EQ(q.Fields(5)->AsString(), "");
    }

    // Preparing again finds it fit and leaves it untouched.
    const QByteArray before = FileBytes(path);
    EXPECT_FALSE(PrepareDatabase(path));
    EXPECT_EQ(FileBytes(path), before);
}

TEST(VelnaFile, FileThatIsNoDatabaseIsReportedAndLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("velna.dll");
    static const char kProgram[] = "MZ\x90\0 this is a program, not a database";
    const QByteArray content(kProgram, sizeof kProgram - 1); // the bytes after the zero too
    WriteFile(path, content);
    auto problem = PrepareDatabase(path);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, "数据库文件 " + path + " 不是有效的数据库文件。");
    EXPECT_EQ(FileBytes(path), content);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dll"));
    problem = PrepareDatabase(dir.filePath("folder.dll"));
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains("不是有效的数据库文件"));
}

TEST(VelnaFile, MissingOrNarrowTablesAreReportedAndLeftAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath("velna.dll");
    MakeDatabase(path, "create table [setting] (a, b, c, d, e, f)");
    QByteArray before = FileBytes(path);
    auto problem = PrepareDatabase(path);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, "数据库文件 " + path + " 缺少数据表 [velna]。");
    EXPECT_EQ(FileBytes(path), before);

    QFile::remove(path);
    MakeDatabase(path, "create table [setting] (a, b, c, d, e); create table velna (ID, d, s, t)");
    problem = PrepareDatabase(path);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, "数据库文件 " + path + " 中的数据表 [setting] 只有 5 列，至少需要 6 列。");

    QFile::remove(path);
    MakeDatabase(path, "create table setting (a, b, c, d, e, f); create table velna (a, b, c, d)");
    problem = PrepareDatabase(path);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem, "数据库文件 " + path + " 中的数据表 [velna] 缺少列 [ID]。");

    // Extra tables and columns are fine.
    QFile::remove(path);
    MakeDatabase(path, "create table setting (a, b, c, d, e, f, g); create table velna (ID "
                       "integer primary key, d, s, t, u); create table other (x)");
    EXPECT_FALSE(PrepareDatabase(path));
}

TEST(VelnaFile, UncreatableFileIsReported) {
    auto problem = PrepareDatabase("/nonexistent-folder-for-test/velna.dll");
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->startsWith("无法创建数据库文件 /nonexistent-folder-for-test/velna.dll："));
}
