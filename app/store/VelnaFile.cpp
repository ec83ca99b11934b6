#include "app/store/VelnaFile.h"

#include "platform/DataAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct TableNeed {
    const char* name;
    int columns;
};
// Column positions the program addresses; [velna] is also filtered by its [ID].
constexpr TableNeed kTables[] = {{"setting", 6}, {"velna", 4}};

const char* const kCreateTables =
    "CREATE TABLE [setting] ([ID] INTEGER PRIMARY KEY AUTOINCREMENT, [name] TEXT,"
    " [regularity] TEXT, [cycle] INTEGER, [lastperiod] TEXT, [notes] TEXT);"
    "CREATE TABLE [velna] ([ID] INTEGER PRIMARY KEY AUTOINCREMENT, [date] TEXT, [status] TEXT,"
    " [diary] TEXT);"
    // A new database starts with usable settings: without a row the cycle length would be 0.
    "INSERT INTO [setting] ([name], [regularity], [cycle], [lastperiod], [notes])"
    " VALUES ('', '正常', 28, '', '');";

QString Native(const QString& Path) {
    return QFileInfo(Path).absoluteFilePath();
}

QString NotADatabase(const QString& Path) {
    return QStringLiteral("数据库文件 %1 不是有效的数据库文件。").arg(Native(Path));
}

std::optional<QString> CreateTables(const QString& Path) {
    TADOConnection conn(nullptr);
    conn.SetConnectionString("Data Source=" + Path);
    try {
        conn.Execute(QString::fromUtf8(kCreateTables));
    } catch (const EDatabaseError& e) {
        conn.Close();
        ::unlink(QFile::encodeName(Path).constData()); // our own empty file, useless half-made
        return QStringLiteral("无法创建数据库文件 %1：%2").arg(Native(Path), e.Message());
    }
    return std::nullopt;
}

// The first bytes of every database file of the engine.
bool HasDatabaseHeader(const QString& Path, bool& Empty, QString& Error) {
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) {
        Error = f.errorString();
        return false;
    }
    QByteArray head = f.read(16);
    Empty = head.isEmpty();
    return head == QByteArray("SQLite format 3\0", 16);
}

std::optional<QString> CheckTables(const QString& Path) {
    TADOConnection conn(nullptr);
    conn.SetConnectionString("Data Source=" + Path + ";Mode=Read");
    TADOQuery query(nullptr);
    query.SetConnection(&conn);
    try {
        for (const TableNeed& t : kTables) {
            const QString table = QString::fromLatin1(t.name);
            query.SQL()->SetText("pragma table_info([" + table + "])");
            query.Open();
            int columns = query.RecordCount();
            bool hasId = false;
            for (; !query.Eof(); query.Next())
                hasId =
                    hasId || query.Fields(1)->AsString().compare("ID", Qt::CaseInsensitive) == 0;
            if (columns == 0)
                return QStringLiteral("数据库文件 %1 缺少数据表 [%2]。").arg(Native(Path), table);
            if (columns < t.columns)
                return QStringLiteral("数据库文件 %1 中的数据表 [%2] 只有 %3 列，至少需要 %4 列。")
                    .arg(Native(Path), table)
                    .arg(columns)
                    .arg(t.columns);
            if (table == "velna" && !hasId)
                return QStringLiteral("数据库文件 %1 中的数据表 [velna] 缺少列 [ID]。")
                    .arg(Native(Path));
        }
    } catch (const EDatabaseError& e) {
        return QStringLiteral("无法读取数据库文件 %1：%2").arg(Native(Path), e.Message());
    }
    return std::nullopt;
}

std::optional<QString> CheckExisting(const QString& Path) {
    if (QFileInfo(Path).isDir()) return NotADatabase(Path);
    bool empty = false;
    QString error;
    // An empty file is what another copy of the program shows while it creates the database;
    // give it a moment before calling the file broken.
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (HasDatabaseHeader(Path, empty, error)) return CheckTables(Path);
        if (!error.isEmpty())
            return QStringLiteral("无法读取数据库文件 %1：%2").arg(Native(Path), error);
        if (!empty) break;
        QThread::msleep(50);
    }
    return NotADatabase(Path);
}

} // namespace

QString ProgramFolder(const QString& ProgramPath) {
    return ProgramPath.left(ProgramPath.lastIndexOf('/') + 1);
}

QString DatabasePath(const QString& ProgramPath) {
    return ProgramFolder(ProgramPath) + QStringLiteral("velna.dll");
}

QString DatabaseConnectionString(const QString& ProgramPath) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           ProgramFolder(ProgramPath) + QStringLiteral("velna.dll;Persist Security Info=False");
}

std::optional<QString> PrepareDatabase(const QString& Path) {
    // O_EXCL: an existing file, whatever it holds, is never opened for writing here.
    int fd =
        ::open(QFile::encodeName(Path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return CreateTables(Path);
    }
    if (errno != EEXIST)
        return QStringLiteral("无法创建数据库文件 %1：%2")
            .arg(Native(Path), QString::fromLocal8Bit(std::strerror(errno)));
    return CheckExisting(Path);
}
