#include "app/store/DiaryRecords.h"

namespace {

const QString kSelectDiary = QStringLiteral("select * from [velna]");

void Open(TADOQuery& Query, TADOConnection& Connection, const QString& Statement) {
    Query.SetConnection(&Connection);
    Query.SQL()->Clear();
    Query.SQL()->Add(Statement);
    Query.Open();
}

} // namespace

std::vector<StoredDiary> ReadAllDiary(TADOConnection& Connection) {
    TADOQuery query(nullptr);
    Open(query, Connection, kSelectDiary);
    std::vector<StoredDiary> rows;
    rows.reserve(query.RecordCount());
    for (; !query.Eof(); query.Next())
        rows.push_back({query.Fields(0)->AsInteger(), query.Fields(1)->AsString(),
                        query.Fields(2)->AsString(), query.Fields(3)->AsString()});
    return rows;
}

std::optional<CycleSettings> ReadSettings(TADOConnection& Connection) {
    TADOQuery query(nullptr);
    VelnaStore store(Connection, query);
    std::optional<CycleSettings> settings = store.LoadSettings();
    query.Close();
    return settings;
}

void AppendDiary(TADOConnection& Connection, const std::vector<NewDiary>& Rows) {
    TADOQuery query(nullptr);
    Open(query, Connection, kSelectDiary);
    Connection.InWriteTransaction([&] {
        for (const NewDiary& row : Rows) {
            query.Append();
            query.Fields(2)->SetAsString(Trim(row.Status));
            query.Fields(1)->SetAsString(DateToStr(row.Date));
            query.Fields(3)->SetAsString(Trim(row.Diary));
            query.Post();
        }
    });
    query.Close();
}
