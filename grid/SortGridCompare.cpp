// Comparison styles of the sorting grid.

#include "grid/SortGridCompare.h"

#include <cmath>

namespace {

int StrComp(const QString& A, const QString& B) {
    const int r = A.compare(B);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

bool HasUpperAscii(const QString& S) {
    for (QChar c : S)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) return true;
    return false;
}

QString LowerAscii(const QString& S) {
    QString r = S;
    for (QChar& c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
    return r;
}

bool IsDigit(QChar C) {
    return C >= QLatin1Char('0') && C <= QLatin1Char('9');
}

// Where a key stands among the others under a valued style.
enum TValueRank { vrTextBefore, vrValue, vrTextAfter };

TValueRank RankOf(const TSortKey& K) {
    if (K.Ok) return vrValue;
    return StrComp(*K.Text, QStringLiteral("0")) < 0 ? vrTextBefore : vrTextAfter;
}

int CompareValued(const TSortKey& A, const TSortKey& B) {
    const TValueRank ra = RankOf(A), rb = RankOf(B);
    if (ra != rb) return ra < rb ? -1 : 1;
    if (ra == vrValue) return A.Value < B.Value ? -1 : A.Value > B.Value ? 1 : 0;
    return StrComp(*A.Text, *B.Text);
}

// Compares the digit runs starting at A[i] and B[j] by value (any length, no overflow) and moves
// both indices past them.
int CompareDigitRuns(const QString& A, qsizetype& I, const QString& B, qsizetype& J) {
    while (I < A.size() - 1 && A[I] == QLatin1Char('0') && IsDigit(A[I + 1])) ++I;
    while (J < B.size() - 1 && B[J] == QLatin1Char('0') && IsDigit(B[J + 1])) ++J;
    qsizetype ea = I, eb = J;
    while (ea < A.size() && IsDigit(A[ea])) ++ea;
    while (eb < B.size() && IsDigit(B[eb])) ++eb;
    int r = 0;
    if (ea - I != eb - J)
        r = ea - I < eb - J ? -1 : 1;
    else
        for (qsizetype k = 0; k < ea - I && r == 0; ++k)
            if (A[I + k] != B[J + k]) r = A[I + k] < B[J + k] ? -1 : 1;
    I = ea;
    J = eb;
    return r;
}

} // namespace

bool TryStrToTime(const QString& S, double& Value) {
    const QStringList parts = S.trimmed().split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3) return false;
    int v[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i)
        if (!TryStrToInt(parts[i], v[i]) || parts[i].isEmpty() || v[i] < 0) return false;
    TDateTime t = 0;
    if (!TryEncodeTime(v[0], v[1], v[2], 0, t)) return false;
    Value = t;
    return true;
}

TSortKey MakeSortKey(const QString& S, TSortStyle Style, bool CaseSensitive, QString& Lowered) {
    TSortKey k;
    k.Text = &S;
    if (!CaseSensitive && HasUpperAscii(S)) {
        Lowered = LowerAscii(S);
        k.Text = &Lowered;
    }
    switch (Style) {
    case TSortStyle::ssNumeric:
        k.Ok = TryStrToFloat(*k.Text, k.Value);
        break;
    case TSortStyle::ssDateTime: {
        TDateTime d = 0;
        k.Ok = TryStrToDateTime(*k.Text, d) && !std::isnan(d);
        k.Value = d;
        break;
    }
    case TSortStyle::ssTime:
        k.Ok = TryStrToTime(*k.Text, k.Value);
        break;
    default:
        break;
    }
    return k;
}

int CompareSortKeys(const TSortKey& A, const TSortKey& B, TSortStyle Style,
                    const TSortCompareProc& Custom) {
    switch (Style) {
    case TSortStyle::ssNumeric:
    case TSortStyle::ssDateTime:
    case TSortStyle::ssTime:
        return CompareValued(A, B);
    case TSortStyle::ssNumericExtended:
        return CompareNumericExtended(*A.Text, *B.Text);
    case TSortStyle::ssCustom:
        return Custom ? Custom(*A.Text, *B.Text) : 0;
    default:
        return StrComp(*A.Text, *B.Text);
    }
}

int CompareNumericExtended(const QString& A, const QString& B) {
    qsizetype i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (IsDigit(A[i]) && IsDigit(B[j])) {
            if (const int r = CompareDigitRuns(A, i, B, j)) return r;
            continue;
        }
        // A digit against anything else compares by code, like any two characters: the digits
        // are one block of codes, so a whole number stands where its first digit does.
        if (A[i] != B[j]) return A[i] < B[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < A.size() || j < B.size()) return i < A.size() ? 1 : -1;
    return StrComp(A, B);
}

int DirectedCompare(int Result, int RowA, int RowB, TSortDirection Direction) {
    if (Result == 0) return RowA < RowB ? -1 : RowA > RowB ? 1 : 0;
    return Direction == TSortDirection::sdDescending ? -Result : Result;
}

TSortStyle DetectSortStyleOf(int First, int Last, const std::function<QString(int)>& TextAt) {
    bool numbers = true, times = true, dates = true;
    for (int r = First; r <= Last && (numbers || times || dates); ++r) {
        const QString s = TextAt(r);
        double v = 0;
        TDateTime d = 0;
        numbers = numbers && TryStrToFloat(s, v);
        times = times && TryStrToTime(s, v);
        dates = dates && TryStrToDateTime(s, d);
    }
    if (numbers) return TSortStyle::ssNumeric;
    if (dates) return TSortStyle::ssDateTime;
    if (times) return TSortStyle::ssTime;
    return TSortStyle::ssNormal;
}
