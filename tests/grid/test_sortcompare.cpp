// The sorting grid's comparisons: each must be an ordering a sort can rely on, and keep the
// documented results where texts are all of one kind.

#include "grid/SortGridCompare.h"

#include <gtest/gtest.h>

namespace {

const QStringList& Awkward() {
    static const QStringList texts = {QString(),
                                      QStringLiteral(" "),
                                      QStringLiteral("-"),
                                      QStringLiteral("."),
                                      QStringLiteral("0"),
                                      QStringLiteral("00"),
                                      QStringLiteral("1"),
                                      QStringLiteral("01"),
                                      QStringLiteral("9"),
                                      QStringLiteral("10"),
                                      QStringLiteral("-5"),
                                      QStringLiteral("1.5"),
                                      QStringLiteral("1.25"),
                                      QStringLiteral("1e3"),
                                      QStringLiteral("nan"),
                                      QStringLiteral("inf"),
                                      QStringLiteral("x1a"),
                                      QStringLiteral("x9"),
                                      QStringLiteral("x10"),
                                      QStringLiteral("item2"),
                                      QStringLiteral("item10"),
                                      QStringLiteral("a-2"),
                                      QStringLiteral("a-10"),
                                      QStringLiteral("abc"),
                                      QStringLiteral("ABC"),
                                      QStringLiteral("n/a"),
                                      QStringLiteral("(none)"),
                                      QStringLiteral("2024-01-05"),
                                      QStringLiteral("2024-1-5 7:05"),
                                      QStringLiteral("12:30"),
                                      QStringLiteral("7:05:09"),
                                      QStringLiteral("25:00"),
                                      QStringLiteral("99999999999999999999"),
                                      QStringLiteral("a007b"),
                                      QStringLiteral("a7b"),
                                      QStringLiteral("a7c")};
    return texts;
}

// Irreflexive, antisymmetric, transitive, and ties transitive: what std::sort needs.
void ExpectOrdering(TSortStyle Style, bool CaseSensitive) {
    const QStringList& t = Awkward();
    const int n = int(t.size());
    std::vector<QString> lowered(static_cast<size_t>(n));
    std::vector<TSortKey> keys;
    for (int i = 0; i < n; ++i)
        keys.push_back(MakeSortKey(t[i], Style, CaseSensitive, lowered[size_t(i)]));
    const auto cmp = [&](int a, int b) {
        return CompareSortKeys(keys[size_t(a)], keys[size_t(b)], Style, {});
    };
    for (int a = 0; a < n; ++a) {
        ASSERT_EQ(cmp(a, a), 0) << t[a].toStdString();
        for (int b = 0; b < n; ++b) {
            ASSERT_EQ(cmp(a, b), -cmp(b, a)) << t[a].toStdString() << " / " << t[b].toStdString();
            for (int c = 0; c < n; ++c) {
                if (cmp(a, b) <= 0 && cmp(b, c) <= 0) {
                    ASSERT_LE(cmp(a, c), 0) << t[a].toStdString() << " <= " << t[b].toStdString()
                                            << " <= " << t[c].toStdString();
                }
            }
        }
    }
}

TEST(SortComparisons, EveryStyleIsAnOrderingOverMixedTexts) {
    for (TSortStyle s : {TSortStyle::ssNormal, TSortStyle::ssNumeric, TSortStyle::ssNumericExtended,
                         TSortStyle::ssDateTime, TSortStyle::ssTime})
        for (bool cs : {false, true}) {
            SCOPED_TRACE(int(s) * 2 + cs);
            ExpectOrdering(s, cs);
        }
}

int Compare(const QString& A, const QString& B, TSortStyle Style, bool CaseSensitive = false) {
    QString la, lb;
    return CompareSortKeys(MakeSortKey(A, Style, CaseSensitive, la),
                           MakeSortKey(B, Style, CaseSensitive, lb), Style, {});
}

TEST(SortComparisons, KeepTheirResultsWhereTextsAreOfOneKind) {
    using enum TSortStyle;
    EXPECT_LT(Compare(QStringLiteral("item2"), QStringLiteral("item10"), ssNumericExtended), 0);
    EXPECT_LT(Compare(QStringLiteral("a-2"), QStringLiteral("a-10"), ssNumericExtended), 0);
    EXPECT_LT(Compare(QStringLiteral("1.5"), QStringLiteral("1.25"), ssNumericExtended), 0);
    EXPECT_LT(Compare(QString(), QStringLiteral("0"), ssNumericExtended), 0);
    EXPECT_LT(Compare(QStringLiteral("ab!"), QStringLiteral("ab1"), ssNumericExtended), 0);
    EXPECT_EQ(Compare(QStringLiteral("abc"), QStringLiteral("ABC"), ssNumericExtended), 0);
    // Digit runs of any length, no overflow.
    EXPECT_GT(
        Compare(QStringLiteral("99999999999999999999"), QStringLiteral("9"), ssNumericExtended), 0);

    EXPECT_LT(Compare(QStringLiteral("9"), QStringLiteral("10"), ssNumeric), 0);
    EXPECT_LT(Compare(QStringLiteral("-5"), QStringLiteral("1e3"), ssNumeric), 0);
    EXPECT_EQ(Compare(QStringLiteral("1"), QStringLiteral(" 1.0"), ssNumeric), 0);
    // Texts that are no numbers: empty ones before the numbers, words after them.
    EXPECT_LT(Compare(QString(), QStringLiteral("-5"), ssNumeric), 0);
    EXPECT_GT(Compare(QStringLiteral("n/a"), QStringLiteral("10"), ssNumeric), 0);
    EXPECT_LT(Compare(QStringLiteral("n/a"), QStringLiteral("nan"), ssNumeric), 0); // nan is text

    EXPECT_LT(Compare(QStringLiteral("2024-1-5"), QStringLiteral("2024-01-06"), ssDateTime), 0);
    EXPECT_LT(Compare(QStringLiteral("9:00"), QStringLiteral("10:00"), ssTime), 0);
    EXPECT_LT(Compare(QStringLiteral("B"), QStringLiteral("a"), ssNormal, true), 0);
    EXPECT_GT(Compare(QStringLiteral("B"), QStringLiteral("a"), ssNormal), 0);
}

TEST(SortComparisons, TiesGoToTheEarlierRowInBothDirections) {
    EXPECT_LT(DirectedCompare(0, 2, 5, TSortDirection::sdDescending), 0);
    EXPECT_GT(DirectedCompare(-1, 2, 5, TSortDirection::sdDescending), 0);
    EXPECT_GT(DirectedCompare(0, 5, 2, TSortDirection::sdAscending), 0);
}

TEST(SortComparisons, DetectionNeedsEveryTextOfOneKind) {
    const auto detect = [](QStringList T) {
        return DetectSortStyleOf(0, int(T.size()) - 1, [&](int I) { return T[I]; });
    };
    EXPECT_EQ(detect({QStringLiteral("1"), QStringLiteral("2.5")}), TSortStyle::ssNumeric);
    EXPECT_EQ(detect({QStringLiteral("2024-01-05"), QStringLiteral("2024-1-5 7:05")}),
              TSortStyle::ssDateTime);
    EXPECT_EQ(detect({QStringLiteral("7:05"), QStringLiteral("23:59:59")}), TSortStyle::ssTime);
    EXPECT_EQ(detect({QStringLiteral("1"), QString()}), TSortStyle::ssNormal);
    EXPECT_EQ(detect({QStringLiteral("nan")}), TSortStyle::ssNormal);
}

} // namespace
