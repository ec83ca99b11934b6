#pragma once
// Writing an iCalendar file of all-day events: text escaped, lines folded at 75 octets without
// splitting a character, lines ended by CR LF.

#include "platform/SysUtils.h"

#include <vector>

namespace ics {

struct AllDayEvent {
    QString Uid;
    TDateTime First = 0; // calendar days, both included
    TDateTime Last = 0;
    QString Summary;
    QString Description; // may be empty
    QString Category;    // may be empty
};

// Stamp is the creation time in UTC, as "yyyyMMddThhmmssZ".
QByteArray Calendar(const std::vector<AllDayEvent>& Events, const QString& Stamp);

// A text value with backslash, semicolon, comma and line breaks escaped.
QString EscapeText(const QString& Text);
// A content line folded so that no line exceeds 75 octets, each ended by CR LF.
QByteArray FoldLine(const QString& Line);
// "yyyyMMdd".
QString DateValue(TDateTime Day);

} // namespace ics
