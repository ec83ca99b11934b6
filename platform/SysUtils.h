#pragma once
// Exceptions, dates and the text conversions the program relies on. The clock is not read here:
// today's date comes from the replaceable environment.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString& Msg) : FMessage(Msg), FUtf8(Msg.toUtf8()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

class EConvertError : public Exception {
    using Exception::Exception;
};
class EListError : public Exception {
    using Exception::Exception;
};
class EDatabaseError : public Exception {
    using Exception::Exception;
};
class EOutOfResources : public Exception {
    using Exception::Exception;
};

// Whole part: days since 30 December 1899; fraction: time of day. Negative values count days
// before the epoch with the time added forward (floor semantics), so every day has one encoding.
using TDateTime = double;

bool IsLeapYear(int Year);
// Days in the month; 0 for a month outside 1..12.
int MonthDays(int Year, int Month);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
// Dates outside the years 1 to 9999 (NaN and infinities too) raise EConvertError in every
// routine that splits or shows a date.
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec = 0);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime Date);
// The same time of day NumberOfMonths later; the day is clamped to the target month's length.
TDateTime IncMonth(TDateTime Date, int NumberOfMonths = 1);
TDateTime DateOf(TDateTime Date);
TDateTime TimeOf(TDateTime Date);
QDate DateTimeToQDate(TDateTime Date);
TDateTime QDateToDateTime(const QDate& Date);

// Short date text "yyyy-MM-dd".
QString DateToStr(TDateTime Date);
// "hh:nn:ss".
QString TimeToStr(TDateTime Time);
// The short date alone at midnight, else the date, a blank and the time.
QString DateTimeToStr(TDateTime DateTime);
// Year (four digits), month and day (one or two digits each) separated by "-" or "/" (the same
// separator twice); blanks around the text are ignored.
bool TryStrToDate(const QString& S, TDateTime& Date);
TDateTime StrToDate(const QString& S);
// A short date, optionally followed by blanks and "h:nn" or "h:nn:ss".
bool TryStrToDateTime(const QString& S, TDateTime& DateTime);
TDateTime StrToDateTime(const QString& S);

// Decimal with an optional sign. Leading blanks are skipped as the platform did; anything after
// the last digit (trailing blanks included) makes the text invalid. The value must fit in 32 bits.
bool TryStrToInt(QStringView S, int& Value);
int StrToInt(const QString& S);
// Decimal with "." and an optional exponent, blanks at both ends ignored; "nan" is no number.
bool TryStrToFloat(const QString& S, double& Value);
QString IntToStr(long long Value);
// Removes blanks and control characters at both ends.
QString Trim(const QString& S);
