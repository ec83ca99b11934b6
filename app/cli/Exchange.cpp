#include "app/cli/Exchange.h"

#include "app/cli/Csv.h"
#include "app/cli/CycleForecast.h"
#include "app/cli/ICalendar.h"
#include "app/store/DiaryRecords.h"
#include "platform/DataAccess.h"
#include "platform/DatabaseFiles.h"
#include "platform/Files.h"

#include <set>

namespace {

// A diary file is text typed by a person; anything this large is not one.
constexpr qint64 kMaxCsvBytes = 64 * 1024 * 1024;

const csv::Record kHeader = {QStringLiteral("日期"), QStringLiteral("状态"),
                             QStringLiteral("日记内容")};
const csv::Record kEnglishHeader = {"date", "status", "text"};

QString ReadFailed(const QString& Database, const EDatabaseError& e) {
    return QStringLiteral("读取数据库 %1 时出错：%2").arg(Database, e.Message());
}

Outcome WriteOut(const QString& File, const QByteArray& Bytes, bool Private, const QString& Done) {
    QString error;
    if (!files::WriteWhole(File, Bytes, Private, error))
        return {false, QStringLiteral("无法写入文件 %1：%2。请换一个可以写入的位置。")
                           .arg(files::AbsolutePath(File), error)};
    return {true, Done};
}

// Comment values stay on one line.
QString OneLine(const QString& Text) {
    QString s = Text;
    s.replace('\\', QStringLiteral("\\\\"));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    s.replace('\n', QStringLiteral("\\n"));
    s.replace('\r', QStringLiteral("\\n"));
    return s;
}

QString SettingsComment(const std::optional<CycleSettings>& S) {
    QString out = QStringLiteral("# soveli 例假日记\r\n");
    if (!S) return out + QStringLiteral("# （没有保存的例假设置）\r\n");
    out += QStringLiteral("# 您的姓名：%1\r\n").arg(OneLine(S->Name));
    out += QStringLiteral("# 例假规律：%1\r\n").arg(OneLine(S->Regularity));
    out += QStringLiteral("# 例假周期：%1\r\n").arg(S->CycleLength);
    out += QStringLiteral("# 上一次例假时间：%1\r\n").arg(OneLine(S->LastPeriod));
    out += QStringLiteral("# 例假补充：%1\r\n").arg(OneLine(S->Notes));
    return out;
}

// The date as the program writes it when it is one, else the stored text unchanged.
QString DateColumn(const QString& Stored) {
    TDateTime date;
    return TryStrToDate(Stored, date) ? DateToStr(date) : Stored;
}

QString DuplicateKey(const QString& Date, const QString& Status, const QString& Diary) {
    return DateColumn(Date) + QChar(0x1F) + Trim(Status) + QChar(0x1F) + Trim(Diary);
}

bool IsHeader(const csv::Record& Fields) {
    auto same = [&](const csv::Record& H) {
        if (Fields.size() != H.size()) return false;
        for (size_t i = 0; i < H.size(); ++i)
            if (Trim(Fields[i]).compare(H[i], Qt::CaseInsensitive) != 0) return false;
        return true;
    };
    return same(kHeader) || same(kEnglishHeader);
}

// What is wrong with a data row, or empty when it is fine.
QString RowFault(const csv::Record& Fields, NewDiary& Out) {
    if (Fields.size() != 3)
        return QStringLiteral("应有 3 列（日期,状态,日记内容），这一行有 %1 列").arg(Fields.size());
    if (!TryStrToDate(Fields[0], Out.Date))
        return QStringLiteral("“%1”不是日期（应写成 2026-12-02 这样）").arg(Fields[0].left(40));
    Out.Status = Trim(Fields[1]);
    Out.Diary = Trim(Fields[2]);
    if (Out.Status.isEmpty()) return QStringLiteral("例假状态不能为空");
    if (Out.Diary.isEmpty()) return QStringLiteral("日记内容不能为空");
    return {};
}

QString LineFault(const QString& File, int Line, const QString& What) {
    return QStringLiteral("文件 %1 第 %2 行有误：%3。没有导入任何日记，请改正后再导入。")
        .arg(files::AbsolutePath(File))
        .arg(Line)
        .arg(What);
}

} // namespace

Outcome ExportCsv(const QString& Database, const QString& File) {
    TADOConnection conn(nullptr);
    conn.SetConnectionString("Data Source=" + Database + ";Mode=Read");
    QString text;
    int count = 0;
    try {
        text = SettingsComment(ReadSettings(conn)) + csv::FormatRecord(kHeader);
        for (const StoredDiary& row : ReadAllDiary(conn)) {
            text += csv::FormatRecord({DateColumn(row.DateText), row.Status, row.Diary});
            ++count;
        }
    } catch (const EDatabaseError& e) {
        return {false, ReadFailed(Database, e)};
    }
    return WriteOut(
        File, text.toUtf8(), true,
        QStringLiteral("已把 %1 条日记导出到 %2。").arg(count).arg(files::AbsolutePath(File)));
}

Outcome ImportCsv(const QString& Database, const QString& File) {
    QByteArray bytes;
    QString error;
    if (!files::ReadAll(File, kMaxCsvBytes, bytes, error))
        return {false, QStringLiteral("无法读取文件 %1：%2").arg(files::AbsolutePath(File), error)};
    const csv::Parsed parsed = csv::Parse(bytes);
    if (parsed.Error) return {false, LineFault(File, parsed.Error->Line, parsed.Error->Message)};

    TADOConnection conn(nullptr);
    conn.SetConnectionString("Data Source=" + Database);
    std::set<QString> known;
    try {
        for (const StoredDiary& row : ReadAllDiary(conn))
            known.insert(DuplicateKey(row.DateText, row.Status, row.Diary));
    } catch (const EDatabaseError& e) {
        return {false, ReadFailed(Database, e)};
    }
    std::vector<NewDiary> fresh;
    int duplicates = 0;
    for (size_t i = 0; i < parsed.Rows.size(); ++i) {
        const csv::Row& row = parsed.Rows[i];
        if (i == 0 && IsHeader(row.Fields)) continue;
        NewDiary entry;
        if (QString fault = RowFault(row.Fields, entry); !fault.isEmpty())
            return {false, LineFault(File, row.Line, fault)};
        if (!known.insert(DuplicateKey(DateToStr(entry.Date), entry.Status, entry.Diary)).second)
            ++duplicates;
        else
            fresh.push_back(std::move(entry));
    }
    try {
        AppendDiary(conn, fresh);
    } catch (const EDatabaseError& e) {
        return {false, QStringLiteral("写入数据库 %1 时出错，没有导入任何日记：%2")
                           .arg(Database, e.Message())};
    }
    return {true, QStringLiteral("已从 %1 导入 %2 条日记，跳过 %3 条重复的日记。")
                      .arg(files::AbsolutePath(File))
                      .arg(fresh.size())
                      .arg(duplicates)};
}

Outcome ExportIcs(const QString& Database, const QString& File, const QString& Stamp) {
    TADOConnection conn(nullptr);
    conn.SetConnectionString("Data Source=" + Database + ";Mode=Read");
    std::vector<StoredDiary> diary;
    std::optional<CycleSettings> settings;
    try {
        diary = ReadAllDiary(conn);
        settings = ReadSettings(conn);
    } catch (const EDatabaseError& e) {
        return {false, ReadFailed(Database, e)};
    }
    std::vector<ics::AllDayEvent> events;
    const int entries = DiaryEvents(diary, events);
    const Forecast forecast = CycleEvents(diary, settings, events);
    QString done = QStringLiteral("已把 %1 条日记").arg(entries);
    if (forecast.Cycles > 0) done += QStringLiteral("和之后 %1 个周期的推算").arg(forecast.Cycles);
    done += QStringLiteral("导出到 %1。").arg(files::AbsolutePath(File));
    if (!forecast.Reason.isEmpty()) done += forecast.Reason;
    if (entries < static_cast<int>(diary.size()))
        done += QStringLiteral("有 %1 条日记的日期无法识别，没有导出。")
                    .arg(static_cast<int>(diary.size()) - entries);
    return WriteOut(File, ics::Calendar(events, Stamp), true, done);
}

Outcome Backup(const QString& Database, const QString& File) {
    try {
        BackupDatabase(Database, File);
    } catch (const EDatabaseError& e) {
        return {false, QStringLiteral("无法把数据库 %1 备份到 %2：%3")
                           .arg(Database, files::AbsolutePath(File), e.Message())};
    }
    return {true, QStringLiteral("已把数据库备份到 %1。").arg(files::AbsolutePath(File))};
}
