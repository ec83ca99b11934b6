#pragma once
// Comma-separated text as RFC 4180 has it: fields holding a comma, a quote or a line break are
// quoted, quotes inside doubled, records end in CR LF. The reader is strict about quotes, since
// a quote in the wrong place usually means the file was cut or hand-edited wrongly.

#include "platform/SysUtils.h"

#include <optional>
#include <vector>

namespace csv {

using Record = std::vector<QString>;

// One record ending in CR LF. A field that starts with '#' is quoted too, so a reader that
// takes such lines for comments does not swallow it.
QString FormatRecord(const Record& Fields);

struct Row {
    int Line = 0; // 1-based line on which the record starts
    Record Fields;
};

struct ParseError {
    int Line = 0;
    QString Message; // what is wrong, in Chinese
};

struct Parsed {
    std::vector<Row> Rows;
    std::optional<ParseError> Error; // the first fault; Rows then hold what came before it
};

// Reads UTF-8 text (a leading byte order mark is dropped). Lines starting with '#' before the
// first record are comments. Lines that are entirely empty are skipped. Line breaks may be
// CR LF, LF or CR; inside quotes they are kept as they are.
Parsed Parse(const QByteArray& Utf8);

} // namespace csv
