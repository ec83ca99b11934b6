#include "app/store/VelnaStore.h"

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

void VelnaStore::Run(const QString& Statement) {
    FQuery.SQL()->Clear();
    FQuery.SQL()->Add(Statement);
    FQuery.Open();
}

std::optional<TDateTime> VelnaStore::LastDiaryDate() {
    Run(kSelectDiary);
    if (FQuery.RecordCount() == 0) return std::nullopt;
    FQuery.Last();
    return StrToDate(FQuery.Fields(1)->AsString());
}

int VelnaStore::StoredCycleLength() {
    Run(kSelectSettings);
    int length = FQuery.Fields(3)->AsInteger();
    FQuery.Close();
    return length;
}

std::vector<DiaryRow> VelnaStore::LoadDiaryList() {
    Run(kSelectDiary);
    std::vector<DiaryRow> rows;
    const int n = FQuery.RecordCount();
    rows.reserve(n);
    for (int i = 0; i < n; ++i) {
        rows.push_back({FQuery.Fields(0)->AsInteger(), FQuery.Fields(1)->AsDateTime(),
                        FQuery.Fields(2)->AsString(), FQuery.Fields(3)->AsString()});
        FQuery.Next();
    }
    return rows;
}

std::optional<DiaryEntry> VelnaStore::LoadDiaryEntry(int ID) {
    Run(SelectDiaryById(ID));
    if (FQuery.RecordCount() == 0) return std::nullopt;
    return DiaryEntry{FQuery.Fields(0)->AsInteger(), FQuery.Fields(1)->AsString(),
                      FQuery.Fields(2)->AsString(), FQuery.Fields(3)->AsString()};
}

std::optional<CycleSettings> VelnaStore::LoadSettings() {
    Run(kSelectSettings);
    if (FQuery.RecordCount() == 0) return std::nullopt;
    return CycleSettings{FQuery.Fields(1)->AsString(), FQuery.Fields(2)->AsString(),
                         FQuery.Fields(3)->AsInteger(), FQuery.Fields(4)->AsString(),
                         FQuery.Fields(5)->AsString()};
}

void VelnaStore::SaveSettings(const CycleSettings& Settings) {
    FQuery.Edit();
    FQuery.Fields(1)->SetAsString(Trim(Settings.Name));
    FQuery.Fields(2)->SetAsString(Trim(Settings.Regularity));
    FQuery.Fields(3)->SetAsInteger(Settings.CycleLength);
    FQuery.Fields(4)->SetAsString(Settings.LastPeriod);
    FQuery.Fields(5)->SetAsString(Trim(Settings.Notes));
    FQuery.Post();
}

void VelnaStore::WriteDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    FQuery.Fields(2)->SetAsString(Trim(Status));
    FQuery.Fields(1)->SetAsString(DateToStr(Date));
    FQuery.Fields(3)->SetAsString(Trim(Diary));
    FQuery.Post();
}

int VelnaStore::InsertDiary(TDateTime Date, const QString& Status, const QString& Diary) {
    Run(kSelectDiary);
    FQuery.Insert();
    WriteDiary(Date, Status, Diary);
    int id = FQuery.Fields(0)->AsInteger();
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
