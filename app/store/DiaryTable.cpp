#include "app/store/DiaryTable.h"

#include "app/store/StoreColumns.h"

int DiaryTable::ID(int Row) const {
    const QVariant id = FRows->Value(Row, diary::ID);
    // The key as the file holds it; anything else the way a field reads it.
    if (id.typeId() == QMetaType::LongLong) {
        const qlonglong v = id.toLongLong();
        if (v >= INT32_MIN && v <= INT32_MAX) return int(v);
    }
    return ValueToInteger(id);
}

std::optional<TDateTime> DiaryTable::Date(int Row) const {
    try {
        const TDateTime date = FRows->AsDateTime(Row, diary::Date);
        // A number far outside the calendar is no date either; a date read from the short
        // date text always lies inside it.
        if (FRows->Type(Row, diary::Date) != TCellType::Text) DateToStr(date);
        return date;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

QString DiaryTable::DateProblem(int Row) const {
    try {
        DateToStr(FRows->AsDateTime(Row, diary::Date));
        return {};
    } catch (const EConvertError& e) {
        return e.Message();
    }
}

QString DiaryTable::DateText(int Row) const {
    return FRows->AsString(Row, diary::Date);
}

QString DiaryTable::Status(int Row) const {
    return FRows->AsString(Row, diary::Status);
}

QString DiaryTable::Diary(int Row) const {
    return FRows->AsString(Row, diary::Text);
}
