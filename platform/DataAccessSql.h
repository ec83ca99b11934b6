#pragma once
// Reading the statement texts the program sends, so they run on the engine and so that the
// result of a plain one-table select can be written back.

#include <QString>
#include <QStringList>

namespace sqltext {

// The text the engine runs: "delete * from ..." (the old desktop dialect) loses its star;
// everything else, bracketed names included, the engine understands as written.
QString EngineCommand(const QString& CommandText);

// What a select looks like, when it is "select <* | plain column names> from <one table> ..."
// without grouping, joins or compound parts; only such a result can be edited and posted.
struct SelectShape {
    bool Updatable = false;
    bool AllColumns = false; // the column list is "*"
    QStringList Columns;     // the named columns as written, when not AllColumns
    QString Table;           // as written, brackets or quotes included
    int FromPos = -1;        // where the top-level "from" starts
};
SelectShape AnalyzeSelect(const QString& EngineText);

// A name quoted for the engine, whatever characters it holds.
QString QuoteName(const QString& Name);

} // namespace sqltext
