#pragma once
// Byte arrays as the platform's stored data holds them: little-endian 32-bit integers.

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <initializer_list>

// The integer at Offset; the caller has checked that four bytes are there.
inline int32_t ReadInt32LE(const QByteArray& Data, qsizetype Offset) {
    return qFromLittleEndian<int32_t>(Data.constData() + Offset);
}

inline QByteArray Int32sLE(std::initializer_list<int32_t> Values) {
    QByteArray out;
    for (int32_t v : Values) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    }
    return out;
}
