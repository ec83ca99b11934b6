#pragma once
// What the window's message loop does around a user's action: an exception that ends a handler
// is shown by the platform's default report, and the program goes on.

#include "platform/Forms.h"

#include <QFile>
#include <QString>

template <class TAction> void AsUser(TAction&& Action) {
    try {
        Action();
    } catch (...) {
        Application->HandleException(nullptr);
    }
}

inline QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
