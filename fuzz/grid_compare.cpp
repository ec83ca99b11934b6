// The sorting grid's comparisons over arbitrary texts: every style must be an ordering (no
// pair both ways, ties transitive, no cycle), and a sort with it must keep every text.

#include "grid/SortGridCompare.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int MaxTexts = 24;

void Check(bool Ok) {
    if (!Ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size < 1) return 0;
    static const TSortStyle styles[] = {TSortStyle::ssNormal, TSortStyle::ssNumeric,
                                        TSortStyle::ssNumericExtended, TSortStyle::ssDateTime,
                                        TSortStyle::ssTime};
    const TSortStyle style = styles[Data[0] % 5];
    const bool caseSensitive = Data[0] & 0x80;
    const QString all =
        QString::fromUtf8(reinterpret_cast<const char*>(Data + 1), qsizetype(Size - 1));
    QStringList texts = all.split(QLatin1Char('\n'));
    if (texts.size() > MaxTexts) texts.resize(MaxTexts);
    const int n = int(texts.size());

    std::vector<QString> lowered(static_cast<size_t>(n));
    std::vector<TSortKey> keys;
    for (int i = 0; i < n; ++i) {
        keys.push_back(MakeSortKey(texts[i], style, caseSensitive, lowered[size_t(i)]));
        keys.back().Row = i;
    }
    std::vector<int> r(size_t(n) * size_t(n));
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            r[size_t(a) * n + b] = CompareSortKeys(keys[size_t(a)], keys[size_t(b)], style, {});
    const auto at = [&](int a, int b) { return r[size_t(a) * n + b]; };
    for (int a = 0; a < n; ++a) {
        Check(at(a, a) == 0);
        for (int b = 0; b < n; ++b) {
            Check(at(a, b) == -at(b, a));
            for (int c = 0; c < n; ++c)
                if (at(a, b) <= 0 && at(b, c) <= 0) Check(at(a, c) <= 0);
        }
    }
    // The sort itself, over many copies so that it goes past its small-range insertion sort.
    std::vector<TSortKey> many;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < n; ++i) {
            many.push_back(keys[size_t(i)]);
            many.back().Row = k * n + i;
        }
    for (TSortDirection d : {TSortDirection::sdAscending, TSortDirection::sdDescending}) {
        std::sort(many.begin(), many.end(), [&](const TSortKey& x, const TSortKey& y) {
            return DirectedCompare(CompareSortKeys(x, y, style, {}), x.Row, y.Row, d) < 0;
        });
        for (size_t i = 1; i < many.size(); ++i)
            Check(DirectedCompare(CompareSortKeys(many[i - 1], many[i], style, {}), many[i - 1].Row,
                                  many[i].Row, d) < 0);
    }
    (void)DetectSortStyleOf(0, n - 1, [&](int I) { return texts[I]; });
    return 0;
}
