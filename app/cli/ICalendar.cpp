#include "app/cli/ICalendar.h"

namespace ics {

namespace {

constexpr int kMaxOctets = 75;

void Add(QByteArray& Out, const QString& Line) {
    Out += FoldLine(Line);
}

void AddEvent(QByteArray& Out, const AllDayEvent& E, const QString& Stamp) {
    Add(Out, QStringLiteral("BEGIN:VEVENT"));
    Add(Out, QStringLiteral("UID:") + EscapeText(E.Uid));
    Add(Out, QStringLiteral("DTSTAMP:") + Stamp);
    Add(Out, QStringLiteral("DTSTART;VALUE=DATE:") + DateValue(E.First));
    // The end of an all-day event is the day after its last day.
    Add(Out, QStringLiteral("DTEND;VALUE=DATE:") + DateValue(DateOf(E.Last) + 1));
    Add(Out, QStringLiteral("SUMMARY:") + EscapeText(E.Summary));
    if (!E.Description.isEmpty())
        Add(Out, QStringLiteral("DESCRIPTION:") + EscapeText(E.Description));
    if (!E.Category.isEmpty()) Add(Out, QStringLiteral("CATEGORIES:") + EscapeText(E.Category));
    Add(Out, QStringLiteral("TRANSP:TRANSPARENT"));
    Add(Out, QStringLiteral("END:VEVENT"));
}

} // namespace

QString EscapeText(const QString& Text) {
    QString out;
    out.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            if (i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
            out += QStringLiteral("\\n");
        } else if (c == '\n') {
            out += QStringLiteral("\\n");
        } else if (c.unicode() < 0x20 && c != '\t') {
            continue; // other control characters are not allowed in a text value
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray FoldLine(const QString& Line) {
    const QByteArray utf8 = Line.toUtf8();
    QByteArray out;
    int used = 0; // octets on the current physical line
    for (qsizetype i = 0; i < utf8.size();) {
        // The whole UTF-8 sequence goes on one line.
        qsizetype len = 1;
        while (i + len < utf8.size() && (static_cast<unsigned char>(utf8[i + len]) & 0xC0) == 0x80)
            ++len;
        if (used + len > kMaxOctets) {
            out += "\r\n ";
            used = 1; // the leading blank of a continuation line
        }
        out += utf8.mid(i, len);
        used += static_cast<int>(len);
        i += len;
    }
    return out + "\r\n";
}

QString DateValue(TDateTime Day) {
    int y, m, d;
    DecodeDate(Day, y, m, d);
    return QStringLiteral("%1%2%3")
        .arg(y, 4, 10, QChar('0'))
        .arg(m, 2, 10, QChar('0'))
        .arg(d, 2, 10, QChar('0'));
}

QByteArray Calendar(const std::vector<AllDayEvent>& Events, const QString& Stamp) {
    QByteArray out;
    Add(out, QStringLiteral("BEGIN:VCALENDAR"));
    Add(out, QStringLiteral("VERSION:2.0"));
    Add(out, QStringLiteral("PRODID:-//soveli//soveli diary//ZH"));
    Add(out, QStringLiteral("CALSCALE:GREGORIAN"));
    for (const AllDayEvent& e : Events) AddEvent(out, e, Stamp);
    Add(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace ics
