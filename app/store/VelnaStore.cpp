#include "app/store/VelnaStore.h"

#include "app/store/StoreColumns.h"
#include "platform/DataAccessPrefetch.h"

namespace {

const QString kSelectDiary = QStringLiteral("select * from [velna]");
const QString kSelectSettings = QStringLiteral("select * from [setting]");

QString SelectDiaryById(int ID) {
    return QStringLiteral("select * from [velna] where [ID]=") + IntToStr(ID);
}

} // namespace

VelnaStore::VelnaStore(TADOConnection& Dconnect, TADOQuery& recordset_temp)
    : FConnection(Dconnect), FQuery(recordset_temp) {
    if (!FQuery.Connection()) FQuery.SetConnection(&FConnection);
}

void VelnaStore::ReadDiaryAhead(const QString& ConnectionString) {
    PrefetchTable(ConnectionString, kSelectDiary);
}

template <class F> auto VelnaStore::Guarded(const char* Operation, F&& Step) {
    try {
        return Step();
    } catch (const EDatabaseError& e) {
        throw EDatabaseError(
            DatabaseFailure(QString::fromUtf8(Operation), FConnection.DataSource(), e.Message()));
    }
}

void VelnaStore::Run(const QString& Statement) {
    FQuery.SQL()->Clear();
    FQuery.SQL()->Add(Statement);
    FQuery.Open();
}

void VelnaStore::NoteBadValue(BadValue Value) {
    for (const BadValue& v : FBadValues)
        if (v.Table == Value.Table && v.ID == Value.ID && v.Column == Value.Column) return;
    FBadValues.push_back(std::move(Value));
}

std::vector<BadValue> VelnaStore::TakeBadValues() {
    std::vector<BadValue> out(FBadValues.begin() + qsizetype(FTaken), FBadValues.end());
    FTaken = FBadValues.size();
    return out;
}

std::optional<TDateTime> VelnaStore::LastDiaryDate() {
    return Guarded("读取例假日记", [&]() -> std::optional<TDateTime> {
        Run(kSelectDiary);
        const int n = FQuery.RecordCount();
        if (n == 0) return std::nullopt;
        FQuery.Last();
        const QString text = FQuery.Fields(diary::Date)->AsString();
        try {
            return StrToDate(text);
        } catch (const EConvertError& e) {
            NoteBadValue({"velna", n, FQuery.Fields(diary::ID)->AsInteger(), diary::Date, text,
                          e.Message()});
            return std::nullopt;
        }
    });
}

int VelnaStore::StoredCycleLength() {
    return Guarded("读取例假设置", [&] {
        Run(kSelectSettings);
        int length = 0;
        try {
            length = FQuery.Fields(setting::Cycle)->AsInteger();
        } catch (const EConvertError& e) {
            NoteBadValue({"setting", 1, 0, setting::Cycle,
                          FQuery.Fields(setting::Cycle)->AsString(), e.Message()});
        }
        FQuery.Close();
        return length;
    });
}

DiaryTable VelnaStore::LoadDiaryTable() {
    return Guarded("读取例假日记", [&] {
        Run(kSelectDiary);
        DiaryTable table(FQuery.Result());
        for (int i = 0; i < table.Count(); ++i) {
            const int id = table.ID(i); // a key that is no number ends the load, as it did
            if (!table.Date(i))
                NoteBadValue(
                    {"velna", i + 1, id, diary::Date, table.DateText(i), table.DateProblem(i)});
        }
        // The result stays open on its last row, as after reading every row in turn.
        FQuery.Last();
        return table;
    });
}

std::vector<DiaryRow> VelnaStore::LoadDiaryList() {
    const DiaryTable table = LoadDiaryTable();
    std::vector<DiaryRow> rows(size_t(table.Count()));
    for (int i = 0; i < table.Count(); ++i) {
        DiaryRow& row = rows[size_t(i)];
        row.ID = table.ID(i);
        const std::optional<TDateTime> date = table.Date(i);
        row.Date = date.value_or(0);
        if (!date) row.BadDate = table.DateText(i);
        row.Status = table.Status(i);
        row.Diary = table.Diary(i);
    }
    return rows;
}

std::optional<DiaryEntry> VelnaStore::LoadDiaryEntry(int ID) {
    return Guarded("读取日记", [&]() -> std::optional<DiaryEntry> {
        Run(SelectDiaryById(ID));
        if (FQuery.RecordCount() == 0) return std::nullopt;
        return DiaryEntry{
            FQuery.Fields(diary::ID)->AsInteger(), FQuery.Fields(diary::Date)->AsString(),
            FQuery.Fields(diary::Status)->AsString(), FQuery.Fields(diary::Text)->AsString()};
    });
}

std::optional<CycleSettings> VelnaStore::LoadSettings() {
    return Guarded("读取例假设置", [&]() -> std::optional<CycleSettings> {
        Run(kSelectSettings);
        if (FQuery.RecordCount() == 0) return std::nullopt;
        CycleSettings s{FQuery.Fields(setting::Name)->AsString(),
                        FQuery.Fields(setting::Regularity)->AsString(), 0,
                        FQuery.Fields(setting::LastPeriod)->AsString(),
                        FQuery.Fields(setting::Notes)->AsString()};
        // A length that is no number is shown as stored, so the user can correct it.
        try {
            s.CycleLength = FQuery.Fields(setting::Cycle)->AsInteger();
        } catch (const EConvertError&) {
            s.CycleLengthText = FQuery.Fields(setting::Cycle)->AsString();
        }
        return s;
    });
}

void VelnaStore::SaveSettings(const CycleSettings& Settings) {
    Guarded("保存例假设置", [&] {
        // The view's load may have failed and left nothing open: read the row again.
        if (!FQuery.Active()) Run(kSelectSettings);
        FQuery.Edit();
        FQuery.Fields(setting::Name)->SetAsString(Trim(Settings.Name));
        FQuery.Fields(setting::Regularity)->SetAsString(Trim(Settings.Regularity));
        FQuery.Fields(setting::Cycle)->SetAsInteger(Settings.CycleLength);
        FQuery.Fields(setting::LastPeriod)->SetAsString(Settings.LastPeriod);
        FQuery.Fields(setting::Notes)->SetAsString(Trim(Settings.Notes));
        FQuery.Post();
    });
}

void VelnaStore::WriteDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    FQuery.Fields(diary::Status)->SetAsString(Trim(Status));
    FQuery.Fields(diary::Date)->SetAsString(DateToStr(Date));
    FQuery.Fields(diary::Text)->SetAsString(Trim(Diary));
    FQuery.Post();
}

int VelnaStore::InsertDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    return Guarded("保存日记", [&] {
        Run(kSelectDiary);
        FQuery.Insert();
        WriteDiary(Date, Status, Diary);
        int id = FQuery.Fields(diary::ID)->AsInteger();
        FQuery.Close();
        return id;
    });
}

void VelnaStore::UpdateDiary(int ID, TDateTime Date, const QString& Status, const QString& Diary) {
    Guarded("保存日记", [&] {
        Run(SelectDiaryById(ID));
        // A row removed meanwhile makes this a new row, as editing an empty result does.
        FQuery.Edit();
        WriteDiary(Date, Status, Diary);
        FQuery.Close();
    });
}

void VelnaStore::DeleteDiary(int ID) {
    Guarded("删除日记", [&] {
        FConnection.Execute(QStringLiteral("delete * from [velna] where [ID]=") + IntToStr(ID));
    });
}
