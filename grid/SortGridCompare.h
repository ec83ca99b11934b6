#pragma once
// The sorting grid's comparisons, apart from the control so that they are tested and fuzzed
// without a window. Each is a strict weak ordering (irreflexive, transitive, with transitive
// ties): a sort handed anything less may read outside its range.

#include "grid/SortGrid.h"

#include <algorithm>
#include <functional>
#include <vector>

// A cell text prepared once per sort: the text to compare (the cell's own or a lower-cased copy
// the caller keeps) and, for the valued styles, its value.
struct TSortKey {
    const QString* Text = nullptr;
    bool Ok = false; // the text converted under the style
    double Value = 0;
    int Row = 0;    // position before the sort, breaks ties
    int Source = 0; // snapshot row
};

// "h:nn" or "h:nn:ss", as a fraction of a day.
bool TryStrToTime(const QString& S, double& Value);

TSortKey MakeSortKey(const QString& S, TSortStyle Style, bool CaseSensitive, QString& Lowered);

// -1, 0 or 1 by the style's rule. The valued styles (numbers, date-times, times) order values
// among themselves and texts among themselves by character codes; a text that is no value goes
// before all values when it sorts before "0" (the empty text, most punctuation), else after them.
int CompareSortKeys(const TSortKey& A, const TSortKey& B, TSortStyle Style,
                    const TSortCompareProc& Custom);

// Texts with numbers in them: runs of digits compare by their value, everything else by
// character code, so "item2" < "item10" and "a-2" < "a-10"; the empty text comes first. Texts
// equal but for leading zeros compare by character code.
int CompareNumericExtended(const QString& A, const QString& B);

// A result of 0 goes to the earlier row whatever the direction; descending turns the rest.
int DirectedCompare(int Result, int RowA, int RowB, TSortDirection Direction);

// ssNumeric when every text is a number, else ssDateTime when all are date-times, else ssTime
// when all are times, else ssNormal (an empty text is none of them).
TSortStyle DetectSortStyleOf(int First, int Last, const std::function<QString(int)>& TextAt);

// A stable merge sort that only ever reads inside Items, whatever Less answers (std::sort may
// run past its range when handed a comparison that is no ordering).
template <class T, class TLess> void MergeSort(std::vector<T>& Items, TLess Less) {
    const size_t n = Items.size();
    std::vector<T> buffer(n);
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                buffer[k++] = Less(Items[j], Items[i]) ? Items[j++] : Items[i++];
            while (i < mid) buffer[k++] = Items[i++];
            while (j < hi) buffer[k++] = Items[j++];
        }
        Items.swap(buffer);
    }
}
