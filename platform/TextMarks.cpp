#include "platform/TextMarks.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TTextMarks::TTextMarks(QStringView Text, char16_t Mark) : FSize(Text.size()) {
    const size_t words = size_t(FSize + 63) / 64;
    FBreaks.assign(words, 0);
    FMarks.assign(words, 0);
    const char16_t* p = Text.utf16();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i nl = _mm_set1_epi16(short(u'\n')), cr = _mm_set1_epi16(short(u'\r'));
    const __m128i mark = _mm_set1_epi16(short(Mark));
    __m128i seen = _mm_setzero_si128();
    // Sixteen units give sixteen bits of each kind; i stays a multiple of 16, so they never
    // straddle two words.
    for (; i + 16 <= FSize; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 8));
        seen = _mm_or_si128(seen, _mm_or_si128(a, b));
        const __m128i breaksA = _mm_or_si128(_mm_cmpeq_epi16(a, nl), _mm_cmpeq_epi16(a, cr));
        const __m128i breaksB = _mm_or_si128(_mm_cmpeq_epi16(b, nl), _mm_cmpeq_epi16(b, cr));
        const auto breaks = uint32_t(_mm_movemask_epi8(_mm_packs_epi16(breaksA, breaksB)));
        const auto marks = uint32_t(
            _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(a, mark), _mm_cmpeq_epi16(b, mark))));
        FBreaks[size_t(i >> 6)] |= uint64_t(breaks) << (i & 63);
        FMarks[size_t(i >> 6)] |= uint64_t(marks) << (i & 63);
    }
    FAscii = _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(seen, _mm_set1_epi16(short(0xFF80))),
                                               _mm_setzero_si128())) == 0xFFFF;
#endif
    for (; i < FSize; ++i) {
        const uint64_t bit = uint64_t(1) << (i & 63);
        if (p[i] == u'\n' || p[i] == u'\r') FBreaks[size_t(i >> 6)] |= bit;
        if (p[i] == Mark) FMarks[size_t(i >> 6)] |= bit;
        if (p[i] >= 0x80) FAscii = false;
    }
}

qsizetype TTextMarks::NextAfter(const std::vector<uint64_t>& Bits, size_t Word) const {
    for (size_t w = Word + 1; w < Bits.size(); ++w)
        if (Bits[w]) return std::min(qsizetype(w * 64 + size_t(std::countr_zero(Bits[w]))), FSize);
    return FSize;
}
