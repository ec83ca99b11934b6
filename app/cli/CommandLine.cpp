#include "app/cli/CommandLine.h"

#include "app/cli/Exchange.h"
#include "app/store/VelnaFile.h"
#include "platform/DatabaseFiles.h"
#include "platform/Environment.h"
#include "platform/Files.h"

#include <cstdio>
#include <ctime>
#include <optional>

namespace {

enum class Action { Help, Version, ExportCsv, ImportCsv, ExportIcs, Backup };

struct Option {
    const char* Name;
    Action What;
    bool TakesFile;
};
constexpr Option kOptions[] = {
    {"--help", Action::Help, false},           {"-h", Action::Help, false},
    {"--version", Action::Version, false},     {"--export-csv", Action::ExportCsv, true},
    {"--import-csv", Action::ImportCsv, true}, {"--export-ics", Action::ExportIcs, true},
    {"--backup", Action::Backup, true},
};

struct Request {
    Action What = Action::Help;
    QString File;
};

const QString kSeeHelp = QStringLiteral("请用 soveli --help 查看用法。");

// One action per call; "--option FILE" and "--option=FILE" both work.
std::optional<Request> Parse(const std::vector<QString>& Args, QString& Error) {
    if (Args.empty()) {
        Error = QStringLiteral("没有给出选项。") + kSeeHelp;
        return std::nullopt;
    }
    QString name = Args[0], file;
    const bool inlineFile = name.startsWith("--") && name.contains('=');
    if (inlineFile) {
        file = name.mid(name.indexOf('=') + 1);
        name = name.left(name.indexOf('='));
    }
    for (const Option& o : kOptions) {
        if (name != QLatin1String(o.Name)) continue;
        const size_t used = o.TakesFile && !inlineFile ? 2 : 1;
        if (o.TakesFile && !inlineFile && Args.size() > 1) file = Args[1];
        if (o.TakesFile && file.isEmpty()) {
            Error = QStringLiteral("选项 %1 后面要给出文件名。").arg(name) + kSeeHelp;
        } else if (!o.TakesFile && inlineFile) {
            Error = QStringLiteral("选项 %1 不带参数。").arg(name) + kSeeHelp;
        } else if (Args.size() > used) {
            Error =
                QStringLiteral("多余的参数“%1”：一次只能用一个选项。").arg(Args[used]) + kSeeHelp;
        } else {
            return Request{o.What, file};
        }
        return std::nullopt;
    }
    Error = QStringLiteral("未知的选项“%1”。").arg(Args[0]) + kSeeHelp;
    return std::nullopt;
}

QString HelpText(const QString& Database) {
    return QStringLiteral(
               "用法：soveli [选项]\n"
               "不带选项时打开程序窗口。带下面的选项时只做这一件事，不打开窗口，也不需要图形界面："
               "\n"
               "  --help               显示本说明\n"
               "  --version            显示版本\n"
               "  --export-csv 文件     把例假日记导出为 CSV 文件（UTF-8；列为 "
               "日期,状态,日记内容；\n"
               "                       例假设置写在开头以 # 起头的注释行里）\n"
               "  --import-csv 文件     从这样的 CSV 文件把日记加进来；完全相同的日记跳过；\n"
               "                       文件里有一行出错时什么也不写入，并指出是第几行\n"
               "  --export-ics 文件     导出 iCalendar 日历文件：每条日记一个全天事件，另按保存的\n"
               "                       例假周期和最后一条日记的日期推算之后六个周期\n"
               "  --backup 文件         把数据库完整地复制一份（程序窗口开着时也可以）\n"
               "数据文件：%1\n"
               "\n"
               "Usage: soveli [option]. Without an option the window opens. --help, --version,\n"
               "--export-csv FILE, --import-csv FILE, --export-ics FILE, --backup FILE run "
               "without\n"
               "a window or a display. Data file: %1\n")
        .arg(Database);
}

QString UtcStamp() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return QString::fromLatin1(text);
}

// Exports and the backup read an existing database only; an import may start a new one.
std::optional<QString> DatabaseProblem(const Request& R, const QString& ProgramPath,
                                       const QString& Database) {
    if (R.What == Action::ImportCsv) return PrepareProgramDatabase(ProgramPath);
    QString error;
    if (ProbeDatabaseFile(Database, error) == TDatabaseFileKind::Missing)
        return QStringLiteral("还没有数据库文件 %1：程序还没有保存过任何数据。").arg(Database);
    return PrepareDatabase(Database);
}

Outcome Perform(const Request& R, const QString& Database) {
    if (R.What != Action::ImportCsv && files::SameFile(R.File, Database))
        return {false,
                QStringLiteral("不能写到数据库文件 %1 本身上，请另选一个文件名。").arg(Database)};
    switch (R.What) {
    case Action::ExportCsv:
        return ExportCsv(Database, R.File);
    case Action::ImportCsv:
        return ImportCsv(Database, R.File);
    case Action::ExportIcs:
        return ExportIcs(Database, R.File, UtcStamp());
    default:
        return Backup(Database, R.File);
    }
}

} // namespace

bool IsCommandLine(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string first = argv[1];
    return first.rfind("--", 0) == 0 || first == "-h";
}

int RunCommandLine(const std::vector<QString>& Args, const QString& ProgramPath, QString& Out,
                   QString& Err) {
    QString error;
    const std::optional<Request> request = Parse(Args, error);
    if (!request) {
        Err += error + '\n';
        return 2;
    }
    const QString database = files::AbsolutePath(DatabasePath(ProgramPath));
    if (request->What == Action::Help) {
        Out += HelpText(database);
        return 0;
    }
    if (request->What == Action::Version) {
        Out += QStringLiteral("soveli %1\n").arg(QStringLiteral(SOVELI_VERSION));
        return 0;
    }
    if (std::optional<QString> problem = DatabaseProblem(*request, ProgramPath, database)) {
        Err += *problem + QStringLiteral("没有写入任何文件。\n");
        return 1;
    }
    const Outcome done = Perform(*request, database);
    (done.Ok ? Out : Err) += done.Message + '\n';
    return done.Ok ? 0 : 1;
}

int CommandLineMain(int argc, char** argv) {
    std::vector<QString> args;
    for (int i = 1; i < argc; ++i) args.push_back(QString::fromLocal8Bit(argv[i]));
    QString out, err;
    const int status = RunCommandLine(args, Env().ProgramPath(), out, err);
    std::fputs(out.toUtf8().constData(), stdout);
    std::fputs(err.toUtf8().constData(), stderr);
    return status;
}
