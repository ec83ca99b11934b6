#include "app/store/DiaryTable.h"

#include "app/store/StoreColumns.h"

int DiaryTable::ID(int Row) const {
    // The key as the file holds it; anything else the way a field reads it.
    const std::optional<long long> id = FRows->Integer(Row, diary::ID);
    if (id && *id >= INT32_MIN && *id <= INT32_MAX) return int(*id);
    return ValueToInteger(FRows->Value(Row, diary::ID));
}

std::optional<TDateTime> DiaryTable::Date(int Row) const {
    try {
        // A date read from the short date text always lies inside the calendar; a number far
        // outside it is no date.
        if (FRows->Type(Row, diary::Date) == TCellType::Text)
            return Utf8ToDateTime(FRows->Bytes(Row, diary::Date));
        const TDateTime date = FRows->AsDateTime(Row, diary::Date);
        DateToStr(date);
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
