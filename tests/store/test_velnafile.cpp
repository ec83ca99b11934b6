#include "app/store/VelnaFile.h"
#include "platform/DataAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    EXPECT_EQ(DatabasePath(folder + "soveli"), folder + "velna.dll");
    EXPECT_EQ(ProgramFolder("/opt/x/soveli"), "/opt/x/");
    EXPECT_EQ(ProgramFolder("soveli"), "");
    EXPECT_EQ(DatabaseConnectionString(folder + "soveli"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder +
                  "velna.dll;Persist Security Info=False");
    ASSERT_TRUE(QDir(dir.path()).mkdir("a b;程序"));
    TADOConnection c(nullptr);
    c.SetConnectionString(DatabaseConnectionString(folder + "a b;程序/soveli"));
    EXPECT_EQ(c.DataSource(), folder + "a b;程序/velna.dll");
}

TEST(VelnaFile, DataStaysBesideTheProgramOnlyWhereItMayWrite) {
    EXPECT_EQ(ChooseDataFolder("/media/stick/", true, "/x", "/home/a"), "/media/stick/");
    EXPECT_EQ(ChooseDataFolder("/usr/bin/", false, "/home/a/data/", "/home/a"),
              "/home/a/data/soveli/");
    // Unset, empty or relative: the default under the home folder.
    for (const char* xdg : {"", "data", "./data"})
        EXPECT_EQ(ChooseDataFolder("/usr/bin/", false, xdg, "/home/a"),
                  "/home/a/.local/share/soveli/");
}

TEST(VelnaFile, AnInstalledProgramKeepsItsDataPrivatelyInTheUsersDataFolder) {
    QTemporaryDir home;
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("share")));
    // A program folder that cannot be written: one that is not there (running as the
    // administrator, a folder without write permission would still be writable).
    const QString program = home.filePath("not-there/bin/soveli");
    EXPECT_EQ(DatabasePath(program), home.filePath("share/soveli/velna.dll"));
    auto problem = PrepareProgramDatabase(program);
    ASSERT_FALSE(problem) << problem->toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(home.filePath("share/soveli")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(QFile::encodeName(home.filePath("share/soveli/velna.dll")).constData(), &st),
              0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(Tables(home.filePath("share/soveli/velna.dll")), (QStringList{"setting", "velna"}));
    EXPECT_FALSE(QFile::exists(home.filePath("not-there")));
    // The second start finds it.
    EXPECT_FALSE(PrepareProgramDatabase(program));

    // Where the folder cannot be made, the message says which folder.
    QFile blocker(home.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("file")));
    problem = PrepareProgramDatabase(program);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->startsWith("无法创建数据文件夹 " + home.filePath("file/soveli/")))
        << problem->toStdString();
    if (oldXdg.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldXdg);
}

TEST(VelnaFile, AProgramInAFolderWithoutWritePermissionKeepsItsDataElsewhere) {
    if (::geteuid() == 0) GTEST_SKIP() << "the administrator may write anywhere";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("bin")).constData(), 0555), 0);
    EXPECT_NE(DataFolder(dir.filePath("bin/soveli")), dir.filePath("bin/"));
    ::chmod(QFile::encodeName(dir.filePath("bin")).constData(), 0755);
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
