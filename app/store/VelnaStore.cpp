#include "app/store/VelnaStore.h"

namespace {

// Column positions of the two tables, as the statements "select *" return them.
namespace diary {
constexpr int ID = 0, Date = 1, Status = 2, Text = 3;
}
namespace setting {
constexpr int Name = 1, Regularity = 2, Cycle = 3, LastPeriod = 4, Notes = 5;
}

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

void VelnaStore::Run(const QString& Statement) {
    FQuery.SQL()->Clear();
    FQuery.SQL()->Add(Statement);
    FQuery.Open();
}

std::optional<TDateTime> VelnaStore::LastDiaryDate() {
    Run(kSelectDiary);
    if (FQuery.RecordCount() == 0) return std::nullopt;
    FQuery.Last();
    return StrToDate(FQuery.Fields(diary::Date)->AsString());
}

int VelnaStore::StoredCycleLength() {
    Run(kSelectSettings);
    int length = FQuery.Fields(setting::Cycle)->AsInteger();
    FQuery.Close();
    return length;
}

std::vector<DiaryRow> VelnaStore::LoadDiaryList() {
    Run(kSelectDiary);
    std::vector<DiaryRow> rows;
    const int n = FQuery.RecordCount();
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        rows.push_back(
            {FQuery.Fields(diary::ID)->AsInteger(), FQuery.Fields(diary::Date)->AsDateTime(),
             FQuery.Fields(diary::Status)->AsString(), FQuery.Fields(diary::Text)->AsString()});
        FQuery.Next();
    }
    return rows;
}

std::optional<DiaryEntry> VelnaStore::LoadDiaryEntry(int ID) {
    Run(SelectDiaryById(ID));
    if (FQuery.RecordCount() == 0) return std::nullopt;
    return DiaryEntry{FQuery.Fields(diary::ID)->AsInteger(), FQuery.Fields(diary::Date)->AsString(),
                      FQuery.Fields(diary::Status)->AsString(),
                      FQuery.Fields(diary::Text)->AsString()};
}

std::optional<CycleSettings> VelnaStore::LoadSettings() {
    Run(kSelectSettings);
    if (FQuery.RecordCount() == 0) return std::nullopt;
    return CycleSettings{
        FQuery.Fields(setting::Name)->AsString(), FQuery.Fields(setting::Regularity)->AsString(),
        FQuery.Fields(setting::Cycle)->AsInteger(), FQuery.Fields(setting::LastPeriod)->AsString(),
        FQuery.Fields(setting::Notes)->AsString()};
}

void VelnaStore::SaveSettings(const CycleSettings& Settings) {
    FQuery.Edit();
    FQuery.Fields(setting::Name)->SetAsString(Trim(Settings.Name));
    FQuery.Fields(setting::Regularity)->SetAsString(Trim(Settings.Regularity));
    FQuery.Fields(setting::Cycle)->SetAsInteger(Settings.CycleLength);
    FQuery.Fields(setting::LastPeriod)->SetAsString(Settings.LastPeriod);
    FQuery.Fields(setting::Notes)->SetAsString(Trim(Settings.Notes));
    FQuery.Post();
}

void VelnaStore::WriteDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    FQuery.Fields(diary::Status)->SetAsString(Trim(Status));
    FQuery.Fields(diary::Date)->SetAsString(DateToStr(Date));
    FQuery.Fields(diary::Text)->SetAsString(Trim(Diary));
    FQuery.Post();
}

int VelnaStore::InsertDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    Run(kSelectDiary);
    FQuery.Insert();
    WriteDiary(Date, Status, Diary);
    int id = FQuery.Fields(diary::ID)->AsInteger();
    FQuery.Close();
    return id;
}

void VelnaStore::UpdateDiary(int ID, TDateTime Date, const QString& Status, const QString& Diary) {
    Run(SelectDiaryById(ID));
    // A row removed meanwhile makes this a new row, as editing an empty result does.
    FQuery.Edit();
    WriteDiary(Date, Status, Diary);
    FQuery.Close();
}

void VelnaStore::DeleteDiary(int ID) {
    FConnection.Execute(QStringLiteral("delete * from [velna] where [ID]=") + IntToStr(ID));
}
