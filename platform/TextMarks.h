#pragma once
// Where a text's line breaks and one chosen character are, as bits of 64 units a word, found in
// one pass over the text (sixteen units a step where the processor allows). A reader of many
// short lines then visits each line with its end and the character, without a loop over its
// units.

#include <QStringView>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

class TTextMarks {
public:
    TTextMarks(QStringView Text, char16_t Mark);
    // The first Mark at or after From; the text's length without one.
    qsizetype NextMark(qsizetype From) const { return Next(FMarks, From); }
    // True when every unit of the text is below 0x80.
    bool Ascii() const { return FAscii; }

    // Visit(start, end, mark) for every line: its first unit, the break ending it (or the text's
    // end) and its first Mark (or end). "\r\n" ends a line once.
    template <class F> void ForEachLine(const char16_t* Text, F Visit) const {
        qsizetype start = 0;
        for (size_t w = 0; w < FBreaks.size(); ++w) {
            for (uint64_t bits = FBreaks[w]; bits; bits &= bits - 1) {
                const qsizetype e = qsizetype(w * 64) + std::countr_zero(bits);
                if (e < start) continue; // the "\n" of a "\r\n"
                Visit(start, e, std::min(NextMark(start), e));
                start = Text[e] == u'\r' && e + 1 < FSize && Text[e + 1] == u'\n' ? e + 2 : e + 1;
            }
        }
        if (start < FSize) Visit(start, FSize, NextMark(start));
    }

private:
    // The first set bit at or after From: in From's own word inline, further on out of line.
    qsizetype Next(const std::vector<uint64_t>& Bits, qsizetype From) const {
        if (From >= FSize) return FSize;
        const uint64_t word = Bits[size_t(From >> 6)] & (~uint64_t(0) << (From & 63));
        if (!word) return NextAfter(Bits, size_t(From >> 6));
        return std::min(qsizetype((From & ~qsizetype(63)) + std::countr_zero(word)), FSize);
    }
    qsizetype NextAfter(const std::vector<uint64_t>& Bits, size_t Word) const;
    std::vector<uint64_t> FBreaks, FMarks;
    qsizetype FSize;
    bool FAscii = true;
};
