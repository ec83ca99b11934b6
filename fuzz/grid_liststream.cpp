// The string grid's stored list stream read from arbitrary bytes, in both quanta: no crash, no
// runaway memory, and whatever was read writes and reads back the same.

#include "grid/MyGridsStrings.h"

#include <QDataStream>
#include <QIODevice>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool Ok) {
    if (!Ok) std::abort();
}

void RoundTrip(const TStringSparseList& List, TSPAQuantum Quantum) {
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        List.WriteList(out);
    }
    TStringSparseList copy(Quantum);
    QDataStream in(bytes);
    copy.ReadList(in);
    Check(in.status() == QDataStream::Ok);
    int stored = 0;
    List.Sparse().ForAll([&](int Index, void* Item) {
        ++stored;
        Check(copy.Get(Index) == TStringSparseList::ItemText(Item));
        return 0;
    });
    int copied = 0;
    copy.Sparse().ForAll([&](int, void*) { return ++copied, 0; });
    Check(stored == copied);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    for (TSPAQuantum q : {TSPAQuantum::SPASmall, TSPAQuantum::SPALarge}) {
        TStringSparseList list(q);
        QDataStream in(bytes);
        try {
            list.ReadList(in);
        } catch (const EListError&) {
            // refused index: what was read before it stays
        }
        RoundTrip(list, q);
    }
    return 0;
}
