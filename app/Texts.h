#pragma once
// The program's texts are UTF-8 in the source; this turns them into the window's strings.

#include "platform/Strings.h"

#include <string>
#include <string_view>

inline QString U(std::string_view Utf8) {
    return QString::fromUtf8(Utf8.data(), qsizetype(Utf8.size()));
}
inline std::string Utf8(const QString& Text) {
    return Text.toStdString();
}
