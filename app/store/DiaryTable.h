#pragma once
// The diary list as the query read it: the rows are shared with the query, not copied, and a
// row's values are converted only when asked for, so that a long diary costs little more than
// its stored bytes.

#include "platform/ResultTable.h"

#include <memory>
#include <optional>

class DiaryTable {
public:
    DiaryTable() = default;
    explicit DiaryTable(std::shared_ptr<const TResultTable> Rows) : FRows(std::move(Rows)) {}

    int Count() const { return FRows ? FRows->RowCount() : 0; }
    int ID(int Row) const;
    // The stored date; none when the stored value is no date (its text is DateText).
    std::optional<TDateTime> Date(int Row) const;
    QString DateText(int Row) const;
    QString Status(int Row) const;
    QString Diary(int Row) const;
    // Why the stored date of Row is no date; empty when it is one.
    QString DateProblem(int Row) const;

private:
    std::shared_ptr<const TResultTable> FRows;
};
