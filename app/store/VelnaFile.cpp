#include "app/store/VelnaFile.h"

#include "platform/DataAccess.h"
#include "platform/DatabaseFiles.h"
#include "platform/Files.h"

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

const QString kDatabaseName = QStringLiteral("velna.dll");

QString Native(const QString& Path) {
    return files::AbsolutePath(Path);
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
        files::Remove(Path); // our own empty file, useless half-made
        return QStringLiteral("无法创建数据库文件 %1：%2").arg(Native(Path), e.Message());
    }
    return std::nullopt;
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
    QString error;
    // An empty file is what another copy of the program shows while it creates the database;
    // give it a moment before calling the file broken.
    for (int attempt = 0; attempt < 40; ++attempt) {
        switch (ProbeDatabaseFile(Path, error)) {
        case TDatabaseFileKind::Database:
            return CheckTables(Path);
        case TDatabaseFileKind::Unreadable:
            return QStringLiteral("无法读取数据库文件 %1：%2").arg(Native(Path), error);
        case TDatabaseFileKind::Empty:
            files::SleepMilliseconds(50);
            continue;
        default:
            return NotADatabase(Path);
        }
    }
    return NotADatabase(Path);
}

} // namespace

QString ProgramFolder(const QString& ProgramPath) {
    return ProgramPath.left(ProgramPath.lastIndexOf('/') + 1);
}

QString ChooseDataFolder(const QString& ProgramFolder, bool ProgramFolderWritable,
                         const QString& XdgDataHome, const QString& Home) {
    if (ProgramFolderWritable) return ProgramFolder;
    QString base =
        XdgDataHome.startsWith('/') ? XdgDataHome : Home + QStringLiteral("/.local/share");
    while (base.endsWith('/')) base.chop(1);
    return base + QStringLiteral("/soveli/");
}

QString DataFolder(const QString& ProgramPath) {
    const QString folder = ProgramFolder(ProgramPath);
    return ChooseDataFolder(folder, files::IsWritableFolder(folder.isEmpty() ? "." : folder),
                            files::EnvironmentVariable("XDG_DATA_HOME"), files::HomeFolder());
}

QString DatabasePath(const QString& ProgramPath) {
    return DataFolder(ProgramPath) + kDatabaseName;
}

QString DatabaseConnectionString(const QString& ProgramPath) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           DatabasePath(ProgramPath) + QStringLiteral(";Persist Security Info=False");
}

std::optional<QString> PrepareDatabase(const QString& Path) {
    QString error;
    switch (files::CreateNewPrivateFile(Path, error)) {
    case files::TCreated::Created:
        return CreateTables(Path);
    case files::TCreated::Failed:
        return QStringLiteral("无法创建数据库文件 %1：%2").arg(Native(Path), error);
    case files::TCreated::AlreadyThere:
        break;
    }
    return CheckExisting(Path);
}

std::optional<QString> PrepareProgramDatabase(const QString& ProgramPath) {
    const QString folder = DataFolder(ProgramPath);
    QString error;
    if (folder != ProgramFolder(ProgramPath) && !files::MakePrivateFolder(folder, error))
        return QStringLiteral("无法创建数据文件夹 %1：%2").arg(folder, error);
    return PrepareDatabase(folder + kDatabaseName);
}
