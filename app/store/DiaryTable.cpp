#include "app/store/DiaryTable.h"

namespace {
// Column positions, as "select * from [velna]" returns them.
constexpr int kID = 0, kDate = 1, kStatus = 2, kText = 3;
} // namespace

int DiaryTable::ID(int Row) const {
    const QVariant id = FRows->Value(Row, kID);
    // The key as the file holds it; anything else the way a field reads it.
    if (id.typeId() == QMetaType::LongLong) {
        const qlonglong v = id.toLongLong();
        if (v >= INT32_MIN && v <= INT32_MAX) return int(v);
    }
    return ValueToInteger(id);
}

std::optional<TDateTime> DiaryTable::Date(int Row) const {
    try {
        const TDateTime date = FRows->AsDateTime(Row, kDate);
        // A number far outside the calendar is no date either; a date read from the short
        // date text always lies inside it.
        if (FRows->Type(Row, kDate) != TCellType::Text) DateToStr(date);
        return date;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

QString DiaryTable::DateProblem(int Row) const {
    try {
        DateToStr(FRows->AsDateTime(Row, kDate));
        return {};
    } catch (const EConvertError& e) {
        return e.Message();
    }
}

QString DiaryTable::DateText(int Row) const {
    return FRows->AsString(Row, kDate);
}

QString DiaryTable::Status(int Row) const {
    return FRows->AsString(Row, kStatus);
}

QString DiaryTable::Diary(int Row) const {
    return FRows->AsString(Row, kText);
}
