#include "platform/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMSecsPerDay = 86400000.0;

QString Quoted(const QString& S) {
    return "'" + S + "'";
}

// Reads one to MaxDigits decimal digits at Pos; false when there are none or too many.
bool ReadNumber(const QString& S, int& Pos, int MaxDigits, int& Value) {
    int start = Pos;
    Value = 0;
    while (Pos < S.size() && S[Pos] >= '0' && S[Pos] <= '9') {
        if (Pos - start == MaxDigits) return false;
        Value = Value * 10 + (S[Pos].unicode() - '0');
        ++Pos;
    }
    return Pos > start;
}

// Day numbers of 1 January 1 and of the day after 31 December 9999: the calendar's bounds.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

// The day number of Date; a value outside the calendar (NaN and infinities included) is a
// conversion error, not a cast the compiler may do anything with.
qint64 CheckedDay(TDateTime Date) {
    const double day = std::floor(Date);
    if (!(day >= kFirstDay && day < kEndDay))
        throw EConvertError(Quoted(QString::number(Date, 'g', 15)) + " is not a valid date");
    return static_cast<qint64>(day);
}

bool ParseDateAt(const QString& S, int& Pos, TDateTime& Date) {
    int y = 0, m = 0, d = 0;
    int yearStart = Pos;
    if (!ReadNumber(S, Pos, 4, y) || Pos - yearStart != 4) return false;
    if (Pos >= S.size() || (S[Pos] != '-' && S[Pos] != '/')) return false;
    QChar sep = S[Pos++];
    if (!ReadNumber(S, Pos, 2, m)) return false;
    if (Pos >= S.size() || S[Pos] != sep) return false;
    ++Pos;
    if (!ReadNumber(S, Pos, 2, d)) return false;
    return TryEncodeDate(y, m, d, Date);
}

bool ParseTimeAt(const QString& S, int& Pos, TDateTime& Time) {
    int h = 0, n = 0, s = 0;
    if (!ReadNumber(S, Pos, 2, h)) return false;
    if (Pos >= S.size() || S[Pos] != ':') return false;
    ++Pos;
    if (!ReadNumber(S, Pos, 2, n)) return false;
    if (Pos < S.size() && S[Pos] == ':') {
        ++Pos;
        if (!ReadNumber(S, Pos, 2, s)) return false;
    }
    return TryEncodeTime(h, n, s, 0, Time);
}

} // namespace

bool IsLeapYear(int Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int MonthDays(int Year, int Month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
    if (Year < 1 || Year > 9999 || Day < 1 || Day > MonthDays(Year, Month)) return false;
    Date = static_cast<double>(kEpoch.daysTo(QDate(Year, Month, Day)));
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
    TDateTime d = 0;
    if (!TryEncodeDate(Year, Month, Day, d))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return d;
}

QDate DateTimeToQDate(TDateTime Date) {
    return kEpoch.addDays(CheckedDay(Date));
}

TDateTime QDateToDateTime(const QDate& Date) {
    return static_cast<double>(kEpoch.daysTo(Date));
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
    DateTimeToQDate(Date).getDate(&Year, &Month, &Day);
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 ||
        MSec > 999)
        return false;
    Time = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / kMSecsPerDay;
    return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
    TDateTime t = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, t))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return t;
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
    CheckedDay(Time);
    long long ms = std::llround(TimeOf(Time) * kMSecsPerDay);
    if (ms >= 86400000LL) ms = 86399999LL; // a fraction a hair below the next day stays today
    MSec = static_cast<int>(ms % 1000);
    Sec = static_cast<int>(ms / 1000 % 60);
    Min = static_cast<int>(ms / 60000 % 60);
    Hour = static_cast<int>(ms / 3600000);
}

int DayOfWeek(TDateTime Date) {
    // Day 0 was a Saturday.
    const qint64 day = CheckedDay(Date);
    return static_cast<int>(((day - 1) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime Date, int NumberOfMonths) {
    int y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    long long months = static_cast<long long>(y) * 12 + (m - 1) + NumberOfMonths;
    int ny = static_cast<int>(months / 12);
    int nm = static_cast<int>(months % 12) + 1;
    int nd = std::min(d, MonthDays(ny, nm));
    return EncodeDate(ny, nm, nd) + TimeOf(Date);
}

TDateTime DateOf(TDateTime Date) {
    return std::floor(Date);
}

TDateTime TimeOf(TDateTime Date) {
    return Date - std::floor(Date);
}

QString DateToStr(TDateTime Date) {
    int y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    return QStringLiteral("%1-%2-%3")
        .arg(y, 4, 10, QChar('0'))
        .arg(m, 2, 10, QChar('0'))
        .arg(d, 2, 10, QChar('0'));
}

QString TimeToStr(TDateTime Time) {
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(Time, h, n, s, ms);
    return QStringLiteral("%1:%2:%3")
        .arg(h, 2, 10, QChar('0'))
        .arg(n, 2, 10, QChar('0'))
        .arg(s, 2, 10, QChar('0'));
}

QString DateTimeToStr(TDateTime DateTime) {
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(DateTime, h, n, s, ms);
    if (h == 0 && n == 0 && s == 0 && ms == 0) return DateToStr(DateTime);
    return DateToStr(DateTime) + " " + TimeToStr(DateTime);
}

bool TryStrToDate(const QString& S, TDateTime& Date) {
    QString t = Trim(S);
    int pos = 0;
    TDateTime d = 0;
    if (!ParseDateAt(t, pos, d) || pos != t.size()) return false;
    Date = d;
    return true;
}

TDateTime StrToDate(const QString& S) {
    TDateTime d = 0;
    if (!TryStrToDate(S, d)) throw EConvertError(Quoted(S) + " is not a valid date");
    return d;
}

bool TryStrToDateTime(const QString& S, TDateTime& DateTime) {
    QString t = Trim(S);
    int pos = 0;
    TDateTime d = 0, time = 0;
    if (!ParseDateAt(t, pos, d)) return false;
    if (pos < t.size()) {
        int gap = pos;
        while (pos < t.size() && t[pos] == ' ') ++pos;
        if (pos == gap || !ParseTimeAt(t, pos, time) || pos != t.size()) return false;
    }
    DateTime = d + time;
    return true;
}

TDateTime StrToDateTime(const QString& S) {
    TDateTime d = 0;
    if (!TryStrToDateTime(S, d)) throw EConvertError(Quoted(S) + " is not a valid date and time");
    return d;
}

bool TryStrToInt(QStringView S, int& Value) {
    // The usual form, an optional "-" and one to nine digits, in one pass without a branch per
    // digit.
    if (const qsizetype n = S.size(); n > 0 && n <= 10) {
        const char16_t* p = S.utf16();
        const bool negative = p[0] == u'-';
        const qsizetype first = negative ? 1 : 0, digits = n - first;
        uint32_t v = 0, other = 0;
        for (qsizetype i = first; i < n; ++i) {
            const uint32_t d = uint32_t(p[i]) - u'0';
            other |= d >= 10 ? 1 : 0;
            v = v * 10 + d;
        }
        if (!other && digits >= 1 && digits <= 9) {
            Value = negative ? -int(v) : int(v);
            return true;
        }
    }
    int pos = 0;
    while (pos < S.size() && S[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < S.size() && (S[pos] == '+' || S[pos] == '-')) negative = S[pos++] == '-';
    int start = pos;
    long long v = 0;
    for (; pos < S.size() && S[pos] >= '0' && S[pos] <= '9'; ++pos) {
        v = v * 10 + (S[pos].unicode() - '0');
        if (v > 2147483648LL) return false;
    }
    if (pos == start || pos != S.size()) return false;
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    Value = static_cast<int>(v);
    return true;
}

int StrToInt(const QString& S) {
    int v = 0;
    if (!TryStrToInt(S, v)) throw EConvertError(Quoted(S) + " is not a valid integer value");
    return v;
}

QString IntToStr(long long Value) {
    return QString::number(Value);
}

QString Trim(const QString& S) {
    int b = 0, e = S.size();
    while (b < e && S[b].unicode() <= ' ') ++b;
    while (e > b && S[e - 1].unicode() <= ' ') --e;
    return S.mid(b, e - b);
}
