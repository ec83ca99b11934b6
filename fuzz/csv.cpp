// The CSV reader on arbitrary bytes: no crash, and whatever it reads it writes back so that a
// second reading gives the same records.
#include "app/cli/Csv.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const csv::Parsed first =
        csv::Parse(QByteArray(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size)));
    if (first.Error) return 0;
    QString again;
    for (const csv::Row& row : first.Rows) again += csv::FormatRecord(row.Fields);
    const csv::Parsed second = csv::Parse(again.toUtf8());
    if (second.Error || second.Rows.size() != first.Rows.size()) std::abort();
    for (size_t i = 0; i < first.Rows.size(); ++i)
        if (second.Rows[i].Fields != first.Rows[i].Fields) std::abort();
    return 0;
}
